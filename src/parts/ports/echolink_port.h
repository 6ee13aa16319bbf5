#pragma once
#include <string>

namespace rokan {

// The four operations Rokan uses of EchoLink's automation server. EchoLink's
// Closing notification reaches the main window through the shell, on the UI
// thread, as frmMain::Echo_Closing.
//
// Each call has one of four outcomes. Answered: it returns, or throws
// Failure when EchoLink reported a failure. Refused: another call is still
// outstanding (one EchoLink has not answered, or one whose wait still runs);
// it throws Failure, or Unanswered where the line had already gone to
// EchoLink's thread.
// Unanswered: EchoLink did not answer within the call's bound; it throws
// Unanswered, and EchoLink may still carry the call out later. Ending: Rokan
// began to end while it waited; the call is given up, as an unanswered one.
// The failure's cause tells these apart for whoever debugs.
class EchoLinkPort {
public:
    virtual ~EchoLinkPort() = default;
    // Creates EchoLink's application object. Throws Failure when creation
    // fails; may return without an object (attached() stays false).
    virtual void attach() = 0;
    virtual bool attached() const = 0;
    // Passes the text unchanged to EchoLink's chat. Throws Failure when there
    // is no object, EchoLink reports a failure or another call is still
    // outstanding; Unanswered when EchoLink did not answer in time, so that
    // the line may still reach it later.
    virtual void sendChat(const std::wstring& text) = 0;
    // Drops the object; without one, does nothing.
    virtual void release() = 0;
};

}  // namespace rokan
