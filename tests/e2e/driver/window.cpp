#include "driver/window.h"

#include <stdexcept>

namespace rokan::e2e {

namespace {
constexpr UINT kSendTimeoutMs = 5000;

struct ByPid {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK collect_by_pid(HWND hwnd, LPARAM lp) {
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

BOOL CALLBACK find_by_id(HWND hwnd, LPARAM lp) {
    auto& c = *reinterpret_cast<ById*>(lp);
    if (GetDlgCtrlID(hwnd) != c.id) return TRUE;
    c.found = hwnd;
    return FALSE;
}

bool query_matches(HWND hwnd, const WindowQuery& q) {
    if (q.visible_only && !IsWindowVisible(hwnd)) return false;
    if (!q.class_name.empty() && class_name(hwnd) != q.class_name) return false;
    if (q.caption && text(hwnd) != *q.caption) return false;
    return true;
}
}  // namespace

std::vector<HWND> top_level_windows(DWORD pid) {
    ByPid ctx{pid, {}};
    EnumWindows(collect_by_pid, reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
}

HWND find_top_level(DWORD pid, const WindowQuery& query) {
    for (HWND hwnd : top_level_windows(pid))
        if (query_matches(hwnd, query)) return hwnd;
    return nullptr;
}

HWND wait_top_level(DWORD pid, const WindowQuery& query, std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    wait_until([&] { return (found = find_top_level(pid, query)) != nullptr; }, timeout);
    return found;
}

bool wait_gone(HWND hwnd, std::chrono::milliseconds timeout) {
    return wait_until([&] { return !IsWindow(hwnd) || !IsWindowVisible(hwnd); }, timeout);
}

HWND child_by_id(HWND parent, int id) {
    if (HWND direct = GetDlgItem(parent, id)) return direct;
    ById ctx{id, nullptr};
    EnumChildWindows(parent, find_by_id, reinterpret_cast<LPARAM>(&ctx));  // all descendants
    return ctx.found;
}

std::vector<HWND> children(HWND parent) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
    return out;
}

std::wstring class_name(HWND hwnd) {
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

int control_id(HWND hwnd) {
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
LONG_PTR ex_style(HWND hwnd) {
    return GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
}
bool read_only(HWND edit) {
    return (style(edit) & ES_READONLY) != 0;
}

RECT window_rect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

RECT client_rect_screen(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT rect_in_parent_client(HWND hwnd, HWND parent) {
    RECT r = window_rect(hwnd);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

POINT center(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

DWORD thread_of(HWND hwnd) {
    return GetWindowThreadProcessId(hwnd, nullptr);
}

namespace {
GUITHREADINFO gui_info(HWND hwnd) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread_of(hwnd), &info);
    return info;
}
}  // namespace

HWND focused_window(HWND any_window_of_thread) {
    return gui_info(any_window_of_thread).hwndFocus;
}
HWND active_window(HWND any_window_of_thread) {
    return gui_info(any_window_of_thread).hwndActive;
}
HWND foreground_window() {
    return GetForegroundWindow();
}

std::pair<DWORD, DWORD> edit_selection(HWND edit) {
    // The packed return value, not the pointer arguments: pointers into this
    // process mean nothing to the edit's process unless the system marshals
    // them, which Windows does not promise for this message.
    DWORD_PTR packed = 0;
    if (!SendMessageTimeoutW(edit, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &packed))
        throw std::runtime_error("EM_GETSEL timed out");
    return {LOWORD(packed), HIWORD(packed)};
}

}  // namespace rokan::e2e
