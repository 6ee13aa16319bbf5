// EchoLink busy, hung or gone, and Rokan itself killed mid-countdown.
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

// The window paints and answers while it waits; a second Enter meanwhile is dropped.
TEST_F(Dependability, ABusyEchoLinkIsWaitedForAndTheLineArrivesOnce) {
    startStandin(L"/busy:6000");
    startRokan();
    setText(control(Control::sInput), L".stat");
    setFocus(control(Control::sInput));
    pressEnter(main);
    std::this_thread::sleep_for(1s);
    pressEnter(main);
    const auto asked = Clock::now();
    EXPECT_EQ(text(main), kVersionCaption);
    EXPECT_LT(Clock::now() - asked, 2s);

    expectChatLog(L".stat\n");
    EXPECT_TRUE(waitUntil([&] { return text(control(Control::sInput)).empty(); }));
    std::this_thread::sleep_for(2s);
    EXPECT_EQ(chatLog(), L".stat\n");
    EXPECT_EQ(findDialog(rokan->pid()), nullptr);
}

TEST_F(Dependability, AHungEchoLinkFailsWithinTheBoundAndClosingStillEndsRokan) {
    startStandin(L"/hang");
    startRokan();
    const auto sent = Clock::now();
    setText(control(Control::sInput), L"hello");
    click(control(Control::B_Send));
    ASSERT_NE(waitTopLevel(rokan->pid(), {kDialogClass, std::nullopt}, 30s), nullptr);
    const auto waited = Clock::now() - sent;
    EXPECT_GT(waited, 19s);
    EXPECT_LT(waited, 25s);  // the bound, and a loaded machine's slack
    EXPECT_EQ(answerMessageBox().text, L"SendChatMsg Error");
    EXPECT_EQ(text(control(Control::sInput)), L"hello");

    click(control(Control::B_Send));
    std::this_thread::sleep_for(1s);
    const auto closed = Clock::now();
    postClose(main);
    EXPECT_EQ(rokan->waitExit(5s), std::optional<DWORD>(0));
    EXPECT_LT(Clock::now() - closed, 5s);
    EXPECT_EQ(iniFile(), "position= 165, 45, 4530, 2550\r\n");
}

// Attaching is bounded too: it fails as an EchoLink that is not there does, and the stored rectangle stays.
TEST_F(Dependability, AnEchoLinkHungBeforeRokanStartsFailsTheStartWithinTheBound) {
    startStandin(L"/hangcreate");
    writeIni("position= 1230, 780, 4530, 2430\r\n");
    const auto started = Clock::now();
    launchRokan();
    ASSERT_NE(waitTopLevel(rokan->pid(), {kDialogClass, std::nullopt}, 75s), nullptr);
    const auto waited = Clock::now() - started;
    EXPECT_GT(waited, 59s);
    EXPECT_LT(waited, 65s);
    EXPECT_EQ(answerMessageBox().text, L"EchoLink not Installed!");
    EXPECT_EQ(rokan->waitExit(5s), std::optional<DWORD>(0));
    EXPECT_EQ(iniFile(), "position= 1230, 780, 4530, 2430\r\n");
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

TEST_F(Dependability, ABrokenRecordIsRemovedAndNothingSent) {
    std::ofstream(record(), std::ios::binary) << "2026-13-01T00:00:00Z 10 N0CALL\r\n";
    startRokan();
    EXPECT_TRUE(waitUntil([&] { return !std::filesystem::exists(record()); }));
    EXPECT_EQ(text(main), kVersionCaption);
    EXPECT_EQ(chatLog(), L"");
}

}  // namespace
}  // namespace rokan::e2e
