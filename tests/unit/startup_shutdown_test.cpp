#include "form_fixture.h"

namespace rokan::test {
namespace {

using StartupShutdown = FormTest;
using C = FakeEcho::Creation;

// A failing release is reported by ProgEnding, and ending goes on. A process
// that cannot end at once is ended by the window system's unload, which
// destroys the window.
TEST_F(StartupShutdown, FailuresWhileEndingAreReportedAndEndingGoesOn) {
    const std::tuple<bool, bool, std::wstring_view> rows[] = {
        {true, false, L"release; message ProgEnding Error | Rokan; end"},
        {false, true, L"release; end; message Form_Unload Error | Rokan; destroy"},
    };
    for (const auto& [releaseFails, refusesToEnd, expected] : rows) {
        frmMain run{view, echo, dialogs, process, settings, muteRecord};
        echo.hasObject = true;
        echo.releaseFails = releaseFails;
        process.refusesToEnd = refusesToEnd;
        journal.clear();

        endsProcess([&] { run.unloadOnce(); });

        EXPECT_EQ(steps(), expected);
    }
}

// A second copy, EchoLink not installed, or no EchoLink object: Rokan says
// so and, but for the last, ends through the unload, whose ProgEnding
// releases again and finds nothing. The rectangle stored is the user's to
// keep, and a countdown left behind waits for a run that attaches.
TEST_F(StartupShutdown, ARunThatNeverAttachedSaysWhyAndLeavesBothFilesAlone) {
    const std::string rectangle = "position= 1230, 780, 4530, 2430\r\n",
                      countdown = "2026-12-07T00:07:30Z 10 JA1ABC\r\n";
    folder.write("rokan.ini", rectangle);
    folder.write("rokan.mute", countdown);
    const std::tuple<bool, C, std::wstring_view> rows[] = {
        {true, C::object, L"message already Running EchoLink Program | Rokan; release (empty); release (empty); end"},
        {false, C::error, L"attach; message EchoLink not Installed! | Rokan; release (empty); release (empty); end"},
        {false, C::noObject, L"attach; message Launch EchoLink Faild!! | missing!!"},
    };
    for (const auto& [anotherCopy, creation, expected] : rows) {
        process.anotherCopyRunning = anotherCopy;
        echo.creation = creation;
        view.controls[Control::btnMuteOff].visible = true;
        Module1 settingsOfThisRun{view, dialogs, programFolder, files};
        MuteRecordFile recordOfThisRun{files, clock, programFolder, process};
        frmMain run{view, echo, dialogs, process, settingsOfThisRun, recordOfThisRun};
        journal.clear();

        EXPECT_EQ(endsProcess([&] { run.Form_Load(); }), expected.ends_with(L"end"));
        EXPECT_EQ(steps(), expected);
        EXPECT_EQ(view.caption, L"Rokan");
        EXPECT_FALSE(view.controls[Control::btnMuteOff].visible);

        endsProcess([&] { run.unloadOnce(); });
        EXPECT_EQ(folder.read("rokan.ini"), rectangle);
        EXPECT_EQ(folder.read("rokan.mute"), countdown);
    }
}

}  // namespace
}  // namespace rokan::test
