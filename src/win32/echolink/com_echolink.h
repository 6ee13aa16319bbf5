#pragma once
#include <windows.h>
#include <objidl.h>
#include <wrl/client.h>

#include "echolink_wait.h"
#include "closing_sink.h"
#include "echolink_port.h"
#include "echolink_thread.h"

namespace rokan {

// EchoLink reached through COM. Every call runs on EchoLink's own thread, one
// at a time, and the window waits for it within its bound, so an EchoLink
// that never answers holds up nothing but that thread. Closing is heard on
// the UI thread and announced by sending closingMessage to the window given;
// what Rokan sends while it handles that message goes from the UI thread
// inside EchoLink's own call, the one call EchoLink takes while it is in its
// own, so the owed unmute reaches EchoLink while it still takes lines, within
// a bound of its own; Rokan ends after EchoLink's call has returned.
class ComEchoLink final : public EchoLinkPort, private echolink::ClosingListener {
public:
    ComEchoLink(EchoLinkWait& wait, HWND notify, UINT closingMessage)
        : wait_(wait), notify_(notify), closingMessage_(closingMessage) {}
    ComEchoLink(const ComEchoLink&) = delete;
    ComEchoLink& operator=(const ComEchoLink&) = delete;
    ~ComEchoLink() override;

    void attach() override;
    bool attached() const override { return attached_; }
    void sendChat(const std::wstring& text) override;
    void release() override;

private:
    void echoLinkClosing() override;
    // The call's result once EchoLink has answered. Throws Failure when
    // EchoLink's thread takes no call, Unanswered when the wait ended without
    // the answer: the call is still outstanding, and EchoLink may yet carry
    // it out.
    HRESULT callAside(const std::shared_ptr<EchoLinkCall>& call, EchoLinkWait::Kind kind);
    void sendInsideClosing(const std::wstring& text);

    EchoLinkWait& wait_;
    HWND notify_;
    UINT closingMessage_;
    EchoLinkThread thread_;
    Microsoft::WRL::ComPtr<echolink::ClosingSink> sink_;
    bool attached_ = false;
    bool insideClosing_ = false;
    // EchoLink's object marshaled for this thread, taken only inside Closing.
    Microsoft::WRL::ComPtr<IStream> applicationForUiThread_;
    Microsoft::WRL::ComPtr<IUnknown> applicationOnUiThread_;
};

}  // namespace rokan
