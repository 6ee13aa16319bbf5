#include <cwctype>

#include "driver/driver.h"

namespace rokan::e2e {

namespace {

void postKey(HWND target, UINT vk, bool alt) {
    HWND focus = focusedWindow(target);
    HWND to = focus ? focus : target;
    // The scan code, the Alt context bit and, for the release, the previous-state and transition bits.
    const LPARAM down = 1 | (LPARAM(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC) & 0xFF) << 16) | (LPARAM(alt) << 29);
    PostMessageW(to, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, down);
    PostMessageW(to, alt ? WM_SYSKEYUP : WM_KEYUP, vk, down | LPARAM(3) << 30);
}

// Wine keeps the pointer where X last reported it, which can undo a move: set
// it until it stays.
bool moveCursor(POINT to) {
    return waitUntil([&] {
        SetCursorPos(to.x, to.y);
        Sleep(20);
        POINT now{};
        return GetCursorPos(&now) && now.x == to.x && now.y == to.y;
    });
}

}  // namespace

void setText(HWND hwnd, const std::wstring& text) {
    sendBounded(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool setFocus(HWND hwnd) {
    const DWORD tid = threadOf(hwnd);
    const bool attached = AttachThreadInput(GetCurrentThreadId(), tid, TRUE);
    SetFocus(hwnd);
    if (attached) AttachThreadInput(GetCurrentThreadId(), tid, FALSE);
    return waitUntil([&] { return focusedWindow(hwnd) == hwnd; });
}

bool activate(HWND topLevel) {
    if (GetForegroundWindow() == topLevel) return true;
    // Windows lets a thread take the foreground only from the thread that has
    // it, so join that thread's input (and the target's) for the switch.
    const DWORD self = GetCurrentThreadId();
    const DWORD target = threadOf(topLevel);
    HWND fg = GetForegroundWindow();
    const DWORD holder = fg ? threadOf(fg) : 0;
    const bool withHolder = holder && holder != self && AttachThreadInput(self, holder, TRUE);
    const bool withTarget = target != holder && AttachThreadInput(self, target, TRUE);
    SetForegroundWindow(topLevel);
    SetActiveWindow(topLevel);
    if (withTarget) AttachThreadInput(self, target, FALSE);
    if (withHolder) AttachThreadInput(self, holder, FALSE);
    return waitUntil([&] { return GetForegroundWindow() == topLevel; });
}

void pressKey(HWND target, UINT vk) {
    postKey(target, vk, false);
}

void pressAlt(HWND target, wchar_t letter) {
    postKey(target, static_cast<UINT>(std::towupper(letter)), true);
}

void typeText(HWND target, const std::wstring& text) {
    HWND focus = focusedWindow(target);
    for (wchar_t c : text) PostMessageW(focus ? focus : target, WM_CHAR, c, 1);
}

// The text limit, which nothing changes after the window is made, is turned
// and turned back by posted messages, which only a message loop takes.
bool waitTakesPostedMessages(HWND edit) {
    const auto limit = [&] { return sendBounded(edit, EM_GETLIMITTEXT, 0, 0); };
    const DWORD_PTR before = limit();
    PostMessageW(edit, EM_SETLIMITTEXT, before - 1, 0);
    const bool taken = waitUntil([&] { return limit() != before; });
    PostMessageW(edit, EM_SETLIMITTEXT, before, 0);
    return taken;
}

// The window follows the pointer step by step, as under a hand.
bool dragWithMouse(HWND window, POINT from, POINT to) {
    const auto inMoveSizeLoop = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(threadOf(window), &info) && (info.flags & GUI_INMOVESIZE);
    };
    if (!moveCursor(from)) return false;
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    // The loop starts on the press; the pointer moves only once it runs.
    bool moved = waitUntil(inMoveSizeLoop);
    for (int step = 1; moved && step <= 10; ++step)
        moved = moveCursor({from.x + (to.x - from.x) * step / 10, from.y + (to.y - from.y) * step / 10});
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    return waitUntil([&] { return !inMoveSizeLoop(); }) && moved;
}

bool endSession(HWND topLevel, LPARAM why) {
    DWORD_PTR mayEnd = FALSE;
    SendMessageTimeoutW(topLevel, WM_QUERYENDSESSION, 0, why, SMTO_NORMAL, 5000, &mayEnd);
    if (mayEnd) SendMessageTimeoutW(topLevel, WM_ENDSESSION, TRUE, why, SMTO_NORMAL, 5000, nullptr);
    return mayEnd;
}

}  // namespace rokan::e2e
