#pragma once

// Every text Rokan shows in a message box, each the one of the procedure that
// fails. The release check holds the user's guide to this list: every literal
// here must be explained in Readme.txt.
namespace rokan {

// Start-up and shutdown.
inline constexpr wchar_t kAlreadyRunning[] = L"already Running EchoLink Program";
inline constexpr wchar_t kLaunchFailed[] = L"Launch EchoLink Faild!!";
inline constexpr wchar_t kLaunchFailedCaption[] = L"missing!!";
inline constexpr wchar_t kNotInstalled[] = L"EchoLink not Installed!";
inline constexpr wchar_t kFormUnloadError[] = L"Form_Unload Error";
inline constexpr wchar_t kEchoClosingError[] = L"Echo_Closing Error";
inline constexpr wchar_t kProgEndingError[] = L"ProgEnding Error";

// Command templates and the chat line.
inline constexpr wchar_t kCmdMuteError[] = L"cmd mute Error";
inline constexpr wchar_t kCmdAdminError[] = L"cmd admin Error";
inline constexpr wchar_t kCmdHelpError[] = L"cmd help Error";
inline constexpr wchar_t kCmdConnectError[] = L"cmd connect Error";
inline constexpr wchar_t kCmdDisconnectError[] = L"cmd disconnect Error";
inline constexpr wchar_t kCmdStatError[] = L"cmd stat Error";
inline constexpr wchar_t kCmdSysopError[] = L"cmd sysop Error";
inline constexpr wchar_t kCmdUsersError[] = L"cmd users Error";
inline constexpr wchar_t kCmdVersionError[] = L"cmd version Error";
inline constexpr wchar_t kCmdError[] = L"cmd Error";
inline constexpr wchar_t kSendClickError[] = L"B_Send_Click Error";
inline constexpr wchar_t kInputKeyPressError[] = L"sInput_KeyPress Error";
inline constexpr wchar_t kSendChatMsgError[] = L"SendChatMsg Error";

// The timed mute and its panel.
inline constexpr wchar_t kAutoMuteError[] = L"btnAutoMute Error";
inline constexpr wchar_t kCallKeyPressError[] = L"sCall_KeyPress Error";
inline constexpr wchar_t kMuteOffError[] = L"btnMuteOff_Click Error";
inline constexpr wchar_t kNoiseRejectError[] = L"NoiseReject Error";
inline constexpr wchar_t kSendMuteError[] = L"SendMute Error";
inline constexpr wchar_t kTimerError[] = L"Timer1_Timer Error";
inline constexpr wchar_t kSendUnMuteError[] = L"SendUnMute Error";
inline constexpr wchar_t kMuteWindowError[] = L"mute_window Error";
inline constexpr wchar_t kMuteDisableError[] = L"mute_disable Error";

// Geometry and the settings file.
inline constexpr wchar_t kFormResizeError[] = L"Form_Resize Error";
inline constexpr wchar_t kGetRokanpathError[] = L"Module1.getRokanpath Error";
inline constexpr wchar_t kIniWriteError[] = L"Module1.iniWrite Error";
inline constexpr wchar_t kIniDefWriteError[] = L"Module1.iniDefWrite Error";

// The About box.
inline constexpr wchar_t kAboutMenuError[] = L"mnuAbout Error";
inline constexpr wchar_t kAboutLoadError[] = L"frmAbout.Form_Load Error";
inline constexpr wchar_t kAboutOkError[] = L"frmAbout.cmdOK_Click Error";

}  // namespace rokan
