#pragma once
#include <cstdint>

namespace rokan {

// One line of an etched separator as designed: twips along, pixels wide.
// Lines are drawn in order, so a grey line can lie over a white one.
struct SeparatorLine {
    int fromX, toX;
    std::uint32_t colour;  // 0x00BBGGRR
    int widthPixels;
};

}  // namespace rokan
