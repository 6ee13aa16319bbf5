#include "link_object.h"

#include <olectl.h>

#include <algorithm>
#include <string_view>

#include "chat_log.h"
#include "main_window.h"
#include "server_state.h"
#include "standin_ids.h"
#include "type_info.h"

namespace standin {

LinkObject::LinkObject() {
    lock_server();
    state().objects.push_back(this);
}

LinkObject::~LinkObject() {
    auto& objects = state().objects;
    objects.erase(std::remove(objects.begin(), objects.end(), this), objects.end());
    unlock_server();
}

HRESULT LinkObject::create(REFIID riid, void** out) {
    auto* object = new (std::nothrow) LinkObject();
    if (!object) return E_OUTOFMEMORY;
    const HRESULT hr = object->QueryInterface(riid, out);
    object->Release();
    window_refresh_status();
    return hr;
}

HRESULT LinkObject::QueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == kLinkIid) {
        *out = static_cast<IStandinLink*>(this);
    } else if (riid == IID_IConnectionPointContainer) {
        *out = static_cast<IConnectionPointContainer*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG LinkObject::AddRef() {
    return ++refs_;
}

ULONG LinkObject::Release() {
    const ULONG left = --refs_;
    if (left == 0) {
        delete this;
        window_refresh_status();
    }
    return left;
}

HRESULT LinkObject::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = link_type_info() ? 1 : 0;
    return S_OK;
}

HRESULT LinkObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    ITypeInfo* ti = link_type_info();
    if (!ti) return TYPE_E_ELEMENTNOTFOUND;
    ti->AddRef();
    *info = ti;
    return S_OK;
}

HRESULT LinkObject::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    ITypeInfo* ti = link_type_info();
    if (!ti) return E_UNEXPECTED;
    return DispGetIDsOfNames(ti, names, count, ids);
}

HRESULT LinkObject::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* excep, UINT* arg_error) {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    ITypeInfo* ti = link_type_info();
    if (!ti) return E_UNEXPECTED;
    return DispInvoke(static_cast<IStandinLink*>(this), ti, id, flags, params, result, excep, arg_error);
}

HRESULT LinkObject::SendChatText(BSTR text) {
    const ServerState& s = state();
    // Sleep pumps no messages, so COM hands this thread no other call meanwhile.
    if (s.hang_sends) Sleep(INFINITE);
    if (s.busy_ms) Sleep(s.busy_ms);
    if (s.fail_sends) return E_FAIL;
    // SysStringLen, not wcslen: the text may hold NULs, and NULL means "".
    const std::wstring_view line(text ? text : L"", SysStringLen(text));
    if (!append_chat_record(line)) return HRESULT_FROM_WIN32(GetLastError());
    window_show_chat_line(line);
    return S_OK;
}

HRESULT LinkObject::EnumConnectionPoints(IEnumConnectionPoints** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

HRESULT LinkObject::FindConnectionPoint(REFIID riid, IConnectionPoint** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid != kEventsIid) return CONNECT_E_NOCONNECTION;
    point_.AddRef();
    *out = &point_;
    return S_OK;
}

HRESULT LinkObject::Point::QueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IConnectionPoint) {
        *out = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT LinkObject::Point::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = kEventsIid;
    return S_OK;
}

HRESULT LinkObject::Point::GetConnectionPointContainer(IConnectionPointContainer** out) {
    if (!out) return E_POINTER;
    owner_.AddRef();
    *out = &owner_;
    return S_OK;
}

HRESULT LinkObject::Point::Advise(IUnknown* sink, DWORD* cookie) {
    const HRESULT hr = owner_.sinks_.advise(sink, cookie);
    window_refresh_status();
    return hr;
}

HRESULT LinkObject::Point::Unadvise(DWORD cookie) {
    const HRESULT hr = owner_.sinks_.unadvise(cookie);
    window_refresh_status();
    return hr;
}

HRESULT LinkObject::Point::EnumConnections(IEnumConnections** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

}  // namespace standin
