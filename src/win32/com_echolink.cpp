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
    enum class Kind { attach, sendChat, unadvise } kind;
    DWORD inTable;           // the closing sink, the application, or its events' connection point
    BSTR text = nullptr;     // sendChat's line
    DWORD adviseCookie = 0;  // unadvise's connection
    Microsoft::WRL::ComPtr<echolink::ClosingSink> sink;  // attach's, told Closing's member id
    Found found;                                         // what attach found
    HRESULT result = E_FAIL;
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    LONG owners = 2;

    Call(Kind kind, DWORD inTable) : kind(kind), inTable(inTable) {}
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
        if (kind == Kind::attach) return attach(table.Get());
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
    // Creation without an object succeeds with nothing found.
    HRESULT attach(IGlobalInterfaceTable* table) {
        ComPtr<IUnknown> object;
        HRESULT hr = CoCreateInstance(echolink::kApplicationClass, nullptr, CLSCTX_ALL, echolink::kApplicationInterface,
                                      reinterpret_cast<void**>(object.GetAddressOf()));
        if (FAILED(hr) || !object) return hr;
        hr = table->RegisterInterfaceInGlobal(object.Get(), echolink::kApplicationInterface, &found.application);
        if (SUCCEEDED(hr)) listenForClosing(table, object.Get());
        return hr;
    }
    // Without the event connection Rokan still sends; it only misses
    // EchoLink's Closing, so a failure here is not a failure to attach.
    void listenForClosing(IGlobalInterfaceTable* table, IUnknown* application) {
        ComPtr<IConnectionPointContainer> container;
        ComPtr<IConnectionPoint> point;
        ComPtr<IDispatch> sinkOnItsThread;
        if (FAILED(application->QueryInterface(IID_PPV_ARGS(&container))) ||
            FAILED(container->FindConnectionPoint(echolink::kEventInterface, &point)) ||
            FAILED(table->GetInterfaceFromGlobal(inTable, IID_PPV_ARGS(&sinkOnItsThread))))
            return;
        sink->listenFor(echolink::closingDispid(application));
        DWORD cookie = 0;
        if (FAILED(point->Advise(sinkOnItsThread.Get(), &cookie))) return;
        if (SUCCEEDED(table->RegisterInterfaceInGlobal(point.Get(), IID_IConnectionPoint, &found.events)))
            found.adviseCookie = cookie;
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

// Attaching is a call like any other, with a longer bound: Windows may have to
// start EchoLink first. An EchoLink that does not answer it within the bound
// fails the start as a missing one does.
void ComEchoLink::attach() {
    release();
    check(CoCreateInstance(CLSID_StdGlobalInterfaceTable, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&table_)));
    ComPtr<echolink::ClosingSink> sink;
    sink.Attach(new echolink::ClosingSink(notify_, closingMessage_));
    DWORD sinkInTable = 0;
    check(table_->RegisterInterfaceInGlobal(sink.Get(), IID_IDispatch, &sinkInTable));
    auto* call = new Call(Call::Kind::attach, sinkInTable);
    call->sink = sink;
    Found found;
    const HRESULT result = callAside(call, &found);
    table_->RevokeInterfaceFromGlobal(sinkInTable);
    check(result);
    applicationInTable_ = found.application;
    eventsInTable_ = found.events;
    adviseCookie_ = found.adviseCookie;
}

HRESULT ComEchoLink::callAside(Call* call, Found* found) {
    HANDLE thread = call->done ? CreateThread(nullptr, 0, Call::run, call, 0, nullptr) : nullptr;
    if (!thread) {
        delete call;
        return E_OUTOFMEMORY;
    }
    CloseHandle(thread);
    const bool attaching = call->kind == Call::Kind::attach;
    const bool answered = bound_.wait(call->done, attaching ? CallBound::kAttachMs : CallBound::kOperatorCallMs);
    const HRESULT result = answered ? call->result : RPC_E_CALL_CANCELED;
    if (answered && found) *found = call->found;
    call->letGo();
    if (!answered) unresponsive_ = true;
    return result;
}

// One call at a time: a send asked for while another waits (a log-off, say)
// fails at once rather than queue behind a call that may never return.
void ComEchoLink::sendChat(const std::wstring& text) {
    if (!applicationInTable_ || bound_.pending()) throw Failure{};
    auto* call = new Call(Call::Kind::sendChat, applicationInTable_);
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
        auto* call = new Call(Call::Kind::unadvise, eventsInTable_);
        call->adviseCookie = adviseCookie_;
        callAside(call);  // EchoLink may be gone already; nothing to do about it
    }
    if (table_ && !unresponsive_ && !bound_.pending()) {
        if (applicationInTable_) table_->RevokeInterfaceFromGlobal(applicationInTable_);
        if (eventsInTable_) table_->RevokeInterfaceFromGlobal(eventsInTable_);
    }
    table_.Reset();
    applicationInTable_ = eventsInTable_ = 0;
}

}  // namespace rokan
