#include "form_fixture.h"
#include "mute_record.h"

namespace rokan::test {
namespace {

// The seconds of each due time are the Unix clock's own, worked out elsewhere.
TEST(MuteRecordLine, ReadsBackWhatItWritesAndNothingElse) {
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
    const std::string line = "2026-12-07T09:30:00Z 10 N0CALL";
    EXPECT_TRUE(readMuteRecord(line));
    EXPECT_TRUE(readMuteRecord(line + "\n"));

    // Nothing it could not read back is written, nor anything else read.
    EXPECT_FALSE(muteRecordText({253402300800, 10, L"N0CALL"}));  // year 10000
    EXPECT_FALSE(muteRecordText({-1, 10, L"N0CALL"}));
    const std::string unusable[] = {"",
                                    "2026-12-07T09:30:00Z 10 N0CALL\r\nsecond line",
                                    "2026-02-30T09:30:00Z 10 N0CALL",
                                    "2026-12-07T24:00:00Z 10 N0CALL",
                                    "2026-12-07 09:30:00 10 N0CALL",
                                    "2026-12-07T09:30:00Z ten N0CALL",
                                    "2026-12-07T09:30:00Z 40000 N0CALL",
                                    "2026-12-07T09:30:00Z 10",
                                    "2026-12-07T09:30:00Z 10 N0CALL\xc3\x98",
                                    "2026-12-07T09:30:00Z 10 N0CALL\r\n\r\n"};
    for (const std::string& bytes : unusable) EXPECT_FALSE(readMuteRecord(bytes)) << bytes;
    EXPECT_TRUE(readMuteRecord(line + std::string(4064, 'A') + "\r\n"));  // 4096 bytes
    EXPECT_FALSE(readMuteRecord(line + std::string(4065, 'A') + "\r\n"));

    EXPECT_TRUE(muteRecordText({1796601600, 10, std::wstring(4070, L'A')}));  // 4096 bytes
    for (const std::wstring& callSign : {std::wstring(), std::wstring(L"N0\r\nCALL"), std::wstring(L"NØCALL"),
                                         std::wstring(L"N0CALL\x7f"), std::wstring(4100, L'A')})
        EXPECT_FALSE(muteRecordText({1796601600, 10, callSign}));
}

// Whichever of the two files is read first finds the program's folder.
TEST_F(FormTest, TheRecordIsFoundBesideTheProgramBeforeTheSettingsAreRead) {
    folder.write("rokan.mute", "2026-12-07T00:07:30Z 10 JA1ABC\r\n");
    const auto pending = muteRecord.read();
    ASSERT_TRUE(pending);
    EXPECT_EQ(pending->callSign, L"JA1ABC");
    EXPECT_EQ(pending->minutesLeft, 8);
}

// The settings are read first; then what a crash or a power cut left behind.
// A clock hours slow or years behind at start never makes the count longer
// than it was set for.
TEST(Resume, AtStartACountdownLeftBehindGoesOnOrUnmutes) {
    // The record, whether EchoLink fails the unmute, the steps, the minutes shown, whether muted (and the record kept).
    const std::tuple<std::string, bool, std::wstring_view, const wchar_t*, bool> rows[] = {
        {"2026-12-06T23:59:59Z 10 JA1ABC\r\n", false, L"attach; timer on; send .unmute JA1ABC; focus sCall; timer off",
         L"10", false},
        {"2026-12-07T00:00:00Z 10 JA1ABC\r\n", true,
         L"attach; timer on; send failed .unmute JA1ABC; message SendUnMute Error | Rokan", L"0", true},
        {"2026-12-07T00:07:30Z 10 JA1ABC\r\n", false, L"attach; timer on", L"8", true},
        {"2026-12-07T00:07:30Z 10 \r\n", false, L"attach", kDefaultMinutes, false},
        {"2026-12-07T00:07:30Z 10 " + std::string(4080, 'A'), false, L"attach", kDefaultMinutes, false},
        {"2026-12-07T05:00:00Z 10 JA1ABC\r\n", false, L"attach; timer on", L"10", true},  // the clock hours slow
        {"2036-01-01T00:00:00Z 10 JA1ABC\r\n", false, L"attach; timer on", L"10", true},  // years behind
        {"2026-12-07T03:00:00Z 0 JA1ABC\r\n", false, L"attach; timer on", L"1", true},    // set for no minutes
    };
    for (const auto& [record, sendFails, expected, minutesShown, muted] : rows) {
        SCOPED_TRACE(record.substr(0, 40));
        FormRun run;
        run.folder.write("rokan.mute", record);
        run.echo.failSends = sendFails;

        run.form.Form_Load();

        EXPECT_EQ(run.steps(), expected);
        EXPECT_EQ(run.textOf(Control::gMin), minutesShown);
        EXPECT_EQ(run.view.timerEnabled, muted);
        EXPECT_EQ(run.view.controls[Control::sCall].readOnly, muted);
        EXPECT_EQ(run.folder.read("rokan.mute") != "<missing>", muted);
    }
}

}  // namespace
}  // namespace rokan::test
