#include "com_echolink.h"

#include <utility>

#include "closing_dispid.h"
#include "closing_sink.h"
#include "echolink_automation.h"
#include "failure.h"

using Microsoft::WRL::ComPtr;

namespace rokan {

// One call, owned by the window and by the thread that makes it: whichever
// lets go last frees it, so a call the window gave up on ends in its own time.
struct ComEchoLink::Call {
    enum class Kind { sendChat, unadvise } kind;
    DWORD inTable;  // the application, or its events' connection point
    BSTR text = nullptr;
    DWORD adviseCookie = 0;
    HRESULT result = E_FAIL;
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    LONG owners = 2;

    ~Call() {
        SysFreeString(text);
        if (done) CloseHandle(done);
    }
    void letGo() {
        if (InterlockedDecrement(&owners) == 0) delete this;
    }
    HRESULT make() {
        ComPtr<IGlobalInterfaceTable> table;
        HRESULT hr =
            CoCreateInstance(CLSID_StdGlobalInterfaceTable, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&table));
        if (FAILED(hr)) return hr;
        if (kind == Kind::unadvise) {
            ComPtr<IConnectionPoint> events;
            hr = table->GetInterfaceFromGlobal(inTable, IID_PPV_ARGS(&events));
            return SUCCEEDED(hr) ? events->Unadvise(adviseCookie) : hr;
        }
        ComPtr<IUnknown> object;
        hr = table->GetInterfaceFromGlobal(inTable, echolink::kApplicationInterface, &object);
        if (FAILED(hr)) return hr;
        auto* application = reinterpret_cast<echolink::Application*>(object.Get());
        return application->functions->SendChat(application, text);
    }
    static DWORD WINAPI run(void* parameter) {
        auto* call = static_cast<Call*>(parameter);
        if (SUCCEEDED(call->result = CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {
            call->result = call->make();
            CoUninitialize();
        }
        SetEvent(call->done);
        call->letGo();
        return 0;
    }
};

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
    if (!application_) return;
    if (SUCCEEDED(
            CoCreateInstance(CLSID_StdGlobalInterfaceTable, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&table_))))
        table_->RegisterInterfaceInGlobal(application_.Get(), echolink::kApplicationInterface, &applicationInTable_);
    listenForClosing();
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
    if (FAILED(point->Advise(sink.Get(), &adviseCookie_))) return;
    events_ = point;
    if (table_) table_->RegisterInterfaceInGlobal(events_.Get(), IID_IConnectionPoint, &eventsInTable_);
}

HRESULT ComEchoLink::callAside(Call* call) {
    HANDLE thread = call->done ? CreateThread(nullptr, 0, Call::run, call, 0, nullptr) : nullptr;
    if (!thread) {
        delete call;
        return E_OUTOFMEMORY;
    }
    CloseHandle(thread);
    const bool answered = bound_.wait(call->done);
    const HRESULT result = answered ? call->result : RPC_E_CALL_CANCELED;
    call->letGo();
    if (!answered) unresponsive_ = true;
    return result;
}

// One call at a time: a send asked for while another waits (a log-off, say)
// fails at once rather than queue behind a call that may never return.
void ComEchoLink::sendChat(const std::wstring& text) {
    if (!applicationInTable_ || bound_.pending()) throw Failure{};
    auto* call = new Call{Call::Kind::sendChat, applicationInTable_};
    call->text = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!call->text) {
        delete call;
        throw Failure{};
    }
    check(callAside(call));
}

// An EchoLink that does not answer would not answer these calls either; Rokan
// is ending then, and leaves its references to the end of the process.
void ComEchoLink::release() {
    if (eventsInTable_ && !unresponsive_ && !bound_.pending()) {
        auto* call = new Call{Call::Kind::unadvise, eventsInTable_};
        call->adviseCookie = adviseCookie_;
        callAside(call);  // EchoLink may be gone already; nothing to do about it
    }
    if (unresponsive_ || bound_.pending()) {
        events_.Detach();
        application_.Detach();
    } else if (table_) {
        if (applicationInTable_) table_->RevokeInterfaceFromGlobal(applicationInTable_);
        if (eventsInTable_) table_->RevokeInterfaceFromGlobal(eventsInTable_);
    }
    events_.Reset();
    application_.Reset();
    table_.Reset();
    applicationInTable_ = eventsInTable_ = 0;
}

}  // namespace rokan
