#include "windows_process.h"

#include "failure.h"

namespace rokan {

// A named mutex, not a window search: two copies started at the same moment
// still agree on which one runs.
bool WindowsProcess::previousInstance() {
    if (!singleCopy_) {
        singleCopy_ = CreateMutexW(nullptr, FALSE, L"Local\\Rokan.SingleCopy.{5B0E3C61-7A52-4C2B-9E07-2F1D4A8E6C93}");
        if (!singleCopy_) throw Failure{L"CreateMutexW", GetLastError()};
        return GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return false;
}

std::wstring WindowsProcess::executableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) throw Failure{L"GetModuleFileNameW", GetLastError()};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto lastSeparator = path.find_last_of(L'\\');
    path.resize(lastSeparator == std::wstring::npos ? 0 : lastSeparator);
    // The root of a drive keeps its backslash, as Windows reports folders.
    if (path.size() == 2 && path[1] == L':') path += L'\\';
    return path;
}

// As Windows sets it for every session since Vista; no shell32 for one path.
std::wstring WindowsProcess::localAppDataFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", folder.data(), static_cast<DWORD>(folder.size()));
    if (length >= folder.size()) {
        folder.resize(length);
        length = GetEnvironmentVariableW(L"LOCALAPPDATA", folder.data(), static_cast<DWORD>(folder.size()));
    }
    folder.resize(length < folder.size() ? length : 0);
    return folder;
}

// EchoLink has been released by then; nothing else needs an orderly end.
void WindowsProcess::end() {
    ExitProcess(0);
}

}  // namespace rokan
