#pragma once
#include <windows.h>

#include "app/failure.h"

namespace rokan {

// The thread's last Windows error as the program's run-time error.
[[noreturn]] inline void throwLastError() {
    throw Failure{static_cast<std::int32_t>(HRESULT_FROM_WIN32(GetLastError()))};
}

}  // namespace rokan
