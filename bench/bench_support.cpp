#include "bench_support.h"

#include <stdexcept>
#include <string>

#include "stats.h"

namespace rokan::bench {

double nowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

std::filesystem::path benchFolder() {
    return e2e::exeDir();
}
std::filesystem::path rokanExe() {
    return benchFolder() / "rokan.exe";
}
std::filesystem::path bareWindowExe() {
    return benchFolder() / "bare_window.exe";
}
std::filesystem::path caretWindowExe() {
    return benchFolder() / "caret_window.exe";
}
std::filesystem::path attachedWindowExe() {
    return benchFolder() / "attached_window.exe";
}

std::int64_t fileSize(const std::filesystem::path& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void registerStandin() {
    if (!e2e::standin::setRegistered(true)) throw std::runtime_error("echolink_standin.exe /RegServer failed");
}

e2e::Process startStandin() {
    std::optional<e2e::Process> standin = e2e::standin::start(L"", benchFolder());
    if (!standin) throw std::runtime_error("the stand-in's window did not appear");
    return std::move(*standin);
}

void letStandinLeave(e2e::Process& standin, std::chrono::milliseconds timeout) {
    if (standin.waitExit(timeout)) return;
    standin.terminate();
    printNote("a stand-in outstayed its client and was ended by force");
}

void waitNoStandin(std::chrono::milliseconds timeout) {
    switch (e2e::standin::endLeftovers(timeout)) {
        case e2e::standin::Leftovers::none:
            return;
        case e2e::standin::Leftovers::endedByForce:
            printNote("a stand-in outstayed its client and was ended by force");
            return;
        case e2e::standin::Leftovers::wouldNotEnd:
            throw std::runtime_error("a stand-in would not end");
    }
}

double cpuMs(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        throw std::runtime_error("GetProcessTimes failed (" + std::to_string(GetLastError()) + ")");
    const auto hundredNs = [](const FILETIME& t) {
        return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(hundredNs(kernel) + hundredNs(user)) / 10000.0;
}

void settle() {
    Sleep(200);
}

}  // namespace rokan::bench
