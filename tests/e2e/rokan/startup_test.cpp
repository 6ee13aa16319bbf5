// Every road into Rokan and out of it, as the real COM, message boxes and
// rokan.ini show them.
#include "rokan_fixture.h"

namespace rokan::e2e {
namespace {

constexpr char kStored[] = "position= 1230, 780, 4530, 2430\r\n";
constexpr char kSavedDefault[] = "position= 165, 45, 4530, 2550\r\n";
constexpr char kClosingReturned[] = "returned 0x00000000\n";

// One life of Rokan: what the test arranges, what Rokan shows, how it
// ends and what it leaves in rokan.ini.
struct Life {
    const char* name;
    void (*arrange)(RokanTest&);
    const char* iniBefore;             // nullptr: no file
    const wchar_t *message, *caption;  // the box at start-up, if any
    const wchar_t* windowCaption;      // nullptr: Rokan ends after its box
    void (*whileRunning)(RokanTest&);
    bool echoLinkCloses;          // EchoLink's Closing ends it; otherwise the window is closed
    const wchar_t* closeMessage;  // the box as the window closes, if any
    const char* iniAfter;
};

void otherEvents(RokanTest& t) {
    t.standinCommand(STANDIN_CMD_RAISE_OTHER_EVENTS);
    EXPECT_FALSE(t.rokan->waitExit(1s)) << "only Closing ends Rokan";
}
void messageBoxOpen(RokanTest& t) {
    t.standinCommand(STANDIN_CMD_FAIL_ON);
    EXPECT_NE(t.sendAndWaitBox(L".stat"), nullptr);
}

// A box shown while the main window is not yet: not owned by that hidden
// window, in front, with its one OK button.
void expectOnItsOwnInFront(HWND box) {
    ASSERT_NE(box, nullptr);
    const HWND owner = GetWindow(box, GW_OWNER);
    EXPECT_TRUE(!owner || visible(owner)) << "owned by a window that is not shown";
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == box; })) << "not in the foreground";
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
}

const Life kLives[] = {
    {"FirstStart", nullptr, nullptr, nullptr, nullptr, kVersionCaption.c_str(), nullptr, false, nullptr, kSavedDefault},
    {"NotRegistered", [](RokanTest& t) { t.registerStandin(false); }, kStored, L"EchoLink not Installed!", L"Rokan",
     nullptr, nullptr, false, nullptr, kStored},
    {"NoObject", [](RokanTest& t) { t.startStandin(L"/noobject"); }, kStored, L"Launch EchoLink Faild!!", L"missing!!",
     L"Rokan", nullptr, false, nullptr, kStored},
    // A folder where rokan.ini belongs fails every write of it, as a folder the user may not write does.
    {"RokanIniCannotBeWritten", [](RokanTest& t) { std::filesystem::create_directory(t.folder / "rokan.ini"); },
     nullptr, L"Module1.iniDefWrite Error", L"Rokan", kVersionCaption.c_str(), nullptr, false,
     L"Module1.iniWrite Error", "<missing>"},
    // Reported once EchoLink's Closing call has returned, not inside it.
    {"RokanIniCannotBeWrittenAtEchoLinksClosing",
     [](RokanTest& t) {
         std::filesystem::create_directory(t.folder / "rokan.ini");
         t.startStandin(L"/nestedonly");
     },
     nullptr, L"Module1.iniDefWrite Error", L"Rokan", kVersionCaption.c_str(), nullptr, true, L"Module1.iniWrite Error",
     "<missing>"},
    {"EchoLinkClosingAfterItsOtherEvents", nullptr, nullptr, nullptr, nullptr, kVersionCaption.c_str(), otherEvents,
     true, nullptr, kSavedDefault},
    {"EchoLinkClosingOverAMessageBox", nullptr, nullptr, nullptr, nullptr, kVersionCaption.c_str(), messageBoxOpen,
     true, nullptr, kSavedDefault},
    {"EchoLinkClosingOverTheAboutBox", nullptr, nullptr, nullptr, nullptr, kVersionCaption.c_str(),
     [](RokanTest& t) { EXPECT_NE(t.openAbout(), nullptr); }, true, nullptr, kSavedDefault},
};

class Lives : public RokanTest, public ::testing::WithParamInterface<Life> {};

TEST_P(Lives, ShowTheirMessagesEndCleanlyAndLeaveRokanIniAsTheyShould) {
    const Life& life = GetParam();
    if (life.iniBefore) writeIni(life.iniBefore);
    if (life.arrange) life.arrange(*this);

    launchRokan();
    if (life.message) {
        expectOnItsOwnInFront(waitDialog(rokan->pid()));
        const MessageBoxContent box = answerMessageBox();
        EXPECT_EQ(box.text, life.message);
        EXPECT_EQ(box.caption, life.caption);
    }
    if (life.windowCaption) {
        ASSERT_NE(waitMainWindow(), nullptr);
        EXPECT_EQ(text(main), life.windowCaption);
        EXPECT_EQ(findDialog(rokan->pid()), nullptr);
        if (life.whileRunning) life.whileRunning(*this);
        if (life.echoLinkCloses)
            standinCommand(STANDIN_CMD_RAISE_CLOSING_AND_EXIT);
        else
            postClose(main);
        if (life.closeMessage) {
            EXPECT_EQ(GetWindow(waitDialog(rokan->pid()), GW_OWNER), main) << "modal over the window shown";
            if (life.echoLinkCloses) {
                EXPECT_TRUE(waitUntil([&] { return closingLog() == kClosingReturned; }, 2s));
            }
            // Where EchoLink's Closing ends Rokan, the end's two roads each write the place.
            int boxes = 0;
            for (; boxes < 3 && !rokan->waitExit(1s); ++boxes) EXPECT_EQ(answerMessageBox().text, life.closeMessage);
            EXPECT_EQ(boxes, life.echoLinkCloses ? 2 : 1);
        }
    }
    EXPECT_EQ(rokan->waitExit(), kExitedCleanly);
    EXPECT_EQ(iniFile(), life.iniAfter);
    EXPECT_EQ(closingLog(), life.echoLinkCloses ? kClosingReturned : "");
}

INSTANTIATE_TEST_SUITE_P(Roads, Lives, ::testing::ValuesIn(kLives),
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
        expectOnItsOwnInFront(box);
        const MessageBoxContent content = readMessageBox(box);
        EXPECT_EQ(content.text, L"already Running EchoLink Program");
        EXPECT_EQ(content.caption, L"Rokan");
        click(GetDlgItem(box, IDOK));
        ASSERT_TRUE(waitUntil([&] { return !first.running() || !second.running(); }));
        Process& survivor = first.running() ? first : second;
        EXPECT_EQ((first.running() ? second : first).waitExit(), kExitedCleanly);
        HWND window = waitTopLevel(survivor.pid(), {kMainWindowClass, kVersionCaption});
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(findDialog(survivor.pid()), nullptr);
        EXPECT_EQ(iniFile(), kStored);

        SetWindowPos(window, nullptr, 100, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        postClose(window);
        ASSERT_EQ(survivor.waitExit(), kExitedCleanly);
        EXPECT_EQ(iniFile(), "position= 1500, 900, 4530, 2430\r\n");
    }
}

}  // namespace
}  // namespace rokan::e2e
