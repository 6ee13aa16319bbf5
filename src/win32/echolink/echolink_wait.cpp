#include "echolink_wait.h"

#include <utility>

namespace rokan {
namespace {

// What wakes the wait: everything but timers, so a tick that falls due
// waits in the queue and runs after the call. Touch and pen input wake it
// too where Windows knows them (8 and later); Windows 7 refuses those bits.
constexpr DWORD kWakeFor = QS_INPUT | QS_POSTMESSAGE | QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY;
constexpr DWORD kTouchAndPointer = 0x0800 | 0x1000;  // QS_TOUCH, QS_POINTER

// Touch and pen input, and the clicks and commands a program can post.
constexpr UINT kTouchFirst = 0x0240;   // WM_TOUCH
constexpr UINT kPointerLast = 0x024F;  // WM_POINTERHWHEEL

bool peekInput(MSG& message) {
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

// Windows hands out a quit whatever the filter: it is kept for the message loop.
bool EchoLinkWait::takeInput(MSG& message) {
    while (peekInput(message)) {
        if (message.message != WM_QUIT) return true;
        quitCode_ = static_cast<int>(message.wParam);
    }
    return false;
}

DWORD EchoLinkWait::sleep(HANDLE done, DWORD ms) {
    if (wakeForTouch_) {
        const DWORD woke = MsgWaitForMultipleObjectsEx(1, &done, ms, kWakeFor | kTouchAndPointer, 0);
        if (woke != WAIT_FAILED) return woke;
        wakeForTouch_ = false;
    }
    return MsgWaitForMultipleObjectsEx(1, &done, ms, kWakeFor, 0);
}

EchoLinkWait::Outcome EchoLinkWait::forCall(HANDLE done, Kind kind) {
    if (pending_) return Outcome::refused;
    pending_ = true;
    const bool endingBefore = ending_.started();
    const ULONGLONG deadline = GetTickCount64() + boundFor(kind);
    Outcome outcome = Outcome::unanswered;
    // The sleep wakes only for what arrives after the last look at the queue:
    // what is there already is taken first.
    takeMessages();
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (ending_.started() && !endingBefore) {
            outcome = Outcome::ending;
            break;
        }
        if (now >= deadline) break;
        const DWORD woke = sleep(done, static_cast<DWORD>(deadline - now));
        if (woke == WAIT_OBJECT_0) {
            outcome = Outcome::answered;
            break;
        }
        if (woke == WAIT_OBJECT_0 + 1) takeMessages();
    }
    // Input that came with the answer belongs to the call's time too.
    MSG message;
    while (takeInput(message)) {
    }
    pending_ = false;
    // A quit taken meanwhile is the message loop's, after the call.
    if (quitCode_) PostQuitMessage(*std::exchange(quitCode_, std::nullopt));
    return outcome;
}

bool EchoLinkWait::mainWindowCloseRequested() const {
    MSG message;
    return main_ && (PeekMessageW(&message, main_, WM_CLOSE, WM_CLOSE, PM_NOREMOVE) ||
                     (PeekMessageW(&message, main_, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_NOREMOVE) &&
                      (message.wParam & 0xFFF0) == SC_CLOSE));
}

// Drops input, turns a close box or Alt+F4 into a close of the window it
// belongs to, paints, and lets sent messages and COM's calls in, COM's last:
// what arrives while the others are looked at would not wake the sleep. The
// rest waits in the queue for the call to end.
void EchoLinkWait::takeMessages() {
    MSG message;
    while (takeInput(message)) {
        const bool closeBox = message.message == WM_NCLBUTTONDOWN && message.wParam == HTCLOSE;
        const bool altF4 = message.message == WM_SYSKEYDOWN && message.wParam == VK_F4;
        if (closeBox || altF4) PostMessageW(GetAncestor(message.hwnd, GA_ROOT), WM_CLOSE, 0, 0);
    }
    if (mainWindowCloseRequested()) ending_.begin(Ending::Reason::closed, true);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) dispatch(message);
    if (HWND com = comWindowOfThisThread())
        while (PeekMessageW(&message, com, 0, 0, PM_REMOVE)) dispatch(message);
}

void EchoLinkWait::dispatch(const MSG& message) {
    if (message.message == WM_QUIT)
        quitCode_ = static_cast<int>(message.wParam);
    else
        DispatchMessageW(&message);
}

}  // namespace rokan
