#include "form_fixture.h"
#include "settings_line.h"
#include "version.h"

namespace rokan::test {
namespace {

// What a first start writes, as the design gives it.
constexpr char kDefaultLine[] = "position= 165, 45, 4500, 2115\r\n";

// The settings file on its own: a window that is not resized by any policy.
class SettingsFile : public FormTest {
protected:
    SettingsFile() { view.resized = nullptr; }
    std::string file() const { return folder.read("rokan.ini"); }
};

using Values = std::array<std::int64_t, 4>;

// The line's own rules.
TEST(SettingsLine, ReadsFourNumbersAfterTheFirstEqualsAndRaisesThemToTheirMinimums) {
    const std::tuple<const char*, std::optional<Values>, bool> rows[] = {
        {"position= 165, 45, 4500, 2115", Values{165, 45, 4500, 2115}, false},
        {"position=164,44,4499,2114", Values{165, 45, 4500, 2115}, true},
        {" 1230 , 780 , 4530 , 2430 ", Values{1230, 780, 4530, 2430}, false},  // no "=": the whole line
        {"size=a=1230, 780, 4530, 2430", std::nullopt, false},                 // only the first "=" counts
        {"position= 1230.5, 1231.5, 4530, 2430", Values{1230, 1232, 4530, 2430}, false},
        {"position= 1230, 780, 4530, 9999, 2430", Values{1230, 780, 4530, 2430}, false},  // a fifth field
        {"position= 1230, 780, 4530", std::nullopt, false},
        {"position=,45,4500,2115", std::nullopt, false},
        {"position= 1230, left, 4530, 2430", std::nullopt, false},
        {"position= 2147483648, 780, 4530, 2430", std::nullopt, false},
        {"position= 1230, \xef\xbc\x97\xef\xbc\x98, 4530, 2430", std::nullopt, false},
    };
    for (const auto& [line, values, raised] : rows) {
        const auto stored = readSettingsLine(line);
        ASSERT_EQ(stored.has_value(), values.has_value()) << line;
        if (!stored) continue;
        EXPECT_EQ(stored->values, *values) << line;
        EXPECT_EQ(stored->raised, raised) << line;
    }
}

const std::string kStored = "position= 1230, 780, 4530, 2430";

// The file around the line: what is read of it, and what is written back. A
// missing file, or one Rokan cannot use, gets the default line. A raised
// value is placed raised, but the file gets the default line; a window no
// monitor shows comes back to the default place, keeping its size.
TEST_F(SettingsFile, PlacesTheWindowAndRewritesAnythingItCannotUseAsItStands) {
    EXPECT_FALSE(readSettings());
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(file(), kDefaultLine);

    constexpr std::wstring_view placed = L"left 1230; top 780; width 4530; height 2430";
    // Name, content, the steps that place the window, whether it is used (and left) as it stands.
    const std::tuple<const char*, std::string, std::wstring_view, bool> rows[] = {
        {"empty", "", L"", false},
        {"firstLineEmpty", "\r\n" + kStored + "\r\n", L"", false},
        {"stored", kStored + "\r\n", placed, true},
        {"secondLineIgnored", kStored + "\r\nnext line\r\n", placed, true},
        {"lfOnly", kStored + "\nnext", placed, true},
        {"nulByte", std::string("position= 1230, 7") + '\0' + "80, 4530, 2430\r\n", L"", false},
        {"longButWithinLimit", kStored + std::string(4096 - kStored.size(), ' '), placed, true},
        {"firstLineTooLong", kStored + std::string(4097 - kStored.size(), ' '), L"", false},
        {"raised", "position=100,50,5000,3000\r\n", L"left 165; top 50; width 5000; height 3000", false},
        {"offEveryMonitor", "position= 50000, 780, 4530, 2430\r\n",
         L"left 50000; top 780; width 4530; height 2430; left 165; top 45", true},
    };
    for (const auto& [name, content, expected, ok] : rows) {
        folder.write("rokan.ini", content);
        journal.clear();
        EXPECT_EQ(readSettings(), ok) << name;
        EXPECT_EQ(steps(), expected) << name;
        EXPECT_EQ(file(), ok ? content : kDefaultLine) << name;
        EXPECT_EQ(folder.fileCount(), 1u) << name;
    }

    // A refused placement falls back to the default line, silently.
    view.refused = {L"width 4530"};
    folder.write("rokan.ini", kStored);
    journal.clear();
    EXPECT_FALSE(readSettings());
    EXPECT_EQ(steps(), L"left 1230; top 780");
    EXPECT_EQ(file(), kDefaultLine);
}

// The window's pixels as twips: at 168 DPI a pixel is 8.57 twips, and
// fractions get a point. Without a reader the writer finds the folder itself,
// which ends in one backslash.
TEST_F(SettingsFile, TheWriterPutsFourNumbersWithTheirSignPositionBesideTheProgram) {
    settings.iniWrite();
    EXPECT_EQ(file(), "position= 165, 45, 4530, 2550\r\n");
    const std::tuple<int, int, int, int, int, const char*> rows[] = {
        {96, 82, 52, 294, 108, "position= 1230, 780, 4530, 2430\r\n"},
        {96, -100, 52, 294, 108, "position=-1500, 780, 4530, 2430\r\n"},
        {96, 0, -1, 292, 87, "position= 0,-15, 4500, 2115\r\n"},
        {168, 100, 7, 515, 154, "position= 857.1429, 60, 4534.286, 2130\r\n"},
    };
    for (const auto& [dpi, left, top, width, height, expected] : rows) {
        view.dpi = view.desktopDpi = dpi;  // one monitor: its DPI is the desktop's
        view.leftPx = left, view.topPx = top, view.clientWidthPx = width, view.clientHeightPx = height;
        settings.iniWrite();
        EXPECT_EQ(file(), expected);
    }
    EXPECT_TRUE(journal.empty());

    for (const auto& [reported, expected] : {std::pair{L"C:\\Tools", L"C:\\Tools\\"}, std::pair{L"C:\\", L"C:\\"}}) {
        process.folder = reported;
        EXPECT_EQ(ProgramFolder{process}.find(), expected);
    }
}

// The file layer dies between writing the new line aside and putting it in
// place: each writer reports its own message, and the old line stays whole.
TEST_F(SettingsFile, AWriteThatDiesHalfWayLeavesTheOldLineWhole) {
    const std::string raised = "position=100,50,5000,3000\r\n";
    folder.write("rokan.ini", raised);
    files.replaceFails = true;

    EXPECT_FALSE(readSettings());
    settings.iniWrite();

    EXPECT_EQ(steps(),
              L"left 165; top 50; width 5000; height 3000; message Module1.iniDefWrite Error | Rokan; "
              L"message Module1.iniWrite Error | Rokan");
    EXPECT_EQ(file(), raised);
    EXPECT_EQ(folder.fileCount(), 1u);
}

using SettingsAtStartAndEnd = FormTest;

TEST_F(SettingsAtStartAndEnd, TheStoredRectangleComesBackUnderTheSizePolicyAndIsSavedAtTheEnd) {
    folder.write("rokan.ini", "position= 1230, 780, 5000, 3000\r\n");

    form.Form_Load();
    EXPECT_EQ(view.caption, L"Rokan Ver." + std::wstring(kVersionNumbers) + L" ");
    EXPECT_EQ(view.width(), 4530);
    EXPECT_EQ(view.height(), 2565);  // 2560 as 117 pixels at 96 DPI

    view.leftPx = 90;
    EXPECT_TRUE(endsProcess([&] { form.unloadOnce(); }));
    EXPECT_EQ(folder.read("rokan.ini"), "position= 1350, 780, 4530, 2565\r\n");
}

// A desktop of a 100% monitor and a 150% one to its right: the window
// written on either, as the operator left it, comes back to the same pixels
// at the next start, which opens it on the first at the default place. The
// desktop's DPI converts the place, the window's own its size.
TEST_F(SettingsAtStartAndEnd, APlaceOnEitherOfTwoMonitorsOfTheirOwnDpiComesBackToTheSamePixels) {
    view.monitors = {{0, 0, 1920, 1080, 96}, {1920, 0, 4800, 1620, 144}};
    const FakeView started = view;
    // Where the window stood, at its monitor's DPI: the full window there.
    const std::tuple<int, int, int, int, int> rows[] = {
        {2500, 200, 144, 441, 175},
        {300, 150, 96, 294, 117},
        {1700, 900, 96, 294, 88},  // its right edge on the second monitor, the compact window
    };
    for (const auto& [left, top, dpi, width, height] : rows) {
        SCOPED_TRACE(left);
        view.leftPx = left, view.topPx = top, view.dpi = dpi, view.clientWidthPx = width, view.clientHeightPx = height;
        settings.iniWrite();

        view.leftPx = started.leftPx, view.topPx = started.topPx, view.dpi = started.dpi;
        view.clientWidthPx = started.clientWidthPx, view.clientHeightPx = started.clientHeightPx;
        EXPECT_TRUE(readSettings());
        EXPECT_EQ(std::tuple(view.leftPx, view.topPx, view.dpi, view.clientWidthPx, view.clientHeightPx),
                  std::tuple(left, top, dpi, width, height));
    }
}

}  // namespace
}  // namespace rokan::test
