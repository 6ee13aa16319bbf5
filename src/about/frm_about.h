#pragma once
#include "about/about_view.h"
#include "app/dialogs.h"
#include "app/main_view.h"

namespace rokan {

inline constexpr wchar_t kDescription[] = L"Sysop's helper for EchoLink";
inline constexpr wchar_t kCopyright[] = L"Copyright (C) 2026 the Rokan developers";

// The About box's procedures. Each opening is a new box: its load sets
// position and texts afresh.
class frmAbout {
public:
    frmAbout(AboutView& view, MainView& mainWindow, Dialogs& dialogs)
        : view_(view), mainWindow_(mainWindow), dialogs_(dialogs) {}

    void Form_Load();
    void cmdOK_Click();

private:
    AboutView& view_;
    MainView& mainWindow_;
    Dialogs& dialogs_;
};

}  // namespace rokan
