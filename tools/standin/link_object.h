#pragma once

#include <windows.h>
#include <ocidl.h>

#include "echolink.h"
#include "server.h"
#include "sink_list.h"

namespace standin {

// The automation object a client gets from CoCreateInstance: the dual link
// interface plus a single connection point for the events interface.
class LinkObject final : public IStandinLink, public IConnectionPointContainer {
public:
    // Creates an object of the server and answers riid from it.
    static HRESULT create(Server& server, REFIID riid, void** out);

    SinkList& sinks() { return sinks_; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch, driven by the embedded type library
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* excep, UINT* arg_error) override;

    // Entries 7..39: placeholders that only hold the chat-send method's slot.
    HRESULT STDMETHODCALLTYPE Filler07() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler08() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler09() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler10() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler11() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler12() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler13() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler14() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler15() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler16() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler17() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler18() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler19() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler20() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler21() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler22() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler23() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler24() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler25() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler26() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler27() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler28() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler29() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler30() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler31() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler32() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler33() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler34() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler35() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler36() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler37() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler38() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Filler39() override { return E_NOTIMPL; }

    // Entry 40
    HRESULT STDMETHODCALLTYPE SendChatText(BSTR text) override;

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** out) override;

private:
    // The connection point shares the object's lifetime (its references count
    // on the object), so it can never outlive the container it points back to.
    class Point final : public IConnectionPoint {
    public:
        explicit Point(LinkObject& owner) : owner_(owner) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
        ULONG STDMETHODCALLTYPE AddRef() override { return owner_.AddRef(); }
        ULONG STDMETHODCALLTYPE Release() override { return owner_.Release(); }
        HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
        HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
        HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
        HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
        HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;

    private:
        LinkObject& owner_;
    };

    explicit LinkObject(Server& server);
    ~LinkObject();

    Server& server_;
    ULONG refs_ = 1;
    Point point_{*this};
    SinkList sinks_;
};

}  // namespace standin
