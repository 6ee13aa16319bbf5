#pragma once
#include <windows.h>

namespace rokan {

// Whether the user has turned high contrast on: then what Rokan draws in
// colours of its own takes the system's colours instead.
bool highContrastOn();

}  // namespace rokan
