#include "main_window.h"

#include "contrast.h"
#include "high_contrast.h"

// The two boxes' back colours: a system colour by its index, the muted tint by
// one brush kept until the colour changes, the system's highlight where the
// tint would not read.
namespace rokan {
namespace {

bool isSystemColour(Colour colour) {
    return (colour & 0x80000000u) != 0;
}

COLORREF resolve(Colour colour) {
    return isSystemColour(colour) ? GetSysColor(static_cast<int>(colour & 0xFF)) : static_cast<COLORREF>(colour);
}

}  // namespace

void MainWindow::setBackColour(Control id, Colour colour) {
    backColours_[static_cast<int>(id)] = colour;
    InvalidateRect(control(id), nullptr, TRUE);
}

MainWindow::~MainWindow() {
    if (customBrush_) DeleteObject(customBrush_);
}

HBRUSH MainWindow::brushFor(Colour colour) {
    if (isSystemColour(colour)) return GetSysColorBrush(static_cast<int>(colour & 0xFF));
    if (!customBrush_ || customBrushColour_ != colour) {
        if (customBrush_) DeleteObject(customBrush_);
        customBrush_ = CreateSolidBrush(static_cast<COLORREF>(colour));
        customBrushColour_ = colour;
    }
    return customBrush_;
}

// The muted tint is made for dark window text. In high contrast, or in any
// scheme whose window text does not stand out on it, the muted boxes take the
// system's highlight instead, which every scheme makes readable; the muted
// state does not rest on colour alone: the boxes are read-only and "Mute
// Off" stands beside them.
bool MainWindow::tintReads(Colour colour) {
    return !highContrastOn() && contrastRatio(GetSysColor(COLOR_WINDOWTEXT), colour) >= kReadableContrast;
}

// A read-only box asks with WM_CTLCOLORSTATIC, an editable one with WM_CTLCOLOREDIT.
LRESULT MainWindow::onControlColour(HDC dc, HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    for (Control box : {Control::sCall, Control::gMin}) {
        if (child != control(box)) continue;
        const Colour colour = backColours_[static_cast<int>(box)];
        if (!isSystemColour(colour) && !tintReads(colour)) {
            SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
            SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        SetBkColor(dc, resolve(colour));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(brushFor(colour));
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// A new colour scheme, or high contrast turned on or off: everything drawn
// from them is drawn again.
void MainWindow::onColoursChanged() {
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace rokan
