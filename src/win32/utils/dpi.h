#pragma once
#include <windows.h>

namespace rokan {

// The DPI a window is shown at (with no window: the screen's). Windows 7 lacks
// GetDpiForWindow, so it is looked up at run time.
int dpiOfWindow(HWND window);

}  // namespace rokan
