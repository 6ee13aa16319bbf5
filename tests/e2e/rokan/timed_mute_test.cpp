// The noise-cancel countdown and its panel, ticked by posted timer messages.
#include "rokan_fixture.h"
#include "standin_commands.h"

namespace rokan::e2e {
namespace {

class TimedMute : public RokanTest {
protected:
    void SetUp() override {
        RokanTest::SetUp();
        startRokan();
        ASSERT_NE(waitMainWindow(), nullptr);
        // Dragged to the full window, which shows the panel.
        const RECT outer = windowRect(main);
        SetWindowPos(main, nullptr, 0, 0, outer.right - outer.left, 400, SWP_NOMOVE | SWP_NOZORDER);
        ASSERT_TRUE(waitUntil([&] { return visible(control(Control::sCall)); }));
    }

    void noiseCancel(const std::wstring& call, const std::wstring& minutes) {
        setText(control(Control::sCall), call);
        setText(control(Control::gMin), minutes);
        click(control(Control::btnAutoMute));
    }
    void tick() {
        const std::wstring before = text(control(Control::gMin));
        postTimer(main, kTimer1Id);
        waitUntil([&] { return text(control(Control::gMin)) != before; });
    }
    // The colour drawn inside a box, away from its text.
    COLORREF backOf(Control box) {
        const RECT rect = windowRect(control(box));
        return pixel(rect.right - 4, rect.bottom - 4);
    }
};

TEST_F(TimedMute, NoiseCancelMutesTintsCountsDownAndUnmutes) {
    noiseCancel(L"N0CALL", L"10");

    ASSERT_TRUE(waitChatLines(1));
    EXPECT_EQ(chatLog().back(), L".mute N0CALL");
    ASSERT_TRUE(waitUntil([&] { return visible(control(Control::btnMuteOff)); }));
    EXPECT_FALSE(visible(control(Control::btnAutoMute)));
    EXPECT_TRUE(readOnly(control(Control::sCall)));
    EXPECT_TRUE(readOnly(control(Control::gMin)));
    EXPECT_TRUE(waitUntil([&] { return sameColour(backOf(Control::sCall), RGB(192, 192, 255)); }));
    EXPECT_TRUE(sameColour(backOf(Control::gMin), RGB(192, 192, 255)));
    EXPECT_EQ(focusedWindow(main), control(Control::sCall));

    for (int shown = 9; shown >= 1; --shown) {
        tick();
        EXPECT_EQ(text(control(Control::gMin)), std::to_wstring(shown));
    }
    EXPECT_EQ(chatLog().size(), 1u);
    tick();

    ASSERT_TRUE(waitChatLines(2));
    EXPECT_EQ(chatLog().back(), L".unmute N0CALL");
    EXPECT_TRUE(waitUntil([&] { return text(control(Control::gMin)) == L"10"; }));
    EXPECT_TRUE(visible(control(Control::btnAutoMute)));
    EXPECT_FALSE(visible(control(Control::btnMuteOff)));
    EXPECT_FALSE(readOnly(control(Control::sCall)));
    EXPECT_TRUE(waitUntil([&] { return sameColour(backOf(Control::sCall), GetSysColor(COLOR_WINDOW)); }));
}

TEST_F(TimedMute, MuteOffEndsItEarly) {
    noiseCancel(L"N0CALL", L"10");
    ASSERT_TRUE(waitChatLines(1));
    tick();
    tick();
    ASSERT_TRUE(waitUntil([&] { return visible(control(Control::btnMuteOff)); }));

    click(control(Control::btnMuteOff));

    ASSERT_TRUE(waitChatLines(2));
    EXPECT_EQ(chatLog().back(), L".unmute N0CALL");
    EXPECT_TRUE(waitUntil([&] { return text(control(Control::gMin)) == L"10"; }));
    EXPECT_TRUE(visible(control(Control::btnAutoMute)));
}

TEST_F(TimedMute, EnterInTheCallSignBoxMutesToo) {
    setText(control(Control::sCall), L"JA1ABC");
    setFocus(control(Control::sCall));
    pressEnter(main);

    ASSERT_TRUE(waitChatLines(1));
    EXPECT_EQ(chatLog().back(), L".mute JA1ABC");
    tick();
    ASSERT_TRUE(waitChatLines(2));
    EXPECT_EQ(chatLog().back(), L".unmute JA1ABC");
    EXPECT_TRUE(waitUntil([&] { return text(control(Control::gMin)) == L"0"; }));
}

TEST_F(TimedMute, MinutesThatAreNoNumberAreRefused) {
    noiseCancel(L"N0CALL", L"ten");

    const MessageBoxContent box = answerMessageBox(*rokan);
    EXPECT_EQ(box.text, L"btnAutoMute Error");
    EXPECT_TRUE(chatLog().empty());
    EXPECT_TRUE(visible(control(Control::btnAutoMute)));
}

TEST_F(TimedMute, ClosingRokanMidCountdownSendsThePendingUnmute) {
    noiseCancel(L"N0CALL", L"10");
    ASSERT_TRUE(waitChatLines(1));
    tick();

    postClose(main);

    EXPECT_EQ(rokan->waitExit(), std::optional<DWORD>(0));
    ASSERT_TRUE(waitChatLines(2));
    EXPECT_EQ(chatLog().back(), L".unmute N0CALL");
}

TEST_F(TimedMute, EchoLinkClosingMidCountdownSendsThePendingUnmuteFirst) {
    noiseCancel(L"N0CALL", L"10");
    ASSERT_TRUE(waitChatLines(1));

    standinCommand(STANDIN_CMD_RAISE_CLOSING_AND_EXIT);

    EXPECT_EQ(rokan->waitExit(), std::optional<DWORD>(0));
    EXPECT_EQ(chatLog(), (std::vector<std::wstring>{L".mute N0CALL", L".unmute N0CALL"}));
}

TEST_F(TimedMute, AFailedMuteStillCountsDownAndTriesTheUnmute) {
    standinCommand(STANDIN_CMD_FAIL_ON);
    noiseCancel(L"N0CALL", L"1");

    EXPECT_EQ(answerMessageBox(*rokan).text, L"SendMute Error");
    EXPECT_TRUE(visible(control(Control::btnAutoMute)));
    standinCommand(STANDIN_CMD_FAIL_OFF);

    postTimer(main, kTimer1Id);
    ASSERT_TRUE(waitChatLines(1));
    EXPECT_EQ(chatLog(), std::vector<std::wstring>{L".unmute N0CALL"});
}

TEST_F(TimedMute, AFailedUnmuteIsTriedAgainAtTheNextTick) {
    noiseCancel(L"N0CALL", L"1");
    ASSERT_TRUE(waitChatLines(1));
    standinCommand(STANDIN_CMD_FAIL_ON);

    postTimer(main, kTimer1Id);
    EXPECT_EQ(answerMessageBox(*rokan).text, L"SendUnMute Error");
    EXPECT_TRUE(visible(control(Control::btnMuteOff)));

    standinCommand(STANDIN_CMD_FAIL_OFF);
    tick();
    ASSERT_TRUE(waitChatLines(2));
    EXPECT_EQ(chatLog().back(), L".unmute N0CALL");
}

}  // namespace
}  // namespace rokan::e2e
