#pragma once
#include <windows.h>

namespace rokan {

// The DPI a window is shown at: its monitor's (with no window: the
// desktop's). Windows 10 before 1607 lacks GetDpiForWindow and Windows 7
// GetDpiForMonitor, so both are looked up at run time.
int dpiOfWindow(HWND window);

// A window's monitor's DPI as shcore tells it (Windows 8.1 on); 0 without shcore.
int dpiOfMonitor(HWND window);

// The DPI of the desktop as a whole, fixed for the session: the one scale of
// the screen coordinates that every monitor shares.
int desktopDpi();

}  // namespace rokan
