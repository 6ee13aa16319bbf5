#pragma once
// The real main window in the test's process, with no form behind it.
#include <gtest/gtest.h>

#include "control_ids.h"
#include "main_window.h"

namespace rokan {

class ShellWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        handle = window.create();
        ASSERT_NE(handle, nullptr);
        ShowWindow(handle, SW_SHOWNOACTIVATE);  // drawn and measured as the user sees it
    }
    // The next test registers the window's class again.
    void TearDown() override {
        DestroyWindow(handle);
        UnregisterClassW(kMainWindowClass, GetModuleHandleW(nullptr));
    }
    HWND child(Control id) const { return GetDlgItem(handle, controlId(id)); }
    // As Windows tells a window moved to a monitor of another DPI.
    void moveToDpi(int dpi, RECT suggested = {0, 0, 700, 400}) {
        SendMessageW(handle, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }

    Ending ending;
    EchoLinkWait wait{WaitBounds{}, ending};
    MainWindow window{GetModuleHandleW(nullptr), wait, ending};
    HWND handle = nullptr;
};

}  // namespace rokan
