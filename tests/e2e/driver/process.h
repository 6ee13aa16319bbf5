#pragma once
// A program under test, started the way a user (or a shortcut) would.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "driver/wait.h"

namespace rokan::e2e {

class Process {
public:
    // commandLine is the full line, program path first (quote it when it has
    // spaces). An empty workingDir keeps the caller's. Throws
    // std::runtime_error when CreateProcessW fails.
    static Process start(const std::wstring& commandLine, const std::filesystem::path& workingDir = {});

    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    // A test that fails half-way must not leave its program running.
    ~Process();

    DWORD pid() const { return pid_; }
    DWORD mainThreadId() const { return tid_; }
    HANDLE handle() const { return process_; }

    bool running() const;
    // The exit code, or nothing if still running after timeout.
    std::optional<DWORD> waitExit(std::chrono::milliseconds timeout = defaultTimeout());
    // Waits until the program first waits for input (its window is up).
    bool waitInputIdle(std::chrono::milliseconds timeout = defaultTimeout());
    void terminate(UINT exitCode = 1);

private:
    Process() = default;
    void close();

    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    DWORD tid_ = 0;
};

// "a b" -> "\"a b\"": one argument for a command line, with the
// CommandLineToArgvW quoting rules.
std::wstring quoteArg(const std::wstring& arg);

}  // namespace rokan::e2e
