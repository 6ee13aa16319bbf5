#include "call_bound.h"

namespace rokan {
namespace {

// What wakes the wait: everything but timers, so a tick that falls due
// waits in the queue and runs after the call.
constexpr DWORD kWakeFor = QS_INPUT | QS_POSTMESSAGE | QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY;

bool takeInput(MSG& message) {
    return PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE) ||
           PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE) ||
           PeekMessageW(&message, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE);
}

bool closeRequested() {
    MSG message;
    return PeekMessageW(&message, nullptr, WM_CLOSE, WM_CLOSE, PM_NOREMOVE) ||
           (PeekMessageW(&message, nullptr, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_NOREMOVE) &&
            (message.wParam & 0xFFF0) == SC_CLOSE);
}

// EchoLink's own calls into this apartment (its Closing) come as messages to
// COM's window for the thread; they are let in.
HWND comWindowOfThisThread() {
    HWND window = nullptr;
    while ((window = FindWindowExW(HWND_MESSAGE, window, L"OleMainThreadWndClass", nullptr)))
        if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) return window;
    return nullptr;
}

}  // namespace

bool CallBound::wait(HANDLE done, ULONGLONG boundMs) {
    pending_ = true;
    cancelPending_ = false;
    const ULONGLONG deadline = GetTickCount64() + (ending_ ? kEndingCallMs : boundMs);
    bool answered = false;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (cancelPending_ || now >= deadline) break;
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

// Paints, lets sent messages and COM's calls in, drops input, and notes a
// request to end; the rest waits in the queue for the call to end.
void CallBound::takeMessages() {
    MSG message;
    while (takeInput(message)) {
        const bool closeBox = message.message == WM_NCLBUTTONDOWN && message.wParam == HTCLOSE;
        const bool altF4 = message.message == WM_SYSKEYDOWN && message.wParam == VK_F4;
        if (closeBox || altF4) PostMessageW(GetAncestor(message.hwnd, GA_ROOT), WM_CLOSE, 0, 0);
    }
    if (closeRequested()) endSoon();
    if (HWND com = comWindowOfThisThread())
        while (PeekMessageW(&message, com, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) DispatchMessageW(&message);
}

}  // namespace rokan
