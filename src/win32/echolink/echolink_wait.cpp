#include "echolink_wait.h"

namespace rokan {
namespace {

// What wakes the wait: everything but timers, so a tick that falls due
// waits in the queue and runs after the call.
constexpr DWORD kWakeFor = QS_INPUT | QS_POSTMESSAGE | QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY;

// Touch and pen input, and the clicks and commands a program can post.
constexpr UINT kTouchFirst = 0x0240;   // WM_TOUCH
constexpr UINT kPointerLast = 0x024F;  // WM_POINTERHWHEEL

bool takeInput(MSG& message) {
    return PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE) ||
           PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE) ||
           PeekMessageW(&message, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE) ||
           PeekMessageW(&message, nullptr, kTouchFirst, kPointerLast, PM_REMOVE) ||
           PeekMessageW(&message, nullptr, WM_COMMAND, WM_COMMAND, PM_REMOVE) ||
           PeekMessageW(&message, nullptr, BM_CLICK, BM_CLICK, PM_REMOVE);
}

// EchoLink's own calls into this apartment (its Closing, and what it asks of
// the sink) come as messages to COM's window for the thread; they are let in.
HWND comWindowOfThisThread() {
    HWND window = nullptr;
    while ((window = FindWindowExW(HWND_MESSAGE, window, L"OleMainThreadWndClass", nullptr)))
        if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) return window;
    return nullptr;
}

}  // namespace

DWORD EchoLinkWait::boundFor(Kind kind) const {
    if (ending_.started()) return bounds_.endingMs;
    return kind == Kind::attach ? bounds_.attachMs : bounds_.callMs;
}

bool EchoLinkWait::forCall(HANDLE done, Kind kind) {
    if (pending_) return false;
    pending_ = true;
    const bool endingBefore = ending_.started();
    const ULONGLONG deadline = GetTickCount64() + boundFor(kind);
    bool answered = false;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if ((ending_.started() && !endingBefore) || now >= deadline) break;
        const DWORD woke = MsgWaitForMultipleObjectsEx(1, &done, static_cast<DWORD>(deadline - now), kWakeFor, 0);
        if (woke == WAIT_OBJECT_0) {
            answered = true;
            break;
        }
        if (woke == WAIT_OBJECT_0 + 1) takeMessages();
    }
    pending_ = false;
    return answered;
}

bool EchoLinkWait::mainWindowCloseRequested() const {
    MSG message;
    return main_ && (PeekMessageW(&message, main_, WM_CLOSE, WM_CLOSE, PM_NOREMOVE) ||
                     (PeekMessageW(&message, main_, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_NOREMOVE) &&
                      (message.wParam & 0xFFF0) == SC_CLOSE));
}

// Paints, lets sent messages and COM's calls in, drops input, and turns a
// close box or Alt+F4 into a close of the window it belongs to; the rest
// waits in the queue for the call to end.
void EchoLinkWait::takeMessages() {
    MSG message;
    while (takeInput(message)) {
        const bool closeBox = message.message == WM_NCLBUTTONDOWN && message.wParam == HTCLOSE;
        const bool altF4 = message.message == WM_SYSKEYDOWN && message.wParam == VK_F4;
        if (closeBox || altF4) PostMessageW(GetAncestor(message.hwnd, GA_ROOT), WM_CLOSE, 0, 0);
    }
    if (mainWindowCloseRequested()) ending_.begin(Ending::Reason::closed, true);
    if (HWND com = comWindowOfThisThread())
        while (PeekMessageW(&message, com, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) DispatchMessageW(&message);
}

}  // namespace rokan
