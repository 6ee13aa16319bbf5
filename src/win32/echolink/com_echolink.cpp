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

void check(HRESULT result, const wchar_t* call) {
    if (FAILED(result)) throw Failure{call, static_cast<std::uint32_t>(result)};
}

// Where a wait without the answer leaves the call, for whoever debugs.
const wchar_t* unansweredCause(EchoLinkWait::Outcome outcome) {
    switch (outcome) {
        case EchoLinkWait::Outcome::refused:
            return L"EchoLink's thread: another call's wait is running";
        case EchoLinkWait::Outcome::ending:
            return L"EchoLink's thread: Rokan began to end";
        default:
            return L"EchoLink's thread: no answer within the bound";
    }
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
    check(CoMarshalInterThreadInterfaceInStream(IID_IDispatch, sink_.Get(), &sinkForThread),
          L"CoMarshalInterThreadInterfaceInStream");
    auto call = std::make_shared<echolink::AttachCall>(*sink_.Get(), std::move(sinkForThread));
    check(callAside(call, EchoLinkWait::Kind::attach), L"CoCreateInstance");
    attached_ = call->found();
    applicationForUiThread_ = call->applicationForUiThread();
}

HRESULT ComEchoLink::callAside(const std::shared_ptr<EchoLinkCall>& call, EchoLinkWait::Kind kind) {
    if (!thread_.start(call)) throw Failure{L"EchoLink's thread: a call is outstanding or no thread", 0};
    const EchoLinkWait::Outcome outcome = wait_.forCall(call->done(), kind);
    if (outcome == EchoLinkWait::Outcome::answered) return call->result();
    call->giveUp();
    throw Unanswered{unansweredCause(outcome), 0};
}

void ComEchoLink::sendChat(const std::wstring& text) {
    if (!attached_) throw Failure{L"SendChat without EchoLink's object", 0};
    if (insideClosing_)
        sendInsideClosing(text);
    else
        check(callAside(std::make_shared<echolink::SendCall>(text), EchoLinkWait::Kind::call), L"SendChat");
}

// Inside EchoLink's Closing call, a call from this thread is nested in it,
// and EchoLink takes it even where it refuses every other call until its own
// returns. Not while a call EchoLink has not answered is still outstanding:
// one call at a time. Bounded, as every call: an EchoLink that hangs in its
// own Closing must not take Rokan with it.
void ComEchoLink::sendInsideClosing(const std::wstring& text) {
    if (thread_.busy()) throw Failure{L"SendChat inside Closing: a call is outstanding", 0};
    const echolink::ChatLine line(text);
    const NestedCallBound bound(wait_.bounds().endingMs, kNestedCallGraceMs);
    if (!applicationOnUiThread_ && applicationForUiThread_)
        check(CoGetInterfaceAndReleaseStream(applicationForUiThread_.Detach(), echolink::kApplicationInterface,
                                             reinterpret_cast<void**>(applicationOnUiThread_.GetAddressOf())),
              L"CoGetInterfaceAndReleaseStream");
    check(echolink::sendChat(applicationOnUiThread_.Get(), line.get()), L"SendChat inside Closing");
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
    if (attached_ && !insideClosing_ && !thread_.busy()) {
        try {
            callAside(std::make_shared<echolink::ReleaseCall>(std::move(applicationForUiThread_)),
                      EchoLinkWait::Kind::call);
        } catch (const Failure&) {
            // However the disconnect went, Rokan drops its references.
        }
    }
    applicationOnUiThread_.Reset();
    attached_ = false;
}

}  // namespace rokan
