#pragma once
#include <windows.h>

// Placing a window by its client area, whatever frame this Windows draws.
namespace rokan {

// The frame's total width and height: the outer size less the client size.
SIZE frameSize(HWND window);
// Any failure throws Failure.
void setClientSize(HWND window, int width, int height);
void moveTo(HWND window, int x, int y);

}  // namespace rokan
