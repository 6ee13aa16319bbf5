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
    check(bound_.call([&] {
        return CoCreateInstance(echolink::kApplicationClass, nullptr, CLSCTX_ALL, echolink::kApplicationInterface,
                                &object);
    }));
    application_.Attach(static_cast<IUnknown*>(object));
    if (application_)
        bound_.call([&] {
            listenForClosing();
            return S_OK;
        });
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

// One call at a time: a send asked for while another waits (a log-off, say)
// fails at once rather than queue behind a call that may never return.
void ComEchoLink::sendChat(const std::wstring& text) {
    if (!application_ || bound_.pending()) throw Failure{};
    BSTR line = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!line) throw Failure{};
    auto* application = reinterpret_cast<echolink::Application*>(application_.Get());
    const HRESULT result = bound_.call([&] { return application->functions->SendChat(application, line); });
    SysFreeString(line);
    if (result == RPC_E_CALL_CANCELED) unresponsive_ = true;
    check(result);
}

// An EchoLink that does not answer would not answer these calls either; Rokan
// is ending then, and leaves the references to the end of the process.
void ComEchoLink::release() {
    if (events_ && !unresponsive_ && !bound_.pending()) {
        // EchoLink may be gone already; nothing to do about it.
        if (bound_.call([&] { return events_->Unadvise(adviseCookie_); }) == RPC_E_CALL_CANCELED) unresponsive_ = true;
    }
    if (unresponsive_ || bound_.pending()) {
        events_.Detach();
        application_.Detach();
        return;
    }
    bound_.call([&] {
        events_.Reset();
        application_.Reset();
        return S_OK;
    });
}

}  // namespace rokan
