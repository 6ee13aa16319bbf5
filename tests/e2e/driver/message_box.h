#pragma once
// Message boxes (and other standard dialogs, class #32770) a program shows.

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "driver/wait.h"

namespace rokan::e2e {

inline constexpr wchar_t kDialogClass[] = L"#32770";

// A visible dialog of the process (with this exact caption if given).
HWND findDialog(DWORD pid, const std::optional<std::wstring>& caption = std::nullopt);
HWND waitDialog(DWORD pid, const std::optional<std::wstring>& caption = std::nullopt,
                std::chrono::milliseconds timeout = defaultTimeout());

struct MessageBoxContent {
    std::wstring caption;
    std::wstring text;
};
// The caption and the message of a message box. The message is the static
// control with ID 0xFFFF, as Windows and Wine build it.
MessageBoxContent readMessageBox(HWND box);

// Presses a button of the dialog (IDOK, IDCANCEL, IDYES...) by posting its
// BN_CLICKED, so it works whatever the button's caption language.
void pressDialogButton(HWND dialog, int id);
inline void pressOk(HWND dialog) {
    pressDialogButton(dialog, IDOK);
}

}  // namespace rokan::e2e
