#pragma once
// Rokan as a user meets it: its own folder, the EchoLink stand-in registered
// in the test prefix, and the driver to act on its windows.
#include <gtest/gtest.h>

#include <fstream>

#include "control_ids.h"
#include "driver/driver.h"
#include "standin_commands.h"

namespace rokan::e2e {

// The main window as designed, in twips, in tab order; the last two take no
// focus. `prepares`: what a template button puts in the chat line.
struct Designed {
    Control id;
    const wchar_t* caption;
    int left, top, width, height;
    const wchar_t* prepares = nullptr;
};
inline constexpr Designed kDesign[] = {
    {Control::sInput, L"", 60, 960, 3675, 300},
    {Control::B_Send, L"Send", 3720, 960, 615, 300},
    {Control::btnConnect, L".connect", 60, 60, 1395, 255, L".connect "},
    {Control::btnDisconnect, L".disconnect", 60, 360, 1395, 255, L".disconnect "},
    {Control::btmMute, L".mute", 1500, 60, 1395, 255, L".mute "},
    {Control::btnAdmins, L".admins", 60, 660, 1395, 255, L".admins "},
    {Control::btnUsers, L".users", 2940, 360, 1395, 255, L".users "},
    {Control::btnStatus, L".stat", 1500, 660, 1395, 255, L".stat"},
    {Control::btnSysop, L".sysop", 2940, 60, 1395, 255, L".sysop "},
    {Control::btnUnMute, L".unmute", 1500, 360, 1395, 255, L".unmute "},
    {Control::btmLurkd, L".lurk disable", 2940, 660, 1395, 255, L".lurk disable"},
    {Control::sCall, L"", 60, 1320, 1515, 360},
    {Control::btnAutoMute, L"noise cancel", 2640, 1320, 1695, 375},
    {Control::gMin, L"10", 1680, 1320, 375, 375},
    {Control::Label1, L"min", 2160, 1440, 375, 255},
    {Control::btnMuteOff, L"Mute Off", 2640, 1320, 1695, 375},
};
// The window's Height as the program sees it is the client area plus 810 twips:
// 2130 is the compact window (rows 1 to 4), 2560 the full one with the panel.
inline constexpr int kFrameHeight = 810, kCompactHeight = 2130, kFullHeight = 2560, kClientWidth = 4410;
inline constexpr wchar_t kVersionCaption[] = L"Rokan Ver.0.1.1 ";
inline constexpr wchar_t kAboutCaption[] = L"Rokan Version Info.";

int pixels(int twips);  // at the prefix's DPI
SIZE clientSize(HWND window);

class RokanTest : public ::testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    // Starts rokan.exe from the test's folder; startRokan also waits for its main window.
    void launchRokan() { rokan.emplace(Process::start(quoteArg((folder / "rokan.exe").wstring()), folder)); }
    HWND waitMainWindow() { return main = waitTopLevel(rokan->pid(), {kMainWindowClass, std::nullopt}); }
    HWND startRokan() {
        launchRokan();
        return waitMainWindow();
    }
    HWND control(Control id) const { return childById(main, controlId(id)); }
    // Sized taller than the band allows: the window settles at the full height.
    void makeFull();
    HWND openAbout() {
        postMenuCommand(main, kMenuAboutId);
        return waitDialog(rokan->pid(), kAboutCaption);
    }
    // Sends the line with the Send button; the message box that follows, if any.
    HWND sendAndWaitBox(const std::wstring& line);

    // The stand-in started by hand, with flags; COM starts it otherwise.
    void startStandin(const std::wstring& flags);
    static void registerStandin(bool registered);
    // Ends every stand-in, however started: closed, so that each withdraws its
    // class object, and killed only if it will not go.
    static void endStandins();
    void standinCommand(int command);
    // What EchoLink accepted: a line each (escaping backslash, CR and LF; no line here holds one).
    std::wstring chatLog() const;
    void expectChatLog(const std::wstring& log) {
        waitUntil([&] { return chatLog() == log; });
        EXPECT_EQ(chatLog(), log);
    }

    // Rokan's message box, the only one shown: its caption and text; presses OK.
    MessageBoxContent answerMessageBox();
    int boxesOpen() const;  // Rokan's message boxes on screen

    // Makes the test's folder refuse new files, as a folder the user may not
    // write, until the test ends; skips the test where that cannot be done.
    void lockFolder();
    std::string iniFile() const;  // its bytes, or "<missing>"
    void writeIni(const std::string& line) const { std::ofstream(folder / "rokan.ini", std::ios::binary) << line; }

    std::filesystem::path folder;
    bool folderLocked = false;
    std::optional<Process> rokan, standin;
    HWND main = nullptr;
};

}  // namespace rokan::e2e
