#include "windows_dialogs.h"

#include "about_dialog.h"

namespace rokan {

void WindowsDialogs::message(const std::wstring& text, const std::wstring& caption) {
    MessageBoxW(owner_, text.c_str(), caption.c_str(), MB_OK);
}

void WindowsDialogs::showAbout() {
    runAboutDialog(instance_, owner_, *mainView_, *this);
}

}  // namespace rokan
