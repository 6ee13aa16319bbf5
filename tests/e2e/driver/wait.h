#pragma once
// Polling instead of sleeping: a test waits for what it needs to see, and only
// as long as it takes.

#include <chrono>
#include <functional>

namespace rokan::e2e {

// ROKAN_E2E_TIMEOUT_MS overrides the default (10 s) for slow machines.
std::chrono::milliseconds defaultTimeout();

// Calls pred until it returns true (then true) or the timeout passes (then
// false). pred is always tried at least once, and once more at the deadline.
bool waitUntil(const std::function<bool()>& pred, std::chrono::milliseconds timeout = defaultTimeout(),
               std::chrono::milliseconds poll = std::chrono::milliseconds(20));

}  // namespace rokan::e2e
