#include "driver/window.h"

#include <stdexcept>

namespace rokan::e2e {

namespace {
constexpr UINT kSendTimeoutMs = 5000;

struct ByPid {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK collectByPid(HWND hwnd, LPARAM lp) {
    auto& c = *reinterpret_cast<ByPid*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == c.pid) c.found.push_back(hwnd);
    return TRUE;
}

struct ById {
    int id;
    HWND found;
};

BOOL CALLBACK findById(HWND hwnd, LPARAM lp) {
    auto& c = *reinterpret_cast<ById*>(lp);
    if (GetDlgCtrlID(hwnd) != c.id) return TRUE;
    c.found = hwnd;
    return FALSE;
}

bool queryMatches(HWND hwnd, const WindowQuery& q) {
    if (q.visibleOnly && !IsWindowVisible(hwnd)) return false;
    if (!q.className.empty() && className(hwnd) != q.className) return false;
    if (q.caption && text(hwnd) != *q.caption) return false;
    return true;
}
}  // namespace

std::vector<HWND> topLevelWindows(DWORD pid) {
    ByPid ctx{pid, {}};
    EnumWindows(collectByPid, reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
}

HWND findTopLevel(DWORD pid, const WindowQuery& query) {
    for (HWND hwnd : topLevelWindows(pid))
        if (queryMatches(hwnd, query)) return hwnd;
    return nullptr;
}

HWND waitTopLevel(DWORD pid, const WindowQuery& query, std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    waitUntil([&] { return (found = findTopLevel(pid, query)) != nullptr; }, timeout);
    return found;
}

bool waitGone(HWND hwnd, std::chrono::milliseconds timeout) {
    return waitUntil([&] { return !IsWindow(hwnd) || !IsWindowVisible(hwnd); }, timeout);
}

HWND childById(HWND parent, int id) {
    if (HWND direct = GetDlgItem(parent, id)) return direct;
    ById ctx{id, nullptr};
    EnumChildWindows(parent, findById, reinterpret_cast<LPARAM>(&ctx));  // all descendants
    return ctx.found;
}

std::vector<HWND> children(HWND parent) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
    return out;
}

std::wstring className(HWND hwnd) {
    wchar_t buf[256];
    const int n = GetClassNameW(hwnd, buf, 256);
    return std::wstring(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
}

std::wstring text(HWND hwnd) {
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &len))
        throw std::runtime_error("WM_GETTEXTLENGTH timed out");
    std::wstring buf(len + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &copied))
        throw std::runtime_error("WM_GETTEXT timed out");
    buf.resize(copied);
    return buf;
}

int controlId(HWND hwnd) {
    return GetDlgCtrlID(hwnd);
}
bool visible(HWND hwnd) {
    return IsWindowVisible(hwnd) != FALSE;
}
bool enabled(HWND hwnd) {
    return IsWindowEnabled(hwnd) != FALSE;
}
LONG_PTR style(HWND hwnd) {
    return GetWindowLongPtrW(hwnd, GWL_STYLE);
}
LONG_PTR exStyle(HWND hwnd) {
    return GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
}
bool readOnly(HWND edit) {
    return (style(edit) & ES_READONLY) != 0;
}

RECT windowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

RECT clientRectScreen(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT rectInParentClient(HWND hwnd, HWND parent) {
    RECT r = windowRect(hwnd);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

POINT center(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

DWORD threadOf(HWND hwnd) {
    return GetWindowThreadProcessId(hwnd, nullptr);
}

namespace {
GUITHREADINFO guiInfo(HWND hwnd) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(threadOf(hwnd), &info);
    return info;
}
}  // namespace

HWND focusedWindow(HWND anyWindowOfThread) {
    return guiInfo(anyWindowOfThread).hwndFocus;
}
HWND activeWindow(HWND anyWindowOfThread) {
    return guiInfo(anyWindowOfThread).hwndActive;
}
HWND foregroundWindow() {
    return GetForegroundWindow();
}

std::pair<DWORD, DWORD> editSelection(HWND edit) {
    // The packed return value, not the pointer arguments: pointers into this
    // process mean nothing to the edit's process unless the system marshals
    // them, which Windows does not promise for this message.
    DWORD_PTR packed = 0;
    if (!SendMessageTimeoutW(edit, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &packed))
        throw std::runtime_error("EM_GETSEL timed out");
    return {LOWORD(packed), HIWORD(packed)};
}

bool endWindowOwners(const std::wstring& caption) {
    while (HWND window = FindWindowW(nullptr, caption.c_str())) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
        if (!waitGone(window)) return false;
    }
    return true;
}

}  // namespace rokan::e2e
