#include "sink_list.h"

#include <olectl.h>

#include <algorithm>

#include "standin_ids.h"

using Microsoft::WRL::ComPtr;

namespace standin {

HRESULT SinkList::advise(IUnknown* sink, DWORD* cookie) {
    if (!cookie) return E_POINTER;
    *cookie = 0;
    if (!sink) return E_POINTER;
    ComPtr<IDispatch> events;
    if (FAILED(sink->QueryInterface(kEventsIid, &events)) || !events) return CONNECT_E_CANNOTCONNECT;
    entries_.push_back({next_cookie_, std::move(events)});
    *cookie = next_cookie_++;
    return S_OK;
}

HRESULT SinkList::unadvise(DWORD cookie) {
    const auto it =
        std::find_if(entries_.begin(), entries_.end(), [cookie](const Entry& e) { return e.cookie == cookie; });
    if (it == entries_.end()) return CONNECT_E_NOCONNECTION;
    // Released after the erase: the release is a call into the client, which
    // may re-enter and change the list.
    const ComPtr<IDispatch> sink = std::move(it->sink);
    entries_.erase(it);
    return S_OK;
}

void SinkList::fire(DISPID id) {
    // Work on a snapshot: during each outgoing call the STA may take incoming
    // calls, Unadvise among them.
    std::vector<Entry> targets = entries_;
    std::vector<DWORD> gone;
    for (Entry& e : targets) {
        if (sink_is_gone(invoke_event(e.sink.Get(), id))) gone.push_back(e.cookie);
        e.sink.Reset();
    }
    for (DWORD cookie : gone) unadvise(cookie);
}

std::vector<ComPtr<IDispatch>> SinkList::snapshot() const {
    std::vector<ComPtr<IDispatch>> out;
    for (const Entry& e : entries_) out.push_back(e.sink);
    return out;
}

HRESULT invoke_event(IDispatch* sink, DISPID id) {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO excep{};
    UINT arg_error = 0;
    const HRESULT hr =
        sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, &result, &excep, &arg_error);
    VariantClear(&result);
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrHelpFile);
    return hr;
}

bool sink_is_gone(HRESULT hr) {
    return hr == RPC_E_DISCONNECTED || hr == RPC_E_SERVER_DIED || hr == RPC_E_SERVER_DIED_DNE ||
           hr == HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE) || hr == HRESULT_FROM_WIN32(RPC_S_CALL_FAILED) ||
           hr == CO_E_OBJNOTCONNECTED;
}

}  // namespace standin
