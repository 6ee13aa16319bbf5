#include "windows_dialogs.h"

#include "about_dialog.h"

namespace rokan {

// An operator who closed Rokan while EchoLink did not answer is leaving: no
// box may hold the end up.
void WindowsDialogs::message(const std::wstring& text, const std::wstring& caption) {
    if (messageOpen_ || bound_.abandoned()) return;
    messageOpen_ = true;
    MessageBoxW(owner_, text.c_str(), caption.c_str(), MB_OK);
    messageOpen_ = false;
}

void WindowsDialogs::showAbout() {
    runAboutDialog(instance_, owner_, *mainView_, *this);
}

}  // namespace rokan
