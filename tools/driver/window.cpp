#include <stdexcept>

#include "driver/driver.h"

namespace rokan::e2e {

// Not SMTO_ABORTIFHUNG: Wine counts a thread that has not read its queue for
// 5 s as hung whenever it is not waiting on it, so a send that lands just
// after a long wait for EchoLink fails at once, though the window answers a
// moment later.
DWORD_PTR sendBounded(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_NORMAL, 5000, &result))
        throw std::runtime_error("window message " + std::to_string(message) + " timed out");
    return result;
}

std::vector<HWND> topLevelWindows(DWORD pid) {
    std::vector<HWND> found;
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == pid) found.push_back(window);
    }
    return found;
}

HWND findTopLevel(DWORD pid, const WindowQuery& query) {
    for (HWND hwnd : topLevelWindows(pid)) {
        if (visible(hwnd) && (query.className.empty() || className(hwnd) == query.className) &&
            (!query.caption || text(hwnd) == *query.caption))
            return hwnd;
    }
    return nullptr;
}

HWND waitTopLevel(DWORD pid, const WindowQuery& query, milliseconds timeout) {
    HWND found = nullptr;
    waitUntil([&] { return (found = findTopLevel(pid, query)) != nullptr; }, timeout);
    return found;
}

bool endWindowOwners(const std::wstring& caption) {
    while (HWND window = FindWindowW(nullptr, caption.c_str())) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
            Process::endProcess(process);
            CloseHandle(process);
        }
        if (!waitGone(window)) return false;
    }
    return true;
}

std::vector<HWND> children(HWND parent) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
    return out;
}

std::wstring className(HWND hwnd) {
    wchar_t name[256];
    return std::wstring(name, std::max(GetClassNameW(hwnd, name, 256), 0));
}

std::wstring text(HWND hwnd) {
    std::wstring buf(sendBounded(hwnd, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
    buf.resize(sendBounded(hwnd, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data())));
    return buf;
}

RECT windowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

SIZE clientSize(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    return {client.right, client.bottom};
}

RECT rectInParentClient(HWND hwnd, HWND parent) {
    RECT r = windowRect(hwnd);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND focusedWindow(HWND anyWindowOfThread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(threadOf(anyWindowOfThread), &info);
    return info.hwndFocus;
}

// The packed result, not the pointer arguments: pointers into this process
// mean nothing to the edit's process unless the system marshals them.
std::pair<DWORD, DWORD> editSelection(HWND edit) {
    const DWORD_PTR packed = sendBounded(edit, EM_GETSEL, 0, 0);
    return {LOWORD(packed), HIWORD(packed)};
}

// The message is the static control with ID 0xFFFF, as Windows and Wine build it.
MessageBoxContent readMessageBox(HWND box) {
    HWND message = GetDlgItem(box, 0xFFFF);
    return {text(box), message ? text(message) : L""};
}

RECT editFormattingRect(HWND edit) {
    RECT rect{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

namespace {
// Runs the step on a device context that holds the window's own font.
template <class Step>
auto withFontOf(HWND hwnd, Step step) {
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    const auto result = step(dc);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return result;
}
}  // namespace

SIZE textExtent(HWND hwnd, const std::wstring& text) {
    return withFontOf(hwnd, [&](HDC dc) {
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return size;
    });
}

std::wstring fontFace(HWND hwnd) {
    return withFontOf(hwnd, [](HDC dc) {
        wchar_t name[LF_FACESIZE]{};
        GetTextFaceW(dc, LF_FACESIZE, name);
        return std::wstring(name);
    });
}

}  // namespace rokan::e2e
