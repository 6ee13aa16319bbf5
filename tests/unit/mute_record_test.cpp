#include "form_fixture.h"
#include "mute_record.h"

namespace rokan::test {
namespace {

constexpr std::int64_t kMidnight = 1796601600;  // 2026-12-07T00:00:00Z

// The seconds of each due time are the Unix clock's own, worked out elsewhere.
TEST(MuteRecordLine, ReadsBackWhatItWrites) {
    const std::pair<std::int64_t, std::string> rows[] = {
        {0, "1970-01-01T00:00:00Z 10 N0CALL\r\n"},
        {1769903999, "2026-01-31T23:59:59Z -3 JA1ABC-L\r\n"},
        {1835440496, "2028-02-29T12:34:56Z 32767 *ECHO TEST~*\r\n"},
        {4107542400, "2100-03-01T00:00:00Z 0 W1AW/4\r\n"},
        {253402300799, "9999-12-31T23:59:59Z 10 N0CALL\r\n"},
    };
    for (const auto& [due, line] : rows) {
        const auto record = readMuteRecord(line);
        ASSERT_TRUE(record) << line;
        EXPECT_EQ(record->dueUtc, due) << line;
        EXPECT_EQ(muteRecordText(*record), line);
    }
    EXPECT_FALSE(muteRecordText({253402300800, 10, L"N0CALL"}));  // year 10000
    EXPECT_FALSE(muteRecordText({-1, 10, L"N0CALL"}));
}

TEST(MuteRecordLine, NothingItCannotUseIsReadOrWritten) {
    const std::string line = "2026-12-07T09:30:00Z 10 N0CALL";
    const std::string unusable[] = {std::string(),
                                    line + "\r\nsecond line",
                                    line + "\r\n\r\n",
                                    std::string("2026-02-30") + line.substr(10),
                                    "2026-12-07T24:00:00Z 10 N0CALL",
                                    "2026-12-07 09:30:00 10 N0CALL",
                                    "2026-12-07T09:30:00Z ten N0CALL",
                                    "2026-12-07T09:30:00Z 40000 N0CALL",
                                    "2026-12-07T09:30:00Z 10 ",
                                    "2026-12-07T09:30:00Z 10",
                                    "2026-12-07T09:30:00Z 10 N\xc3\x98"
                                    "CALL",
                                    line + std::string(4100, 'A')};
    for (const std::string& bytes : unusable) EXPECT_FALSE(readMuteRecord(bytes)) << bytes;
    EXPECT_TRUE(readMuteRecord(line));
    EXPECT_TRUE(readMuteRecord(line + "\n"));

    for (const wchar_t* callSign : {L"", L"N0\r\nCALL", L"NØCALL", L"N0CALL\x7f"})
        EXPECT_FALSE(muteRecordText({kMidnight, 10, callSign}));
    EXPECT_FALSE(muteRecordText({kMidnight, 10, std::wstring(4100, L'A')}));
}

class TimedMuteRecord : public FormTest {
protected:
    void SetUp() override { start(); }
    std::string record() const { return folder.read("rokan.mute"); }
};

TEST_F(TimedMuteRecord, IsKeptFromTheMuteToTheUnmuteAndKeepsItsDueTimeOnEnter) {
    noiseCancel(L"N0CALL", L"10");
    EXPECT_EQ(record(), "2026-12-07T00:10:00Z 10 N0CALL\r\n");

    ticks(3);
    clock.now += 30;  // the operator is seldom on the minute
    enterInCall();
    EXPECT_EQ(record(), "2026-12-07T00:10:00Z 10 N0CALL\r\n");

    ticks(7);
    EXPECT_EQ(record(), "<missing>");
    EXPECT_EQ(folder.fileCount(), 1u);  // rokan.ini alone, as without a timed mute
}

TEST_F(TimedMuteRecord, AnUnmuteThatFailsKeepsItAndOneThatGoesThroughRemovesIt) {
    noiseCancel(L"N0CALL", L"0");
    echo.failSends = true;
    ticks(2);
    form.btnMuteOff_Click();
    EXPECT_NE(record(), "<missing>");

    echo.failSends = false;
    form.btnMuteOff_Click();
    EXPECT_EQ(record(), "<missing>");
}

TEST_F(TimedMuteRecord, AFolderThatCannotBeWrittenMutesWithoutItAndWithoutAWord) {
    Module1 elsewhere{view, dialogs, process, machineFileSystem()};
    process.folder = folder.windowsPath() + L"\\no such folder";
    elsewhere.getRokanpath();
    MuteRecordFile unwritable{machineFileSystem(), clock, elsewhere};
    frmMain form2{view, echo, dialogs, process, elsewhere, unwritable};
    journal.clear();

    textOf(Control::sCall) = L"N0CALL";
    form2.btnAutoMute_Click();

    EXPECT_EQ(journal, (Journal{L"timer on", L"send .mute N0CALL", L"focus sCall"}));
}

// EchoLink let the mute run out but may carry it out after Rokan has ended:
// its unmute stays due, and the next start sends it.
TEST_F(TimedMuteRecord, AMuteEchoLinkDidNotAnswerKeepsItsUnmuteDueAfterRokanEnds) {
    echo.unanswered = true;
    noiseCancel(L"N0CALL", L"10");
    EXPECT_EQ(journal.back(), L"message SendMute Error | Rokan");
    EXPECT_FALSE(form.muted());
    EXPECT_EQ(record(), "2026-12-07T00:10:00Z 10 N0CALL\r\n");

    endsProcess([&] { form.unload(); });
    EXPECT_EQ(record(), "2026-12-07T00:10:00Z 10 N0CALL\r\n");

    echo.unanswered = false;
    clock.now += 600;
    frmMain next{view, echo, dialogs, process, settings, muteRecord};
    next.Form_Load();
    EXPECT_EQ(journal.back(), L"timer off");
    EXPECT_NE(std::find(journal.begin(), journal.end(), L"send .unmute N0CALL"), journal.end());
    EXPECT_EQ(record(), "<missing>");
}

// Delete refused (the file held open by another program): emptied instead, so it cannot act twice.
TEST_F(TimedMuteRecord, ARecordThatCannotBeDeletedIsEmptied) {
    struct Undeletable : FileSystem {
        std::optional<std::string> readStart(const std::wstring& path, std::size_t max) override {
            return machineFileSystem().readStart(path, max);
        }
        void writeFile(const std::wstring& path, const std::string& bytes) override {
            machineFileSystem().writeFile(path, bytes);
        }
        void replaceFile(const std::wstring& from, const std::wstring& to) override {
            machineFileSystem().replaceFile(from, to);
        }
        bool removeFile(const std::wstring&) noexcept override { return false; }
    } undeletable;
    MuteRecordFile held{undeletable, clock, settings};
    frmMain form2{view, echo, dialogs, process, settings, held};

    noiseCancel(L"N0CALL", L"10");
    textOf(Control::sCall) = L"N0CALL";
    form2.btnAutoMute_Click();
    form2.btnMuteOff_Click();

    EXPECT_EQ(record(), "");
    EXPECT_FALSE(held.read());
}

struct ResumeCase {
    const char* name;
    std::string record;
    bool sendFails;
    Journal journal;  // of the start, after attaching
    const wchar_t* minutesShown;
    bool muted;
    bool recordLeft;
};

class Resume : public FormTest, public ::testing::WithParamInterface<ResumeCase> {};

// The settings are read first; then what a crash or a power cut left behind.
TEST_P(Resume, AtStartACountdownLeftBehindGoesOnOrUnmutes) {
    const ResumeCase& row = GetParam();
    folder.write("rokan.mute", row.record);
    echo.failSends = row.sendFails;

    form.Form_Load();

    EXPECT_EQ(journal, row.journal);
    EXPECT_EQ(textOf(Control::gMin), row.minutesShown);
    EXPECT_EQ(form.muted(), row.muted);
    EXPECT_EQ(view.timerEnabled, row.muted);
    EXPECT_EQ(view.controls[Control::sCall].readOnly, row.muted);
    EXPECT_EQ(folder.read("rokan.mute") != "<missing>", row.recordLeft);
    if (row.muted) {
        EXPECT_EQ(textOf(Control::sCall), L"JA1ABC");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Resume,
    ::testing::Values(
        ResumeCase{"due",
                   "2026-12-06T23:59:59Z 10 JA1ABC\r\n",
                   false,
                   {L"attach", L"timer on", L"send .unmute JA1ABC", L"focus sCall", L"timer off"},
                   L"10",
                   false,
                   false},
        ResumeCase{"dueButEchoLinkFails",
                   "2026-12-07T00:00:00Z 10 JA1ABC\r\n",
                   true,
                   {L"attach", L"timer on", L"send failed .unmute JA1ABC", L"message SendUnMute Error | Rokan"},
                   L"0",
                   true,
                   true},
        ResumeCase{
            "notYetDue", "2026-12-07T00:07:30Z 10 JA1ABC\r\n", false, {L"attach", L"timer on"}, L"8", true, true},
        ResumeCase{"broken", "2026-12-07T00:07:30Z 10 \r\n", false, {L"attach"}, L"10", false, false},
        ResumeCase{"overFourKiB",
                   "2026-12-07T00:07:30Z 10 " + std::string(4080, 'A'),
                   false,
                   {L"attach"},
                   L"10",
                   false,
                   false},
        // A clock hours slow or years behind at start: never longer than the count was set for.
        ResumeCase{
            "clockHoursSlow", "2026-12-07T05:00:00Z 10 JA1ABC\r\n", false, {L"attach", L"timer on"}, L"10", true, true},
        ResumeCase{"clockYearsBehind",
                   "2036-01-01T00:00:00Z 10 JA1ABC\r\n",
                   false,
                   {L"attach", L"timer on"},
                   L"10",
                   true,
                   true},
        ResumeCase{
            "setForNoMinutes", "2026-12-07T03:00:00Z 0 JA1ABC\r\n", false, {L"attach", L"timer on"}, L"1", true, true}),
    [](const ::testing::TestParamInfo<ResumeCase>& info) { return std::string(info.param.name); });

TEST_F(FormTest, AResumedCountdownEndsWithMuteOffAndRunsThatNeverAttachedLeaveTheRecordAlone) {
    const std::string left = "2026-12-07T00:07:30Z 10 JA1ABC\r\n";
    for (auto creation : {FakeEcho::Creation::error, FakeEcho::Creation::noObject}) {
        folder.write("rokan.mute", left);
        echo.creation = creation;
        frmMain run{view, echo, dialogs, process, settings, muteRecord};
        endsProcess([&] { run.Form_Load(); });
        EXPECT_EQ(folder.read("rokan.mute"), left);
    }
    process.anotherCopyRunning = true;
    endsProcess([&] { form.Form_Load(); });
    EXPECT_EQ(folder.read("rokan.mute"), left);

    process.anotherCopyRunning = false;
    echo.creation = FakeEcho::Creation::object;
    frmMain resumed{view, echo, dialogs, process, settings, muteRecord};
    resumed.Form_Load();
    resumed.btnMuteOff_Click();
    EXPECT_EQ(journal.back(), L"timer off");
    EXPECT_EQ(folder.read("rokan.mute"), "<missing>");
}

}  // namespace
}  // namespace rokan::test
