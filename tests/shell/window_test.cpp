// The real main window told what Windows tells it and Wine never does: a move
// to a monitor of another DPI (WM_DPICHANGED), a restore from the taskbar, and
// a change of colours or settings; and what the controls' fonts leave of the
// controls at the DPIs users run.
#include <string>

#include "dpi.h"
#include "driver/driver.h"
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

    const RECT outer = e2e::windowRect(handle);
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 50);
    for (const ControlLayout& layout : kMainControls) {
        HWND control = child(layout.id);
        const RECT placed = e2e::rectInParentClient(control, handle);
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
        const RECT before = e2e::windowRect(handle);
        ShowWindow(handle, SW_MINIMIZE);
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(handle, &placement);
        placement.rcNormalPosition = windowsPlace;
        SetWindowPlacement(handle, &placement);
        ShowWindow(handle, SW_RESTORE);

        const RECT after = e2e::windowRect(handle);
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
    for (UINT message : {WM_SYSCOLORCHANGE, WM_SETTINGCHANGE}) {
        SCOPED_TRACE(message);
        RedrawWindow(handle, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        SendMessageW(handle, message, message == WM_SETTINGCHANGE ? SPI_SETHIGHCONTRAST : 0, 0);
        for (HWND window : {handle, child(Control::sCall), child(Control::gMin)})
            EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE));
    }
}

// Measured in the test prefix, which has the designed face, and in a default
// prefix, which lacks it.
using Fonts = ShellWindowTest;

// Every caption inside its control (a button's inside its raised edge), and
// the widest two-digit number inside the minutes box's formatting rectangle
// with a pixel to spare for the caret after it, in the face the window chose
// (the designed one where installed). A number typed with the caret after its
// last digit, then the box locked (as noise cancel does) or left, shows from
// its first digit; three digits do not fit, so they show the box's own scroll.
TEST_F(Fonts, CaptionsAndTwoDigitsFitAndTheMinutesShowFromTheFirstDigitOnceLockedOrLeftAtEveryDpi) {
    const ::rokan::Fonts::Face chosen = ::rokan::Fonts::chosenFace();
    HWND minutes = child(Control::gMin);
    const struct {
        const wchar_t* typed;
        bool locked, left;
    } rows[] = {{L"15", true, true}, {L"100", true, false}, {L"100", false, true}};
    for (int dpi : {96, 120, 144, 192}) {
        moveToDpi(dpi);
        for (const ControlLayout& layout : kMainControls) {
            SCOPED_TRACE(std::to_string(dpi) + " DPI, control #" + std::to_string(static_cast<int>(layout.id)));
            HWND control = child(layout.id);
            if (layout.id == Control::gMin) {
                int widest = 0;
                for (int number = 10; number <= 99; ++number)
                    widest = std::max<int>(widest, e2e::textExtent(control, std::to_wstring(number)).cx);
                const RECT box = e2e::editFormattingRect(control);
                EXPECT_LT(widest, box.right - box.left);
                EXPECT_LE(e2e::textExtent(control, L"88").cy, box.bottom - box.top);
            } else if (*layout.text) {
                const int edge = layout.kind == ControlKind::button ? MulDiv(GetSystemMetrics(SM_CXEDGE), dpi, 96) : 0;
                EXPECT_LE(e2e::textExtent(control, layout.text).cx, e2e::clientSize(control).cx - 2 * edge);
            }
            EXPECT_EQ(e2e::fontFace(control), chosen.name);
        }
        for (const auto& row : rows) {
            SCOPED_TRACE(std::to_string(dpi) + " DPI, typed " + std::string(row.typed, row.typed + wcslen(row.typed)));
            window.setReadOnly(Control::gMin, false);
            SetFocus(minutes);
            SetWindowTextW(minutes, L"");
            for (const wchar_t* key = row.typed; *key; ++key) SendMessageW(minutes, WM_CHAR, *key, 0);
            ASSERT_EQ(window.text(Control::gMin), row.typed);
            if (row.locked) window.setReadOnly(Control::gMin, true);
            if (row.left) SetFocus(child(Control::btnAutoMute));
            // The first character at the formatting rectangle's left edge: the box is not scrolled.
            EXPECT_EQ(static_cast<short>(LOWORD(SendMessageW(minutes, EM_POSFROMCHAR, 0, 0))),
                      e2e::editFormattingRect(minutes).left);
        }
    }
}

}  // namespace
}  // namespace rokan
