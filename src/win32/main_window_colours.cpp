#include "main_window.h"

// The two boxes' back colours: a system colour by its index, the muted tint by
// one brush kept until the colour changes.
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

// A read-only box asks with WM_CTLCOLORSTATIC, an editable one with WM_CTLCOLOREDIT.
LRESULT MainWindow::onControlColour(HDC dc, HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    for (Control box : {Control::sCall, Control::gMin}) {
        if (child == control(box)) {
            const Colour colour = backColours_[static_cast<int>(box)];
            SetBkColor(dc, resolve(colour));
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(brushFor(colour));
        }
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace rokan
