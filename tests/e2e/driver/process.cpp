#include "driver/process.h"

#include <stdexcept>
#include <utility>

#include "driver/text.h"

namespace rokan::e2e {

namespace {
// Every program a test starts is in this job, which the system closes when
// the test exe ends however it ends, and so ends them too: a crashed test
// must not leave programs behind to keep the Wine session alive.
HANDLE testJob() {
    static HANDLE job = [] {
        HANDLE j = CreateJobObjectW(nullptr, nullptr);
        if (j) {
            JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
            limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
            SetInformationJobObject(j, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        }
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
                        dir.empty() ? nullptr : dir.c_str(), &si, &pi)) {
        throw std::runtime_error("CreateProcessW failed (" + std::to_string(GetLastError()) +
                                 "): " + narrow(commandLine));
    }
    if (HANDLE job = testJob()) AssignProcessToJobObject(job, pi.hProcess);
    ResumeThread(pi.hThread);
    CloseHandle(pi.hThread);
    Process p;
    p.process_ = pi.hProcess;
    p.pid_ = pi.dwProcessId;
    p.tid_ = pi.dwThreadId;
    return p;
}

Process::Process(Process&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)),
      pid_(std::exchange(other.pid_, 0)),
      tid_(std::exchange(other.tid_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        close();
        process_ = std::exchange(other.process_, nullptr);
        pid_ = std::exchange(other.pid_, 0);
        tid_ = std::exchange(other.tid_, 0);
    }
    return *this;
}

Process::~Process() {
    close();
}

void Process::close() {
    if (!process_) return;
    if (running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
}

bool Process::running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::waitExit(std::chrono::milliseconds timeout) {
    if (WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

bool Process::waitInputIdle(std::chrono::milliseconds timeout) {
    return WaitForInputIdle(process_, static_cast<DWORD>(timeout.count())) == 0;
}

void Process::terminate(UINT exitCode) {
    if (!running()) return;
    TerminateProcess(process_, exitCode);
    WaitForSingleObject(process_, 5000);
}

std::wstring quoteArg(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"')
            out.append(backslashes * 2 + 1, L'\\');
        else
            out.append(backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    out += L'"';
    return out;
}

}  // namespace rokan::e2e
