#include "windows_dialogs.h"

#include "about_dialog.h"

namespace rokan {

void WindowsDialogs::message(const std::wstring& text, const std::wstring& caption) {
    if (messageOpen_ || ending_.quiet()) return;
    messageOpen_ = true;
    MessageBoxW(owner_, text.c_str(), caption.c_str(), MB_OK);
    messageOpen_ = false;
}

void WindowsDialogs::showAbout() {
    runAboutDialog(instance_, owner_, *mainView_, *this);
}

}  // namespace rokan
