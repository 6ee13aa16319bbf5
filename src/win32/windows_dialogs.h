#pragma once
#include <windows.h>

#include "dialogs.h"
#include "main_view.h"

namespace rokan {

// Message boxes and the About box, modal over the main window.
class WindowsDialogs final : public Dialogs {
public:
    explicit WindowsDialogs(HINSTANCE instance) : instance_(instance) {}
    void setMainWindow(HWND window, MainView& view) {
        owner_ = window;
        mainView_ = &view;
    }

    void message(const std::wstring& text, const std::wstring& caption) override;
    void showAbout() override;

private:
    HINSTANCE instance_;
    HWND owner_ = nullptr;
    MainView* mainView_ = nullptr;
};

}  // namespace rokan
