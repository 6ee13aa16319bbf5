#pragma once
#include <windows.h>
#include <oaidl.h>

#include <atomic>

namespace rokan::echolink {

// Receives EchoLink's events and reacts to Closing only, by sending a message
// to the main window. EchoLink waits for the call to return before it goes on
// closing, so Rokan ends inside it: a pending unmute still reaches EchoLink.
// It lives on the UI thread; Closing's member id is told it, from the thread
// that attaches, before it is connected.
class ClosingSink final : public IDispatch {
public:
    ClosingSink(HWND target, UINT message) : target_(target), message_(message) {}
    void listenFor(DISPID closing) { closing_ = closing; }

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
    HWND target_;
    UINT message_;
    std::atomic<DISPID> closing_{DISPID_UNKNOWN};
};

}  // namespace rokan::echolink
