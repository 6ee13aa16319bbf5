#pragma once

#include <windows.h>
#include <objbase.h>

#include "server.h"
#include "static_unknown.h"

namespace standin {

// How the stand-in takes incoming calls, said to COM by its message filter,
// which Wine asks as Windows does:
// - /nestedonly: as a single-threaded automation server commonly does while
//   it waits on a call of its own: while it raises Closing it refuses every
//   incoming call but one nested in that call (one the sink makes from the
//   thread that took Closing);
// - STANDIN_CMD_REJECT: as EchoLink with a modal dialog open, it turns every
//   call away for a while (SERVERCALL_REJECTED: Wine runs a call it is told
//   to retry later, so the refusal is the one Wine shows).
// COM holds it from CoRegisterMessageFilter until CoUninitialize.
class IncomingCallFilter final : public StaticUnknown<IMessageFilter> {
public:
    explicit IncomingCallFilter(const Server& server) : server_(server) {}

    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD call_type, HTASK, DWORD, LPINTERFACEINFO) override;
    // The stand-in's own calls are the events; a refused one is not retried.
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override { return static_cast<DWORD>(-1); }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override { return PENDINGMSG_WAITDEFPROCESS; }

private:
    const Server& server_;
};

}  // namespace standin
