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
    process.folder = L"C:\\Elsewhere";  // the program's folder is the first answer's for the whole run

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
    EXPECT_EQ(textOf(Control::gMin), kDefaultMinutes);
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

    EXPECT_TRUE(endsProcess([&] { form.unloadOnce(); }));
    EXPECT_EQ(steps(), L"release; end");
    EXPECT_EQ(folder.read("rokan.mute"), "2026-12-07T00:10:00Z 10 N0CALL\r\n");
}

// Rokan may end while EchoLink has the mute, which EchoLink may still carry
// out: the unmute is due on disk before the line leaves. Only a mute that
// never reached EchoLink takes the record back, and what it held before
// returns: an earlier mute EchoLink did not answer keeps its unmute due.
TEST_F(TimedMute, TheUnmuteIsDueOnDiskBeforeTheMuteLeavesAndOnlyARefusalTakesItBack) {
    const std::string due = "2026-12-07T00:10:00Z 10 N0CALL\r\n", earlier = "2026-12-07T00:05:00Z 5 JA1ABC\r\n";
    const std::tuple<std::string, bool, bool, std::string> rows[] = {
        // before, refused, unanswered, after
        {"", false, false, due},
        {"", false, true, due},
        {"", true, false, "<missing>"},
        {earlier, true, false, earlier},
    };
    for (const auto& [before, refused, unanswered, after] : rows) {
        if (!before.empty()) folder.write("rokan.mute", before);
        echo.failSends = refused;
        echo.unanswered = unanswered;
        std::string whileSent;
        echo.whileSending = [&] { whileSent = folder.read("rokan.mute"); };

        noiseCancel(L"N0CALL", L"10");

        EXPECT_EQ(whileSent, due);
        EXPECT_EQ(folder.read("rokan.mute"), after);
        echo.failSends = echo.unanswered = false;
        echo.whileSending = nullptr;
        form.btnMuteOff_Click();
    }
}

// Where the program's folder refuses it, the record goes to the user's own
// folder, is found there at the next start, and goes with the unmute.
TEST_F(TimedMute, ARecordIsKeptWhereItCanBeAndNeverActsTwice) {
    process.appData = folder.windowsPath() + L"\\AppData";
    folder.makeFolder("AppData");
    files.refusedPrefix = folder.windowsPath() + L"\\rokan.mute";
    noiseCancel(L"N0CALL", L"10");
    ticks(3);
    EXPECT_EQ(folder.read("rokan.mute"), "<missing>");
    EXPECT_EQ(folder.read("AppData/Rokan/rokan.mute"), "2026-12-07T00:10:00Z 10 N0CALL\r\n");

    ProgramFolder folderOfNextRun{process};
    Module1 settingsOfNextRun{view, dialogs, folderOfNextRun, files};
    MuteRecordFile recordOfNextRun{files, clock, folderOfNextRun, process};
    frmMain nextRun{view, echo, dialogs, process, settingsOfNextRun, recordOfNextRun};
    nextRun.Form_Load();
    EXPECT_EQ(textOf(Control::gMin), L"7");
    nextRun.btnMuteOff_Click();
    EXPECT_EQ(folder.read("AppData/Rokan/rokan.mute"), "<missing>");

    // Once the program's folder takes it again, no other stays behind to act twice.
    form.btnMuteOff_Click();
    files.refusedPrefix.clear();
    folder.write("AppData/Rokan/rokan.mute", "2026-12-07T00:05:00Z 5 JA1ABC\r\n");
    noiseCancel(L"N0CALL", L"10");
    EXPECT_NE(folder.read("rokan.mute"), "<missing>");
    EXPECT_EQ(folder.read("AppData/Rokan/rokan.mute"), "<missing>");

    // Delete refused (the file held open by another program): emptied instead, so it cannot act twice;
    // nor does it hide one kept in the user's own folder.
    files.removeFails = true;
    form.btnMuteOff_Click();
    EXPECT_EQ(folder.read("rokan.mute"), "");
    EXPECT_FALSE(muteRecord.read());
    folder.write("AppData/Rokan/rokan.mute", "2026-12-07T00:05:00Z 5 JA1ABC\r\n");
    EXPECT_EQ(muteRecord.read()->callSign, L"JA1ABC");
}

// A station muted by a countdown must not stay muted because Rokan ended:
// the unmute goes once, before the release, and ending goes on whatever
// EchoLink answers; what could not be sent stays in rokan.mute. The
// window's place is on disk before the unmute waits on EchoLink; inside
// EchoLink's Closing call no box opens.
TEST(EndingWhileMuted, SendsThePendingUnmuteOnceBeforeReleasing) {
    enum class Road { closed, echoLinkClosing, insideClosing };  // insideClosing: then Echo_Closing
    // The road, whether muted, whether the unmute fails (and the record stays for the next start), the steps.
    const std::tuple<Road, bool, bool, std::wstring_view> rows[] = {
        {Road::closed, true, false, L"send .unmute N0CALL; release; end"},
        {Road::echoLinkClosing, true, false, L"send .unmute N0CALL; release; release (empty); end"},
        {Road::echoLinkClosing, true, true,
         L"send failed .unmute N0CALL; message SendUnMute Error | Rokan; release; release (empty); end"},
        {Road::insideClosing, true, false, L"send .unmute N0CALL; release; release (empty); end"},
        {Road::insideClosing, true, true, L"send failed .unmute N0CALL; release; release (empty); end"},
        {Road::closed, false, false, L"release; end"},
    };
    for (const auto& [road, muted, unmuteFails, expected] : rows) {
        FormRun run;
        run.start();
        run.noiseCancel(L"N0CALL", L"10");
        if (!muted) run.form.btnMuteOff_Click();
        run.ticks(2);
        run.echo.failSends = unmuteFails;
        run.view.leftPx = 100;
        std::string rectangleAtUnmute;
        run.echo.whileSending = [&] { rectangleAtUnmute = run.folder.read("rokan.ini"); };
        run.journal.clear();

        EXPECT_TRUE(run.endsProcess([&, road = road] {
            if (road == Road::insideClosing) run.form.whileEchoLinkCloses();
            road == Road::closed ? run.form.unloadOnce() : run.form.Echo_Closing();
        }));

        EXPECT_EQ(run.steps(), expected);
        EXPECT_EQ(run.folder.read("rokan.mute") != "<missing>", unmuteFails) << std::wstring(expected);
        if (muted) {
            EXPECT_EQ(rectangleAtUnmute, "position= 1500, 45, 4530, 2550\r\n") << std::wstring(expected);
        }
    }
}

}  // namespace
}  // namespace rokan::test
