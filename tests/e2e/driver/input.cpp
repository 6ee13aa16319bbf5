#include "driver/input.h"

#include <cwctype>
#include <vector>

#include "driver/window.h"

namespace rokan::e2e {

namespace {

constexpr LPARAM kAltContext = LPARAM(1) << 29;
constexpr LPARAM kPreviousDown = LPARAM(1) << 30;
constexpr LPARAM kTransitionUp = LPARAM(1) << 31;

bool isExtended(UINT vk) {
    switch (vk) {
        case VK_INSERT:
        case VK_DELETE:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_RCONTROL:
        case VK_RMENU:
            return true;
        default:
            return false;
    }
}

LPARAM keyLparam(UINT vk, bool up, bool alt) {
    LPARAM lp = 1 | (LPARAM(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC) & 0xFF) << 16);
    if (isExtended(vk)) lp |= LPARAM(1) << 24;
    if (alt) lp |= kAltContext;
    if (up) lp |= kPreviousDown | kTransitionUp;
    return lp;
}

HWND keyTarget(HWND target) {
    HWND focus = focusedWindow(target);
    return focus ? focus : target;
}

}  // namespace

void click(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void setText(HWND hwnd, const std::wstring& text) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000, &ignored);
}

bool setFocus(HWND hwnd, std::chrono::milliseconds timeout) {
    const DWORD tid = threadOf(hwnd);
    const bool attached = AttachThreadInput(GetCurrentThreadId(), tid, TRUE) != FALSE;
    SetFocus(hwnd);
    if (attached) AttachThreadInput(GetCurrentThreadId(), tid, FALSE);
    return waitUntil([&] { return focusedWindow(hwnd) == hwnd; }, timeout);
}

bool activate(HWND topLevel, std::chrono::milliseconds timeout) {
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
    return waitUntil([&] { return GetForegroundWindow() == topLevel; }, timeout);
}

void pressKey(HWND target, UINT vk, unsigned modifiers) {
    HWND to = keyTarget(target);
    if (modifiers == kNone) {
        PostMessageW(to, WM_KEYDOWN, vk, keyLparam(vk, false, false));
        PostMessageW(to, WM_KEYUP, vk, keyLparam(vk, true, false));
        return;
    }
    // A posted key cannot carry Shift or Ctrl: the program reads them from its
    // thread's key state when it handles the key, and only real input keeps
    // that state in step with the keys. Real input goes to the foreground.
    HWND top = GetAncestor(to, GA_ROOT);
    if (GetForegroundWindow() != top) {
        activate(top);
        if (focusedWindow(top) != to) setFocus(to);
    }
    sendKeys(vk, modifiers);
}

void pressEnter(HWND target) {
    pressKey(target, VK_RETURN);
}
void pressTab(HWND target, bool shift) {
    pressKey(target, VK_TAB, shift ? kShift : kNone);
}
void pressEscape(HWND target) {
    pressKey(target, VK_ESCAPE);
}

void pressAlt(HWND target, wchar_t letter) {
    HWND to = keyTarget(target);
    const UINT vk = static_cast<UINT>(std::towupper(letter));
    PostMessageW(to, WM_SYSKEYDOWN, vk, keyLparam(vk, false, true));
    PostMessageW(to, WM_SYSKEYUP, vk, keyLparam(vk, true, true));
}

void typeText(HWND target, const std::wstring& text) {
    HWND to = keyTarget(target);
    for (wchar_t c : text) PostMessageW(to, WM_CHAR, c, 1);
}

namespace {
INPUT keyInput(UINT vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = static_cast<WORD>(vk);
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (isExtended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
}
}  // namespace

void sendKeys(UINT vk, unsigned modifiers) {
    std::vector<INPUT> in;
    if (modifiers & kCtrl) in.push_back(keyInput(VK_CONTROL, false));
    if (modifiers & kShift) in.push_back(keyInput(VK_SHIFT, false));
    if (modifiers & kAlt) in.push_back(keyInput(VK_MENU, false));
    in.push_back(keyInput(vk, false));
    in.push_back(keyInput(vk, true));
    if (modifiers & kAlt) in.push_back(keyInput(VK_MENU, true));
    if (modifiers & kShift) in.push_back(keyInput(VK_SHIFT, true));
    if (modifiers & kCtrl) in.push_back(keyInput(VK_CONTROL, true));
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

void sendText(const std::wstring& text) {
    std::vector<INPUT> in;
    for (wchar_t c : text) {
        for (bool up : {false, true}) {
            INPUT i{};
            i.type = INPUT_KEYBOARD;
            i.ki.wScan = c;
            i.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            in.push_back(i);
        }
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

void postClose(HWND hwnd) {
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
}
void postTimer(HWND hwnd, UINT_PTR timerId) {
    PostMessageW(hwnd, WM_TIMER, timerId, 0);
}

void postCommand(HWND hwnd, int id, int notifyCode, HWND control) {
    PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, notifyCode), reinterpret_cast<LPARAM>(control));
}

}  // namespace rokan::e2e
