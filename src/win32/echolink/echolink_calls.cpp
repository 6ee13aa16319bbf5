#include "echolink_calls.h"

#include "closing_dispid.h"
#include "echolink_automation.h"
#include "failure.h"

using Microsoft::WRL::ComPtr;

namespace rokan::echolink {

HRESULT sendChat(IUnknown* application, BSTR text) {
    if (!application) return E_UNEXPECTED;
    auto* chat = reinterpret_cast<Application*>(application);
    return chat->functions->SendChat(chat, text);
}

HRESULT AttachCall::run(EchoLinkObjects& objects) {
    ComPtr<IDispatch> sinkHere;
    const HRESULT sinkFound = CoGetInterfaceAndReleaseStream(sinkForThread_.Detach(), IID_PPV_ARGS(&sinkHere));
    ComPtr<IUnknown> object;
    HRESULT hr = CoCreateInstance(kApplicationClass, nullptr, CLSCTX_ALL, kApplicationInterface,
                                  reinterpret_cast<void**>(object.GetAddressOf()));
    if (FAILED(hr) || !object) return hr;
    hr = CoMarshalInterThreadInterfaceInStream(kApplicationInterface, object.Get(), &applicationForUiThread_);
    if (FAILED(hr)) return hr;
    objects.application = object;
    if (SUCCEEDED(sinkFound)) listenForClosing(objects, sinkHere.Get());
    found_ = true;
    return S_OK;
}

// Without the event connection Rokan still sends; it only misses EchoLink's
// Closing, so a failure here is not a failure to attach.
void AttachCall::listenForClosing(EchoLinkObjects& objects, IDispatch* sinkHere) {
    ComPtr<IConnectionPointContainer> container;
    ComPtr<IConnectionPoint> point;
    if (FAILED(objects.application.As(&container)) || FAILED(container->FindConnectionPoint(kEventInterface, &point)))
        return;
    sink_->listenFor(closingDispid(objects.application.Get()));
    if (FAILED(point->Advise(sinkHere, &objects.adviseCookie))) return;
    objects.events = point;
}

ChatLine::ChatLine(const std::wstring& text) : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
    if (!text_) throw Failure{L"SysAllocStringLen", static_cast<std::uint32_t>(E_OUTOFMEMORY)};
}

// A single-threaded EchoLink in a modal state of its own (a dialog open, a
// call out) turns calls away for now, and this apartment has no message
// filter to ask again: it is asked again here, as COM advises, until it
// takes the line or the UI stops waiting, so the line arrives once.
HRESULT SendCall::run(EchoLinkObjects& objects) {
    DWORD pauseMs = 20;
    for (;;) {
        const HRESULT hr = sendChat(objects.application.Get(), line_.get());
        if ((hr != RPC_E_SERVERCALL_RETRYLATER && hr != RPC_E_CALL_REJECTED) || givenUp()) return hr;
        Sleep(pauseMs);
        pauseMs = pauseMs < 320 ? pauseMs * 2 : pauseMs;
    }
}

HRESULT ReleaseCall::run(EchoLinkObjects& objects) {
    if (applicationForUiThread_) CoReleaseMarshalData(applicationForUiThread_.Get());
    const HRESULT hr = objects.events ? objects.events->Unadvise(objects.adviseCookie) : S_OK;
    objects = {};
    return hr;
}

}  // namespace rokan::echolink
