#pragma once
#include <windows.h>
#include <ocidl.h>

#include "echolink/echolink_automation.h"
#include "echolink/echolink_port.h"

namespace rokan {

// EchoLink reached through COM on the UI thread's apartment. Closing is
// announced by posting closingMessage to the window given.
class ComEchoLink final : public EchoLinkPort {
public:
    ComEchoLink(HWND notify, UINT closingMessage) : notify_(notify), closingMessage_(closingMessage) {}
    ComEchoLink(const ComEchoLink&) = delete;
    ComEchoLink& operator=(const ComEchoLink&) = delete;
    ~ComEchoLink() override { release(); }

    void attach() override;
    bool attached() const override { return application_ != nullptr; }
    void sendChat(const std::wstring& text) override;
    void release() override;

private:
    void listenForClosing();
    IUnknown* unknown() const { return reinterpret_cast<IUnknown*>(application_); }

    HWND notify_;
    UINT closingMessage_;
    echolink::Application* application_ = nullptr;
    IConnectionPoint* events_ = nullptr;
    DWORD adviseCookie_ = 0;
};

}  // namespace rokan
