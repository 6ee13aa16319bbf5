#include "driver/wait.h"

#include <windows.h>

#include <cstdlib>
#include <thread>

namespace rokan::e2e {

std::chrono::milliseconds defaultTimeout() {
    static const std::chrono::milliseconds value = [] {
        if (const char* s = std::getenv("ROKAN_E2E_TIMEOUT_MS")) {
            const long ms = std::strtol(s, nullptr, 10);
            if (ms > 0) return std::chrono::milliseconds(ms);
        }
        return std::chrono::milliseconds(10000);
    }();
    return value;
}

bool waitUntil(const std::function<bool()>& pred, std::chrono::milliseconds timeout, std::chrono::milliseconds poll) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (pred()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return pred();
        // Windows created by this thread (none, usually) still get their messages.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        std::this_thread::sleep_for(poll);
    }
}

}  // namespace rokan::e2e
