#pragma once
#include <string>
#include <utility>

#include "failure.h"

namespace rokan {

inline constexpr wchar_t kAppTitle[] = L"Rokan";

// Where a procedure's failure message goes: a modal box with the OK button only.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void message(const std::wstring& text, const std::wstring& caption) = 0;
};

// Runs the body; any run-time error ends it and runs onFailure instead.
// Ending the process is no error: it passes through.
template <class Body, class OnFailure>
void runOrElse(Body&& body, OnFailure&& onFailure) {
    try {
        std::forward<Body>(body)();
    } catch (const ProcessEnded&) {
        throw;
    } catch (...) {
        std::forward<OnFailure>(onFailure)();
    }
}

// Runs one procedure's body. Any run-time error ends the body, shows that
// procedure's one message with the application title, and the caller carries on.
template <class Body>
void guarded(MessageBoxes& boxes, const wchar_t* message, Body&& body) {
    runOrElse(std::forward<Body>(body), [&] { boxes.message(message, kAppTitle); });
}

}  // namespace rokan
