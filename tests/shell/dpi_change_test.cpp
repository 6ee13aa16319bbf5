// The real main window, moved to a monitor of 144 DPI, as Windows tells it
// with WM_DPICHANGED (Wine never sends it).
#include "dpi.h"
#include "shell_window.h"
#include "twips.h"
#include "window_geometry.h"

namespace rokan {
namespace {

constexpr int kNewDpi = 144;

using DpiChange = ShellWindowTest;

TEST_F(DpiChange, ControlsFontsAndTheSizeBandFollowTheNewDpi) {
    RECT suggested{100, 50, 100 + 700, 50 + 400};
    SendMessageW(handle, WM_DPICHANGED, MAKEWPARAM(kNewDpi, kNewDpi), reinterpret_cast<LPARAM>(&suggested));

    RECT outer{};
    GetWindowRect(handle, &outer);
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 50);
    for (const ControlLayout& layout : kMainControls) {
        HWND control = child(layout.id);
        RECT placed{};
        GetWindowRect(control, &placed);
        MapWindowPoints(nullptr, handle, reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(placed.left, twipsToPixels(layout.left, kNewDpi)) << layout.text;
        EXPECT_EQ(placed.top, twipsToPixels(layout.top, kNewDpi)) << layout.text;
        EXPECT_EQ(placed.right - placed.left, twipsToPixels(layout.width, kNewDpi)) << layout.text;
        EXPECT_EQ(placed.bottom - placed.top, twipsToPixels(layout.height, kNewDpi)) << layout.text;
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, pointsToFontHeight(layout.font.points, kNewDpi)) << layout.text;
    }

    MINMAXINFO limits{};
    SendMessageW(handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    const SIZE frame = frameSize(handle);
    EXPECT_EQ(limits.ptMinTrackSize.x, clientPixelsFor(kFixedWidth, kDesignFrameWidth, kNewDpi) + frame.cx);
    EXPECT_EQ(limits.ptMinTrackSize.y, clientPixelsFor(kMinimumHeight, kDesignFrameHeight, kNewDpi) + frame.cy);
    EXPECT_EQ(limits.ptMaxTrackSize.y, clientPixelsFor(kMaximumHeight, kDesignFrameHeight, kNewDpi) + frame.cy + 1);
}

// Where GetDpiForWindow is missing (Windows 8.1, 10 before 1607) the
// monitor's DPI comes from shcore, loaded from System32 by hand.
TEST_F(DpiChange, ShcoreGivesTheMonitorsDpiWhereGetDpiForWindowIsMissing) {
    EXPECT_EQ(dpiOfMonitor(handle), dpiOfWindow(handle));  // GetDpiForWindow, which Wine has
}

}  // namespace
}  // namespace rokan
