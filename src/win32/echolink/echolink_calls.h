#pragma once
#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <string>

#include "closing_sink.h"
#include "echolink_thread.h"

// The three calls Rokan makes of EchoLink, each run on EchoLink's thread.
namespace rokan::echolink {

// Creates EchoLink's application object, connects the sink to its events,
// and marshals the object for the UI thread, which calls it only inside
// EchoLink's Closing. Creation without an object succeeds with nothing found.
class AttachCall final : public EchoLinkCall {
public:
    // `sinkForThread`: the sink marshaled from the UI thread.
    AttachCall(ClosingSink& sink, Microsoft::WRL::ComPtr<IStream> sinkForThread)
        : sink_(&sink), sinkForThread_(std::move(sinkForThread)) {}
    bool found() const { return found_; }
    Microsoft::WRL::ComPtr<IStream> applicationForUiThread() const { return applicationForUiThread_; }

private:
    HRESULT run(EchoLinkObjects& objects) override;
    void listenForClosing(EchoLinkObjects& objects, IDispatch* sinkHere);

    Microsoft::WRL::ComPtr<ClosingSink> sink_;
    Microsoft::WRL::ComPtr<IStream> sinkForThread_;
    bool found_ = false;
    Microsoft::WRL::ComPtr<IStream> applicationForUiThread_;
};

// A chat line as EchoLink takes it: a BSTR, which may hold any character.
// Throws Failure when there is no memory for it.
class ChatLine {
public:
    explicit ChatLine(const std::wstring& text);
    ~ChatLine() { SysFreeString(text_); }
    ChatLine(const ChatLine&) = delete;
    ChatLine& operator=(const ChatLine&) = delete;
    BSTR get() const { return text_; }

private:
    BSTR text_;
};

class SendCall final : public EchoLinkCall {
public:
    explicit SendCall(const std::wstring& text) : line_(text) {}

private:
    HRESULT run(EchoLinkObjects& objects) override;

    ChatLine line_;
};

// Disconnects the sink and lets go of EchoLink, and of the marshaled object
// the UI thread never took; then EchoLink's thread ends.
class ReleaseCall final : public EchoLinkCall {
public:
    explicit ReleaseCall(Microsoft::WRL::ComPtr<IStream> applicationForUiThread)
        : applicationForUiThread_(std::move(applicationForUiThread)) {}
    bool endsThread() const override { return true; }

private:
    HRESULT run(EchoLinkObjects& objects) override;

    Microsoft::WRL::ComPtr<IStream> applicationForUiThread_;
};

// The chat entry of the application object.
HRESULT sendChat(IUnknown* application, BSTR text);

}  // namespace rokan::echolink
