#pragma once
// Window identities of the main window, also used by the end-to-end tests.
#include "main_layout.h"

namespace rokan {

inline constexpr wchar_t kMainWindowClass[] = L"RokanMain";
inline constexpr int kFirstControlId = 100;
inline constexpr int kMenuAboutId = 200;
inline constexpr unsigned kTimer1Id = 1;

inline constexpr int controlId(Control control) {
    return kFirstControlId + static_cast<int>(control);
}

}  // namespace rokan
