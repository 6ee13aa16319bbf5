#pragma once
#include <windows.h>

#include "clock.h"

namespace rokan {

class WindowsClock final : public Clock {
public:
    std::int64_t nowUtc() override {
        FILETIME now{};
        GetSystemTimeAsFileTime(&now);
        const ULARGE_INTEGER ticks{{now.dwLowDateTime, now.dwHighDateTime}};
        // 100-nanosecond ticks since 1601 to seconds since 1970.
        return static_cast<std::int64_t>(ticks.QuadPart / 10000000) - 11644473600;
    }
};

}  // namespace rokan
