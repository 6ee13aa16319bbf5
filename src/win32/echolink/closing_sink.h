#pragma once
#include <windows.h>
#include <oaidl.h>

#include <atomic>

namespace rokan::echolink {

// Told of EchoLink's Closing, inside EchoLink's own call.
class ClosingListener {
public:
    virtual void echoLinkClosing() = 0;

protected:
    ~ClosingListener() = default;
};

// Receives EchoLink's events and reacts to Closing only. EchoLink waits for
// the call to return before it goes on closing, so Rokan ends inside it: a
// pending unmute still reaches EchoLink. It lives on the UI thread; Closing's
// member id is told it, from EchoLink's thread, before it is connected.
class ClosingSink final : public IDispatch {
public:
    explicit ClosingSink(ClosingListener& listener) : listener_(&listener) {}
    void listenFor(DISPID closing) { closing_ = closing; }
    // After this, events reach nobody.
    void forget() { listener_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

private:
    ~ClosingSink() = default;

    std::atomic<ULONG> references_{1};
    ClosingListener* listener_;  // on the UI thread only
    std::atomic<DISPID> closing_{DISPID_UNKNOWN};
};

}  // namespace rokan::echolink
