// The real main window restored from the taskbar: Rokan puts it back where
// it was, as Wine would not, unless no monitor shows that place any more.
#include "shell_window.h"

namespace rokan {
namespace {

// A monitor unplugged while the window is minimized: Windows moves its
// restore place onto a monitor that remains, which SetWindowPlacement plays
// here by hand, the window having stood off every screen of Wine's desktop.
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

}  // namespace
}  // namespace rokan
