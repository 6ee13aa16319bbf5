// The real main window told what Windows tells it and Wine never does: a move
// to a monitor of another DPI (WM_DPICHANGED), a restore from the taskbar, and
// a change of colours or settings.
#include "dpi.h"
#include "shell_window.h"
#include "twips.h"
#include "window_geometry.h"

namespace rokan {
namespace {

constexpr int kNewDpi = 144;

using DpiChange = ShellWindowTest;

// Where GetDpiForWindow is missing (Windows 8.1, 10 before 1607) the
// monitor's DPI comes from shcore, loaded from System32 by hand.
TEST_F(DpiChange, ControlsFontsAndTheSizeBandFollowTheNewDpi) {
    EXPECT_EQ(dpiOfMonitor(handle), dpiOfWindow(handle));  // GetDpiForWindow, which Wine has
    moveToDpi(kNewDpi, {100, 50, 100 + 700, 50 + 400});

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

// Rokan puts the window back where it was, as Wine would not, unless no
// monitor shows that place any more. A monitor unplugged while the window is
// minimized: Windows moves its restore place onto a monitor that remains,
// which SetWindowPlacement plays here by hand, the window having stood off
// every screen of Wine's desktop.
using Restore = ShellWindowTest;

TEST_F(Restore, TheWindowComesBackWhereItStoodUnlessNoMonitorShowsThatPlace) {
    ShowWindow(handle, SW_SHOWNORMAL);
    const RECT windowsPlace{100, 120, 500, 420};
    const struct {
        POINT stood;
        bool shown;
    } rows[] = {{{200, 180}, true}, {{5000, 4000}, false}};
    for (const auto& [stood, shown] : rows) {
        SCOPED_TRACE(stood.x);
        SetWindowPos(handle, nullptr, stood.x, stood.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        RECT before{};
        GetWindowRect(handle, &before);
        ShowWindow(handle, SW_MINIMIZE);
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(handle, &placement);
        placement.rcNormalPosition = windowsPlace;
        SetWindowPlacement(handle, &placement);
        ShowWindow(handle, SW_RESTORE);

        RECT after{};
        GetWindowRect(handle, &after);
        if (shown) {
            EXPECT_TRUE(EqualRect(&after, &before));
        } else {
            EXPECT_EQ(after.left, windowsPlace.left);
            EXPECT_EQ(after.top, windowsPlace.top);
        }
        EXPECT_NE(MonitorFromRect(&after, MONITOR_DEFAULTTONULL), nullptr);
    }
}

// Windows tells every top-level window; Wine does not tell other programs.
using Colours = ShellWindowTest;

TEST_F(Colours, ANewSchemeOrHighContrastDrawsTheWindowAndItsBoxesAgain) {
    ShowWindow(handle, SW_SHOWNOACTIVATE);
    for (UINT message : {WM_SYSCOLORCHANGE, WM_SETTINGCHANGE}) {
        SCOPED_TRACE(message);
        RedrawWindow(handle, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        SendMessageW(handle, message, message == WM_SETTINGCHANGE ? SPI_SETHIGHCONTRAST : 0, 0);
        for (HWND window : {handle, child(Control::sCall), child(Control::gMin)})
            EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE));
    }
}

}  // namespace
}  // namespace rokan
