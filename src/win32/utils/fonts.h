#pragma once
#include <windows.h>

#include <map>
#include <tuple>

#include "main_layout.h"

namespace rokan {

// The window's fonts at one DPI, made on first use and freed together.
class Fonts {
public:
    Fonts() = default;
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;
    ~Fonts() { clear(); }

    // smallerBy: pixels off the character height, for a box the face's
    // digits are too wide for.
    HFONT get(FontSpec wanted, int dpi, int smallerBy = 0);
    void clear();

    // The face every control's font is made in, with its charset.
    struct Face {
        const wchar_t* name;
        int charset;
    };
    static Face chosenFace();

private:
    std::map<std::tuple<int, int, int>, HFONT> fonts_;  // (hundredths of a point, weight, smallerBy)
    int dpi_ = 0;
};

}  // namespace rokan
