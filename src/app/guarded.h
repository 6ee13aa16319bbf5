#pragma once
#include <string>
#include <utility>

#include "app/dialogs.h"
#include "app/process.h"

namespace rokan {

// Runs one procedure's body. Any run-time error ends the body, shows that
// procedure's one message with the application title, and the caller carries
// on. Returns whether the body ran to its end.
template <class Body>
bool guarded(Dialogs& dialogs, const wchar_t* message, Body&& body) {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const ProcessEnded&) {
        throw;
    } catch (...) {
        dialogs.message(message, kAppTitle);
        return false;
    }
}

}  // namespace rokan
