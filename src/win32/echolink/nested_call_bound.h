#pragma once
#include <windows.h>

namespace rokan {

// The bound on a call the UI thread makes itself inside EchoLink's Closing,
// which no wait of Rokan's surrounds and EchoLink may never answer. At the
// bound the call is cancelled, as COM documents it for a thread that enabled
// cancellation; where it still has not returned after a grace period (a COM
// that cannot cancel, such as Wine's), the process ends then and there. The
// caller has put everything it must keep on disk before the call.
class NestedCallBound {
public:
    NestedCallBound(DWORD boundMs, DWORD graceMs);
    ~NestedCallBound();
    NestedCallBound(const NestedCallBound&) = delete;
    NestedCallBound& operator=(const NestedCallBound&) = delete;

private:
    static DWORD WINAPI watch(void* self);

    DWORD caller_ = GetCurrentThreadId();
    DWORD boundMs_, graceMs_;
    bool cancellable_;
    HANDLE returned_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE watcher_ = nullptr;
};

}  // namespace rokan
