#include "driver/message_box.h"

#include "driver/input.h"
#include "driver/window.h"

namespace rokan::e2e {

namespace {
constexpr int kMessageTextId = 0xFFFF;
}

HWND find_dialog(DWORD pid, const std::optional<std::wstring>& caption) {
    return find_top_level(pid, WindowQuery{kDialogClass, caption, true});
}

HWND wait_dialog(DWORD pid, const std::optional<std::wstring>& caption, std::chrono::milliseconds timeout) {
    return wait_top_level(pid, WindowQuery{kDialogClass, caption, true}, timeout);
}

MessageBoxContent read_message_box(HWND box) {
    MessageBoxContent out;
    out.caption = text(box);
    if (HWND label = GetDlgItem(box, kMessageTextId)) out.text = text(label);
    return out;
}

void press_dialog_button(HWND dialog, int id) {
    post_command(dialog, id, BN_CLICKED, GetDlgItem(dialog, id));
}

}  // namespace rokan::e2e
