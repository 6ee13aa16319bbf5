// Start-up, the main window as first shown, and every way of ending.
#include "rokan_fixture.h"
#include "standin_commands.h"

namespace rokan::e2e {
namespace {

using namespace std::chrono_literals;
using Startup = RokanTest;

TEST_F(Startup, ShowsTheVersionCaptionWithFocusInTheChatLine) {
    startRokan();
    ASSERT_NE(waitMainWindow(), nullptr);

    EXPECT_EQ(text(main), L"Rokan Ver.0.1.1 ");
    EXPECT_TRUE(waitUntil([&] { return focusedWindow(main) == control(Control::sInput); }));
    EXPECT_FALSE(style(main) & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style(main) & WS_MINIMIZEBOX);
    EXPECT_TRUE(style(main) & WS_THICKFRAME);
    EXPECT_EQ(findDialog(rokan->pid()), nullptr);
}

TEST_F(Startup, EveryControlStandsWhereDesignedAt96Dpi) {
    startRokan();
    ASSERT_NE(waitMainWindow(), nullptr);

    for (const ControlLayout& layout : kMainControls) {
        const RECT rect = rectInParentClient(control(layout.id), main);
        EXPECT_EQ(rect.left * 15, layout.left) << static_cast<int>(layout.id);
        EXPECT_EQ(rect.top * 15, layout.top) << static_cast<int>(layout.id);
        EXPECT_EQ((rect.right - rect.left) * 15, layout.width) << static_cast<int>(layout.id);
        EXPECT_EQ((rect.bottom - rect.top) * 15, layout.height) << static_cast<int>(layout.id);
        EXPECT_EQ(text(control(layout.id)), layout.text) << static_cast<int>(layout.id);
        if (layout.kind == ControlKind::edit) {
            EXPECT_GT(SendMessageW(control(layout.id), EM_GETLIMITTEXT, 0, 0), 0x7FFF0000) << "no maximum length";
        }
    }
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right * 15, 4410);
    EXPECT_EQ(client.bottom * 15, 1740);
}

TEST_F(Startup, TabWalksTheControlsInTheirOrder) {
    startRokan();
    ASSERT_NE(waitMainWindow(), nullptr);
    // Tall enough for the panel, whose controls take part too.
    SetWindowPos(main, nullptr, 0, 0, windowRect(main).right - windowRect(main).left, 400, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(waitUntil([&] { return visible(control(Control::sCall)); }));
    setFocus(control(Control::sInput));

    const Control order[] = {Control::B_Send,    Control::btnConnect, Control::btnDisconnect, Control::btmMute,
                             Control::btnAdmins, Control::btnUsers,   Control::btnStatus,     Control::btnSysop,
                             Control::btnUnMute, Control::btmLurkd,   Control::sCall,         Control::btnAutoMute,
                             Control::gMin,      Control::sInput};
    for (Control next : order) {
        pressTab(main);
        EXPECT_TRUE(waitUntil([&] { return focusedWindow(main) == control(next); }))
            << "expected focus on control " << static_cast<int>(next);
    }
}

TEST_F(Startup, NotRegisteredSaysSoAndEndsLeavingTheSettingsAlone) {
    registerStandin(false);
    writeIni("position= 1230, 780, 4530, 2430\r\n");

    startRokan();
    const MessageBoxContent box = answerMessageBox(*rokan);

    EXPECT_EQ(box.text, L"EchoLink not Installed!");
    EXPECT_EQ(box.caption, L"Rokan");
    EXPECT_EQ(rokan->waitExit(), std::optional<DWORD>(0));
    EXPECT_EQ(iniFile(), "position= 1230, 780, 4530, 2430\r\n");
}

TEST_F(Startup, CreationWithoutObjectWarnsAndKeepsTheWindowWithItsFirstCaption) {
    Process standin = startStandin(L"/noobject");
    writeIni("position= 1230, 780, 4530, 2430\r\n");

    startRokan();
    const MessageBoxContent box = answerMessageBox(*rokan);

    EXPECT_EQ(box.text, L"Launch EchoLink Faild!!");
    EXPECT_EQ(box.caption, L"missing!!");
    ASSERT_NE(waitMainWindow(), nullptr);
    EXPECT_EQ(text(main), L"Rokan");

    // Every send fails with its own message; nothing else breaks.
    setText(control(Control::sInput), L".stat");
    click(control(Control::B_Send));
    EXPECT_EQ(answerMessageBox(*rokan).text, L"SendChatMsg Error");
    EXPECT_EQ(text(control(Control::sInput)), L".stat");

    postClose(main);
    EXPECT_EQ(rokan->waitExit(), std::optional<DWORD>(0));
    EXPECT_EQ(iniFile(), "position= 1230, 780, 4530, 2430\r\n");
}

TEST_F(Startup, ASecondCopyWarnsAndEndsWhileTheFirstRunsOn) {
    startRokan();
    ASSERT_NE(waitMainWindow(), nullptr);

    Process second = Process::start(quoteArg((folder / "rokan.exe").wstring()), folder);
    const MessageBoxContent box = answerMessageBox(second);

    EXPECT_EQ(box.text, L"already Running EchoLink Program");
    EXPECT_EQ(box.caption, L"Rokan");
    EXPECT_EQ(second.waitExit(), std::optional<DWORD>(0));
    EXPECT_TRUE(rokan->running());
    EXPECT_EQ(text(main), L"Rokan Ver.0.1.1 ");

    // The first copy's rectangle is the one kept.
    SetWindowPos(main, nullptr, 100, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    postClose(main);
    EXPECT_EQ(rokan->waitExit(), std::optional<DWORD>(0));
    EXPECT_EQ(iniFile(), "position= 1500, 900, 4530, 2550\r\n");
}

TEST_F(Startup, TwoCopiesStartedTogetherAlwaysLeaveExactlyOneWindow) {
    const std::wstring command = quoteArg((folder / "rokan.exe").wstring());
    for (int round = 0; round < 20; ++round) {
        Process first = Process::start(command, folder);
        Process second = Process::start(command, folder);

        // One of them warns and ends; the other shows its main window.
        HWND box = nullptr;
        ASSERT_TRUE(waitUntil([&] { return (box = findDialog(first.pid())) || (box = findDialog(second.pid())); }))
            << "round " << round;
        EXPECT_EQ(readMessageBox(box).text, L"already Running EchoLink Program");
        pressOk(box);
        ASSERT_TRUE(waitUntil([&] { return !first.running() || !second.running(); })) << "round " << round;
        Process& survivor = first.running() ? first : second;
        HWND window = waitTopLevel(survivor.pid(), {kMainWindowClass, std::nullopt});
        ASSERT_NE(window, nullptr) << "round " << round;
        EXPECT_EQ(findDialog(survivor.pid()), nullptr) << "round " << round;

        postClose(window);
        ASSERT_EQ(survivor.waitExit(), std::optional<DWORD>(0)) << "round " << round;
    }
}

TEST_F(Startup, EchoLinkClosingWhileAMessageIsOpenStillEndsRokanCleanly) {
    startRokan();
    ASSERT_NE(waitMainWindow(), nullptr);
    standinCommand(STANDIN_CMD_FAIL_ON);
    click(control(Control::B_Send));
    ASSERT_NE(waitDialog(rokan->pid()), nullptr);

    standinCommand(STANDIN_CMD_RAISE_CLOSING_AND_EXIT);

    EXPECT_EQ(rokan->waitExit(), std::optional<DWORD>(0));
    EXPECT_EQ(iniFile(), "position= 165, 45, 4530, 2550\r\n");
}

TEST_F(Startup, ClosingTheWindowEndsRokanAndSavesItsRectangle) {
    startRokan();
    ASSERT_NE(waitMainWindow(), nullptr);

    postClose(main);

    EXPECT_EQ(rokan->waitExit(), std::optional<DWORD>(0));
    EXPECT_EQ(iniFile(), "position= 165, 45, 4530, 2550\r\n");
}

TEST_F(Startup, EchoLinkClosingEndsRokanAndTheOtherEventsDoNot) {
    startRokan();
    ASSERT_NE(waitMainWindow(), nullptr);

    standinCommand(STANDIN_CMD_RAISE_OTHER_EVENTS);
    EXPECT_FALSE(rokan->waitExit(1s).has_value());

    standinCommand(STANDIN_CMD_RAISE_CLOSING_AND_EXIT);
    EXPECT_EQ(rokan->waitExit(), std::optional<DWORD>(0));
    EXPECT_EQ(iniFile(), "position= 165, 45, 4530, 2550\r\n");
}

TEST_F(Startup, AVanishedEchoLinkFailsTheNextSendAtOnceAndRokanStillCloses) {
    startRokan();
    ASSERT_NE(waitMainWindow(), nullptr);
    DWORD standinPid = 0;
    GetWindowThreadProcessId(standinWindow(), &standinPid);
    HANDLE standin = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, standinPid);
    TerminateProcess(standin, 1);
    WaitForSingleObject(standin, 5000);
    CloseHandle(standin);

    setText(control(Control::sInput), L"hello");
    click(control(Control::B_Send));
    const MessageBoxContent box = answerMessageBox(*rokan);

    EXPECT_EQ(box.text, L"SendChatMsg Error");
    EXPECT_EQ(text(control(Control::sInput)), L"hello");
    postClose(main);
    EXPECT_EQ(rokan->waitExit(), std::optional<DWORD>(0));
    EXPECT_EQ(iniFile(), "position= 165, 45, 4530, 2550\r\n");
}

}  // namespace
}  // namespace rokan::e2e
