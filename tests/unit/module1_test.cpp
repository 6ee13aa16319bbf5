#include "form_fixture.h"

namespace rokan::test {
namespace {

constexpr char kDefaultLine[] = "position= 165, 45, 4500, 2115\r\n";

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

struct ReaderCase {
    const char* name;
    std::optional<std::string> content;  // nothing: no file
    std::vector<std::wstring> placed;    // the assignments, in order
    bool ok;
    bool defaultLineWritten;
};

class Reader : public SettingsFile, public ::testing::WithParamInterface<ReaderCase> {};

const std::vector<std::wstring> kUnplaced{};

TEST_P(Reader, PlacesTheWindowAndRewritesAnythingItCannotUseAsItStands) {
    const ReaderCase& row = GetParam();
    if (row.content) folder.write("rokan.ini", *row.content);

    EXPECT_EQ(read(), row.ok);

    EXPECT_EQ(journal, row.placed);
    EXPECT_EQ(file(), row.defaultLineWritten ? std::string(kDefaultLine) : *row.content);
    EXPECT_EQ(folder.fileCount(), 1u);
}

const std::vector<std::wstring> placedAt(int left, int top, int width, int height) {
    return {L"left " + decimalText(left), L"top " + decimalText(top), L"width " + decimalText(width),
            L"height " + decimalText(height)};
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Reader,
    ::testing::Values(
        ReaderCase{"missing", std::nullopt, kUnplaced, false, true}, ReaderCase{"empty", "", kUnplaced, false, true},
        ReaderCase{"firstLineEmpty", "\r\nposition= 1230, 780, 4530, 2430\r\n", kUnplaced, false, true},
        ReaderCase{"defaultLine", kDefaultLine, placedAt(165, 45, 4500, 2115), true, false},
        ReaderCase{"storedRectangle", "position= 1230, 780, 4530, 2430\r\n", placedAt(1230, 780, 4530, 2430), true,
                   false},
        ReaderCase{"belowMinimums", "position=100,50,5000,3000\r\n", placedAt(165, 50, 5000, 3000), false, true},
        ReaderCase{"negatives", "position=-1500,-30, 4530, 2430\r\n", placedAt(165, 45, 4530, 2430), false, true},
        ReaderCase{"equalToMinimums", "position=165,45,4500,2115", placedAt(165, 45, 4500, 2115), true, false},
        ReaderCase{"threeNumbers", "position= 1230, 780, 4530\r\n", kUnplaced, false, true},
        ReaderCase{"emptyField", "position=,45,4500,2115\r\n", kUnplaced, false, true},
        ReaderCase{"aWord", "position= 1230, left, 4530, 2430\r\n", kUnplaced, false, true},
        ReaderCase{"noEquals", " 1230, 780, 4530, 2430\r\n", placedAt(1230, 780, 4530, 2430), true, false},
        ReaderCase{"anotherKey", "size= 1230, 780, 4530, 2430\r\n", placedAt(1230, 780, 4530, 2430), true, false},
        ReaderCase{"blanksAround", "position= 1230 , 780 , 4530 , 2430 \r\n", placedAt(1230, 780, 4530, 2430), true,
                   false},
        ReaderCase{"halvesToEven", "position= 1230.5, 1231.5, 4530, 2430\r\n", placedAt(1230, 1232, 4530, 2430), true,
                   false},
        ReaderCase{"fifthField", "position= 1230, 780, 4530, 9999, 2430\r\n", placedAt(1230, 780, 4530, 2430), true,
                   false},
        ReaderCase{"secondLineIgnored", "position= 1230, 780, 4530, 2430\r\nnext line\r\n",
                   placedAt(1230, 780, 4530, 2430), true, false},
        ReaderCase{"lfOnly", "position= 1230, 780, 4530, 2430\nnext", placedAt(1230, 780, 4530, 2430), true, false},
        ReaderCase{"beyond32Bits", "position= 2147483648, 780, 4530, 2430\r\n", kUnplaced, false, true},
        ReaderCase{"nonAscii", "position= 1230, \xef\xbc\x97\xef\xbc\x98\xef\xbc\x90, 4530, 2430\r\n", kUnplaced, false,
                   true},
        ReaderCase{"nulByte", std::string("position= 1230, 7") + '\0' + "80, 4530, 2430\r\n", kUnplaced, false, true},
        ReaderCase{"firstLineTooLong", "position= 1230, 780, 4530, 2430" + std::string(5000, ' ') + "\r\n", kUnplaced,
                   false, true},
        ReaderCase{"longButWithinLimit", "position= 1230, 780, 4530, 2430" + std::string(4000, ' ') + "\r\n",
                   placedAt(1230, 780, 4530, 2430), true, false}),
    [](const ::testing::TestParamInfo<ReaderCase>& info) { return std::string(info.param.name); });

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
    EXPECT_EQ(file(), kDefaultLine);
}

TEST_F(SettingsFile, WritersPutFourNumbersWithTheirSignPosition) {
    const std::tuple<int, int, int, int, const char*> rows[] = {
        {82, 52, 294, 108, "position= 1230, 780, 4530, 2430\r\n"},
        {-100, 52, 294, 108, "position=-1500, 780, 4530, 2430\r\n"},
        {0, -1, 292, 87, "position= 0,-15, 4500, 2115\r\n"},
    };
    for (const auto& [left, top, width, height, expected] : rows) {
        view.leftPx = left, view.topPx = top, view.clientWidthPx = width, view.clientHeightPx = height;
        module.iniWrite();
        EXPECT_EQ(file(), expected);
    }
    EXPECT_TRUE(journal.empty());
}

TEST_F(SettingsFile, FractionsAreWrittenWithAPointAtAnyDpi) {
    view.dpi = 168;  // 8.57 twips a pixel
    view.leftPx = 100, view.topPx = 7, view.clientWidthPx = 515, view.clientHeightPx = 154;

    module.iniWrite();

    EXPECT_EQ(file(), "position= 857.1429, 60, 4534.286, 2130\r\n");
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
    std::optional<std::string> readFirstLine(const std::wstring& path, std::size_t max) override {
        return machineFileSystem().readFirstLine(path, max);
    }
    void writeFile(const std::wstring& path, const std::string& bytes) override {
        machineFileSystem().writeFile(path, bytes);
    }
    void replaceFile(const std::wstring&, const std::wstring&) override { throw Failure{}; }
    void removeFile(const std::wstring& path) noexcept override { machineFileSystem().removeFile(path); }
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

TEST_F(SettingsAtStartAndEnd, ARunThatNeverReadTheFileLeavesItAlone) {
    const std::string saved = "position= 1230, 780, 4530, 2430\r\n";
    for (auto creation : {FakeEcho::Creation::error, FakeEcho::Creation::noObject}) {
        folder.write("rokan.ini", saved);
        echo.creation = creation;
        Module1 settingsOfThisRun{view, dialogs, process, machineFileSystem()};
        frmMain run{view, echo, dialogs, process, settingsOfThisRun};

        endsProcess([&] { run.Form_Load(); });
        endsProcess([&] { run.unload(); });

        EXPECT_EQ(folder.read("rokan.ini"), saved);
    }
}

TEST_F(SettingsAtStartAndEnd, ASecondCopyLeavesTheFirstCopysFileAlone) {
    const std::string saved = "position= 1230, 780, 4530, 2430\r\n";
    folder.write("rokan.ini", saved);
    process.anotherCopyRunning = true;

    EXPECT_TRUE(endsProcess([&] { form.Form_Load(); }));

    EXPECT_EQ(folder.read("rokan.ini"), saved);
}

}  // namespace
}  // namespace rokan::test
