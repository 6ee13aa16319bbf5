#include "com_echolink.h"

#include <utility>

#include "echolink_automation.h"
#include "echolink_calls.h"
#include "failure.h"
#include "nested_call_bound.h"

using Microsoft::WRL::ComPtr;

namespace rokan {
namespace {

// How long a cancelled call inside Closing may take to come back.
constexpr DWORD kNestedCallGraceMs = 1000;

// RPC_E_TIMEOUT: the call is still outstanding, and EchoLink may yet carry it out.
void check(HRESULT result) {
    if (result == RPC_E_TIMEOUT) throw Unanswered{};
    if (FAILED(result)) throw Failure{};
}

}  // namespace

ComEchoLink::~ComEchoLink() {
    release();
    if (sink_) sink_->forget();
}

// Attaching is a call like any other, with a longer bound: Windows may have to
// start EchoLink first. An EchoLink that does not answer it within the bound
// fails the start as a missing one does.
void ComEchoLink::attach() {
    if (!sink_) sink_.Attach(new echolink::ClosingSink(*this));
    ComPtr<IStream> sinkForThread;
    check(CoMarshalInterThreadInterfaceInStream(IID_IDispatch, sink_.Get(), &sinkForThread));
    auto call = std::make_shared<echolink::AttachCall>(*sink_.Get(), std::move(sinkForThread));
    if (FAILED(callAside(call, EchoLinkWait::Kind::attach))) throw Failure{};
    attached_ = call->found();
    applicationForUiThread_ = call->applicationForUiThread();
}

HRESULT ComEchoLink::callAside(const std::shared_ptr<EchoLinkCall>& call, EchoLinkWait::Kind kind) {
    if (!thread_.start(call)) return E_FAIL;
    if (wait_.forCall(call->done(), kind)) return call->result();
    call->giveUp();
    return RPC_E_TIMEOUT;
}

void ComEchoLink::sendChat(const std::wstring& text) {
    if (!attached_) throw Failure{};
    if (insideClosing_)
        sendInsideClosing(text);
    else
        check(callAside(std::make_shared<echolink::SendCall>(text), EchoLinkWait::Kind::call));
}

// Inside EchoLink's Closing call, a call from this thread is nested in it,
// and EchoLink takes it even where it refuses every other call until its own
// returns. Not while a call EchoLink has not answered is still outstanding:
// one call at a time. Bounded, as every call: an EchoLink that hangs in its
// own Closing must not take Rokan with it.
void ComEchoLink::sendInsideClosing(const std::wstring& text) {
    if (thread_.busy()) throw Failure{};
    const echolink::ChatLine line(text);
    const NestedCallBound bound(wait_.bounds().endingMs, kNestedCallGraceMs);
    if (!applicationOnUiThread_ && applicationForUiThread_)
        check(CoGetInterfaceAndReleaseStream(applicationForUiThread_.Detach(), echolink::kApplicationInterface,
                                             reinterpret_cast<void**>(applicationOnUiThread_.GetAddressOf())));
    check(echolink::sendChat(applicationOnUiThread_.Get(), line.get()));
}

void ComEchoLink::echoLinkClosing() {
    insideClosing_ = true;
    SendMessageW(notify_, closingMessage_, 0, 0);
    insideClosing_ = false;
}

// Inside EchoLink's Closing, a disconnect from EchoLink's thread would not
// be nested in it, and EchoLink is going anyway. After a call EchoLink has
// not answered, it would not answer this one either. Either way Rokan is
// ending, and leaves its references to the end of the process.
void ComEchoLink::release() {
    if (attached_ && !insideClosing_ && !thread_.busy())
        callAside(std::make_shared<echolink::ReleaseCall>(std::move(applicationForUiThread_)),
                  EchoLinkWait::Kind::call);
    applicationOnUiThread_.Reset();
    attached_ = false;
}

}  // namespace rokan
