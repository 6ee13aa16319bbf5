// The real main window told that the colours or the settings changed, as
// Windows tells every top-level window (Wine does not tell other programs).
#include "shell_window.h"

namespace rokan {
namespace {

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
