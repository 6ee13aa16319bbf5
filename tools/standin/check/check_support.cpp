#include "check_support.h"

#include "standin_commands.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {
int g_failures = 0;
}

void expect(bool ok, const char* what) {
  std::printf("%s: %s\n", ok ? "ok  " : "FAIL", what);
  std::fflush(stdout);
  if (!ok) ++g_failures;
}

void expect_hr(HRESULT got, HRESULT want, const char* what) {
  std::printf("%s: %s (got %s, want %s)\n", got == want ? "ok  " : "FAIL", what,
              hr_text(got).c_str(), hr_text(want).c_str());
  std::fflush(stdout);
  if (got != want) ++g_failures;
}

void info(const char* format, ...) {
  std::printf("info: ");
  va_list args;
  va_start(args, format);
  std::vprintf(format, args);
  va_end(args);
  std::printf("\n");
  std::fflush(stdout);
}

int failures() { return g_failures; }

std::string hr_text(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

bool pump_until(const std::function<bool()>& done, DWORD timeout_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  while (!done()) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 50)),
                              QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return true;
}

void pump_for(DWORD ms) {
  pump_until([] { return false; }, ms);
}

std::wstring beside_me(std::wstring_view name) {
  wchar_t path[MAX_PATH * 4] = {};
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  std::wstring folder(path, n);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + std::wstring(name);
}

std::uint64_t file_size(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string read_from(const std::wstring& path, std::uint64_t offset) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(offset);
  std::string out;
  if (SetFilePointerEx(file, at, nullptr, FILE_BEGIN)) {
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) out.append(buffer, got);
  }
  CloseHandle(file);
  return out;
}

std::string expected_record(std::wstring_view text) {
  std::wstring escaped;
  for (wchar_t c : text) {
    if (c == L'\\') escaped += L"\\\\";
    else if (c == L'\r') escaped += L"\\r";
    else if (c == L'\n') escaped += L"\\n";
    else escaped += c;
  }
  std::string out;
  if (!escaped.empty()) {
    const int n = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, escaped.data(),
                                      static_cast<int>(escaped.size()), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return "<text is not valid UTF-16>";
    out.resize(static_cast<std::size_t>(n));
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, escaped.data(),
                        static_cast<int>(escaped.size()), out.data(), n, nullptr, nullptr);
  }
  out += '\n';
  return out;
}

namespace {

struct FindArgs {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK find_one(HWND window, LPARAM param) {
  auto* args = reinterpret_cast<FindArgs*>(param);
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  if (lstrcmpW(title, STANDIN_WINDOW_TITLE) != 0) return TRUE;
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (args->pid != 0 && pid != args->pid) return TRUE;
  args->found = window;
  return FALSE;
}

}  // namespace

HWND find_standin_window(DWORD pid) {
  FindArgs args{pid, nullptr};
  EnumWindows(find_one, reinterpret_cast<LPARAM>(&args));
  return args.found;
}

HWND wait_for_standin_window(DWORD pid, DWORD timeout_ms) {
  HWND found = nullptr;
  pump_until([&] { return (found = find_standin_window(pid)) != nullptr; }, timeout_ms);
  return found;
}

HANDLE start_process(const std::wstring& exe, const std::wstring& args) {
  std::wstring line = L"\"" + exe + L"\"";
  if (!args.empty()) line += L" " + args;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return nullptr;
  CloseHandle(pi.hThread);
  return pi.hProcess;
}

long run_process(const std::wstring& exe, const std::wstring& args, DWORD timeout_ms) {
  HANDLE process = start_process(exe, args);
  if (!process) return -1;
  long rc = -1;
  if (WaitForSingleObject(process, timeout_ms) == WAIT_OBJECT_0) {
    DWORD code = 0;
    if (GetExitCodeProcess(process, &code)) rc = static_cast<long>(code);
  }
  CloseHandle(process);
  return rc;
}
