// The About box: modal, beside the main window wherever it is, with its
// texts, closed by Enter, Esc or OK.
#include "rokan_fixture.h"
#include "version.h"

namespace rokan::e2e {
namespace {

TEST_F(RokanTest, AltAOpensTheAboutBoxBesideTheMainWindowAndEnterEscOrOkCloseIt) {
    ASSERT_NE(startRokan(), nullptr);
    for (const UINT closer : {UINT(VK_RETURN), UINT(VK_ESCAPE), 0u}) {
        SCOPED_TRACE(closer);
        SetWindowPos(main, nullptr, 40 + closer, 20 + closer, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        pressAlt(main, L'a');
        HWND about = waitDialog(rokan->pid(), kAboutCaption);
        ASSERT_NE(about, nullptr);

        // Left + 300 and Top + 50 twips of the main window; 3615 x 2010 inside.
        EXPECT_EQ(windowRect(about).left, windowRect(main).left + pixels(300));
        EXPECT_EQ(windowRect(about).top, windowRect(main).top + pixels(50));
        EXPECT_EQ(clientSize(about).cx, pixels(3615));
        EXPECT_EQ(clientSize(about).cy, pixels(2010));
        std::wstring texts;
        for (HWND child : children(about)) texts += text(child) + L"|";
        EXPECT_EQ(texts, L"OK||Sysop's helper for EchoLink|Message:  Enjoy EchoLink Life!!|Rokan|Ver. " +
                             std::wstring(kVersionNumbers) +
                             L"|Copyright (C) 2026 the Rokan developers|HELP File is [ Readme.txt ]|");
        EXPECT_EQ(focusedWindow(about), GetDlgItem(about, IDOK));
        EXPECT_FALSE(IsWindowEnabled(main));
        EXPECT_FALSE(style(about) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

        if (closer)
            pressKey(about, closer);
        else
            click(GetDlgItem(about, IDOK));
        EXPECT_TRUE(waitGone(about));
        EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(main); }));
    }
}

}  // namespace
}  // namespace rokan::e2e
