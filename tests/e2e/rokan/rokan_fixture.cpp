#include "rokan_fixture.h"

#include <fstream>

#include "standin_commands.h"

namespace rokan::e2e {

std::filesystem::path standinExe() {
    return exeDir() / "echolink_standin.exe";
}

namespace {

std::filesystem::path chatLogPath() {
    return standinExe().parent_path() / STANDIN_CHAT_LOG_NAME;
}

// The stand-in's records: one a line, with backslash, CR and LF escaped.
std::wstring unescaped(const std::wstring& record) {
    std::wstring text;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (record[i] == L'\\' && i + 1 < record.size()) {
            const wchar_t next = record[++i];
            text += next == L'r' ? L'\r' : next == L'n' ? L'\n' : next;
        } else {
            text += record[i];
        }
    }
    return text;
}

bool canCreateFiles(const std::filesystem::path& folder) {
    const auto probe = folder / "probe";
    const bool created = static_cast<bool>(std::ofstream(probe));
    std::error_code ignored;
    std::filesystem::remove(probe, ignored);
    return created;
}

void endStandins() {
    endWindowOwners(STANDIN_WINDOW_TITLE);
}

}  // namespace

void RokanTest::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // A folder of this run's own: what an earlier, interrupted run left cannot get in the way.
    folder = std::filesystem::temp_directory_path() / (std::string("rokan-") + info->test_suite_name() + "-" +
                                                       info->name() + "-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(exeDir() / "rokan.exe", folder / "rokan.exe");
    endStandins();
    std::filesystem::remove(chatLogPath());
    registerStandin(true);
}

void RokanTest::TearDown() {
    if (folderLocked) setFolderWritable(true);
    if (rokan && rokan->running()) rokan->terminate();
    rokan.reset();
    endStandins();
    // Wine may hold an ended program's exe for a moment.
    waitUntil([&] {
        std::error_code notYet;
        std::filesystem::remove_all(folder, notYet);
        return !notYet;
    });
}

Process& RokanTest::startRokan() {
    rokan.emplace(Process::start(quoteArg((folder / "rokan.exe").wstring()), folder));
    return *rokan;
}

HWND RokanTest::waitMainWindow() {
    main = waitTopLevel(rokan->pid(), {kMainWindowClass, std::nullopt});
    return main;
}

void RokanTest::registerStandin(bool registered) {
    Process registration =
        Process::start(quoteArg(standinExe().wstring()) + (registered ? L" /RegServer" : L" /UnregServer"));
    ASSERT_EQ(registration.waitExit(), std::optional<DWORD>(0));
}

Process RokanTest::startStandin(const std::wstring& flags) {
    Process standin = Process::start(quoteArg(standinExe().wstring()) + L" " + flags);
    EXPECT_NE(waitTopLevel(standin.pid(), {L"", STANDIN_WINDOW_TITLE}), nullptr);
    return standin;
}

HWND RokanTest::standinWindow() {
    HWND window = nullptr;
    waitUntil([&] { return (window = FindWindowW(nullptr, STANDIN_WINDOW_TITLE)) != nullptr; });
    return window;
}

// Sent, not posted: a mode must hold before Rokan's next call reaches the stand-in.
void RokanTest::standinCommand(int command) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(standinWindow(), WM_COMMAND, static_cast<WPARAM>(command), 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

std::vector<std::wstring> RokanTest::chatLog() const {
    std::vector<std::wstring> lines;
    std::error_code ec;
    if (!std::filesystem::exists(chatLogPath(), ec)) return lines;
    const std::wstring text = widen(readFileUtf8(chatLogPath()));
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
        lines.push_back(unescaped(text.substr(start, end - start)));
    return lines;
}

bool RokanTest::waitChatLines(std::size_t count) {
    return waitUntil([&] { return chatLog().size() >= count; });
}

MessageBoxContent RokanTest::answerMessageBox(const Process& process) {
    HWND box = waitDialog(process.pid());
    if (!box) return {};
    MessageBoxContent content = readMessageBox(box);
    pressOk(box);
    waitGone(box);
    return content;
}

// Under Wine, root writes anywhere, but not into an immutable folder; Wine
// starts Linux programs such as chattr like Windows ones.
bool RokanTest::setFolderWritable(bool writable) {
    using UnixNameFn = char*(CDECL*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixNameFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName || !std::filesystem::exists("Z:\\usr\\bin\\chattr")) return false;
    char* name = unixName(folder.wstring().c_str());
    if (!name) return false;
    const std::wstring command = std::wstring(L"/usr/bin/chattr ") + (writable ? L"-i " : L"+i ") + widen(name);
    HeapFree(GetProcessHeap(), 0, name);
    // Wine hands a Linux program over without waiting for it: wait for its effect.
    Process::start(command);
    const bool reached = waitUntil([&] { return canCreateFiles(folder) == writable; });
    folderLocked = !canCreateFiles(folder);
    return reached;
}

std::string RokanTest::iniFile() const {
    std::ifstream in(folder / "rokan.ini", std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void RokanTest::writeIni(const std::string& line) const {
    std::ofstream(folder / "rokan.ini", std::ios::binary) << line;
}

}  // namespace rokan::e2e
