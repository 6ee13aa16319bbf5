// The real main window, moved to a monitor of 144 DPI, as Windows tells it
// with WM_DPICHANGED (Wine never sends it).
#include <gtest/gtest.h>

#include "control_ids.h"
#include "main_window.h"
#include "twips.h"
#include "window_geometry.h"

namespace rokan {
namespace {

constexpr int kNewDpi = 144;

TEST(DpiChange, ControlsFontsAndTheSizeBandFollowTheNewDpi) {
    Ending ending;
    EchoLinkWait wait{WaitBounds{}, ending};
    MainWindow window(GetModuleHandleW(nullptr), wait, ending);
    HWND handle = window.create();
    ASSERT_NE(handle, nullptr);

    RECT suggested{100, 50, 100 + 700, 50 + 400};
    SendMessageW(handle, WM_DPICHANGED, MAKEWPARAM(kNewDpi, kNewDpi), reinterpret_cast<LPARAM>(&suggested));

    RECT outer{};
    GetWindowRect(handle, &outer);
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 50);
    for (const ControlLayout& layout : kMainControls) {
        HWND control = GetDlgItem(handle, controlId(layout.id));
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
    DestroyWindow(handle);
    UnregisterClassW(kMainWindowClass, GetModuleHandleW(nullptr));
}

}  // namespace
}  // namespace rokan
