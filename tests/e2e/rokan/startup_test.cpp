// Every road into Rokan and every way out of it, as the real COM, message
// boxes and rokan.ini show them.
#include "rokan_fixture.h"

namespace rokan::e2e {
namespace {

using namespace std::chrono_literals;

constexpr char kStored[] = "position= 1230, 780, 4530, 2430\r\n";
constexpr char kSavedDefault[] = "position= 165, 45, 4530, 2550\r\n";

struct Road {
    const char* name;
    bool (*arrange)(RokanTest&);       // false: this host cannot arrange it
    const char* iniBefore;             // nullptr: no file
    const wchar_t *message, *caption;  // the box at start-up, if any
    const wchar_t* windowCaption;      // nullptr: Rokan ends after its box
    const wchar_t* closeMessage;       // the box when the window closes, if any
    const char* iniAfter;
};

bool unregister(RokanTest& t) {
    t.registerStandin(false);
    return true;
}
bool noObject(RokanTest& t) {
    t.startStandin(L"/noobject");
    return true;
}

const Road kRoads[] = {
    {"FirstStart", [](RokanTest&) { return true; }, nullptr, nullptr, nullptr, kVersionCaption, nullptr, kSavedDefault},
    {"NotRegistered", unregister, kStored, L"EchoLink not Installed!", L"Rokan", nullptr, nullptr, kStored},
    {"NoObject", noObject, kStored, L"Launch EchoLink Faild!!", L"missing!!", L"Rokan", nullptr, kStored},
    {"UnwritableFolder", [](RokanTest& t) { return t.setFolderWritable(false); }, nullptr, L"Module1.iniDefWrite Error",
     L"Rokan", kVersionCaption, L"Module1.iniWrite Error", "<missing>"},
};

class Startup : public RokanTest, public ::testing::WithParamInterface<Road> {};

TEST_P(Startup, ShowsItsMessagesAndLeavesTheSettingsAsItShould) {
    const Road& road = GetParam();
    if (road.iniBefore) writeIni(road.iniBefore);
    if (!road.arrange(*this)) GTEST_SKIP() << "cannot be arranged on this host";

    launchRokan();
    if (road.message) {
        const MessageBoxContent box = answerMessageBox();
        EXPECT_EQ(box.text, road.message);
        EXPECT_EQ(box.caption, road.caption);
    }
    if (road.windowCaption) {
        ASSERT_NE(waitMainWindow(), nullptr);
        EXPECT_EQ(text(main), road.windowCaption);
        EXPECT_EQ(findDialog(rokan->pid()), nullptr);
        postClose(main);
        if (road.closeMessage) {
            EXPECT_EQ(answerMessageBox().text, road.closeMessage);
        }
    }
    EXPECT_EQ(rokan->waitExit(), std::optional<DWORD>(0));
    EXPECT_EQ(iniFile(), road.iniAfter);
}

INSTANTIATE_TEST_SUITE_P(Roads, Startup, ::testing::ValuesIn(kRoads),
                         [](const auto& row) { return std::string(row.param.name); });

// The copy that loses ends before it reads rokan.ini: the file stays the other's.
TEST_F(RokanTest, OfTwoCopiesStartedTogetherOneWarnsAndEndsAndTheOtherRunsOn) {
    const std::wstring command = quoteArg((folder / "rokan.exe").wstring());
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        writeIni(kStored);
        Process first = Process::start(command, folder), second = Process::start(command, folder);

        HWND box = nullptr;
        ASSERT_TRUE(waitUntil([&] { return (box = findDialog(first.pid())) || (box = findDialog(second.pid())); }));
        const MessageBoxContent content = readMessageBox(box);
        EXPECT_EQ(content.text, L"already Running EchoLink Program");
        EXPECT_EQ(content.caption, L"Rokan");
        click(GetDlgItem(box, IDOK));
        ASSERT_TRUE(waitUntil([&] { return !first.running() || !second.running(); }));
        Process& survivor = first.running() ? first : second;
        EXPECT_EQ((first.running() ? second : first).waitExit(), std::optional<DWORD>(0));
        HWND window = waitTopLevel(survivor.pid(), {kMainWindowClass, kVersionCaption});
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(findDialog(survivor.pid()), nullptr);
        EXPECT_EQ(iniFile(), kStored);

        SetWindowPos(window, nullptr, 100, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        postClose(window);
        ASSERT_EQ(survivor.waitExit(), std::optional<DWORD>(0));
        EXPECT_EQ(iniFile(), "position= 1500, 900, 4530, 2430\r\n");
    }
}

struct Ending {
    const char* name;
    void (*before)(RokanTest&);
    bool byEchoLink;  // EchoLink's Closing; otherwise the window is closed
};

void otherEvents(RokanTest& t) {
    t.standinCommand(STANDIN_CMD_RAISE_OTHER_EVENTS);
    EXPECT_FALSE(t.rokan->waitExit(1s)) << "only Closing ends Rokan";
}
void overAMessageBox(RokanTest& t) {
    t.standinCommand(STANDIN_CMD_FAIL_ON);
    EXPECT_NE(t.sendAndWaitBox(L".stat"), nullptr);
}
void standinKilled(RokanTest& t) {
    RokanTest::endStandins();
    t.sendAndWaitBox(L"hello");
    EXPECT_EQ(t.answerMessageBox().text, L"SendChatMsg Error");
    EXPECT_EQ(text(t.control(Control::sInput)), L"hello");
}

const Ending kEndings[] = {
    {"WindowClosed", [](RokanTest&) {}, false},
    {"ClosingAfterTheOtherEvents", otherEvents, true},
    {"ClosingOverAMessageBox", overAMessageBox, true},
    {"ClosingOverTheAboutBox", [](RokanTest& t) { EXPECT_NE(t.openAbout(), nullptr); }, true},
    {"StandinKilledThenASend", standinKilled, false},
};

class Endings : public RokanTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(Endings, EndRokanCleanlyAndSaveItsRectangle) {
    ASSERT_NE(startRokan(), nullptr);
    GetParam().before(*this);

    if (GetParam().byEchoLink)
        standinCommand(STANDIN_CMD_RAISE_CLOSING_AND_EXIT);
    else
        postClose(main);

    EXPECT_EQ(rokan->waitExit(), std::optional<DWORD>(0));
    EXPECT_EQ(iniFile(), kSavedDefault);
}

INSTANTIATE_TEST_SUITE_P(Roads, Endings, ::testing::ValuesIn(kEndings),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace rokan::e2e
