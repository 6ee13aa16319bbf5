// The About box: how it opens, where, what it says, how it closes, and that
// the program keeps living behind it.
#include "about_texts.h"
#include "rokan_fixture.h"
#include "standin_commands.h"

namespace rokan::e2e {
namespace {

class About : public RokanTest {
protected:
    void SetUp() override {
        RokanTest::SetUp();
        startRokan();
        ASSERT_NE(waitMainWindow(), nullptr);
    }
    HWND waitAbout() { return waitDialog(rokan->pid(), std::wstring(L"Rokan Version Info.")); }
    HWND openByMenu() {
        postCommand(main, kMenuAboutId, 0);
        return waitAbout();
    }
    std::vector<std::wstring> labels(HWND about) {
        std::vector<std::wstring> texts;
        for (HWND child : children(about))
            if (className(child) == L"Static") texts.push_back(text(child));
        return texts;
    }
    // Main Left + 300 and Top + 50 twips, in pixels at 96 DPI.
    void expectBesideMain(HWND about) {
        const RECT mainRect = windowRect(main), aboutRect = windowRect(about);
        EXPECT_EQ(aboutRect.left, (mainRect.left * 15 + 300 + 7) / 15);
        EXPECT_EQ(aboutRect.top, (mainRect.top * 15 + 50 + 7) / 15);
    }
};

TEST_F(About, AltAOpensItBesideTheMainWindowWithItsTexts) {
    pressAlt(main, L'a');
    HWND about = waitAbout();
    ASSERT_NE(about, nullptr);

    expectBesideMain(about);
    const auto texts = labels(about);
    for (const std::wstring& expected : {std::wstring(L"Rokan"), std::wstring(L"Ver. 0.1.1"),
                                         std::wstring(kDescription), std::wstring(L"HELP File is [ Readme.txt ]"),
                                         std::wstring(L"Message:  Enjoy EchoLink Life!!"), std::wstring(kCopyright)})
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << narrow(expected);
    EXPECT_EQ(focusedWindow(about), childById(about, IDOK));
    EXPECT_FALSE(enabled(main));
    EXPECT_FALSE(style(about) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    RECT client{};
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, 241);   // 3615 twips
    EXPECT_EQ(client.bottom, 134);  // 2010 twips
}

TEST_F(About, EnterEscAndOkCloseItAndItOpensAgainWhereTheMainWindowIsNow) {
    const std::function<void(HWND)> closers[] = {
        [](HWND about) { pressEnter(about); },
        [](HWND about) { pressEscape(about); },
        [](HWND about) { click(childById(about, IDOK)); },
    };
    int x = 40;
    for (const auto& close : closers) {
        SetWindowPos(main, nullptr, x, x / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        HWND about = openByMenu();
        ASSERT_NE(about, nullptr);
        expectBesideMain(about);

        close(about);

        EXPECT_TRUE(waitGone(about));
        EXPECT_TRUE(waitUntil([&] { return enabled(main); }));
        x += 60;
    }
}

TEST_F(About, TheTimerRunsOnWhileItIsOpen) {
    SetWindowPos(main, nullptr, 0, 0, windowRect(main).right - windowRect(main).left, 400, SWP_NOMOVE | SWP_NOZORDER);
    setText(control(Control::sCall), L"N0CALL");
    click(control(Control::btnAutoMute));
    ASSERT_TRUE(waitChatLines(1));
    ASSERT_NE(openByMenu(), nullptr);

    postTimer(main, kTimer1Id);

    EXPECT_TRUE(waitUntil([&] { return text(control(Control::gMin)) == L"9"; }));
}

TEST_F(About, EchoLinkClosingWhileItIsOpenStillEndsRokanCleanly) {
    ASSERT_NE(openByMenu(), nullptr);

    standinCommand(STANDIN_CMD_RAISE_CLOSING_AND_EXIT);

    EXPECT_EQ(rokan->waitExit(), std::optional<DWORD>(0));
    EXPECT_EQ(iniFile(), "position= 165, 45, 4530, 2550\r\n");
}

}  // namespace
}  // namespace rokan::e2e
