#pragma once
#include <windows.h>

#include <span>

#include "separator_line.h"

namespace rokan {

// Draws the lines in order at y twips. A pen wider than a pixel is centred on
// its line, so each is drawn that far lower: a white line of two pixels under
// a grey one of one shows grey with white directly below. In high contrast
// the lines take the system's 3-D colours.
void drawSeparator(HDC dc, std::span<const SeparatorLine> lines, int yTwips, int dpi);

}  // namespace rokan
