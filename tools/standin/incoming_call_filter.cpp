#include "incoming_call_filter.h"

#include <windows.h>
#include <objbase.h>

#include "server_state.h"
#include "static_unknown.h"

namespace standin {

namespace {

class IncomingCallFilter final : public StaticUnknown<IMessageFilter> {
public:
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD call_type, HTASK, DWORD, LPINTERFACEINFO) override {
        const ServerState& s = state();
        if (s.in_closing_call && call_type != CALLTYPE_NESTED) return SERVERCALL_REJECTED;
        if (GetTickCount64() < s.reject_until) return SERVERCALL_REJECTED;
        return SERVERCALL_ISHANDLED;
    }
    // The stand-in's own calls are the events; a refused one is not retried.
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override { return static_cast<DWORD>(-1); }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override { return PENDINGMSG_WAITDEFPROCESS; }
};

IncomingCallFilter filter;

}  // namespace

bool install_incoming_call_filter() {
    IMessageFilter* previous = nullptr;
    return SUCCEEDED(CoRegisterMessageFilter(&filter, &previous));
}

}  // namespace standin
