#include "form_fixture.h"
#include "settings_line.h"

namespace rokan::test {
namespace {

// The settings file on its own: a window that is not resized by any policy.
class SettingsFile : public ::testing::Test {
protected:
    Journal journal;
    FakeView view{journal};
    FakeDialogs dialogs{journal};
    FakeProcess process{journal};
    TempFolder folder;
    Module1 module{view, dialogs, process, machineFileSystem()};

    SettingsFile() { process.folder = folder.windowsPath(); }

    bool read() {
        bool ok = true;
        module.iniRead(ok);
        return ok;
    }
    std::string file() const { return folder.read("rokan.ini"); }
};

using Values = std::array<std::int64_t, 4>;

// The line's own rules; the fuzz corpus replays many more lines against an independent reader.
TEST(SettingsLine, ReadsFourNumbersAfterTheFirstEqualsAndRaisesThemToTheirMinimums) {
    const std::tuple<const char*, std::optional<Values>, bool> rows[] = {
        {"position= 165, 45, 4500, 2115", Values{165, 45, 4500, 2115}, false},
        {"position=100,50,5000,3000", Values{165, 50, 5000, 3000}, true},
        {"position=-1500,-30, 4530, 2430", Values{165, 45, 4530, 2430}, true},
        {"position=164,45,4500,2115", Values{165, 45, 4500, 2115}, true},
        {"position=165,44,4500,2115", Values{165, 45, 4500, 2115}, true},
        {"position=165,45,4499,2115", Values{165, 45, 4500, 2115}, true},
        {"position=165,45,4500,2114", Values{165, 45, 4500, 2115}, true},
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

struct ReaderCase {
    const char* name;
    std::optional<std::string> content;  // nothing: no file
    bool placed;                         // at 1230, 780, 4530, 2430
    bool ok;
};

class Reader : public SettingsFile, public ::testing::WithParamInterface<ReaderCase> {};

// The file around the line: what is read of it, and what is written back.
TEST_P(Reader, PlacesTheWindowAndRewritesAnythingItCannotUseAsItStands) {
    const ReaderCase& row = GetParam();
    if (row.content) folder.write("rokan.ini", *row.content);

    EXPECT_EQ(read(), row.ok);

    EXPECT_EQ(journal, row.placed ? (Journal{L"left 1230", L"top 780", L"width 4530", L"height 2430"}) : Journal{});
    EXPECT_EQ(file(), row.ok ? *row.content : std::string(kDefaultSettingsLine));
    EXPECT_EQ(folder.fileCount(), 1u);
}

const std::string kStored = "position= 1230, 780, 4530, 2430";

INSTANTIATE_TEST_SUITE_P(
    Rows, Reader,
    ::testing::Values(ReaderCase{"missing", std::nullopt, false, false}, ReaderCase{"empty", "", false, false},
                      ReaderCase{"firstLineEmpty", "\r\n" + kStored + "\r\n", false, false},
                      ReaderCase{"stored", kStored + "\r\n", true, true},
                      ReaderCase{"secondLineIgnored", kStored + "\r\nnext line\r\n", true, true},
                      ReaderCase{"lfOnly", kStored + "\nnext", true, true},
                      ReaderCase{"nulByte", std::string("position= 1230, 7") + '\0' + "80, 4530, 2430\r\n", false,
                                 false},
                      ReaderCase{"longButWithinLimit", kStored + std::string(4096 - kStored.size(), ' '), true, true},
                      ReaderCase{"firstLineTooLong", kStored + std::string(4097 - kStored.size(), ' '), false, false}),
    [](const ::testing::TestParamInfo<ReaderCase>& info) { return std::string(info.param.name); });

TEST_F(SettingsFile, TheDefaultLineReadBackIsTakenAndLeftAsItIs) {
    folder.write("rokan.ini", kDefaultSettingsLine);

    EXPECT_TRUE(read());

    EXPECT_EQ(journal, (Journal{L"left 165", L"top 45", L"width 4500", L"height 2115"}));
    EXPECT_EQ(file(), kDefaultSettingsLine);
}

TEST_F(SettingsFile, ARaisedValueIsPlacedButTheFileGetsTheDefaultLine) {
    folder.write("rokan.ini", "position=100,50,5000,3000\r\n");

    EXPECT_FALSE(read());

    EXPECT_EQ(journal, (Journal{L"left 165", L"top 50", L"width 5000", L"height 3000"}));
    EXPECT_EQ(file(), kDefaultSettingsLine);
}

TEST_F(SettingsFile, AWindowNoMonitorShowsIsBroughtBackKeepingItsSize) {
    folder.write("rokan.ini", "position= 50000, 780, 4530, 2430\r\n");

    EXPECT_TRUE(read());

    EXPECT_EQ(journal, (Journal{L"left 50000", L"top 780", L"width 4530", L"height 2430", L"left 165", L"top 45"}));
    EXPECT_EQ(file(), "position= 50000, 780, 4530, 2430\r\n");
}

TEST_F(SettingsFile, ARefusedPlacementFallsBackToTheDefaultLineSilently) {
    folder.write("rokan.ini", "position= 1230, 780, 4530, 2430\r\n");
    view.refused.insert(L"width 4530");

    EXPECT_FALSE(read());

    EXPECT_EQ(journal, (Journal{L"left 1230", L"top 780"}));
    EXPECT_EQ(file(), kDefaultSettingsLine);
}

// The window's pixels as twips: at 168 DPI a pixel is 8.57 twips, and fractions get a point.
TEST_F(SettingsFile, WritersPutFourNumbersWithTheirSignPosition) {
    const std::tuple<int, int, int, int, int, const char*> rows[] = {
        {96, 82, 52, 294, 108, "position= 1230, 780, 4530, 2430\r\n"},
        {96, -100, 52, 294, 108, "position=-1500, 780, 4530, 2430\r\n"},
        {96, 0, -1, 292, 87, "position= 0,-15, 4500, 2115\r\n"},
        {168, 100, 7, 515, 154, "position= 857.1429, 60, 4534.286, 2130\r\n"},
    };
    for (const auto& [dpi, left, top, width, height, expected] : rows) {
        view.dpi = dpi;
        view.leftPx = left, view.topPx = top, view.clientWidthPx = width, view.clientHeightPx = height;
        module.iniWrite();
        EXPECT_EQ(file(), expected);
    }
    EXPECT_TRUE(journal.empty());
}

TEST_F(SettingsFile, WriterWithoutAReaderFindsTheFolderItself) {
    module.iniWrite();
    EXPECT_EQ(file(), "position= 165, 45, 4530, 2550\r\n");
    EXPECT_EQ(module.applicationDirectory(), folder.windowsPath() + L"\\");
}

TEST_F(SettingsFile, TheApplicationDirectoryEndsInOneBackslash) {
    for (const auto& [reported, expected] : {std::pair{L"C:\\Tools", L"C:\\Tools\\"}, std::pair{L"C:\\", L"C:\\"}}) {
        Module1 other{view, dialogs, process, machineFileSystem()};
        process.folder = reported;
        other.getRokanpath();
        EXPECT_EQ(other.applicationDirectory(), expected);
    }
}

// A file layer that dies between writing the new line aside and putting it in place.
class DyingFileSystem : public FileSystem {
public:
    std::optional<std::string> readStart(const std::wstring& path, std::size_t max) override {
        return machineFileSystem().readStart(path, max);
    }
    void writeFile(const std::wstring& path, const std::string& bytes) override {
        machineFileSystem().writeFile(path, bytes);
    }
    void replaceFile(const std::wstring&, const std::wstring&) override { throw Failure{}; }
    bool removeFile(const std::wstring& path) noexcept override { return machineFileSystem().removeFile(path); }
};

TEST_F(SettingsFile, AWriteThatDiesHalfWayLeavesTheOldLineWhole) {
    const std::string saved = "position= 1230, 780, 4530, 2430\r\n";
    folder.write("rokan.ini", saved);
    DyingFileSystem dying;
    Module1 failing{view, dialogs, process, dying};

    failing.iniWrite();
    failing.iniDefWrite();

    EXPECT_EQ(journal,
              (Journal{L"message Module1.iniWrite Error | Rokan", L"message Module1.iniDefWrite Error | Rokan"}));
    EXPECT_EQ(file(), saved);
    EXPECT_EQ(folder.fileCount(), 1u);
}

TEST_F(SettingsFile, AFolderThatCannotBeWrittenGivesTheWritersMessages) {
    process.folder = folder.windowsPath() + L"\\no such folder";

    EXPECT_FALSE(read());
    module.iniWrite();

    EXPECT_EQ(journal,
              (Journal{L"message Module1.iniDefWrite Error | Rokan", L"message Module1.iniWrite Error | Rokan"}));
}

using SettingsAtStartAndEnd = FormTest;

TEST_F(SettingsAtStartAndEnd, TheStoredRectangleComesBackUnderTheSizePolicyAndIsSavedAtTheEnd) {
    folder.write("rokan.ini", "position= 1230, 780, 5000, 3000\r\n");

    form.Form_Load();
    EXPECT_EQ(view.width(), 4530);
    EXPECT_EQ(view.height(), 2565);  // 2560 as 117 pixels at 96 DPI
    EXPECT_FALSE(view.controls[Control::btnMuteOff].visible);
    EXPECT_TRUE(view.controls[Control::btnAutoMute].visible);

    view.leftPx = 90;
    EXPECT_TRUE(endsProcess([&] { form.unload(); }));
    EXPECT_EQ(folder.read("rokan.ini"), "position= 1350, 780, 4530, 2565\r\n");
}

// Not installed, no object, or a second copy: the rectangle stored is the user's to keep.
TEST_F(SettingsAtStartAndEnd, ARunThatNeverReadTheFileLeavesItAlone) {
    const std::string saved = "position= 1230, 780, 4530, 2430\r\n";
    for (auto creation : {FakeEcho::Creation::error, FakeEcho::Creation::noObject, FakeEcho::Creation::object}) {
        folder.write("rokan.ini", saved);
        echo.creation = creation;
        process.anotherCopyRunning = creation == FakeEcho::Creation::object;
        Module1 settingsOfThisRun{view, dialogs, process, machineFileSystem()};
        frmMain run{view, echo, dialogs, process, settingsOfThisRun, muteRecord};

        endsProcess([&] { run.Form_Load(); });
        endsProcess([&] { run.unload(); });

        EXPECT_EQ(folder.read("rokan.ini"), saved);
    }
}

}  // namespace
}  // namespace rokan::test
