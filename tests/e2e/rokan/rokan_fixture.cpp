#include "rokan_fixture.h"

#include <algorithm>

namespace rokan::e2e {

namespace {
std::wstring standinExe() {
    return quoteArg((exeDir() / "echolink_standin.exe").wstring());
}
}  // namespace

int pixels(int twips) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return MulDiv(twips, dpi, 1440);
}

SIZE clientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

void RokanTest::SetUp() {
    // A folder of this run's own: what an earlier, interrupted run left cannot get in the way.
    static int runs = 0;
    folder = std::filesystem::temp_directory_path() /
             ("rokan-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++runs));
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(exeDir() / "rokan.exe", folder / "rokan.exe");
    endStandins();
    std::filesystem::remove(exeDir() / STANDIN_CHAT_LOG_NAME);
    std::filesystem::remove(exeDir() / STANDIN_CLOSING_LOG_NAME);
    // The user's own folder is the test's too: nothing there outlives it.
    std::filesystem::create_directories(folder / "AppData");
    SetEnvironmentVariableW(L"LOCALAPPDATA", (folder / "AppData").c_str());
    registerStandin(true);
}

void RokanTest::TearDown() {
    rokan.reset();
    endStandins();
    standin.reset();
    // Wine may hold an ended program's exe for a moment.
    waitUntil([&] {
        std::error_code notYet;
        std::filesystem::remove_all(folder, notYet);
        return !notYet;
    });
}

void RokanTest::makeFull() {
    SetWindowPos(main, nullptr, 0, 0, windowRect(main).right - windowRect(main).left, 400, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(waitUntil([&] { return visible(control(Control::sCall)); }));
    EXPECT_EQ(clientSize(main).cy, pixels(kFullHeight - kFrameHeight));
}

HWND RokanTest::sendAndWaitBox(const std::wstring& line) {
    setText(control(Control::sInput), line);
    click(control(Control::B_Send));
    return waitDialog(rokan->pid());
}

void RokanTest::startStandin(const std::wstring& flags) {
    standin.emplace(Process::start(standinExe() + L" " + flags));
    EXPECT_NE(waitTopLevel(standin->pid(), {L"", STANDIN_WINDOW_TITLE}), nullptr);
}

void RokanTest::registerStandin(bool registered) {
    const std::wstring command = standinExe() + (registered ? L" /RegServer" : L" /UnregServer");
    EXPECT_EQ(Process::start(command).waitExit(), std::optional<DWORD>(0));
}

void RokanTest::endStandins() {
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, STANDIN_WINDOW_TITLE));)
        postClose(window);
    waitUntil([] { return !FindWindowW(nullptr, STANDIN_WINDOW_TITLE); });
    EXPECT_TRUE(endWindowOwners(STANDIN_WINDOW_TITLE));
}

// Sent, not posted: a mode must hold before Rokan's next call reaches the stand-in.
// No answer is expected from a command that ends the stand-in.
void RokanTest::standinCommand(int command, LPARAM argument) {
    HWND window = nullptr;
    EXPECT_TRUE(waitUntil([&] { return (window = FindWindowW(nullptr, STANDIN_WINDOW_TITLE)) != nullptr; }));
    SendMessageTimeoutW(window, WM_COMMAND, command, argument, SMTO_NORMAL, 5000, nullptr);
}

std::wstring RokanTest::chatLog() const {
    std::error_code ec;
    const auto log = exeDir() / STANDIN_CHAT_LOG_NAME;
    return std::filesystem::exists(log, ec) ? widen(readFileUtf8(log)) : L"";
}

std::string RokanTest::closingLog() const {
    std::ifstream in(exeDir() / STANDIN_CLOSING_LOG_NAME, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "";
}

int RokanTest::boxesOpen() const {
    const auto shown = topLevelWindows(rokan->pid());
    return static_cast<int>(
        std::count_if(shown.begin(), shown.end(), [](HWND w) { return visible(w) && className(w) == kDialogClass; }));
}

MessageBoxContent RokanTest::answerMessageBox() {
    HWND box = waitDialog(rokan->pid());
    if (!box) return {};
    EXPECT_EQ(boxesOpen(), 1) << "message boxes come one at a time";
    const MessageBoxContent content = readMessageBox(box);
    click(GetDlgItem(box, IDOK));
    waitGone(box);
    return content;
}

std::string RokanTest::iniFile() const {
    std::ifstream in(folder / "rokan.ini", std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

}  // namespace rokan::e2e
