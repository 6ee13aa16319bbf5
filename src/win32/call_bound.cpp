#include "call_bound.h"

namespace rokan {
namespace {

// The top-level window a message was meant for: the one to close.
void postClose(HWND target) {
    PostMessageW(GetAncestor(target, GA_ROOT), WM_CLOSE, 0, 0);
}

bool takeInput(MSG& message) {
    return PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE | PM_NOYIELD) ||
           PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE | PM_NOYIELD) ||
           PeekMessageW(&message, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE | PM_NOYIELD);
}

}  // namespace

bool CallBound::install() {
    IMessageFilter* previous = nullptr;
    return SUCCEEDED(CoRegisterMessageFilter(this, &previous));
}

HRESULT STDMETHODCALLTYPE CallBound::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IMessageFilter)) {
        *object = static_cast<IMessageFilter*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

bool CallBound::timeIsUp() {
    return cancelRequested_ || GetTickCount64() >= deadline_;
}

// A busy EchoLink may ask to be called again; it gets that until the bound.
DWORD STDMETHODCALLTYPE CallBound::RetryRejectedCall(HTASK, DWORD, DWORD rejectType) {
    if (rejectType != SERVERCALL_RETRYLATER || !pending_ || timeIsUp()) return static_cast<DWORD>(-1);
    return 100;
}

DWORD STDMETHODCALLTYPE CallBound::MessagePending(HTASK, DWORD, DWORD) {
    if (!pending_) return PENDINGMSG_WAITDEFPROCESS;
    noteEndRequests();
    return timeIsUp() ? PENDINGMSG_CANCELCALL : PENDINGMSG_WAITDEFPROCESS;
}

// Requests to close stay (or are put) in the queue and run once the call has
// returned; every other input is dropped.
void CallBound::noteEndRequests() {
    MSG message;
    if (PeekMessageW(&message, nullptr, WM_CLOSE, WM_CLOSE, PM_NOREMOVE | PM_NOYIELD)) endSoon();
    if (PeekMessageW(&message, nullptr, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_NOREMOVE | PM_NOYIELD) &&
        (message.wParam & 0xFFF0) == SC_CLOSE)
        endSoon();
    while (takeInput(message)) {
        const bool closeBox = message.message == WM_NCLBUTTONDOWN && message.wParam == HTCLOSE;
        const bool altF4 = message.message == WM_SYSKEYDOWN && message.wParam == VK_F4;
        if (closeBox || altF4) {
            postClose(message.hwnd);
            endSoon();
        }
    }
}

}  // namespace rokan
