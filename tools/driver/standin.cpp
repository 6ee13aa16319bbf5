#include "standin.h"

#include <fstream>

#include "standin/standin_commands.h"

namespace rokan::e2e::standin {

std::filesystem::path exe() {
    return exeDir() / "echolink_standin.exe";
}

bool setRegistered(bool registered) {
    const std::wstring flag = registered ? L" /RegServer" : L" /UnregServer";
    return Process::start(quoteArg(exe().wstring()) + flag).waitExit() == std::optional<DWORD>(0);
}

std::optional<Process> start(const std::wstring& flags, const std::filesystem::path& workingDir) {
    Process started = Process::start(quoteArg(exe().wstring()) + (flags.empty() ? L"" : L" " + flags), workingDir);
    // It registers its class object before it creates its window.
    if (!waitTopLevel(started.pid(), {L"", STANDIN_WINDOW_TITLE})) return std::nullopt;
    started.waitInputIdle();
    return started;
}

bool anyRunning() {
    return FindWindowW(nullptr, STANDIN_WINDOW_TITLE) != nullptr;
}

void closeAll() {
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, STANDIN_WINDOW_TITLE));)
        postClose(window);
}

Leftovers endLeftovers(milliseconds timeout) {
    if (waitUntil([] { return !anyRunning(); }, timeout, milliseconds(5))) return Leftovers::none;
    return endWindowOwners(STANDIN_WINDOW_TITLE) ? Leftovers::endedByForce : Leftovers::wouldNotEnd;
}

bool command(int id, LPARAM argument) {
    HWND window = nullptr;
    if (!waitUntil([&] { return (window = FindWindowW(nullptr, STANDIN_WINDOW_TITLE)) != nullptr; })) return false;
    SendMessageTimeoutW(window, WM_COMMAND, id, argument, SMTO_NORMAL, 5000, nullptr);
    return true;
}

std::filesystem::path chatLogPath() {
    return exeDir() / STANDIN_CHAT_LOG_NAME;
}

std::wstring chatLog() {
    std::error_code absent;
    return std::filesystem::exists(chatLogPath(), absent) ? widen(readFileUtf8(chatLogPath())) : L"";
}

std::string closingLog() {
    std::ifstream in(exeDir() / STANDIN_CLOSING_LOG_NAME, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "";
}

void removeLogs() {
    std::error_code absent;
    std::filesystem::remove(chatLogPath(), absent);
    std::filesystem::remove(exeDir() / STANDIN_CLOSING_LOG_NAME, absent);
}

}  // namespace rokan::e2e::standin
