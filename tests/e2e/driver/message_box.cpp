#include "driver/message_box.h"

#include "driver/input.h"
#include "driver/window.h"

namespace rokan::e2e {

namespace {
constexpr int kMessageTextId = 0xFFFF;
}

HWND findDialog(DWORD pid, const std::optional<std::wstring>& caption) {
    return findTopLevel(pid, WindowQuery{kDialogClass, caption, true});
}

HWND waitDialog(DWORD pid, const std::optional<std::wstring>& caption, std::chrono::milliseconds timeout) {
    return waitTopLevel(pid, WindowQuery{kDialogClass, caption, true}, timeout);
}

MessageBoxContent readMessageBox(HWND box) {
    MessageBoxContent out;
    out.caption = text(box);
    if (HWND label = GetDlgItem(box, kMessageTextId)) out.text = text(label);
    return out;
}

void pressDialogButton(HWND dialog, int id) {
    postCommand(dialog, id, BN_CLICKED, GetDlgItem(dialog, id));
}

}  // namespace rokan::e2e
