#pragma once
// What is actually drawn on the screen.

#include <windows.h>

#include <filesystem>

namespace rokan::e2e {

// The colour at a screen point (GetPixel on the screen DC); CLR_INVALID when
// the point is off screen.
COLORREF pixel(POINT screenPoint);
COLORREF pixel(int x, int y);

// True when each channel is within tolerance: a display at less than 24 bits
// per pixel rounds colours.
bool sameColour(COLORREF a, COLORREF b, int tolerance = 8);

// Saves what the screen shows inside the rectangle as a 24-bit BMP file.
// Throws std::runtime_error when it cannot.
void saveScreenBmp(const RECT& screenRect, const std::filesystem::path& file);

}  // namespace rokan::e2e
