#pragma once
#include <cmath>

namespace rokan {

// Rounded to the nearest pixel, as MulDiv does, so a size set in twips comes
// back as close to itself as the screen allows.
inline int twipsToPixels(double twips, int dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

inline double pixelsToTwips(int pixels, int dpi) {
    return pixels * 1440.0 / dpi;
}

// A font size in points as a (negative, character-height) LOGFONT height.
inline int pointsToFontHeight(double points, int dpi) {
    return -static_cast<int>(std::lround(points * dpi / 72.0));
}

}  // namespace rokan
