#pragma once
#include <algorithm>

#include "main_layout.h"
#include "twips.h"

namespace rokan {

// The main window's rectangle as the program sees it, from the pixels the
// window system keeps and back. Windows keeps the screen coordinates of every
// monitor in one grid of pixels, whatever each monitor's DPI: Left and Top
// are that grid at the desktop's one DPI, so that a place written and read on
// the same desktop lands on the same pixel whichever monitor it is on. Width
// and Height are the client area at the DPI of the window's own monitor plus
// the design frame, so that the window keeps its size in twips on each.
struct WindowTwips {
    int desktopDpi;
    int windowDpi;

    double place(int pixels) const { return pixelsToTwips(pixels, desktopDpi); }
    int placePixels(double twips) const { return twipsToPixels(twips, desktopDpi); }
    double width(int clientPixels) const { return outerTwipsFor(clientPixels, kDesignFrameWidth, windowDpi); }
    double height(int clientPixels) const { return outerTwipsFor(clientPixels, kDesignFrameHeight, windowDpi); }
    int clientWidth(double twips) const { return std::max(0, clientPixelsFor(twips, kDesignFrameWidth, windowDpi)); }
    int clientHeight(double twips) const { return std::max(0, clientPixelsFor(twips, kDesignFrameHeight, windowDpi)); }
};

}  // namespace rokan
