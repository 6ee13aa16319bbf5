#pragma once
#include <utility>

namespace rokan {

// Runs a handler called by Windows. Every procedure reports its own failures,
// so what still escapes is dropped here: nothing may unwind into Windows.
template <class Handler, class Result>
Result atCallbackBoundary(Handler&& handler, Result onFailure) {
    try {
        return std::forward<Handler>(handler)();
    } catch (...) {
        return onFailure;
    }
}

template <class Handler>
void atCallbackBoundary(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
    }
}

}  // namespace rokan
