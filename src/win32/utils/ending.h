#pragma once

namespace rokan {

// Whether Rokan is ending, and how. Only the main window's close, a log-off
// and EchoLink's Closing start it; a box closed meanwhile is just a box. The
// calls' wait reads it for its bound, the message boxes for whether any may
// still open.
class Ending {
public:
    enum class Reason { closed, loggingOff, echoLinkClosing };

    // callPending: a call to EchoLink is being waited for; it is given up.
    void begin(Reason reason, bool callPending) {
        started_ = true;
        if (reason == Reason::loggingOff) loggingOff_ = true;
        if (callPending) callAbandoned_ = true;
    }
    bool started() const { return started_; }
    // No box may hold the end up: Windows is logging off, or the operator
    // left while EchoLink did not answer.
    bool quiet() const { return loggingOff_ || callAbandoned_; }

private:
    bool started_ = false;
    bool loggingOff_ = false;
    bool callAbandoned_ = false;
};

}  // namespace rokan
