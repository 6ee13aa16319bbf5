#include "echolink_thread.h"

#include <utility>

namespace rokan {

bool EchoLinkThread::start(std::shared_ptr<EchoLinkCall> call) {
    if (busy() || !call->done()) return false;
    if (!shared_) {
        auto shared = std::make_shared<Shared>();
        auto* forThread = new std::shared_ptr<Shared>(shared);
        HANDLE thread = shared->wake ? CreateThread(nullptr, 0, run, forThread, 0, nullptr) : nullptr;
        if (!thread) {
            delete forThread;
            return false;
        }
        CloseHandle(thread);
        shared_ = std::move(shared);
    }
    shared_->next = std::move(call);
    shared_->busy = true;
    SetEvent(shared_->wake);
    return true;
}

DWORD WINAPI EchoLinkThread::run(void* parameter) {
    std::unique_ptr<std::shared_ptr<Shared>> shared(static_cast<std::shared_ptr<Shared>*>(parameter));
    serve(**shared);
    return 0;
}

void EchoLinkThread::serve(Shared& shared) {
    const HRESULT apartment = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    for (;;) {
        WaitForSingleObject(shared.wake, INFINITE);
        std::shared_ptr<EchoLinkCall> call = std::move(shared.next);
        if (SUCCEEDED(apartment)) call->make(shared.objects);
        const bool last = call->endsThread();
        // Free for the next call before the UI hears of this one; after the
        // last, busy for good.
        if (!last) shared.busy = false;
        call->signalDone();
        if (last) break;
    }
    shared.objects = {};
    if (SUCCEEDED(apartment)) CoUninitialize();
}

}  // namespace rokan
