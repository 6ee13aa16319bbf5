#pragma once
#include <windows.h>

#include "call_bound.h"
#include "dialogs.h"
#include "main_view.h"

namespace rokan {

// Message boxes and the About box, modal over the main window. One message
// box at a time: a failure while one is open is not shown (a failing timed
// unmute is tried again at the next tick, and shown then if it still fails).
class WindowsDialogs final : public Dialogs {
public:
    WindowsDialogs(HINSTANCE instance, const CallBound& bound) : instance_(instance), bound_(bound) {}
    void setMainWindow(HWND window, MainView& view) {
        owner_ = window;
        mainView_ = &view;
    }

    void message(const std::wstring& text, const std::wstring& caption) override;
    void showAbout() override;

private:
    HINSTANCE instance_;
    const CallBound& bound_;
    bool messageOpen_ = false;
    HWND owner_ = nullptr;
    MainView* mainView_ = nullptr;
};

}  // namespace rokan
