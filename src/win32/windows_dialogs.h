#pragma once
#include <windows.h>

#include "dialogs.h"
#include "ending.h"
#include "main_view.h"

namespace rokan {

// Message boxes and the About box, modal over the main window. One message
// box at a time: a failure while one is open is not shown (a failing timed
// unmute is tried again at the next tick, and shown then if it still fails).
// None at all once Rokan ends quietly (see Ending). Each failure's cause
// goes to the debugger's output all the same, where DebugView shows it.
class WindowsDialogs final : public Dialogs {
public:
    WindowsDialogs(HINSTANCE instance, const Ending& ending) : instance_(instance), ending_(ending) {}
    void setMainWindow(HWND window, MainView& view) {
        owner_ = window;
        mainView_ = &view;
    }

    void message(const std::wstring& text, const std::wstring& caption) override;
    void debugLine(const std::wstring& line) override;
    void showAbout() override;

private:
    HINSTANCE instance_;
    const Ending& ending_;
    bool messageOpen_ = false;
    HWND owner_ = nullptr;
    MainView* mainView_ = nullptr;
};

}  // namespace rokan
