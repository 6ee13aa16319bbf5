#include "com_echolink.h"

#include <utility>

#include "echolink_automation.h"
#include "echolink_calls.h"
#include "failure.h"

using Microsoft::WRL::ComPtr;

namespace rokan {
namespace {

void check(HRESULT result) {
    if (result == RPC_E_TIMEOUT) throw Unanswered{};
    if (FAILED(result)) throw Failure{};
}

// The line as EchoLink takes it: a BSTR, which may hold any character.
BSTR lineFor(const std::wstring& text) {
    BSTR line = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!line) throw Failure{};
    return line;
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
    const HRESULT result = callAside(call, CallBound::Kind::attach);
    if (result == RPC_E_TIMEOUT || FAILED(result)) throw Failure{};
    attached_ = call->found();
    applicationForUiThread_ = call->applicationForUiThread();
}

HRESULT ComEchoLink::callAside(const std::shared_ptr<EchoLinkCall>& call, CallBound::Kind kind) {
    if (!thread_.start(call)) return E_FAIL;
    return bound_.wait(call->done(), kind) ? call->result() : RPC_E_TIMEOUT;
}

void ComEchoLink::sendChat(const std::wstring& text) {
    if (!attached_) throw Failure{};
    BSTR line = lineFor(text);
    if (insideClosing_) {
        sendInsideClosing(line);
        return;
    }
    check(callAside(std::make_shared<echolink::SendCall>(line), CallBound::Kind::call));
}

// Inside EchoLink's Closing call, a call from this thread is nested in it,
// and EchoLink takes it even where it refuses every other call until its own
// returns. Not while a call EchoLink has not answered is still outstanding:
// one call at a time.
void ComEchoLink::sendInsideClosing(BSTR line) {
    const auto sent = [&] {
        if (thread_.busy()) return E_FAIL;
        if (!applicationOnUiThread_ && applicationForUiThread_) {
            const HRESULT taken = CoGetInterfaceAndReleaseStream(
                applicationForUiThread_.Detach(), echolink::kApplicationInterface,
                reinterpret_cast<void**>(applicationOnUiThread_.GetAddressOf()));
            if (FAILED(taken)) return taken;
        }
        return echolink::sendChat(applicationOnUiThread_.Get(), line);
    }();
    SysFreeString(line);
    check(sent);
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
                  CallBound::Kind::call);
    applicationOnUiThread_.Reset();
    attached_ = false;
}

}  // namespace rokan
