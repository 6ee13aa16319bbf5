#include "echolink/com_echolink.h"

#include "app/failure.h"
#include "echolink/closing_dispid.h"
#include "echolink/closing_sink.h"

namespace rokan {
namespace {

void check(HRESULT result) {
    if (FAILED(result)) throw Failure{static_cast<std::int32_t>(result)};
}

}  // namespace

void ComEchoLink::attach() {
    release();
    void* object = nullptr;
    check(CoCreateInstance(echolink::kApplicationClass, nullptr, CLSCTX_ALL, echolink::kApplicationInterface, &object));
    application_ = static_cast<echolink::Application*>(object);
    if (application_) listenForClosing();
}

// Without the event connection Rokan still sends; it only misses EchoLink's
// Closing, so a failure here is not a failure to attach.
void ComEchoLink::listenForClosing() {
    IConnectionPointContainer* container = nullptr;
    if (FAILED(unknown()->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) return;
    IConnectionPoint* point = nullptr;
    if (SUCCEEDED(container->FindConnectionPoint(echolink::kEventInterface, &point))) {
        auto* sink = new echolink::ClosingSink(notify_, closingMessage_, echolink::closingDispid(unknown()));
        if (SUCCEEDED(point->Advise(sink, &adviseCookie_)))
            events_ = point;
        else
            point->Release();
        sink->Release();
    }
    container->Release();
}

void ComEchoLink::sendChat(const std::wstring& text) {
    if (!application_) throw Failure{static_cast<std::int32_t>(E_POINTER)};
    BSTR line = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!line) throw Failure{static_cast<std::int32_t>(E_OUTOFMEMORY)};
    const HRESULT result = application_->functions->SendChat(application_, line);
    SysFreeString(line);
    check(result);
}

void ComEchoLink::release() {
    if (events_) {
        events_->Unadvise(adviseCookie_);  // EchoLink may be gone already; nothing to do about it
        events_->Release();
        events_ = nullptr;
    }
    if (application_) {
        unknown()->Release();
        application_ = nullptr;
    }
}

}  // namespace rokan
