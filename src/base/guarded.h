#pragma once
#include <string>
#include <utility>

#include "failure.h"

namespace rokan {

inline constexpr wchar_t kAppTitle[] = L"Rokan";

// "Rokan: SendChatMsg Error: SendChat 0x80010108": the message, and where
// its failure came from, with its code as the Windows documentation lists
// codes, if it has one.
std::wstring causeLine(const wchar_t* message, const Cause& cause);

// Inside a catch: the cause of the exception being handled, if it is a Failure.
Cause causeOfCurrentException();

// Where a procedure's failure message goes: a modal box with the OK button
// only, and a line on its cause for whoever debugs (DebugView on Windows).
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void message(const std::wstring& text, const std::wstring& caption) = 0;
    // Written whether or not a box may open; there is no log file.
    virtual void debugLine(const std::wstring& line) = 0;

    // The cause's line, then the box.
    void failed(const wchar_t* text, const Cause& cause, const wchar_t* caption = kAppTitle);
};

// Runs the body; any run-time error ends it and runs onFailure with its
// cause instead. Ending the process is no error: it passes through.
template <class Body, class OnFailure>
void runOrElse(Body&& body, OnFailure&& onFailure) {
    try {
        std::forward<Body>(body)();
    } catch (const ProcessEnded&) {
        throw;
    } catch (...) {
        std::forward<OnFailure>(onFailure)(causeOfCurrentException());
    }
}

// Runs one procedure's body. Any run-time error ends the body, shows that
// procedure's one message with the application title, and the caller carries on.
template <class Body>
void guarded(MessageBoxes& boxes, const wchar_t* message, Body&& body) {
    runOrElse(std::forward<Body>(body), [&](const Cause& cause) { boxes.failed(message, cause); });
}

}  // namespace rokan
