// EchoLink busy, late, closing or gone, a log-off, and Rokan itself killed mid-countdown.
#include "rokan_fixture.h"

namespace rokan::e2e {
namespace {

class Dependability : public RokanTest {
protected:
    std::filesystem::path record() const { return folder / "rokan.mute"; }
    void logOff() { EXPECT_TRUE(endSession(main, ENDSESSION_LOGOFF)); }
};

// EchoLink busy with another call, or turning calls away while a dialog of its own is open: the line
// is waited for, or asked again, and arrives once. The window paints and answers meanwhile; a second
// Enter, or a click another program posts, is dropped.
TEST_F(Dependability, ALineSentWhileEchoLinkIsBusyOrTurnsCallsAwayArrivesOnce) {
    for (const bool turningAway : {false, true}) {
        SCOPED_TRACE(turningAway ? "turning calls away" : "busy");
        rokan.reset();
        endStandins();
        standin::removeLogs();
        if (!turningAway) startStandin(L"/busy:3000");
        startRokan();
        if (turningAway) standinCommand(STANDIN_CMD_REJECT, 3000);
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
}

// EchoLink may carry out a mute it did not answer within the bound: Rokan,
// closed meanwhile, keeps the unmute due, and the next start sends it.
// Nothing else goes to EchoLink until it answers, and closing does not wait.
TEST_F(Dependability, AMuteEchoLinkAnswersAfterRokanHasGoneIsStillUnmuted) {
    startStandin(L"/busy:24000");
    startRokan();
    const auto sent = Clock::now();
    startNoiseCancel(L"1");
    ASSERT_NE(waitTopLevel(rokan->pid(), {kDialogClass, std::nullopt}, 30s), nullptr);
    EXPECT_GT(Clock::now() - sent, 19s);
    EXPECT_EQ(answerMessageBox().text, L"SendMute Error");
    const auto again = Clock::now();
    click(control(Control::btnAutoMute));
    EXPECT_EQ(answerMessageBox().text, L"SendMute Error");
    EXPECT_LT(Clock::now() - again, 3s);
    postClose(main);
    EXPECT_EQ(rokan->waitExit(5s), kExitedCleanly);
    EXPECT_EQ(iniFile(), "position= 165, 45, 4530, 2565\r\n");

    EXPECT_TRUE(waitUntil([&] { return chatLog() == L".mute N0CALL\n"; }, 30s));
    EXPECT_NE(bytesOf(record()).find(" 1 N0CALL"), std::string::npos) << bytesOf(record());

    startRokan();
    postTimer(main, kTimer1Id);
    expectChatLog(L".mute N0CALL\n.unmute N0CALL\n");
}

// Ended mid-countdown by a log-off with EchoLink gone, a quit another program posts, or EchoLink's
// Closing: no box, an end within seconds with the window's place on disk, and the owed unmute sent
// where EchoLink takes it, due otherwise. A single-threaded EchoLink takes only calls nested in
// its Closing; where it hangs in that call, Rokan ends on its own.
TEST_F(Dependability, AnEndMidCountdownOpensNoBoxAndSendsOrKeepsTheUnmute) {
    enum class End { logOff, quit, closing };
    const struct {
        const char* name;
        const wchar_t* standinFlags;  // nullptr: COM starts it
        int mode;                     // a stand-in command before the end (Rokan then has 6 s, not 5), or 0
        End end;
        bool unmuted;                // otherwise the record keeps the unmute due
        const char* closingReturns;  // nullptr: no Closing call
    } rows[] = {
        {"log-off with EchoLink gone", nullptr, 0, End::logOff, false, nullptr},
        {"quit posted", nullptr, 0, End::quit, true, nullptr},
        {"Closing takes the nested unmute", L"/nestedonly", 0, End::closing, true, "returned 0x00000000\n"},
        {"Closing refuses the unmute", L"/nestedonly", STANDIN_CMD_FAIL_ON, End::closing, false,
         "returned 0x00000000\n"},
        {"Closing hangs", L"/nestedonly", STANDIN_CMD_HANG_ON, End::closing, false, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        endStandins();
        standin::removeLogs();
        std::filesystem::remove(record());
        if (row.standinFlags) startStandin(row.standinFlags);
        startRokan();
        startNoiseCancel(L"10");
        expectChatLog(L".mute N0CALL\n");
        if (row.mode) standinCommand(row.mode);
        const auto asked = Clock::now();
        if (row.end == End::logOff) {
            endStandins();
            logOff();
        } else if (row.end == End::quit) {
            PostThreadMessageW(GetWindowThreadProcessId(main, nullptr), WM_QUIT, 0, 0);
        } else {
            standinCommand(STANDIN_CMD_RAISE_CLOSING_AND_EXIT);
        }

        EXPECT_EQ(rokan->waitExit(10s), kExitedCleanly);
        EXPECT_LT(Clock::now() - asked, row.mode ? 6s : 5s);
        expectChatLog(row.unmuted ? L".mute N0CALL\n.unmute N0CALL\n" : L".mute N0CALL\n");
        EXPECT_EQ(iniFile(), "position= 165, 45, 4530, 2565\r\n");
        EXPECT_EQ(std::filesystem::exists(record()), !row.unmuted);
        EXPECT_EQ(bytesOf(record()).find(" 10 N0CALL") == std::string::npos, row.unmuted) << bytesOf(record());
        if (row.closingReturns) {
            EXPECT_TRUE(waitUntil([&] { return closingLog() == row.closingReturns; }, 2s)) << closingLog();
        }
    }
}

// Killed, or logged off, while EchoLink still has the mute, which it then
// carries out: the unmute was due on disk before the line left, and the
// next start sends it.
TEST_F(Dependability, AnEndWhileEchoLinkHasTheMuteStillUnmutesAtTheNextStart) {
    for (const bool loggingOff : {false, true}) {
        SCOPED_TRACE(loggingOff ? "log-off" : "killed");
        standin::removeLogs();
        startStandin(L"/busy:3000");
        startRokan();
        startNoiseCancel(L"1");
        std::this_thread::sleep_for(1s);
        if (loggingOff)
            logOff();
        else
            rokan->terminate();
        EXPECT_TRUE(rokan->waitExit(5s));
        EXPECT_TRUE(waitUntil([&] { return chatLog() == L".mute N0CALL\n"; }, 10s));
        endStandins();

        startRokan();
        postTimer(main, kTimer1Id);
        expectChatLog(L".mute N0CALL\n.unmute N0CALL\n");
        rokan->terminate();
    }
}

// The countdown goes on behind the box and tries every tick; the first tick after it is closed shows the next.
TEST_F(Dependability, AnEchoLinkGoneMidCountdownShowsOneMessageAtATime) {
    startRokan();
    startNoiseCancel(L"1");
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

// Killed mid-countdown, twice: the next start goes on with the count from the record, kept in the
// user's own folder where Rokan's refuses it; past the due time the unmute goes at once, and Mute
// Off ends a restored countdown as any other.
TEST_F(Dependability, ATimedMuteOutlivesRokan) {
    for (const bool refused : {false, true}) {
        SCOPED_TRACE(refused ? "Rokan's folder refuses the record" : "the record beside Rokan");
        rokan.reset();
        standin::removeLogs();
        if (refused) std::filesystem::create_directory(record());  // a folder in its place refuses the file
        const auto kept = refused ? folder / "AppData" / "Rokan" / "rokan.mute" : record();
        startRokan();
        startNoiseCancel(L"10");
        expectChatLog(L".mute N0CALL\n");
        ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(kept); }));
        rokan->terminate();

        startRokan();
        makeFull();
        EXPECT_EQ(text(control(Control::sCall)), L"N0CALL");
        EXPECT_EQ(text(control(Control::gMin)), L"10");
        EXPECT_TRUE(visible(control(Control::btnMuteOff)));
        EXPECT_NE(style(control(Control::gMin)) & ES_READONLY, 0);
        EXPECT_EQ(chatLog(), L".mute N0CALL\n");
        if (refused) {
            click(control(Control::btnMuteOff));
        } else {
            rokan->terminate();
            std::ofstream(kept, std::ios::binary) << "2026-01-01T00:00:00Z 10 N0CALL\r\n";  // the clock moved on
            startRokan();
        }
        expectChatLog(L".mute N0CALL\n.unmute N0CALL\n");
        EXPECT_TRUE(waitUntil([&] { return !std::filesystem::exists(kept); }));
    }
}

}  // namespace
}  // namespace rokan::e2e
