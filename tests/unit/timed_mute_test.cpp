#include "form_fixture.h"

namespace rokan::test {
namespace {

class TimedMute : public FormTest {
protected:
    void SetUp() override { start(); }

    bool sent(const std::wstring& line) const {
        return std::find(journal.begin(), journal.end(), L"send " + line) != journal.end();
    }
    int count(const std::wstring& entry) const {
        return static_cast<int>(std::count(journal.begin(), journal.end(), entry));
    }

    // Both boxes and the button at the shared place, as the operator sees them.
    void expectPanel(bool muted) {
        for (Control box : {Control::sCall, Control::gMin}) {
            EXPECT_EQ(view.controls[box].back, muted ? kMutedColour : kSystemWindowColour) << nameOf(box);
            EXPECT_EQ(view.controls[box].readOnly, muted) << nameOf(box);
            EXPECT_TRUE(view.controls[box].visible) << nameOf(box);
        }
        EXPECT_TRUE(view.controls[Control::Label1].visible);
        EXPECT_EQ(view.controls[Control::btnMuteOff].visible, muted);
        EXPECT_EQ(view.controls[Control::btnAutoMute].visible, !muted);
    }
};

TEST_F(TimedMute, NoiseCancelMutesAtOnceCountsDownAndUnmutesAtZero) {
    noiseCancel(L"N0CALL", L"10");

    EXPECT_EQ(journal, (Journal{L"timer on", L"send .mute N0CALL", L"focus sCall"}));
    EXPECT_TRUE(form.muted());
    expectPanel(true);

    for (int shown = 9; shown >= 1; --shown) {
        form.Timer1_Timer();
        EXPECT_EQ(textOf(Control::gMin), std::to_wstring(shown));
        EXPECT_TRUE(view.timerEnabled);
    }
    journal.clear();
    form.Timer1_Timer();

    EXPECT_EQ(journal, (Journal{L"send .unmute N0CALL", L"focus sCall", L"timer off"}));
    EXPECT_EQ(textOf(Control::gMin), L"10");
    EXPECT_FALSE(form.muted());
    expectPanel(false);
}

// The count stops at the smallest value rather than overflowing, so every countdown reaches its unmute.
TEST_F(TimedMute, MinutesOfZeroOrLessUnmuteAtTheFirstTick) {
    for (const wchar_t* minutes : {L"0", L"-5", L"-32768"}) {
        noiseCancel(L"N0CALL", minutes);
        journal.clear();
        form.Timer1_Timer();
        EXPECT_EQ(journal.front(), L"send .unmute N0CALL") << minutes;
        EXPECT_EQ(textOf(Control::gMin), minutes);
        EXPECT_FALSE(view.timerEnabled);
    }
}

// Text that is no 16-bit number sends nothing and keeps the stored count (7).
TEST_F(TimedMute, MinutesFollowTheIntegerRules) {
    const std::pair<const wchar_t*, int> rows[] = {{L" 5 ", 5}, {L"2.5", 2},   {L"-2", -2}, {L"", 7},
                                                   {L"abc", 7}, {L"40000", 7}, {L"1e3", 7}, {L"5 min", 7}};
    for (const auto& [text, minutes] : rows) {
        noiseCancel(L"", L"7");
        journal.clear();
        noiseCancel(L"N0CALL", text);
        EXPECT_EQ(form.remainingMinutes(), minutes) << text;
        EXPECT_EQ(form.initialMinutes(), minutes) << text;
        if (minutes == 7) {
            EXPECT_EQ(journal, (Journal{L"message btnAutoMute Error | Rokan"})) << text;
        }
        form.btnMuteOff_Click();
    }
}

TEST_F(TimedMute, WithoutACallSignNoiseCancelOnlyStoresTheMinutes) {
    noiseCancel(L"", L"12");

    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(form.remainingMinutes(), 12);
    EXPECT_FALSE(view.timerEnabled);
    EXPECT_EQ(enterInCall(), kEnterKey);
    EXPECT_TRUE(journal.empty());
}

TEST_F(TimedMute, EnterBeforeAnyNoiseCancelMutesAndUnmutesAtTheFirstTick) {
    textOf(Control::sCall) = L"JA1ABC";

    EXPECT_EQ(enterInCall(), 0);
    EXPECT_TRUE(sent(L".mute JA1ABC"));
    EXPECT_EQ(textOf(Control::gMin), L"10");  // not read on this road
    journal.clear();

    form.Timer1_Timer();

    EXPECT_EQ(journal.front(), L"send .unmute JA1ABC");
    EXPECT_EQ(textOf(Control::gMin), L"0");
}

TEST_F(TimedMute, MuteOffKeepsTheCountWhichAFollowingEnterResumes) {
    noiseCancel(L"N0CALL", L"10");
    ticks(3);
    journal.clear();

    form.btnMuteOff_Click();

    EXPECT_EQ(journal, (Journal{L"send .unmute N0CALL", L"focus sCall", L"timer off"}));
    EXPECT_EQ(textOf(Control::gMin), L"10");
    EXPECT_EQ(form.remainingMinutes(), 7);
    expectPanel(false);

    enterInCall();
    form.Timer1_Timer();
    EXPECT_EQ(textOf(Control::gMin), L"6");
}

TEST_F(TimedMute, EnterWhileCountingMutesAgainAndChangesNoCount) {
    noiseCancel(L"N0CALL", L"10");
    ticks(2);

    EXPECT_EQ(enterInCall(), 0);

    EXPECT_EQ(count(L"send .mute N0CALL"), 2);
    EXPECT_EQ(form.remainingMinutes(), 8);
    EXPECT_EQ(form.initialMinutes(), 10);
    EXPECT_TRUE(view.timerEnabled);
}

TEST_F(TimedMute, AFailedMuteStillCountsDownAndTriesTheUnmute) {
    echo.failSends = true;
    noiseCancel(L"N0CALL", L"2");

    EXPECT_EQ(journal, (Journal{L"timer on", L"send failed .mute N0CALL", L"message SendMute Error | Rokan"}));
    EXPECT_FALSE(form.muted());
    expectPanel(false);

    ticks(2);
    EXPECT_EQ(count(L"send failed .unmute N0CALL"), 1);
    EXPECT_EQ(journal.back(), L"message SendUnMute Error | Rokan");
}

TEST_F(TimedMute, AFailedUnmuteIsTriedAgainEveryTickUntilItGoesThrough) {
    noiseCancel(L"N0CALL", L"1");
    echo.failSends = true;
    journal.clear();

    ticks(3);

    EXPECT_EQ(count(L"send failed .unmute N0CALL"), 3);
    EXPECT_EQ(count(L"message SendUnMute Error | Rokan"), 3);
    EXPECT_TRUE(form.muted());
    EXPECT_TRUE(view.timerEnabled);
    expectPanel(true);
    EXPECT_EQ(textOf(Control::gMin), L"-2");

    echo.failSends = false;
    form.Timer1_Timer();
    EXPECT_TRUE(sent(L".unmute N0CALL"));
    EXPECT_FALSE(view.timerEnabled);
    EXPECT_EQ(textOf(Control::gMin), L"1");
}

TEST_F(TimedMute, ARefusedPanelStyleIsReportedAndTheMuteGoesOn) {
    view.refused.insert(L"colour sCall");

    noiseCancel(L"N0CALL", L"10");

    EXPECT_EQ(journal,
              (Journal{L"timer on", L"send .mute N0CALL", L"message mute_window Error | Rokan", L"focus sCall"}));
    EXPECT_TRUE(form.muted());
}

TEST_F(TimedMute, AFailedTickStepReportsTimerError) {
    noiseCancel(L"N0CALL", L"10");
    view.refused.insert(L"text gMin");
    journal.clear();

    form.Timer1_Timer();

    EXPECT_EQ(journal, (Journal{L"message Timer1_Timer Error | Rokan"}));
    EXPECT_EQ(form.remainingMinutes(), 9);
}

struct EndingCase {
    const char* name;
    bool byEchoLink;  // EchoLink's Closing, else the window closed
    bool muted;
    bool unmuteFails;
    Journal journal;
    bool recordLeft;
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

    EXPECT_EQ(journal, row.journal);
    EXPECT_EQ(folder.read("rokan.mute") != "<missing>", row.recordLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EndingWhileMuted,
    ::testing::Values(EndingCase{"closed", false, true, false, {L"send .unmute N0CALL", L"release", L"end"}, false},
                      EndingCase{"echoLinkClosing",
                                 true,
                                 true,
                                 false,
                                 {L"send .unmute N0CALL", L"release", L"release (empty)", L"end"},
                                 false},
                      EndingCase{"unmuteFails",
                                 true,
                                 true,
                                 true,
                                 {L"send failed .unmute N0CALL", L"message SendUnMute Error | Rokan", L"release",
                                  L"release (empty)", L"end"},
                                 true},
                      EndingCase{"notMuted", false, false, false, {L"release", L"end"}, false}),
    [](const ::testing::TestParamInfo<EndingCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rokan::test
