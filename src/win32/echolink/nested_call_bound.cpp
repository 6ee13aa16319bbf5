#include "nested_call_bound.h"

#include <objbase.h>

#include "system_function.h"

namespace rokan {
namespace {

// Looked up in ole32, where Windows documents it: Wine's only copy, in
// combase, is a stub that aborts the process when called.
void cancelCallOf(DWORD thread) {
    using CancelCallFn = HRESULT(WINAPI*)(DWORD, ULONG);
    const auto cancelCall = systemFunction<CancelCallFn>(GetModuleHandleW(L"ole32.dll"), "CoCancelCall");
    if (cancelCall) cancelCall(thread, 0);
}

}  // namespace

NestedCallBound::NestedCallBound(DWORD boundMs, DWORD graceMs)
    : boundMs_(boundMs), graceMs_(graceMs), cancellable_(SUCCEEDED(CoEnableCallCancellation(nullptr))) {
    if (returned_) watcher_ = CreateThread(nullptr, 0, watch, this, 0, nullptr);
}

NestedCallBound::~NestedCallBound() {
    if (watcher_) {
        SetEvent(returned_);
        WaitForSingleObject(watcher_, INFINITE);
        CloseHandle(watcher_);
    }
    if (returned_) CloseHandle(returned_);
    if (cancellable_) CoDisableCallCancellation(nullptr);
}

DWORD WINAPI NestedCallBound::watch(void* parameter) {
    const auto& self = *static_cast<const NestedCallBound*>(parameter);
    if (WaitForSingleObject(self.returned_, self.boundMs_) == WAIT_OBJECT_0) return 0;
    if (self.cancellable_) cancelCallOf(self.caller_);
    if (WaitForSingleObject(self.returned_, self.graceMs_) == WAIT_OBJECT_0) return 0;
    TerminateProcess(GetCurrentProcess(), 0);
    return 0;
}

}  // namespace rokan
