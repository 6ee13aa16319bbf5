#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Failure bookkeeping: every failed expectation is printed and counted; the
// exit code is non-zero when any failed.
void expect(bool ok, const char* what);
void expect_hr(HRESULT got, HRESULT want, const char* what);
void info(const char* format, ...);
int failures();

// Pumps messages (so COM calls into this STA are served) until done() or the
// timeout; returns done().
bool pump_until(const std::function<bool()>& done, DWORD timeout_ms);
void pump_for(DWORD ms);

// Path of a file next to this exe.
std::wstring beside_me(std::wstring_view name);

// Current size of a file, 0 when it does not exist.
std::uint64_t file_size(const std::wstring& path);
// Bytes of a file from `offset` to its end.
std::string read_from(const std::wstring& path, std::uint64_t offset);

// The log record the stand-in should write for valid UTF-16 text, computed
// with the system's UTF-8 converter rather than the stand-in's own encoder.
std::string expected_record(std::wstring_view text);

// A top-level window with the stand-in's title (of process `pid`, or of any
// when pid is 0), waiting up to timeout_ms for it to appear.
HWND wait_for_standin_window(DWORD pid, DWORD timeout_ms);
HWND find_standin_window(DWORD pid);

// Starts `exe` with the given arguments; returns the process handle.
HANDLE start_process(const std::wstring& exe, const std::wstring& args);
// Runs it to completion and returns its exit code (or -1 on failure/timeout).
long run_process(const std::wstring& exe, const std::wstring& args, DWORD timeout_ms);

std::string hr_text(HRESULT hr);
