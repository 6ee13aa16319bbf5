#pragma once
#include <cstdint>
#include <string>

#include "dialogs.h"
#include "echolink_port.h"
#include "main_view.h"
#include "settings_file.h"
#include "mute_record_file.h"
#include "process.h"

namespace rokan {

inline constexpr int kEnterKey = 13;

// The main window's procedures and the state it owns. The shell calls the
// event procedures; everything reaches the world through the ports.
class frmMain {
public:
    frmMain(MainView& view, EchoLinkPort& echo, Dialogs& dialogs, Process& process, Module1& settings,
            MuteRecordFile& muteRecord);

    // Start-up and shutdown. How Rokan ends, in the order it runs:
    //  - the window's close (the close box, Alt+F4, a log-off), and a second
    //    copy after its message: unloadOnce -> Form_Unload -> finish ->
    //    ProgEnding -> unloadOnce (already unloading: nothing) -> the end of
    //    the process;
    //  - EchoLink's Closing (whileEchoLinkCloses inside EchoLink's call, then
    //    the rest once it has returned), and a start that failed:
    //    Echo_Closing -> finish -> ProgEnding -> unloadOnce -> Form_Unload ->
    //    finish -> ProgEnding again (the same rectangle written once more,
    //    Echo found empty) -> unloadOnce (nothing) -> the end of the process.
    // The window is destroyed only where the process could not be ended.
    void Form_Load();
    void Form_Unload();
    void Echo_Closing();
    // Inside EchoLink's Closing call; Echo_Closing follows once it has returned.
    void whileEchoLinkCloses();
    // The window system's unload: raises Form_Unload, then destroys the
    // window; asked again while the window is unloading, does nothing.
    void unloadOnce();
    // The window size policy: fixed width, a band of heights, the panel only when tall.
    void Form_Resize();

    // A click on any button of the window: its own procedure, or the
    // template table's line; a control that is neither does nothing.
    void buttonClick(Control button);

    // Command templates and the chat line. Key handlers set key to 0 to swallow it.
    void templateButton_Click(Control button);
    void B_Send_Click();
    void sInput_KeyPress(int& key);

    // The timed mute.
    void btnAutoMute_Click();
    void sCall_KeyPress(int& key);
    void btnMuteOff_Click();
    void Timer1_Timer();

    void mnuAbout_Click();

private:
    // Form_Load's steps; a run-time error in any of them is the failed start.
    void startUp();
    void ProgEnding();
    // What both Form_Unload and Echo_Closing do: ProgEnding, the unload, the end.
    void finish();
    void unmuteBeforeEnding();
    void sendOwedUnmute();

    void cmd(const std::wstring& commandTemplate);
    void SendChatMsg();

    void NoiseReject();
    void SendMute();
    void SendUnMute();
    void resumeTimedMute();

    void mute_window();
    void mute_disable();

    MainView& view_;
    EchoLinkPort& Echo_;
    Dialogs& dialogs_;
    Process& process_;
    Module1& settings_;
    MuteRecordFile& muteRecord_;

    std::wstring versionTitle_;
    bool unloading_ = false;  // unloadOnce has begun
    bool muted_ = false;
    std::int16_t remainingMinutes_ = 0;
    std::int16_t initialMinutes_ = 0;
};

}  // namespace rokan
