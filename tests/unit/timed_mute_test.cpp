#include "form_fixture.h"

namespace rokan::test {
namespace {

class TimedMute : public FormTest {
protected:
    void SetUp() override { start(); }

    int count(const std::wstring& entry) const {
        return static_cast<int>(std::count(journal.begin(), journal.end(), entry));
    }

    // Both boxes and the button at the shared place, as the operator sees them.
    void expectPanel(bool muted) {
        for (Control box : {Control::sCall, Control::gMin}) {
            EXPECT_EQ(view.controls[box].back, muted ? kMutedColour : kSystemWindowColour) << nameOf(box);
            EXPECT_EQ(view.controls[box].readOnly, muted) << nameOf(box);
        }
        EXPECT_EQ(view.controls[Control::btnMuteOff].visible, muted);
        EXPECT_EQ(view.controls[Control::btnAutoMute].visible, !muted);
    }
};

// rokan.mute keeps the unmute due from the mute to the unmute.
TEST_F(TimedMute, NoiseCancelMutesAtOnceCountsDownAndUnmutesAtZero) {
    noiseCancel(L"N0CALL", L"10");

    EXPECT_EQ(journal, (Journal{L"timer on", L"send .mute N0CALL", L"focus sCall"}));
    expectPanel(true);
    EXPECT_EQ(folder.read("rokan.mute"), "2026-12-07T00:10:00Z 10 N0CALL\r\n");

    for (int shown = 9; shown >= 1; --shown) {
        form.Timer1_Timer();
        EXPECT_EQ(textOf(Control::gMin), std::to_wstring(shown));
        EXPECT_TRUE(view.timerEnabled);
    }
    journal.clear();
    form.Timer1_Timer();

    EXPECT_EQ(journal, (Journal{L"send .unmute N0CALL", L"focus sCall", L"timer off"}));
    EXPECT_EQ(textOf(Control::gMin), L"10");
    expectPanel(false);
    EXPECT_EQ(folder.fileCount(), 1u);  // rokan.ini alone, as without a timed mute
}

// Enter before any noise cancel mutes without reading the minutes box: its
// count of 0 unmutes at the first tick, as do minutes of zero or less. The
// count stops at the smallest value rather than overflowing, so every
// countdown reaches its unmute.
TEST_F(TimedMute, MinutesOfZeroOrLessUnmuteAtTheFirstTick) {
    textOf(Control::sCall) = L"JA1ABC";
    EXPECT_EQ(enterInCall(), 0);
    EXPECT_EQ(steps(), L"timer on; send .mute JA1ABC; focus sCall");
    EXPECT_EQ(textOf(Control::gMin), L"10");
    journal.clear();
    form.Timer1_Timer();
    EXPECT_EQ(journal.front(), L"send .unmute JA1ABC");
    EXPECT_EQ(textOf(Control::gMin), L"0");

    for (const wchar_t* minutes : {L"0", L"-5", L"-32768"}) {
        noiseCancel(L"N0CALL", minutes);
        journal.clear();
        form.Timer1_Timer();
        EXPECT_EQ(journal.front(), L"send .unmute N0CALL") << minutes;
        EXPECT_EQ(textOf(Control::gMin), minutes);
        EXPECT_FALSE(view.timerEnabled);
    }
}

// Without a call sign noise cancel only stores the minutes; text that is no
// 16-bit number stores nothing and keeps the count there was (7).
TEST_F(TimedMute, MinutesFollowTheIntegerRulesAndAreStoredEvenWithoutACallSign) {
    // Typed, whether taken, shown after a tick.
    const std::tuple<const wchar_t*, bool, const wchar_t*> rows[] = {
        {L" 5 ", true, L"4"},    {L"2.5", true, L"1"},    {L"", false, L"6"},
        {L"40000", false, L"6"}, {L"5 min", false, L"6"},
    };
    for (const auto& [typed, taken, shown] : rows) {
        noiseCancel(L"", L"7");
        noiseCancel(L"", typed);
        EXPECT_EQ(steps(), taken ? L"" : L"message btnAutoMute Error | Rokan") << typed;
        EXPECT_EQ(enterInCall(), kEnterKey);
        form.Timer1_Timer();
        EXPECT_EQ(textOf(Control::gMin), shown) << typed;
        journal.clear();
    }
}

// Enter while counting mutes again; neither it nor Mute Off changes the
// count, which the next Enter resumes, nor the time the unmute is due.
TEST_F(TimedMute, EnterAndMuteOffKeepTheCount) {
    noiseCancel(L"N0CALL", L"10");
    ticks(2);
    clock.now += 30;  // the operator is seldom on the minute
    EXPECT_EQ(enterInCall(), 0);
    EXPECT_EQ(count(L"send .mute N0CALL"), 2);
    EXPECT_EQ(folder.read("rokan.mute"), "2026-12-07T00:10:00Z 10 N0CALL\r\n");
    ticks(1);
    journal.clear();

    form.btnMuteOff_Click();

    EXPECT_EQ(journal, (Journal{L"send .unmute N0CALL", L"focus sCall", L"timer off"}));
    EXPECT_EQ(textOf(Control::gMin), L"10");
    enterInCall();
    form.Timer1_Timer();
    EXPECT_EQ(textOf(Control::gMin), L"6");
}

// A failed mute still counts down to its unmute, which every tick tries
// until it goes through.
TEST_F(TimedMute, AFailedMuteStillCountsDownAndTheUnmuteIsTriedEveryTick) {
    echo.failSends = true;
    noiseCancel(L"N0CALL", L"1");
    EXPECT_EQ(steps(), L"timer on; send failed .mute N0CALL; message SendMute Error | Rokan");
    journal.clear();

    ticks(3);

    EXPECT_EQ(count(L"send failed .unmute N0CALL"), 3);
    EXPECT_TRUE(view.timerEnabled);
    expectPanel(false);
    EXPECT_EQ(textOf(Control::gMin), L"-2");

    echo.failSends = false;
    form.Timer1_Timer();
    EXPECT_EQ(count(L"send .unmute N0CALL"), 1);
    EXPECT_FALSE(view.timerEnabled);
    EXPECT_EQ(textOf(Control::gMin), L"1");
}

// A refused window step is reported by its procedure and the countdown goes
// on: the mute after a refused panel style, the count after a refused tick.
// A record that cannot be written is a safety net lost, never a message.
TEST_F(TimedMute, ARefusedStepIsReportedOrNotAndTheCountdownGoesOn) {
    view.refused = {L"colour sCall"};
    files.writeFails = true;
    noiseCancel(L"N0CALL", L"10");
    EXPECT_EQ(steps(), L"timer on; send .mute N0CALL; message mute_window Error | Rokan; focus sCall");
    EXPECT_EQ(folder.read("rokan.mute"), "<missing>");

    view.refused = {L"text gMin"};
    journal.clear();
    form.Timer1_Timer();
    EXPECT_EQ(steps(), L"message Timer1_Timer Error | Rokan");

    view.refused.clear();
    form.Timer1_Timer();
    EXPECT_EQ(textOf(Control::gMin), L"8");
}

// EchoLink let the mute run out but may carry it out after Rokan has ended:
// Rokan does not count the station muted, yet the unmute stays due for the
// next start (see Resume).
TEST_F(TimedMute, AMuteEchoLinkDidNotAnswerKeepsItsUnmuteDueAfterRokanEnds) {
    echo.unanswered = true;
    noiseCancel(L"N0CALL", L"10");
    EXPECT_EQ(journal.back(), L"message SendMute Error | Rokan");
    journal.clear();

    EXPECT_TRUE(endsProcess([&] { form.unload(); }));
    EXPECT_EQ(steps(), L"release; end");
    EXPECT_EQ(folder.read("rokan.mute"), "2026-12-07T00:10:00Z 10 N0CALL\r\n");
}

// Delete refused (the file held open by another program): emptied instead, so it cannot act twice.
TEST_F(TimedMute, ARecordThatCannotBeDeletedIsEmptied) {
    files.removeFails = true;

    noiseCancel(L"N0CALL", L"10");
    form.btnMuteOff_Click();

    EXPECT_EQ(folder.read("rokan.mute"), "");
    EXPECT_FALSE(muteRecord.read());
}

struct EndingCase {
    const char* name;
    bool byEchoLink;  // EchoLink's Closing, else the window closed
    bool muted;
    bool unmuteFails;  // and the record stays for the next start
    std::wstring_view steps;
};

class EndingWhileMuted : public TimedMute, public ::testing::WithParamInterface<EndingCase> {};

// A station muted by a countdown must not stay muted because Rokan ended:
// the unmute goes once, before the release, and ending goes on whatever
// EchoLink answers; what could not be sent stays in rokan.mute.
TEST_P(EndingWhileMuted, SendsThePendingUnmuteOnceBeforeReleasing) {
    const EndingCase& row = GetParam();
    noiseCancel(L"N0CALL", L"10");
    if (!row.muted) form.btnMuteOff_Click();
    ticks(2);
    echo.failSends = row.unmuteFails;
    journal.clear();

    EXPECT_TRUE(endsProcess([&] { row.byEchoLink ? form.Echo_Closing() : form.unload(); }));

    EXPECT_EQ(steps(), row.steps);
    EXPECT_EQ(folder.read("rokan.mute") != "<missing>", row.unmuteFails);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EndingWhileMuted,
    ::testing::Values(
        EndingCase{"closed", false, true, false, L"send .unmute N0CALL; release; end"},
        EndingCase{"echoLinkClosing", true, true, false, L"send .unmute N0CALL; release; release (empty); end"},
        EndingCase{"unmuteFails", true, true, true,
                   L"send failed .unmute N0CALL; message SendUnMute Error | Rokan; release; release (empty); end"},
        EndingCase{"notMuted", false, false, false, L"release; end"}),
    [](const ::testing::TestParamInfo<EndingCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rokan::test
