#pragma once
#include <string>
#include <utility>

#include "failure.h"

namespace rokan {

inline constexpr wchar_t kAppTitle[] = L"Rokan";

// "Rokan: SendChatMsg Error: SendChat 0x80010108": the message, and where
// its failure came from, with its code as the Windows documentation lists
// codes, if it has one.
inline std::wstring causeLine(const wchar_t* message, const Cause& cause) {
    std::wstring line = std::wstring(kAppTitle) + L": " + message + L": ";
    if (!cause.call) return line + L"cause unknown";
    line += cause.call;
    if (cause.code == 0) return line;
    line += L" 0x";
    for (int shift = 28; shift >= 0; shift -= 4) line += L"0123456789ABCDEF"[(cause.code >> shift) & 0xF];
    return line;
}

// Where a procedure's failure message goes: a modal box with the OK button
// only, and a line on its cause for whoever debugs (DebugView on Windows).
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void message(const std::wstring& text, const std::wstring& caption) = 0;
    // Written whether or not a box may open; there is no log file.
    virtual void debugLine(const std::wstring& line) = 0;

    void failed(const wchar_t* text, const Cause& cause, const wchar_t* caption = kAppTitle) {
        debugLine(causeLine(text, cause));
        message(text, caption);
    }
};

// Runs the body; any run-time error ends it and runs onFailure with its
// cause instead. Ending the process is no error: it passes through.
template <class Body, class OnFailure>
void runOrElse(Body&& body, OnFailure&& onFailure) {
    try {
        std::forward<Body>(body)();
    } catch (const ProcessEnded&) {
        throw;
    } catch (const Failure& failure) {
        std::forward<OnFailure>(onFailure)(failure.cause);
    } catch (...) {
        std::forward<OnFailure>(onFailure)(Cause{});
    }
}

// Runs one procedure's body. Any run-time error ends the body, shows that
// procedure's one message with the application title, and the caller carries on.
template <class Body>
void guarded(MessageBoxes& boxes, const wchar_t* message, Body&& body) {
    runOrElse(std::forward<Body>(body), [&](const Cause& cause) { boxes.failed(message, cause); });
}

}  // namespace rokan
