#include "form_fixture.h"

namespace rokan::test {
namespace {

using StartupShutdown = FormTest;

TEST_F(StartupShutdown, NormalStartAttachesAndSetsTheVersionTitle) {
    EXPECT_FALSE(endsProcess([&] { form.Form_Load(); }));

    EXPECT_EQ(journal, (Journal{L"attach"}));
    EXPECT_EQ(view.caption, L"Rokan Ver.0.1.1 ");
    EXPECT_EQ(form.versionTitle(), L"Rokan Ver.0.1.1 ");
    EXPECT_FALSE(view.controls[Control::btnMuteOff].visible);
    EXPECT_FALSE(form.muted());
    EXPECT_TRUE(echo.attached());
}

TEST_F(StartupShutdown, SecondCopyWarnsReleasesUnloadsAndEnds) {
    process.anotherCopyRunning = true;

    EXPECT_TRUE(endsProcess([&] { form.Form_Load(); }));

    // The unload runs Form_Unload, whose ProgEnding releases again and finds nothing.
    EXPECT_EQ(journal, (Journal{L"message already Running EchoLink Program | Rokan", L"release (empty)",
                                L"release (empty)", L"end"}));
    EXPECT_EQ(view.caption, L"Rokan");
    EXPECT_FALSE(view.controls[Control::btnMuteOff].visible);
}

TEST_F(StartupShutdown, CreationErrorSaysNotInstalledAndEndsThroughClosing) {
    echo.creation = FakeEcho::Creation::error;

    EXPECT_TRUE(endsProcess([&] { form.Form_Load(); }));

    EXPECT_EQ(journal, (Journal{L"attach", L"message EchoLink not Installed! | Rokan", L"release (empty)",
                                L"release (empty)", L"end"}));
    EXPECT_EQ(view.caption, L"Rokan");
}

TEST_F(StartupShutdown, CreationWithoutObjectKeepsTheWindowOpenWithItsFirstCaption) {
    echo.creation = FakeEcho::Creation::noObject;

    EXPECT_FALSE(endsProcess([&] { form.Form_Load(); }));

    EXPECT_EQ(journal, (Journal{L"attach", L"message Launch EchoLink Faild!! | missing!!"}));
    EXPECT_EQ(view.caption, L"Rokan");
    EXPECT_TRUE(form.versionTitle().empty());
}

TEST_F(StartupShutdown, ClosingTheWindowReleasesOnceAndEnds) {
    start();

    EXPECT_TRUE(endsProcess([&] { form.unload(); }));

    EXPECT_EQ(journal, (Journal{L"release", L"end"}));
    EXPECT_FALSE(view.destroyed);
}

TEST_F(StartupShutdown, EchoLinkClosingRunsProgEndingTwiceAndEndsInsideTheUnload) {
    start();

    EXPECT_TRUE(endsProcess([&] { form.Echo_Closing(); }));

    EXPECT_EQ(journal, (Journal{L"release", L"release (empty)", L"end"}));
}

TEST_F(StartupShutdown, AFailingReleaseIsReportedByProgEndingAndEndingGoesOn) {
    start();
    struct ThrowingEcho : FakeEcho {
        using FakeEcho::FakeEcho;
        void release() override { throw Failure{}; }
    } throwingEcho{journal};
    throwingEcho.hasObject = true;
    frmMain failing{view, throwingEcho, dialogs, process, settings, muteRecord};

    EXPECT_TRUE(endsProcess([&] { failing.unload(); }));

    EXPECT_EQ(journal, (Journal{L"message ProgEnding Error | Rokan", L"end"}));
}

TEST_F(StartupShutdown, WhenEndingFailsTheWindowIsStillDestroyed) {
    // A process that refuses to end at once: the window system's unload then
    // destroys the window, and that ends the program.
    struct StubbornProcess : FakeProcess {
        using FakeProcess::FakeProcess;
        [[noreturn]] void end() override { throw Failure{}; }
    } stubborn{journal};
    frmMain form2{view, echo, dialogs, stubborn, settings, muteRecord};
    form2.Form_Load();
    journal.clear();

    form2.unload();

    EXPECT_EQ(journal, (Journal{L"release", L"message Form_Unload Error | Rokan", L"destroy"}));
}

}  // namespace
}  // namespace rokan::test
