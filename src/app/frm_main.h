#pragma once
#include <string>

#include "app/dialogs.h"
#include "app/main_view.h"
#include "app/process.h"
#include "echolink/echolink_port.h"
#include "settings/module1.h"

namespace rokan {

// The main window's procedures and the state it owns. The shell calls the
// event procedures; everything reaches the world through the ports.
class frmMain {
public:
    frmMain(MainView& view, EchoLinkPort& echo, Dialogs& dialogs, Process& process, Module1& settings);

    // Start-up and shutdown.
    void Form_Load();
    void Form_Unload();
    void Echo_Closing();
    // The window system's unload: raises Form_Unload once; asking again while
    // the window is unloading does nothing.
    void unload();

    const std::wstring& versionTitle() const { return versionTitle_; }
    bool muted() const { return muted_; }

private:
    void ProgEnding();
    void endProgram();

    MainView& view_;
    EchoLinkPort& Echo_;
    Dialogs& dialogs_;
    Process& process_;
    Module1& settings_;

    std::wstring versionTitle_;
    bool muted_ = false;
    bool unloading_ = false;
};

}  // namespace rokan
