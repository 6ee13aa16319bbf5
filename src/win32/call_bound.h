#pragma once
#include <windows.h>
#include <objbase.h>

namespace rokan {

// Bounds the UI thread's calls to EchoLink, through COM's own message filter.
// A call EchoLink has not answered in time is cancelled and fails as a failure
// status would; the window goes on painting meanwhile. While a call is
// pending, keyboard and mouse input to Rokan's windows is discarded: shown
// nothing, the operator would otherwise see it replayed after the call, such
// as a second Enter sending the line again or an empty one. Asking to end
// (close box, Alt+F4, WM_CLOSE) cancels the pending call at once.
class CallBound final : public IMessageFilter {
public:
    static constexpr ULONGLONG kOperatorCallMs = 20000;
    // Calls made while Rokan ends, so that it ends within a few seconds.
    static constexpr ULONGLONG kEndingCallMs = 2000;

    // Registers the filter for the calling thread.
    bool install();

    bool pending() const { return pending_; }
    // From now on calls get the short bound, and a pending one is abandoned.
    void endSoon() {
        ending_ = true;
        if (pending_) cancelRequested_ = abandoned_ = true;
    }
    // Whether a call was abandoned because Rokan is to end: the operator is
    // leaving, and no message may hold the end up any more.
    bool abandoned() const { return abandoned_; }

    // Runs one call within the bound; RPC_E_CALL_CANCELED when it ran out.
    template <class Call>
    HRESULT call(Call&& makeCall) {
        pending_ = true;
        cancelRequested_ = false;
        deadline_ = GetTickCount64() + (ending_ ? kEndingCallMs : kOperatorCallMs);
        // COM asks the filter only when a message arrives; the timer makes sure one does.
        const UINT_PTR watch = SetTimer(nullptr, 0, kWatchMs, nullptr);
        const HRESULT result = makeCall();
        KillTimer(nullptr, watch);
        pending_ = false;
        return result;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override {
        return SERVERCALL_ISHANDLED;
    }
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD rejectType) override;
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override;

private:
    static constexpr UINT kWatchMs = 200;
    bool timeIsUp();
    void noteEndRequests();

    bool pending_ = false;
    bool ending_ = false;
    bool cancelRequested_ = false;
    bool abandoned_ = false;
    ULONGLONG deadline_ = 0;
};

}  // namespace rokan
