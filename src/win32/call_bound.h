#pragma once
#include <windows.h>

namespace rokan {

// How the window waits for a call to EchoLink, which runs on a thread of its
// own: at most 20 s (a minute for attaching, which may have to start
// EchoLink), 2 s once Rokan is ending, painting and answering other programs
// meanwhile. Keyboard and mouse input to Rokan's windows is dropped
// while it waits: shown nothing, the operator would otherwise see it replayed
// after the call, such as a second Enter sending the line again or an empty
// one. Asking to end (close box, Alt+F4, WM_CLOSE) stops the wait at once.
class CallBound {
public:
    static constexpr ULONGLONG kOperatorCallMs = 20000;
    static constexpr ULONGLONG kAttachMs = 60000;
    static constexpr ULONGLONG kEndingCallMs = 2000;

    bool pending() const { return pending_; }
    // From now on calls get the short bound, and a pending one is abandoned.
    void endSoon() {
        ending_ = true;
        if (pending_) cancelPending_ = abandoned_ = true;
    }
    // Whether a call was abandoned because Rokan is to end: the operator is
    // leaving, and no message may hold the end up any more.
    bool abandoned() const { return abandoned_; }

    // Waits until `done` is signalled; false when the bound ran out first or
    // the wait was abandoned.
    bool wait(HANDLE done, ULONGLONG boundMs = kOperatorCallMs);

private:
    void takeMessages();

    bool pending_ = false;
    bool ending_ = false;
    bool cancelPending_ = false;
    bool abandoned_ = false;
};

}  // namespace rokan
