#include "events.h"

#include <windows.h>
#include <objbase.h>

#include <vector>

#include "chat_log.h"
#include "link_object.h"
#include "server_state.h"
#include "standin_ids.h"

namespace standin {

namespace {

// Long enough for a healthy client in another process, short enough that a
// test waiting for the stand-in to disappear is not held up by a stuck sink.
constexpr DWORD kClosingGraceMs = 2000;

struct ClosingJob {
    std::vector<IStream*> sinks;  // each carries one IDispatch to the worker
};

// The sinks are called from a worker thread so the STA stays free to serve a
// client that calls back (Unadvise, Release) from its Closing handler, and so
// a sink that never returns cannot keep the process alive.
DWORD WINAPI closing_worker(void* param) {
    auto* job = static_cast<ClosingJob*>(param);
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    for (IStream* stream : job->sinks) {
        IDispatch* sink = nullptr;
        if (SUCCEEDED(CoGetInterfaceAndReleaseStream(stream, IID_IDispatch, reinterpret_cast<void**>(&sink)))) {
            append_closing_record(invoke_event(sink, kClosingDispid));
            sink->Release();
        }
    }
    CoUninitialize();
    return 0;
}

std::vector<LinkObject*> hold_objects() {
    std::vector<LinkObject*> objects = state().objects;
    for (LinkObject* o : objects) o->AddRef();
    return objects;
}

void release_objects(const std::vector<LinkObject*>& objects) {
    for (LinkObject* o : objects) o->Release();
}

// Keeps the STA serving incoming calls while waiting for the worker.
bool wait_pumping(HANDLE handle, DWORD timeout_ms) {
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        const DWORD r = MsgWaitForMultipleObjects(1, &handle, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
        if (r == WAIT_OBJECT_0) return true;
        if (r != WAIT_OBJECT_0 + 1) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

}  // namespace

void raise_other_events() {
    const std::vector<LinkObject*> objects = hold_objects();
    for (DISPID id = kFirstOtherDispid; id <= kLastOtherDispid; ++id)
        for (LinkObject* o : objects) o->sinks().fire(id);
    release_objects(objects);
}

namespace {

// As a single-threaded server raises it: from its own thread, which takes
// nothing meanwhile but calls nested in Closing.
void raise_closing_on_this_thread() {
    ServerState& s = state();
    const std::vector<LinkObject*> objects = hold_objects();
    s.in_closing_call = true;
    for (LinkObject* o : objects) {
        for (IDispatch* sink : o->sinks().snapshot()) {
            append_closing_record(invoke_event(sink, kClosingDispid));
            sink->Release();
        }
    }
    s.in_closing_call = false;
    release_objects(objects);
    if (s.window) DestroyWindow(s.window);
}

}  // namespace

void raise_closing_and_exit() {
    ServerState& s = state();
    if (s.closing) return;
    s.closing = true;
    if (s.nested_only) {
        raise_closing_on_this_thread();
        return;
    }

    auto* job = new ClosingJob;
    const std::vector<LinkObject*> objects = hold_objects();
    for (LinkObject* o : objects) {
        for (IDispatch* sink : o->sinks().snapshot()) {
            IStream* stream = nullptr;
            if (SUCCEEDED(CoMarshalInterThreadInterfaceInStream(IID_IDispatch, sink, &stream)))
                job->sinks.push_back(stream);
            sink->Release();
        }
    }
    release_objects(objects);

    HANDLE worker = CreateThread(nullptr, 0, closing_worker, job, 0, nullptr);
    if (!worker) {
        // Without a worker nobody hears Closing; still leave, as promised.
        ExitProcess(0);
    }
    const bool finished = wait_pumping(worker, kClosingGraceMs);
    CloseHandle(worker);
    if (!finished) ExitProcess(0);  // a sink hangs; its thread must not hold us
    delete job;
    if (s.window) DestroyWindow(s.window);
}

}  // namespace standin
