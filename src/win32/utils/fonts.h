#pragma once
#include <windows.h>

#include <map>
#include <utility>

#include "main_layout.h"

namespace rokan {

// The window's fonts at one DPI, made on first use and freed together.
class Fonts {
public:
    Fonts() = default;
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;
    ~Fonts() { clear(); }

    HFONT get(FontSpec wanted, int dpi);
    void clear();

private:
    std::map<std::pair<int, int>, HFONT> fonts_;  // (hundredths of a point, weight)
    int dpi_ = 0;
};

}  // namespace rokan
