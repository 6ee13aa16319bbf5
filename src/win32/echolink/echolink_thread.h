#pragma once
#include <windows.h>
#include <objidl.h>
#include <ocidl.h>
#include <wrl/client.h>

#include <atomic>
#include <memory>

namespace rokan {

// What EchoLink's thread holds of EchoLink: touched on that thread only.
struct EchoLinkObjects {
    Microsoft::WRL::ComPtr<IUnknown> application;  // only its chat entry is called
    Microsoft::WRL::ComPtr<IConnectionPoint> events;
    DWORD adviseCookie = 0;
};

// One call to EchoLink: made on EchoLink's thread, waited for on the UI
// thread, which may give up on it. Each holds a share of it, so one the UI
// gave up on ends in its own time.
class EchoLinkCall {
public:
    EchoLinkCall() : done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    virtual ~EchoLinkCall() {
        if (done_) CloseHandle(done_);
    }
    EchoLinkCall(const EchoLinkCall&) = delete;
    EchoLinkCall& operator=(const EchoLinkCall&) = delete;

    HANDLE done() const { return done_; }
    // Read once done() is signalled.
    HRESULT result() const { return result_; }

    // On EchoLink's thread.
    void make(EchoLinkObjects& objects) { result_ = run(objects); }
    void signalDone() { SetEvent(done_); }
    // The last call: the thread lets go of EchoLink and leaves the apartment.
    virtual bool endsThread() const { return false; }
    // The UI stopped waiting: a call that asks EchoLink again stops asking.
    void giveUp() { givenUp_ = true; }
    bool givenUp() const { return givenUp_; }

protected:
    virtual HRESULT run(EchoLinkObjects& objects) = 0;

private:
    HANDLE done_;
    HRESULT result_ = E_FAIL;
    std::atomic<bool> givenUp_{false};
};

// The one thread that calls EchoLink, in the multithreaded apartment from
// before attaching until after the last release. Every proxy to EchoLink
// lives there, and that apartment lives as long as the thread does, whatever
// else comes and goes; and there is never more than one call in flight, a
// call the UI gave up on included, so a line is never sent twice behind
// EchoLink's back and a hang of any length holds one thread, not one a call.
class EchoLinkThread {
public:
    EchoLinkThread() = default;
    EchoLinkThread(const EchoLinkThread&) = delete;
    EchoLinkThread& operator=(const EchoLinkThread&) = delete;

    // Hands the call over, starting the thread with the first one. False, and
    // nothing is called, while the call before is outstanding, after the last
    // call, or when no thread can be started.
    bool start(std::shared_ptr<EchoLinkCall> call);
    bool busy() const { return shared_ && shared_->busy; }

private:
    // Shared with the thread, which may outlive this object while it is
    // still in EchoLink; it ends with the process then.
    struct Shared {
        HANDLE wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        std::shared_ptr<EchoLinkCall> next;  // the UI writes it only while the thread is not busy
        std::atomic<bool> busy{false};
        EchoLinkObjects objects;
        ~Shared() {
            if (wake) CloseHandle(wake);
        }
    };
    static DWORD WINAPI run(void* shared);
    static void serve(Shared& shared);

    std::shared_ptr<Shared> shared_;
};

}  // namespace rokan
