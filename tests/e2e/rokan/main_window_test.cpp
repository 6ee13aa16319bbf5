// The main window at work, in one run of Rokan: its controls as designed, the
// chat line through the real keys and COM calls, the noise-cancel panel as the
// screen shows it, and the About box over it.
#include "rokan_fixture.h"

namespace rokan::e2e {
namespace {

TEST_F(RokanTest, TheMainWindowsControlsChatLineNoiseCancelAndAboutBoxWorkAsDesigned) {
    ASSERT_NE(startRokan(), nullptr);
    HWND line = control(Control::sInput);
    EXPECT_TRUE(waitUntil([&] { return focusedWindow(main) == line; }));
    EXPECT_EQ(style(main) & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_THICKFRAME), WS_MINIMIZEBOX | WS_THICKFRAME);
    makeFull();

    for (const ControlLayout& designed : kMainControls) {
        SCOPED_TRACE(narrow(designed.text) + " #" + std::to_string(static_cast<int>(designed.id)));
        HWND box = control(designed.id);
        const RECT r = rectInParentClient(box, main);
        EXPECT_EQ(r.left, pixels(designed.left));
        EXPECT_EQ(r.top, pixels(designed.top));
        EXPECT_EQ(r.right - r.left, pixels(designed.width));
        EXPECT_EQ(r.bottom - r.top, pixels(designed.height));
        EXPECT_EQ(text(box), designed.text);
        // A line of any length can be typed in the text boxes.
        if (className(box) == L"Edit") {
            EXPECT_GT(SendMessageW(box, EM_GETLIMITTEXT, 0, 0), 0x7FFF0000);
        }
        if (!templateOf(designed.id)) continue;
        // A template replaces the line, caret at its end and focus in it, and sends nothing.
        const std::wstring prepared = templateOf(designed.id)->text;
        setText(line, L"abc");
        setFocus(control(Control::B_Send));
        click(box);
        EXPECT_TRUE(waitUntil([&] { return text(line) == prepared; }));
        EXPECT_EQ(editSelection(line), std::make_pair(DWORD(prepared.size()), DWORD(prepared.size())));
        EXPECT_EQ(focusedWindow(main), line);
    }
    EXPECT_EQ(chatLog(), L"");

    // The last template left the focus in the line, where the walk starts.
    const std::size_t focusable = kMainControls.size() - 2;
    for (std::size_t step = 1; step <= focusable; ++step) {
        pressKey(main, VK_TAB);
        EXPECT_TRUE(waitUntil([&] { return focusedWindow(main) == control(kMainControls[step % focusable].id); }));
    }

    // Typed, then sent by Enter and by the Send button in turn; each send empties the line and
    // leaves the focus in it.
    const std::wstring lines[] = {L".mute JA1", L"  two blanks each side  ", L"", L"こんにちは、会議の皆さん",
                                  std::wstring(2000, L'x')};
    std::wstring sent;
    setText(line, L"");
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        ASSERT_TRUE(waitUntil([&] { return text(line).empty() && focusedWindow(main) == line; }));
        typeText(main, lines[i]);
        if (i % 2 == 0)
            pressEnter(main);
        else
            click(control(Control::B_Send));
        sent += lines[i] + L"\n";
        expectChatLog(sent);
        ASSERT_TRUE(waitTakesPostedMessages(line));
    }
    EXPECT_EQ(findDialog(rokan->pid()), nullptr);

    // Noise cancel tints the panel's boxes, read from the screen away from their text, and ends
    // by the timer, or early by Mute Off.
    const std::wstring muted = sent + L".mute N0CALL\n", unmuted = L".mute N0CALL\n.unmute N0CALL\n";
    const auto expectMuting = [&](bool muting, const std::wstring& log) {
        expectChatLog(log);
        EXPECT_TRUE(waitUntil([&] { return visible(control(Control::btnMuteOff)) == muting; }));
        EXPECT_TRUE(waitUntil([&] { return visible(control(Control::btnAutoMute)) != muting; }));
        for (Control box : {Control::sCall, Control::gMin}) {
            EXPECT_TRUE(waitUntil([&] {
                const RECT r = windowRect(control(box));
                return showsColour({r.right - 4, r.bottom - 4},
                                   muting ? RGB(192, 192, 255) : GetSysColor(COLOR_WINDOW));
            }));
        }
    };
    startNoiseCancel(L"1");
    expectMuting(true, muted);
    EXPECT_TRUE(waitUntil([&] { return focusedWindow(main) == control(Control::sCall); }));
    postTimer(main, kTimer1Id);
    expectMuting(false, sent + unmuted);

    // Enter in the call-sign box mutes again.
    setFocus(control(Control::sCall));
    pressEnter(main);
    expectMuting(true, sent + unmuted + L".mute N0CALL\n");
    click(control(Control::btnMuteOff));
    expectMuting(false, sent + unmuted + unmuted);

    // Alt+A opens the About box: modal, beside the main window wherever it is, with its texts,
    // closed by Enter, Esc or OK.
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
