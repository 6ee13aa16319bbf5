// What the controls' fonts leave of the controls, measured at the DPIs users
// run (the window told of each by WM_DPICHANGED, as Windows tells it). Run in
// the test prefix, which has the designed face, and in a default prefix,
// which lacks it.
#include <string>

#include "shell_window.h"

namespace rokan {
namespace {

class Fonts : public ShellWindowTest {
protected:
    void SetUp() override {
        ShellWindowTest::SetUp();
        ShowWindow(handle, SW_SHOWNOACTIVATE);
    }

    // The text as the control's own font draws it.
    static SIZE extent(HWND control, const std::wstring& text, std::wstring* face = nullptr) {
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        if (face) {
            wchar_t name[LF_FACESIZE]{};
            GetTextFaceW(dc, LF_FACESIZE, name);
            *face = name;
        }
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        return size;
    }
    static RECT formatting(HWND edit) {
        RECT rect{};
        SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
};

// Every caption inside its control (a button's inside its raised edge), and
// the widest two-digit number inside the minutes box's formatting rectangle
// with a pixel to spare for the caret after it, in the face the window chose
// (the designed one where installed). A number typed with the caret after its
// last digit, then the box locked (as noise cancel does) or left, shows from
// its first digit; three digits do not fit, so they show the box's own scroll.
TEST_F(Fonts, CaptionsAndTwoDigitsFitAndTheMinutesShowFromTheFirstDigitOnceLockedOrLeftAtEveryDpi) {
    const ::rokan::Fonts::Face chosen = ::rokan::Fonts::chosenFace();
    HWND minutes = child(Control::gMin);
    const struct {
        const wchar_t* typed;
        bool locked, left;
    } rows[] = {{L"15", true, true}, {L"100", true, false}, {L"100", false, true}};
    for (int dpi : {96, 120, 144, 192}) {
        moveToDpi(dpi);
        for (const ControlLayout& layout : kMainControls) {
            SCOPED_TRACE(std::to_string(dpi) + " DPI, control #" + std::to_string(static_cast<int>(layout.id)));
            HWND control = child(layout.id);
            std::wstring face;
            if (layout.id == Control::gMin) {
                int widest = 0;
                for (int number = 10; number <= 99; ++number)
                    widest = std::max<int>(widest, extent(control, std::to_wstring(number), &face).cx);
                const RECT box = formatting(control);
                EXPECT_LT(widest, box.right - box.left);
                EXPECT_LE(extent(control, L"88").cy, box.bottom - box.top);
            } else if (*layout.text) {
                RECT client{};
                GetClientRect(control, &client);
                const int edge = layout.kind == ControlKind::button ? MulDiv(GetSystemMetrics(SM_CXEDGE), dpi, 96) : 0;
                EXPECT_LE(extent(control, layout.text, &face).cx, client.right - 2 * edge);
            }
            if (!face.empty()) {
                EXPECT_EQ(face, chosen.name);
            }
        }
        for (const auto& row : rows) {
            SCOPED_TRACE(std::to_string(dpi) + " DPI, typed " + std::string(row.typed, row.typed + wcslen(row.typed)));
            window.setReadOnly(Control::gMin, false);
            SetFocus(minutes);
            SetWindowTextW(minutes, L"");
            for (const wchar_t* key = row.typed; *key; ++key) SendMessageW(minutes, WM_CHAR, *key, 0);
            ASSERT_EQ(window.text(Control::gMin), row.typed);
            if (row.locked) window.setReadOnly(Control::gMin, true);
            if (row.left) SetFocus(child(Control::btnAutoMute));
            // The first character at the formatting rectangle's left edge: the box is not scrolled.
            EXPECT_EQ(static_cast<short>(LOWORD(SendMessageW(minutes, EM_POSFROMCHAR, 0, 0))),
                      formatting(minutes).left);
        }
    }
}

}  // namespace
}  // namespace rokan
