#pragma once
#include <cstdint>

namespace rokan {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since 1970-01-01 00:00:00 UTC.
    virtual std::int64_t nowUtc() = 0;
};

}  // namespace rokan
