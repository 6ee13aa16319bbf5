// EchoLink busy, late, closing or gone, a log-off, and Rokan itself killed mid-countdown.
#include <chrono>

#include "rokan_fixture.h"

namespace rokan::e2e {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class Dependability : public RokanTest {
protected:
    std::filesystem::path record() const { return folder / "rokan.mute"; }
    void noiseCancel(const wchar_t* minutes) {
        makeFull();
        setText(control(Control::sCall), L"N0CALL");
        setText(control(Control::gMin), minutes);
        click(control(Control::btnAutoMute));
    }
};

// The window paints and answers while it waits; a second Enter, or a click
// another program posts, is dropped meanwhile.
TEST_F(Dependability, ABusyEchoLinkIsWaitedForAndTheLineArrivesOnce) {
    startStandin(L"/busy:3000");
    startRokan();
    setText(control(Control::sInput), L".stat");
    setFocus(control(Control::sInput));
    pressEnter(main);
    std::this_thread::sleep_for(1s);
    pressEnter(main);
    click(control(Control::B_Send));
    postMenuCommand(main, controlId(Control::B_Send));
    const auto asked = Clock::now();
    EXPECT_EQ(text(main), kVersionCaption);
    EXPECT_LT(Clock::now() - asked, 2s);

    expectChatLog(L".stat\n");
    EXPECT_TRUE(waitUntil([&] { return text(control(Control::sInput)).empty(); }));
    EXPECT_FALSE(waitUntil([&] { return chatLog() != L".stat\n"; }, 4s));  // what got through would take 3 s
    EXPECT_EQ(findDialog(rokan->pid()), nullptr);
}

// EchoLink may carry out a mute it did not answer within the bound: Rokan,
// closed meanwhile, keeps the unmute due, and the next start sends it.
// Nothing else goes to EchoLink until it answers, and closing does not wait.
TEST_F(Dependability, AMuteEchoLinkAnswersAfterRokanHasGoneIsStillUnmuted) {
    startStandin(L"/busy:24000");
    startRokan();
    const auto sent = Clock::now();
    noiseCancel(L"1");
    ASSERT_NE(waitTopLevel(rokan->pid(), {kDialogClass, std::nullopt}, 30s), nullptr);
    EXPECT_GT(Clock::now() - sent, 19s);
    EXPECT_EQ(answerMessageBox().text, L"SendMute Error");
    const auto again = Clock::now();
    click(control(Control::btnAutoMute));
    EXPECT_EQ(answerMessageBox().text, L"SendMute Error");
    EXPECT_LT(Clock::now() - again, 3s);
    postClose(main);
    EXPECT_EQ(rokan->waitExit(5s), std::optional<DWORD>(0));
    EXPECT_EQ(iniFile(), "position= 165, 45, 4530, 2565\r\n");

    EXPECT_TRUE(waitUntil([&] { return chatLog() == L".mute N0CALL\n"; }, 30s));
    std::ifstream kept(record());
    std::string line;
    std::getline(kept, line);
    EXPECT_NE(line.find(" 1 N0CALL"), std::string::npos) << line;

    startRokan();
    postTimer(main, kTimer1Id);
    expectChatLog(L".mute N0CALL\n.unmute N0CALL\n");
}

// Windows waits for no box while it logs the user off: the unmute it could
// not send stays due, and the window's place is written.
TEST_F(Dependability, ALogOffMidCountdownWithEchoLinkGoneEndsWithoutABox) {
    startRokan();
    noiseCancel(L"10");
    expectChatLog(L".mute N0CALL\n");
    endStandins();
    DWORD_PTR mayEnd = FALSE;
    SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, &mayEnd);
    EXPECT_TRUE(mayEnd);
    const auto asked = Clock::now();
    SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, nullptr);

    EXPECT_EQ(rokan->waitExit(5s), std::optional<DWORD>(0));
    EXPECT_LT(Clock::now() - asked, 5s);
    EXPECT_EQ(iniFile(), "position= 165, 45, 4530, 2565\r\n");
    EXPECT_TRUE(std::filesystem::exists(record()));
}

// A single-threaded EchoLink takes only calls nested in its Closing while it
// waits on it: the unmute goes from inside that call, and Rokan ends.
TEST_F(Dependability, EchoLinkClosingMidCountdownTakesTheUnmuteAsANestedCall) {
    startStandin(L"/nestedonly");
    startRokan();
    noiseCancel(L"10");
    expectChatLog(L".mute N0CALL\n");
    standinCommand(STANDIN_CMD_RAISE_CLOSING_AND_EXIT);

    EXPECT_EQ(rokan->waitExit(5s), std::optional<DWORD>(0));
    expectChatLog(L".mute N0CALL\n.unmute N0CALL\n");
    EXPECT_FALSE(std::filesystem::exists(record()));
}

// The countdown goes on behind the box and tries every tick; the first tick after it is closed shows the next.
TEST_F(Dependability, AnEchoLinkGoneMidCountdownShowsOneMessageAtATime) {
    startRokan();
    noiseCancel(L"1");
    expectChatLog(L".mute N0CALL\n");
    endStandins();
    for (int tick = 0; tick < 30; ++tick) postTimer(main, kTimer1Id);

    EXPECT_TRUE(waitUntil([&] { return text(control(Control::gMin)) == L"-29"; }));
    EXPECT_EQ(boxesOpen(), 1);
    EXPECT_EQ(answerMessageBox().text, L"SendUnMute Error");
    EXPECT_EQ(findDialog(rokan->pid()), nullptr);
    postTimer(main, kTimer1Id);
    EXPECT_EQ(answerMessageBox().text, L"SendUnMute Error");
}

// Killed twice mid-countdown: before the due time the count goes on, after it the unmute goes at once.
TEST_F(Dependability, ATimedMuteOutlivesRokan) {
    startRokan();
    noiseCancel(L"10");
    expectChatLog(L".mute N0CALL\n");
    ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(record()); }));
    rokan->terminate();

    startRokan();
    makeFull();
    EXPECT_EQ(text(control(Control::sCall)), L"N0CALL");
    EXPECT_EQ(text(control(Control::gMin)), L"10");
    EXPECT_TRUE(visible(control(Control::btnMuteOff)));
    EXPECT_NE(style(control(Control::gMin)) & ES_READONLY, 0);
    EXPECT_EQ(chatLog(), L".mute N0CALL\n");
    rokan->terminate();

    std::ofstream(record(), std::ios::binary) << "2026-01-01T00:00:00Z 10 N0CALL\r\n";  // the clock moved on
    startRokan();
    expectChatLog(L".mute N0CALL\n.unmute N0CALL\n");
    EXPECT_TRUE(waitUntil([&] { return !std::filesystem::exists(record()); }));
}

}  // namespace
}  // namespace rokan::e2e
