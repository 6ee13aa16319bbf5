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

// A Width or Height as the program sees it (client area plus the design
// frame) and the client area in pixels that shows it.
inline int clientPixelsFor(double outerTwips, int designFrameTwips, int dpi) {
    return twipsToPixels(outerTwips - designFrameTwips, dpi);
}
inline double outerTwipsFor(int clientPixels, int designFrameTwips, int dpi) {
    return pixelsToTwips(clientPixels, dpi) + designFrameTwips;
}

// A font size in points as a (negative, character-height) LOGFONT height.
inline int pointsToFontHeight(double points, int dpi) {
    return -static_cast<int>(std::lround(points * dpi / 72.0));
}

}  // namespace rokan
