#include "incoming_call_filter.h"

namespace standin {

DWORD IncomingCallFilter::HandleInComingCall(DWORD call_type, HTASK, DWORD, LPINTERFACEINFO) {
    if (server_.in_closing_call && call_type != CALLTYPE_NESTED) return SERVERCALL_REJECTED;
    if (GetTickCount64() < server_.reject_until) return SERVERCALL_REJECTED;
    return SERVERCALL_ISHANDLED;
}

}  // namespace standin
