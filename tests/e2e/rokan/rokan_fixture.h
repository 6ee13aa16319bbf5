#pragma once
// Rokan as a user meets it: its own folder, the EchoLink stand-in registered
// in the test prefix, and the driver to act on its windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "control_ids.h"
#include "driver/driver.h"

namespace rokan::e2e {

// The stand-in beside the tests; its chat log lies beside it.
std::filesystem::path standinExe();

class RokanTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts rokan.exe from the test's folder; its main window is `main` once shown.
    Process& startRokan();
    // Waits for Rokan's visible main window.
    HWND waitMainWindow();
    HWND control(Control id) const { return childById(main, controlId(id)); }

    // The stand-in, started by hand (with flags) or as COM started it.
    Process startStandin(const std::wstring& flags);
    HWND standinWindow();
    void standinCommand(int command);
    static void registerStandin(bool registered);

    // The chat lines the stand-in accepted, in order.
    std::vector<std::wstring> chatLog() const;
    bool waitChatLines(std::size_t count);

    // A message box of Rokan's: its caption and text; presses OK.
    MessageBoxContent answerMessageBox(const Process& process);

    // Makes the test's folder refuse (or take again) new files, as a folder
    // the user may not write. False where that cannot be done.
    bool setFolderWritable(bool writable);

    std::string iniFile() const;
    void writeIni(const std::string& line) const;
    std::filesystem::path folder;
    bool folderLocked = false;
    std::optional<Process> rokan;
    HWND main = nullptr;
};

}  // namespace rokan::e2e
