#include <string>

#include "main_form.h"
#include "guarded.h"
#include "messages.h"
#include "version.h"

namespace rokan {

frmMain::frmMain(MainView& view, EchoLinkPort& echo, Dialogs& dialogs, Process& process, Module1& settings,
                 MuteRecordFile& muteRecord)
    : view_(view), Echo_(echo), dialogs_(dialogs), process_(process), settings_(settings), muteRecord_(muteRecord) {}

void frmMain::Form_Load() {
    runOrElse([&] { startUp(); },
              [&](const Cause& cause) {
                  dialogs_.failed(kNotInstalled, cause);
                  Echo_Closing();
              });
}

void frmMain::startUp() {
    view_.setVisible(Control::btnMuteOff, false);
    muted_ = false;

    if (process_.previousInstance()) {
        dialogs_.message(kAlreadyRunning, kAppTitle);
        Echo_.release();
        unloadOnce();
        process_.end();
    }

    Echo_.attach();
    if (!Echo_.attached()) {
        dialogs_.message(kLaunchFailed, kLaunchFailedCaption);
        return;
    }

    bool settingsUsedAsStored = false;
    settings_.iniRead(settingsUsedAsStored);

    versionTitle_ = std::wstring(kAppTitle) + L" Ver." + kVersionNumbers + L" ";
    view_.setCaption(versionTitle_);
    resumeTimedMute();
}

void frmMain::Form_Unload() {
    guarded(dialogs_, kFormUnloadError, [&] { finish(); });
}

void frmMain::Echo_Closing() {
    guarded(dialogs_, kEchoClosingError, [&] { finish(); });
}

void frmMain::finish() {
    ProgEnding();
    unloadOnce();
    process_.end();
}

void frmMain::unloadOnce() {
    if (unloading_) return;
    unloading_ = true;
    Form_Unload();
    view_.destroy();
}

// The window's place goes to disk before anything that may wait on EchoLink.
void frmMain::ProgEnding() {
    guarded(dialogs_, kProgEndingError, [&] {
        // A run that never read the file must not replace the user's rectangle with its own.
        if (settings_.readerHasRun()) settings_.iniWrite();
        unmuteBeforeEnding();
        Echo_.release();
    });
}

// EchoLink waits on this, taking nothing but calls nested in it, and looks
// hung to the user meanwhile: only the owed unmute, with the window's place
// on disk first so that however EchoLink answers nothing is lost, and no box.
// An unmute that fails here is not tried again: it stays in rokan.mute for
// the next start. The ending with its boxes follows once EchoLink's call has
// returned (Echo_Closing).
void frmMain::whileEchoLinkCloses() {
    if (settings_.readerHasRun()) settings_.iniWriteQuietly();
    runOrElse([&] { sendOwedUnmute(); }, [](const Cause&) {});
}

}  // namespace rokan
