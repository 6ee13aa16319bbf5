#pragma once
#include <cstdint>

namespace rokan {

// One line of an etched separator as designed: twips along, pixels wide.
// Lines are drawn in order, so a grey line can lie over a white one. Where
// edges take the system's colours, the light line is its 3-D highlight and
// the grey one its 3-D shadow.
struct SeparatorLine {
    enum class Edge { highlight, shadow };
    int fromX, toX;
    std::uint32_t colour;  // 0x00BBGGRR
    int widthPixels;
    Edge edge;
};

}  // namespace rokan
