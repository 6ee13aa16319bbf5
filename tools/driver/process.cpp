#include <stdexcept>

#include "driver/driver.h"
// After windows.h, which it needs.
#include <tlhelp32.h>

namespace rokan::e2e {

namespace {
// Every program a test starts is in this job, which the system closes when
// the test exe ends however it ends, and so ends them too: a crashed test
// must not leave programs behind to keep the Wine session alive.
HANDLE testJob() {
    static HANDLE job = [] {
        HANDLE j = CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (j) SetInformationJobObject(j, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        return j;
    }();
    return job;
}
}  // namespace

Process Process::start(const std::wstring& commandLine, const std::filesystem::path& workingDir) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring mutableLine = commandLine;  // CreateProcessW may write into it
    const std::wstring dir = workingDir.wstring();
    // Suspended until it is in the job, so nothing it starts escapes the job.
    if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        dir.empty() ? nullptr : dir.c_str(), &si, &pi))
        throw std::runtime_error("cannot start (" + std::to_string(GetLastError()) + "): " + narrow(commandLine));
    if (HANDLE job = testJob()) AssignProcessToJobObject(job, pi.hProcess);
    ResumeThread(pi.hThread);
    CloseHandle(pi.hThread);
    Process p;
    p.process_.reset(pi.hProcess);
    p.pid_ = pi.dwProcessId;
    return p;
}

void Process::endProcess(HANDLE process) {
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
}

bool Process::loadLibraryInside(const std::wstring& name) const {
    const SIZE_T bytes = (name.size() + 1) * sizeof(wchar_t);
    void* remote = VirtualAllocEx(handle(), nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote || !WriteProcessMemory(handle(), remote, name.c_str(), bytes, nullptr)) return false;
    const auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
    HANDLE thread = CreateRemoteThread(handle(), nullptr, 0, loadLibrary, remote, 0, nullptr);
    const bool ran = thread && WaitForSingleObject(thread, 5000) == WAIT_OBJECT_0;
    if (thread) CloseHandle(thread);
    VirtualFreeEx(handle(), remote, 0, MEM_RELEASE);
    return ran;
}

int Process::threadCount(DWORD pid) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == pid) ++count;
    CloseHandle(snapshot);
    return count;
}

std::optional<DWORD> Process::waitExit(milliseconds timeout) {
    DWORD code = 0;
    if (WaitForSingleObject(handle(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return std::nullopt;
    GetExitCodeProcess(handle(), &code);
    return code;
}

std::filesystem::path exeDir() {
    std::wstring path(MAX_PATH, L'\0');
    while (GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())) >= path.size())
        path.resize(path.size() * 2);
    return std::filesystem::path(path.c_str()).parent_path();
}

}  // namespace rokan::e2e
