#pragma once
#include "about_view.h"
#include "dialogs.h"
#include "main_view.h"

namespace rokan {

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
