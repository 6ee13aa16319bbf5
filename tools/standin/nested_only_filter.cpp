#include "nested_only_filter.h"

#include <windows.h>
#include <objbase.h>

#include "server_state.h"

namespace standin {

namespace {

class NestedOnlyFilter final : public IMessageFilter {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IMessageFilter) {
            *out = static_cast<IMessageFilter*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    // One static instance for the life of the process.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD call_type, HTASK, DWORD, LPINTERFACEINFO) override {
        if (state().in_closing_call && call_type != CALLTYPE_NESTED) return SERVERCALL_REJECTED;
        return SERVERCALL_ISHANDLED;
    }
    // The stand-in's own calls are the events; a refused one is not retried.
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override { return static_cast<DWORD>(-1); }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override { return PENDINGMSG_WAITDEFPROCESS; }
};

NestedOnlyFilter filter;

}  // namespace

bool install_nested_only_filter() {
    IMessageFilter* previous = nullptr;
    return SUCCEEDED(CoRegisterMessageFilter(&filter, &previous));
}

}  // namespace standin
