#include "windows_dialogs.h"

#include "about_dialog.h"

namespace rokan {

void WindowsDialogs::message(const std::wstring& text, const std::wstring& caption) {
    if (messageOpen_ || ending_.quiet()) return;
    messageOpen_ = true;
    // At start-up the main window is not shown yet: a box it owned would have
    // no taskbar button and, under Windows' foreground rules, could open
    // behind EchoLink, which attaching may just have started. Such a box
    // stands on its own and asks for the foreground.
    const bool ownerShown = owner_ && IsWindowVisible(owner_);
    MessageBoxW(ownerShown ? owner_ : nullptr, text.c_str(), caption.c_str(),
                ownerShown ? MB_OK : MB_OK | MB_SETFOREGROUND);
    messageOpen_ = false;
}

void WindowsDialogs::debugLine(const std::wstring& line) {
    OutputDebugStringW((line + L"\n").c_str());
}

void WindowsDialogs::showAbout() {
    runAboutDialog(instance_, owner_, *mainView_, *this);
}

}  // namespace rokan
