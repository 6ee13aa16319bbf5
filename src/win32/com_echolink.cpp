#include "com_echolink.h"

#include "closing_dispid.h"
#include "closing_sink.h"
#include "echolink_automation.h"
#include "failure.h"

using Microsoft::WRL::ComPtr;

namespace rokan {
namespace {

void check(HRESULT result) {
    if (FAILED(result)) throw Failure{};
}

}  // namespace

void ComEchoLink::attach() {
    release();
    void* object = nullptr;
    check(CoCreateInstance(echolink::kApplicationClass, nullptr, CLSCTX_ALL, echolink::kApplicationInterface, &object));
    application_.Attach(static_cast<IUnknown*>(object));
    if (application_) listenForClosing();
}

// Without the event connection Rokan still sends; it only misses EchoLink's
// Closing, so a failure here is not a failure to attach.
void ComEchoLink::listenForClosing() {
    ComPtr<IConnectionPointContainer> container;
    ComPtr<IConnectionPoint> point;
    if (FAILED(application_.As(&container)) ||
        FAILED(container->FindConnectionPoint(echolink::kEventInterface, &point)))
        return;
    ComPtr<echolink::ClosingSink> sink;
    sink.Attach(new echolink::ClosingSink(notify_, closingMessage_, echolink::closingDispid(application_.Get())));
    if (SUCCEEDED(point->Advise(sink.Get(), &adviseCookie_))) events_ = point;
}

void ComEchoLink::sendChat(const std::wstring& text) {
    if (!application_) throw Failure{};
    BSTR line = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!line) throw Failure{};
    auto* application = reinterpret_cast<echolink::Application*>(application_.Get());
    const HRESULT result = application->functions->SendChat(application, line);
    SysFreeString(line);
    check(result);
}

void ComEchoLink::release() {
    if (events_) {
        events_->Unadvise(adviseCookie_);  // EchoLink may be gone already; nothing to do about it
        events_.Reset();
    }
    application_.Reset();
}

}  // namespace rokan
