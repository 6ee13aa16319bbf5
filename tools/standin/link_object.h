#pragma once

#include <windows.h>
#include <ocidl.h>

#include "echolink.h"
#include "sink_list.h"

namespace standin {

// The automation object a client gets from CoCreateInstance: the dual link
// interface plus a single connection point for the events interface.
class LinkObject final : public IStandinLink, public IConnectionPointContainer {
public:
    // Creates an object and answers riid from it.
    static HRESULT create(REFIID riid, void** out);

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
#define STANDIN_FILLER(n)                            \
    HRESULT STDMETHODCALLTYPE Filler##n() override { \
        return E_NOTIMPL;                            \
    }
    STANDIN_FILLER(07)
    STANDIN_FILLER(08) STANDIN_FILLER(09) STANDIN_FILLER(10) STANDIN_FILLER(11) STANDIN_FILLER(12) STANDIN_FILLER(13)
        STANDIN_FILLER(14) STANDIN_FILLER(15) STANDIN_FILLER(16) STANDIN_FILLER(17) STANDIN_FILLER(18)
            STANDIN_FILLER(19) STANDIN_FILLER(20) STANDIN_FILLER(21) STANDIN_FILLER(22) STANDIN_FILLER(23)
                STANDIN_FILLER(24) STANDIN_FILLER(25) STANDIN_FILLER(26) STANDIN_FILLER(27) STANDIN_FILLER(28)
                    STANDIN_FILLER(29) STANDIN_FILLER(30) STANDIN_FILLER(31) STANDIN_FILLER(32) STANDIN_FILLER(33)
                        STANDIN_FILLER(34) STANDIN_FILLER(35) STANDIN_FILLER(36) STANDIN_FILLER(37) STANDIN_FILLER(38)
                            STANDIN_FILLER(39)
#undef STANDIN_FILLER

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

    LinkObject();
    ~LinkObject();

    ULONG refs_ = 1;
    Point point_{*this};
    SinkList sinks_;
};

}  // namespace standin
