#include "linux_cpu.h"

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "driver/driver.h"

namespace rokan::bench {

namespace {

const std::filesystem::path kProc = L"Z:\\proc";

std::optional<std::string> readWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Other agents' Wine sessions run programs of the same name; only the prefix
// tells ours apart.
std::string prefixEntry() {
    wchar_t prefix[MAX_PATH * 2];
    const DWORD length = GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH * 2);
    if (length == 0 || length >= MAX_PATH * 2) return {};
    return "WINEPREFIX=" + e2e::narrow(prefix);
}

}  // namespace

std::vector<int> linuxProcessesNamed(const std::string& name) {
    std::vector<int> found;
    const std::string wantedPrefix = prefixEntry();
    std::error_code error;
    if (wantedPrefix.empty() || !std::filesystem::is_directory(kProc, error)) return found;
    for (const auto& entry : std::filesystem::directory_iterator(kProc, error)) {
        const std::string pidText = entry.path().filename().string();
        if (pidText.empty() || pidText.find_first_not_of("0123456789") != std::string::npos) continue;
        const auto comm = readWhole(entry.path() / "comm");
        // Linux keeps the first 15 characters of a name.
        if (!comm || *comm != name.substr(0, 15) + "\n") continue;
        const auto environment = readWhole(entry.path() / "environ");
        // Entries end with a NUL; the first one has none before it.
        const std::string nul(1, '\0');
        if (!environment || (nul + *environment).find(nul + wantedPrefix + nul) == std::string::npos) continue;
        found.push_back(std::stoi(pidText));
    }
    return found;
}

std::optional<ThreadTimes> linuxThreadCpuMs(int pid) {
    std::error_code error;
    const auto tasks = kProc / std::to_wstring(pid) / "task";
    ThreadTimes times;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        const auto schedstat = readWhole(task.path() / "schedstat");
        if (!schedstat) continue;
        std::istringstream fields(*schedstat);
        std::uint64_t nanoseconds = 0;
        if (fields >> nanoseconds) times[std::stoi(task.path().filename().string())] = nanoseconds / 1e6;
    }
    if (error || times.empty()) return std::nullopt;
    return times;
}

CpuDelta linuxCpuDelta(const ThreadTimes& before, const ThreadTimes& after) {
    CpuDelta delta;
    for (const auto& [thread, ms] : after) {
        const auto earlier = before.find(thread);
        delta.ms += earlier == before.end() ? ms : ms - earlier->second;
    }
    for (const auto& [thread, ms] : before)
        if (!after.count(thread)) ++delta.threadsEnded;
    return delta;
}

}  // namespace rokan::bench
