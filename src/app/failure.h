#pragma once
#include <cstdint>

namespace rokan {

// A run-time error of a procedure. Carries the HRESULT where Windows gave one.
struct Failure {
    std::int32_t code = -2147467259;  // E_FAIL
};

}  // namespace rokan
