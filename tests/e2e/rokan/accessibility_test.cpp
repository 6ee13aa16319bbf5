// The main window as a screen reader meets it, through Microsoft Active
// Accessibility: every control in tab order, what it is called, what it is,
// and what the operator must hear while the noise-cancel panel mutes; and as
// an operator with high-contrast colours sees it.
#include <oleacc.h>

#include <algorithm>
#include <map>

#include "contrast.h"
#include "rokan_fixture.h"

namespace rokan::e2e {
namespace {

// Only a box's read-only state tells the operator anything: Windows calls every label read-only.
std::string row(const std::wstring& name, long role, long state, const std::wstring& value) {
    return narrow(name) + " role " + std::to_string(role) +
           (role == ROLE_SYSTEM_TEXT && state & STATE_SYSTEM_READONLY ? " read-only" : "") +
           (state & STATE_SYSTEM_INVISIBLE ? " invisible" : "") + (value.empty() ? "" : " = " + narrow(value)) + "\n";
}

std::string readRow(HWND control) {
    const auto read = readAccessible(control);
    return read ? row(read->name, read->role, read->state, read->value) : "no accessible object\n";
}

// The boxes go by the names of their hidden labels, the rest by their captions. Wine's oleacc
// calls buttons and labels plain client areas, where Windows names their kinds.
std::string expectedRow(const ControlLayout& designed, bool muted, const std::wstring& call,
                        const std::wstring& minutes) {
    const long readOnly = muted ? STATE_SYSTEM_READONLY : 0;
    if (designed.id == Control::sInput) return row(L"Chat line", ROLE_SYSTEM_TEXT, 0, L"");
    if (designed.id == Control::sCall) return row(L"Call sign", ROLE_SYSTEM_TEXT, readOnly, call);
    if (designed.id == Control::gMin) return row(L"Minutes", ROLE_SYSTEM_TEXT, readOnly, minutes);
    if (designed.id == Control::Label1)
        return row(designed.text, kUnderWine ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_STATICTEXT, 0, L"");
    const bool hidden = designed.id == (muted ? Control::btnAutoMute : Control::btnMuteOff);
    return row(designed.text, kUnderWine ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_PUSHBUTTON,
               hidden ? STATE_SYSTEM_INVISIBLE : 0, L"");
}

// A box's text against its background as the screen shows them: the
// background is its commonest colour, the text the colour that stands
// furthest from it (the core of a glyph, not its smoothed edge).
double shownContrast(HWND box) {
    RECT inside{};
    GetClientRect(box, &inside);
    MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&inside), 2);
    const std::vector<COLORREF> pixels = screenPixels(inside);
    std::map<COLORREF, int> counts;
    for (COLORREF pixel : pixels) ++counts[pixel];
    const COLORREF background =
        std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
    double furthest = 1;
    for (const auto& [colour, count] : counts) furthest = std::max(furthest, contrastRatio(colour, background));
    return furthest;
}

// The screen reader's view and the muted boxes' contrast, in those colours: the light blue tint
// would carry white text at 1.7 : 1; they take colours that keep it readable.
TEST_F(RokanTest, AScreenReaderReadsEveryControlInTabOrderAndTheMutedBoxesStayReadableInHighContrast) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // High Contrast Black's colours, as Windows 10 sets them. Wine keeps no high-contrast flag
    // (SPI_SETHIGHCONTRAST fails), so only the colours change.
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    const SystemColours highContrast(
        {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_BTNFACE, COLOR_BTNTEXT},
        {black, white, RGB(26, 235, 255), black, black, white});
    ASSERT_NE(startRokan(), nullptr);
    makeFull();

    const auto expectRead = [&](bool muted, const std::wstring& call, const std::wstring& minutes) {
        std::string expected, read;
        for (const ControlLayout& designed : kMainControls) expected += expectedRow(designed, muted, call, minutes);
        waitUntil([&] {
            read.clear();
            for (const ControlLayout& designed : kMainControls) read += readRow(control(designed.id));
            return read == expected;
        });
        EXPECT_EQ(read, expected);
    };
    expectRead(false, L"", kDefaultMinutes);
    startNoiseCancel();
    expectChatLog(L".mute N0CALL\n");
    ASSERT_TRUE(waitUntil([&] { return visible(control(Control::btnMuteOff)); }));
    setFocus(control(Control::btnMuteOff));  // no caret in the boxes to be taken for text
    for (Control box : {Control::sCall, Control::gMin}) {
        double contrast = 0;
        waitUntil([&] { return (contrast = shownContrast(control(box))) >= kReadableContrast; });
        EXPECT_GE(contrast, kReadableContrast) << (box == Control::sCall ? "call sign" : "minutes");
    }
    postTimer(main, kTimer1Id);
    expectRead(true, L"N0CALL", L"9");
    click(control(Control::btnMuteOff));
    expectRead(false, L"N0CALL", kDefaultMinutes);
}

}  // namespace
}  // namespace rokan::e2e
