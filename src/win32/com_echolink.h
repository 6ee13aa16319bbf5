#pragma once
#include <windows.h>
#include <objidl.h>
#include <ocidl.h>
#include <wrl/client.h>

#include "call_bound.h"
#include "echolink_port.h"

namespace rokan {

// EchoLink reached through COM. Every call to it, from creating the object on,
// runs on a thread of its own in the multithreaded apartment, so that one
// EchoLink never answers holds up nothing but that thread: the window waits
// for it within the bound. Closing is heard on the UI thread's apartment and
// announced by sending closingMessage to the window given, inside EchoLink's
// own call, so Rokan ends while EchoLink still takes its last lines.
class ComEchoLink final : public EchoLinkPort {
public:
    ComEchoLink(CallBound& bound, HWND notify, UINT closingMessage)
        : bound_(bound), notify_(notify), closingMessage_(closingMessage) {}
    ComEchoLink(const ComEchoLink&) = delete;
    ComEchoLink& operator=(const ComEchoLink&) = delete;
    ~ComEchoLink() override { release(); }

    void attach() override;
    bool attached() const override { return applicationInTable_ != 0; }
    void sendChat(const std::wstring& text) override;
    void release() override;

private:
    struct Call;
    // What attaching found, as the global interface table's cookies.
    struct Found {
        DWORD application = 0;
        DWORD events = 0;
        DWORD adviseCookie = 0;
    };
    // Runs the call on its own thread; RPC_E_CALL_CANCELED when the wait for it
    // ended first. What it found is copied out only when it answered.
    HRESULT callAside(Call* call, Found* found = nullptr);

    CallBound& bound_;
    // Set once EchoLink let a call run out: it may never answer again.
    bool unresponsive_ = false;
    HWND notify_;
    UINT closingMessage_;
    // Where the calls' threads find EchoLink's application interface (only its
    // chat entry is called) and its events' connection point.
    Microsoft::WRL::ComPtr<IGlobalInterfaceTable> table_;
    DWORD applicationInTable_ = 0;
    DWORD eventsInTable_ = 0;
    DWORD adviseCookie_ = 0;
};

}  // namespace rokan
