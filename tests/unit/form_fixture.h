#pragma once
#include <gtest/gtest.h>

#include "fakes.h"
#include "main_form.h"
#include "temp_folder.h"

namespace rokan::test {

// One run of the main window with fake ports, attached to a working EchoLink,
// over a folder of its own: a table's rows each build one.
struct FormRun {
    Journal journal;
    FakeView view{journal};
    FakeEcho echo{journal};
    FakeDialogs dialogs{journal};
    FakeProcess process{journal};
    TempFolder folder;
    MachineFiles files;
    ProgramFolder programFolder{process};
    Module1 settings{view, dialogs, programFolder, files};
    FakeClock clock;
    MuteRecordFile muteRecord{files, clock, programFolder, process};
    frmMain form{view, echo, dialogs, process, settings, muteRecord};

    FormRun() {
        process.folder = folder.windowsPath();
        view.resized = [this] { form.Form_Resize(); };
    }

    // Starts normally and forgets what start-up journalled.
    void start() {
        form.Form_Load();
        journal.clear();
    }

    // Reads rokan.ini as a start does; whether its line was used as it stands.
    bool readSettings() {
        bool ok = true;
        settings.iniRead(ok);
        return ok;
    }

    // Runs an event procedure that may end the process; tells whether it did.
    template <class Event>
    bool endsProcess(Event event) try {
        event();
        return false;
    } catch (const ProcessEnded&) {
        return true;
    }

    std::wstring& textOf(Control control) { return view.controls[control].text; }
    // The journal on one line, "; " between steps, so that a table's row fits on one.
    std::wstring steps() const {
        std::wstring line;
        for (const std::wstring& step : journal) line += (line.empty() ? L"" : L"; ") + step;
        return line;
    }

    // The operator's timed-mute actions; each tick is a minute of the clock.
    void noiseCancel(const std::wstring& call, const std::wstring& minutes) {
        textOf(Control::sCall) = call;
        textOf(Control::gMin) = minutes;
        form.btnAutoMute_Click();
    }
    int enterInCall() {
        int key = kEnterKey;
        form.sCall_KeyPress(key);
        return key;
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) {
            clock.now += 60;
            form.Timer1_Timer();
        }
    }
};

class FormTest : public ::testing::Test, public FormRun {};

}  // namespace rokan::test
