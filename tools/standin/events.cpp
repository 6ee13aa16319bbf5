#include "events.h"

#include <windows.h>
#include <objbase.h>
#include <wrl/client.h>

#include <vector>

#include "chat_log.h"
#include "link_object.h"
#include "standin_ids.h"

using Microsoft::WRL::ComPtr;

namespace standin {

namespace {

// Long enough for a healthy client in another process, short enough that a
// test waiting for the stand-in to disappear is not held up by a stuck sink.
constexpr DWORD kClosingGraceMs = 2000;

struct ClosingJob {
    std::vector<ComPtr<IStream>> sinks;  // each carries one IDispatch to the worker
};

// The sinks are called from a worker thread so the STA stays free to serve a
// client that calls back (Unadvise, Release) from its Closing handler, and so
// a sink that never returns cannot keep the process alive.
DWORD WINAPI closing_worker(void* param) {
    auto* job = static_cast<ClosingJob*>(param);
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    for (ComPtr<IStream>& stream : job->sinks) {
        ComPtr<IDispatch> sink;
        if (SUCCEEDED(CoGetInterfaceAndReleaseStream(stream.Detach(), IID_PPV_ARGS(&sink))))
            append_closing_record(invoke_event(sink.Get(), kClosingDispid));
    }
    CoUninitialize();
    return 0;
}

// Held while their sinks are called: a client may release its object from
// inside an event.
std::vector<ComPtr<LinkObject>> hold_objects(const Server& server) {
    return {server.objects.begin(), server.objects.end()};
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

// As a single-threaded server raises it: from its own thread, which takes
// nothing meanwhile but calls nested in Closing.
void raise_closing_on_this_thread(Server& server) {
    {
        const std::vector<ComPtr<LinkObject>> objects = hold_objects(server);
        server.in_closing_call = true;
        for (const ComPtr<LinkObject>& o : objects)
            for (const ComPtr<IDispatch>& sink : o->sinks().snapshot())
                append_closing_record(invoke_event(sink.Get(), kClosingDispid));
        server.in_closing_call = false;
    }
    if (server.window) DestroyWindow(server.window);
}

}  // namespace

void raise_other_events(Server& server) {
    const std::vector<ComPtr<LinkObject>> objects = hold_objects(server);
    for (DISPID id = kFirstOtherDispid; id <= kLastOtherDispid; ++id)
        for (const ComPtr<LinkObject>& o : objects) o->sinks().fire(id);
}

void raise_closing_and_exit(Server& server) {
    if (server.closing) return;
    server.closing = true;
    if (server.options.nested_only) {
        raise_closing_on_this_thread(server);
        return;
    }

    auto* job = new ClosingJob;
    for (const ComPtr<LinkObject>& o : hold_objects(server)) {
        for (const ComPtr<IDispatch>& sink : o->sinks().snapshot()) {
            ComPtr<IStream> stream;
            if (SUCCEEDED(CoMarshalInterThreadInterfaceInStream(IID_IDispatch, sink.Get(), &stream)))
                job->sinks.push_back(std::move(stream));
        }
    }

    HANDLE worker = CreateThread(nullptr, 0, closing_worker, job, 0, nullptr);
    if (!worker) {
        // Without a worker nobody hears Closing; still leave, as promised.
        ExitProcess(0);
    }
    const bool finished = wait_pumping(worker, kClosingGraceMs);
    CloseHandle(worker);
    if (!finished) ExitProcess(0);  // a sink hangs; its thread must not hold us
    delete job;
    if (server.window) DestroyWindow(server.window);
}

}  // namespace standin
