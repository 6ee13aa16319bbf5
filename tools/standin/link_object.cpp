#include "link_object.h"

#include <olectl.h>
#include <wrl/client.h>

#include <algorithm>
#include <string_view>

#include "chat_log.h"
#include "main_window.h"
#include "standin_ids.h"
#include "type_info.h"

using Microsoft::WRL::ComPtr;

namespace standin {

LinkObject::LinkObject(Server& server) : server_(server) {
    server_.lock();
    server_.objects.push_back(this);
}

LinkObject::~LinkObject() {
    auto& objects = server_.objects;
    objects.erase(std::remove(objects.begin(), objects.end(), this), objects.end());
    server_.unlock();
}

HRESULT LinkObject::create(Server& server, REFIID riid, void** out) {
    ComPtr<LinkObject> object;
    object.Attach(new (std::nothrow) LinkObject(server));
    if (!object) return E_OUTOFMEMORY;
    const HRESULT hr = object->QueryInterface(riid, out);
    object.Reset();  // gone now if riid failed, before the status counts it
    window_refresh_status(server);
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
        Server& server = server_;
        delete this;
        window_refresh_status(server);
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
    const ComPtr<ITypeInfo> ti = link_type_info();
    if (!ti) return TYPE_E_ELEMENTNOTFOUND;
    return ti.CopyTo(info);
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
    const Modes& modes = server_.modes;
    // Sleep pumps no messages, so COM hands this thread no other call meanwhile.
    if (modes.hang_sends) Sleep(INFINITE);
    if (modes.busy_ms) Sleep(modes.busy_ms);
    if (modes.fail_sends) return E_FAIL;
    // SysStringLen, not wcslen: the text may hold NULs, and NULL means "".
    const std::wstring_view line(text ? text : L"", SysStringLen(text));
    if (!append_chat_record(line)) return HRESULT_FROM_WIN32(GetLastError());
    window_show_chat_line(server_.window, line);
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
    return point_.QueryInterface(IID_IConnectionPoint, reinterpret_cast<void**>(out));
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
    return owner_.QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(out));
}

HRESULT LinkObject::Point::Advise(IUnknown* sink, DWORD* cookie) {
    const HRESULT hr = owner_.sinks_.advise(sink, cookie);
    window_refresh_status(owner_.server_);
    return hr;
}

HRESULT LinkObject::Point::Unadvise(DWORD cookie) {
    const HRESULT hr = owner_.sinks_.unadvise(cookie);
    window_refresh_status(owner_.server_);
    return hr;
}

HRESULT LinkObject::Point::EnumConnections(IEnumConnections** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

}  // namespace standin
