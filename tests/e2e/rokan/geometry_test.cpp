// The window's rectangle across runs, and the size policy as the operator drags.
#include "rokan_fixture.h"

namespace rokan::e2e {
namespace {

constexpr char kDefaultLine[] = "position= 165, 45, 4500, 2115\r\n";

class Geometry : public RokanTest {
protected:
    HWND startAndWait() {
        startRokan();
        return waitMainWindow();
    }
    SIZE clientSize() {
        RECT client{};
        GetClientRect(main, &client);
        return SIZE{client.right, client.bottom};
    }
    // As the operator's drag would end: the outer size in pixels.
    void dragTo(int width, int height) {
        const RECT outer = windowRect(main);
        SetWindowPos(main, nullptr, 0, 0, width > 0 ? width : outer.right - outer.left, height,
                     SWP_NOMOVE | SWP_NOZORDER);
    }
    bool panelShown() { return visible(control(Control::sCall)) && visible(control(Control::gMin)); }
    void closeAndWait() {
        postClose(main);
        ASSERT_EQ(rokan->waitExit(), std::optional<DWORD>(0));
    }
};

TEST_F(Geometry, FirstStartWritesTheDefaultLineAndOpensAsCreated) {
    ASSERT_NE(startAndWait(), nullptr);

    EXPECT_EQ(iniFile(), kDefaultLine);
    EXPECT_EQ(clientSize().cx, 294);  // 4410 twips
    EXPECT_EQ(clientSize().cy, 116);  // 1740 twips: Height 2550, not above 2550
    EXPECT_FALSE(panelShown());
    EXPECT_FALSE(visible(control(Control::btnAutoMute)));
}

TEST_F(Geometry, TheDefaultLineGivesTheCompactWindow) {
    writeIni(kDefaultLine);
    ASSERT_NE(startAndWait(), nullptr);

    EXPECT_EQ(clientSize().cy, 88);  // 1320 twips: rows 1 to 4
    EXPECT_EQ(clientSize().cx, 294);
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(windowRect(main).left, 11);
    EXPECT_EQ(windowRect(main).top, 3);
    EXPECT_EQ(iniFile(), kDefaultLine);
}

TEST_F(Geometry, AStoredRectangleReopensThereAndIsSavedAgain) {
    writeIni("position= 1230, 780, 4530, 2565\r\n");
    ASSERT_NE(startAndWait(), nullptr);

    EXPECT_EQ(windowRect(main).left, 82);
    EXPECT_EQ(windowRect(main).top, 52);
    EXPECT_EQ(clientSize().cy, 117);
    EXPECT_TRUE(panelShown());
    EXPECT_TRUE(visible(control(Control::btnAutoMute)));

    SetWindowPos(main, nullptr, 100, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    closeAndWait();
    EXPECT_EQ(iniFile(), "position= 1500, 900, 4530, 2565\r\n");
}

TEST_F(Geometry, AWindowStoredOffEveryMonitorComesBack) {
    writeIni("position= 50000, 780, 4530, 2130\r\n");
    ASSERT_NE(startAndWait(), nullptr);

    EXPECT_EQ(windowRect(main).left, 11);
    EXPECT_EQ(windowRect(main).top, 3);
}

TEST_F(Geometry, DraggingKeepsTheWidthAndTheBandAndShowsThePanelWhenTall) {
    writeIni(kDefaultLine);
    ASSERT_NE(startAndWait(), nullptr);

    dragTo(0, 600);
    EXPECT_TRUE(waitUntil([&] { return panelShown(); }));
    EXPECT_EQ(clientSize().cy, 117);

    dragTo(0, 20);
    EXPECT_TRUE(waitUntil([&] { return !panelShown(); }));
    EXPECT_EQ(clientSize().cy, 88);

    dragTo(500, 0);
    EXPECT_EQ(clientSize().cx, 294);
}

// A real drag with the mouse: the frame follows inside the band and stops at its ends.
TEST_F(Geometry, DraggingTheBottomEdgeWithTheMouseStopsAtTheBand) {
    writeIni(kDefaultLine);
    ASSERT_NE(startAndWait(), nullptr);
    ASSERT_TRUE(activate(main));
    // Wine keeps the pointer where X last reported it, which can undo a move:
    // set it until it stays.
    const auto moveCursor = [](int x, int y) {
        return waitUntil([&] {
            SetCursorPos(x, y);
            Sleep(20);
            POINT cursor{};
            return GetCursorPos(&cursor) && cursor.x == x && cursor.y == y;
        });
    };
    const auto inSizingLoop = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(threadOf(main), &info) && (info.flags & GUI_INMOVESIZE);
    };
    // The press lands on the bottom edge and starts Windows' sizing loop before the pointer moves.
    const auto drag = [&](int distance) {
        const RECT outer = windowRect(main);
        const int x = (outer.left + outer.right) / 2, y = outer.bottom - 2;
        ASSERT_TRUE(moveCursor(x, y));
        ASSERT_EQ(SendMessageW(main, WM_NCHITTEST, 0, MAKELPARAM(x, y)), HTBOTTOM);
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        ASSERT_TRUE(waitUntil(inSizingLoop)) << "the press did not start a drag";
        for (int step = 1; step <= 10; ++step) {
            Sleep(30);
            SetCursorPos(x, y + distance * step / 10);
        }
        Sleep(100);
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        ASSERT_TRUE(waitUntil([&] { return !inSizingLoop(); }));
    };

    drag(200);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(waitUntil([&] { return panelShown(); }));
    EXPECT_EQ(clientSize().cy, 117);

    drag(-200);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(waitUntil([&] { return !panelShown(); }));
    EXPECT_EQ(clientSize().cy, 88);
    EXPECT_EQ(clientSize().cx, 294);
}

TEST_F(Geometry, MinimizingAndRestoringKeepThePanel) {
    writeIni("position= 1230, 780, 4530, 2565\r\n");
    ASSERT_NE(startAndWait(), nullptr);

    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(main) != FALSE; }));
    ShowWindow(main, SW_RESTORE);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(main) == FALSE; }));

    EXPECT_TRUE(waitUntil([&] { return panelShown(); }));
    EXPECT_EQ(clientSize().cy, 117);
}

TEST_F(Geometry, AFolderThatCannotBeWrittenGivesTheMessagesAndRokanStillWorks) {
    if (!setFolderWritable(false)) GTEST_SKIP() << "no way to make a folder unwritable here";

    startRokan();
    const MessageBoxContent atStart = answerMessageBox(*rokan);
    EXPECT_EQ(atStart.text, L"Module1.iniDefWrite Error");
    EXPECT_EQ(atStart.caption, L"Rokan");
    ASSERT_NE(waitMainWindow(), nullptr);
    EXPECT_EQ(text(main), L"Rokan Ver.0.1.1 ");

    postClose(main);
    EXPECT_EQ(answerMessageBox(*rokan).text, L"Module1.iniWrite Error");
    EXPECT_EQ(rokan->waitExit(), std::optional<DWORD>(0));
    EXPECT_EQ(iniFile(), "<missing>");
}

}  // namespace
}  // namespace rokan::e2e
