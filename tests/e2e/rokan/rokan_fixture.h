#pragma once
// Rokan as a user meets it: its own folder, the EchoLink stand-in registered
// in the test prefix, and the driver to act on its windows.
#include <gtest/gtest.h>

#include <fstream>

#include "command_templates.h"
#include "control_ids.h"
#include "driver/driver.h"
#include "driver/standin.h"
#include "standin_commands.h"
#include "version.h"

namespace rokan::e2e {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
inline const bool kUnderWine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
inline const std::optional<DWORD> kExitedCleanly{0};
inline const std::wstring kVersionCaption = L"Rokan Ver." + std::wstring(kVersionNumbers) + L" ";
inline constexpr wchar_t kAboutCaption[] = L"Rokan Version Info.";

int pixels(double twips);                                // at the prefix's DPI
std::string bytesOf(const std::filesystem::path& file);  // or "<missing>"

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
    // Noise cancel for N0CALL from the full window, for the minutes shown unless others are given.
    void startNoiseCancel(const wchar_t* minutes = nullptr);

    // The stand-in started by hand, with flags; COM starts it otherwise.
    void startStandin(const std::wstring& flags);
    static void registerStandin(bool registered) { EXPECT_TRUE(standin::setRegistered(registered)); }
    // Ends every stand-in, however started: closed, so that each withdraws its
    // class object, and killed only if it will not go.
    static void endStandins();
    void standinCommand(int command, LPARAM argument = 0) { EXPECT_TRUE(standin::command(command, argument)); }
    // What EchoLink accepted: a line each (escaping backslash, CR and LF; no line here holds one).
    std::wstring chatLog() const { return standin::chatLog(); }
    // How the stand-in's Closing calls returned: a line each.
    std::string closingLog() const { return standin::closingLog(); }
    void expectChatLog(const std::wstring& log) {
        waitUntil([&] { return chatLog() == log; });
        EXPECT_EQ(chatLog(), log);
    }

    // Rokan's message box, the only one shown: its caption and text; presses OK.
    MessageBoxContent answerMessageBox();
    int boxesOpen() const;  // Rokan's message boxes on screen

    std::string iniFile() const { return bytesOf(folder / "rokan.ini"); }
    void writeIni(const std::string& line) const { std::ofstream(folder / "rokan.ini", std::ios::binary) << line; }

    std::filesystem::path folder;
    std::optional<Process> rokan, standin;
    HWND main = nullptr;
};

}  // namespace rokan::e2e
