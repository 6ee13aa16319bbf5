#include "dpi.h"

#include "system_function.h"

namespace rokan {

// Windows 8.1 and 10 before 1607 know each monitor's DPI only through
// shcore, which is not one of the DLLs Rokan links: loaded from System32
// alone, never from Rokan's folder.
int dpiOfMonitor(HWND window) {
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    static const auto getDpiForMonitor = systemFunction<GetDpiForMonitorFn>(
        LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32), "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (getDpiForMonitor &&
        SUCCEEDED(getDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y)))
        return static_cast<int>(y);
    return 0;
}

int dpiOfWindow(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        systemFunction<GetDpiForWindowFn>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (window) {
        if (UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0) return static_cast<int>(dpi);
        if (int dpi = dpiOfMonitor(window)) return dpi;
    }
    return desktopDpi();
}

int desktopDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace rokan
