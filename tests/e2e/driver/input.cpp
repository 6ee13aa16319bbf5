#include "driver/input.h"

#include <cwctype>
#include <vector>

#include "driver/window.h"

namespace rokan::e2e {

namespace {

constexpr LPARAM kAltContext = LPARAM(1) << 29;
constexpr LPARAM kPreviousDown = LPARAM(1) << 30;
constexpr LPARAM kTransitionUp = LPARAM(1) << 31;

bool is_extended(UINT vk) {
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

LPARAM key_lparam(UINT vk, bool up, bool alt) {
    LPARAM lp = 1 | (LPARAM(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC) & 0xFF) << 16);
    if (is_extended(vk)) lp |= LPARAM(1) << 24;
    if (alt) lp |= kAltContext;
    if (up) lp |= kPreviousDown | kTransitionUp;
    return lp;
}

HWND key_target(HWND target) {
    HWND focus = focused_window(target);
    return focus ? focus : target;
}

}  // namespace

void click(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void set_text(HWND hwnd, const std::wstring& text) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000, &ignored);
}

bool set_focus(HWND hwnd, std::chrono::milliseconds timeout) {
    const DWORD tid = thread_of(hwnd);
    const bool attached = AttachThreadInput(GetCurrentThreadId(), tid, TRUE) != FALSE;
    SetFocus(hwnd);
    if (attached) AttachThreadInput(GetCurrentThreadId(), tid, FALSE);
    return wait_until([&] { return focused_window(hwnd) == hwnd; }, timeout);
}

bool activate(HWND top_level, std::chrono::milliseconds timeout) {
    if (GetForegroundWindow() == top_level) return true;
    // Windows lets a thread take the foreground only from the thread that has
    // it, so join that thread's input (and the target's) for the switch.
    const DWORD self = GetCurrentThreadId();
    const DWORD target = thread_of(top_level);
    HWND fg = GetForegroundWindow();
    const DWORD holder = fg ? thread_of(fg) : 0;
    const bool with_holder = holder && holder != self && AttachThreadInput(self, holder, TRUE);
    const bool with_target = target != holder && AttachThreadInput(self, target, TRUE);
    SetForegroundWindow(top_level);
    SetActiveWindow(top_level);
    if (with_target) AttachThreadInput(self, target, FALSE);
    if (with_holder) AttachThreadInput(self, holder, FALSE);
    return wait_until([&] { return GetForegroundWindow() == top_level; }, timeout);
}

void press_key(HWND target, UINT vk, unsigned modifiers) {
    HWND to = key_target(target);
    if (modifiers == kNone) {
        PostMessageW(to, WM_KEYDOWN, vk, key_lparam(vk, false, false));
        PostMessageW(to, WM_KEYUP, vk, key_lparam(vk, true, false));
        return;
    }
    // A posted key cannot carry Shift or Ctrl: the program reads them from its
    // thread's key state when it handles the key, and only real input keeps
    // that state in step with the keys. Real input goes to the foreground.
    HWND top = GetAncestor(to, GA_ROOT);
    if (GetForegroundWindow() != top) {
        activate(top);
        if (focused_window(top) != to) set_focus(to);
    }
    send_keys(vk, modifiers);
}

void press_enter(HWND target) {
    press_key(target, VK_RETURN);
}
void press_tab(HWND target, bool shift) {
    press_key(target, VK_TAB, shift ? kShift : kNone);
}
void press_escape(HWND target) {
    press_key(target, VK_ESCAPE);
}

void press_alt(HWND target, wchar_t letter) {
    HWND to = key_target(target);
    const UINT vk = static_cast<UINT>(std::towupper(letter));
    PostMessageW(to, WM_SYSKEYDOWN, vk, key_lparam(vk, false, true));
    PostMessageW(to, WM_SYSKEYUP, vk, key_lparam(vk, true, true));
}

void type_text(HWND target, const std::wstring& text) {
    HWND to = key_target(target);
    for (wchar_t c : text) PostMessageW(to, WM_CHAR, c, 1);
}

namespace {
INPUT key_input(UINT vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = static_cast<WORD>(vk);
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (is_extended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
}
}  // namespace

void send_keys(UINT vk, unsigned modifiers) {
    std::vector<INPUT> in;
    if (modifiers & kCtrl) in.push_back(key_input(VK_CONTROL, false));
    if (modifiers & kShift) in.push_back(key_input(VK_SHIFT, false));
    if (modifiers & kAlt) in.push_back(key_input(VK_MENU, false));
    in.push_back(key_input(vk, false));
    in.push_back(key_input(vk, true));
    if (modifiers & kAlt) in.push_back(key_input(VK_MENU, true));
    if (modifiers & kShift) in.push_back(key_input(VK_SHIFT, true));
    if (modifiers & kCtrl) in.push_back(key_input(VK_CONTROL, true));
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

void send_text(const std::wstring& text) {
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

void post_close(HWND hwnd) {
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
}
void post_timer(HWND hwnd, UINT_PTR timer_id) {
    PostMessageW(hwnd, WM_TIMER, timer_id, 0);
}

void post_command(HWND hwnd, int id, int notify_code, HWND control) {
    PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, notify_code), reinterpret_cast<LPARAM>(control));
}

}  // namespace rokan::e2e
