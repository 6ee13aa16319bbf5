#pragma once
#include <string>

#include "dialogs.h"
#include "file_system.h"
#include "main_view.h"
#include "program_folder.h"

namespace rokan {

// rokan.ini beside the executable: one line with the main window's Left, Top,
// Width and Height in twips. Nothing else touches the file.
class Module1 {
public:
    Module1(MainView& window, Dialogs& dialogs, ProgramFolder& folder, FileSystem& files)
        : window_(window), dialogs_(dialogs), folder_(folder), files_(files) {}

    void getRokanpath();
    // Places the main window from the file; ok: the stored values were used as they stood.
    void iniRead(bool& ok);
    // Stores the main window's rectangle.
    void iniWrite();
    // The same where no box may open; a failure is left for a later iniWrite to report.
    void iniWriteQuietly() noexcept;
    void iniDefWrite();

    // Whether this run has read the file, so that its rectangle is the user's to keep.
    bool readerHasRun() const { return readerHasRun_; }

private:
    void placeWindow(const std::string& line, bool& ok);
    void writeRectangle();
    std::wstring settingsPath() const { return folder_.path() + L"rokan.ini"; }

    MainView& window_;
    Dialogs& dialogs_;
    ProgramFolder& folder_;
    FileSystem& files_;
    bool readerHasRun_ = false;
};

}  // namespace rokan
