#include "main_window.h"

#include <algorithm>

#include "main_form.h"
#include "main_layout.h"
#include "separator.h"
#include "twips.h"
#include "window_geometry.h"

// The main window's geometry: the controls in twips at the window's DPI, the
// window's rectangle as the form sees it, the size band while the operator
// drags, the restore fix for Wine, and the separator it paints.
namespace rokan {

void MainWindow::layoutControls() {
    for (const ControlLayout& layout : kMainControls) {
        HWND child = control(layout.id);
        MoveWindow(child, twipsToPixels(layout.left, dpi_), twipsToPixels(layout.top, dpi_),
                   twipsToPixels(layout.width, dpi_), twipsToPixels(layout.height, dpi_), FALSE);
        if (layout.id == Control::gMin)
            fitMinutesBox(child, layout.font);
        else
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.get(layout.font, dpi_)), FALSE);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

// The minutes box holds two digits whole, with room for the caret after
// them. A new font gives an edit box that font's margins, which leave too
// little of it: it gets none, its sunken edge being margin enough. A face
// whose digits are wider than the designed face's (IPA's under Wine) is made
// smaller until they fit; three digits are the design's limit.
void MainWindow::fitMinutesBox(HWND box, FontSpec designed) {
    constexpr int kMostPixelsOff = 4;
    for (int smallerBy = 0;; ++smallerBy) {
        HFONT font = fonts_.get(designed, dpi_, smallerBy);
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SendMessageW(box, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        if (smallerBy == kMostPixelsOff || widestTwoDigits(box, font) < formattingWidth(box)) return;
    }
}

int MainWindow::widestTwoDigits(HWND box, HFONT font) {
    HDC dc = GetDC(box);
    HGDIOBJ old = SelectObject(dc, font);
    int widest = 0;
    for (wchar_t tens = L'1'; tens <= L'9'; ++tens) {
        for (wchar_t ones = L'0'; ones <= L'9'; ++ones) {
            const wchar_t number[] = {tens, ones};
            SIZE size{};
            GetTextExtentPoint32W(dc, number, 2, &size);
            widest = std::max<int>(widest, size.cx);
        }
    }
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    return widest;
}

int MainWindow::formattingWidth(HWND box) {
    RECT rect{};
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    return rect.right - rect.left;
}

// A minimized window reports the place it will be restored to, so that
// ending while minimized keeps the operator's place.
MainWindow::Place MainWindow::normalPlace() const {
    if (IsIconic(window_)) return normalPlace_;
    Place place{};
    GetWindowRect(window_, &place.outer);
    GetClientRect(window_, &place.client);
    return place;
}

float MainWindow::left() {
    return static_cast<float>(scale().place(normalPlace().outer.left));
}

float MainWindow::top() {
    return static_cast<float>(scale().place(normalPlace().outer.top));
}

float MainWindow::width() {
    return static_cast<float>(scale().width(normalPlace().client.right));
}

float MainWindow::height() {
    return static_cast<float>(scale().height(normalPlace().client.bottom));
}

// Moving onto a monitor of another DPI changes the window's DPI (and size)
// before the move returns; the next value is converted at the new one.
void MainWindow::setLeft(float twips) {
    RECT outer{};
    GetWindowRect(window_, &outer);
    moveTo(window_, scale().placePixels(twips), outer.top);
}

void MainWindow::setTop(float twips) {
    RECT outer{};
    GetWindowRect(window_, &outer);
    moveTo(window_, outer.left, scale().placePixels(twips));
}

// A size that rounds to the pixels the window already has changes nothing and
// raises no resize, which is what ends the size policy's nesting.
void MainWindow::setWidth(float twips) {
    RECT client{};
    GetClientRect(window_, &client);
    const int pixels = scale().clientWidth(twips);
    if (pixels != client.right) setClientSize(window_, pixels, client.bottom);
}

void MainWindow::setHeight(float twips) {
    RECT client{};
    GetClientRect(window_, &client);
    const int pixels = scale().clientHeight(twips);
    if (pixels != client.bottom) setClientSize(window_, client.right, pixels);
}

bool MainWindow::minimized() {
    return IsIconic(window_) != FALSE;
}

namespace {

bool onSomeMonitor(const RECT& outer) {
    return MonitorFromRect(&outer, MONITOR_DEFAULTTONULL) != nullptr;
}

}  // namespace

bool MainWindow::onAnyMonitor() {
    RECT outer{};
    GetWindowRect(window_, &outer);
    return onSomeMonitor(outer);
}

// Wine forgets a minimized window's normal rectangle and restores it at a size
// of its own; put it back where and as large as it was. Not where no monitor
// shows it any more (one unplugged meanwhile): Windows has restored the window
// onto a monitor that remains, and there it stays.
void MainWindow::onSize(WPARAM kind) {
    if (kind == SIZE_MINIMIZED) {
        restorePending_ = true;
    } else if (restorePending_) {
        restorePending_ = false;
        const RECT& normal = normalPlace_.outer;
        if (onSomeMonitor(normal))
            SetWindowPos(window_, nullptr, normal.left, normal.top, normal.right - normal.left,
                         normal.bottom - normal.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (form_) form_->Form_Resize();
    rememberNormalPlace();
}

void MainWindow::rememberNormalPlace() {
    if (!restorePending_ && !IsIconic(window_)) normalPlace_ = normalPlace();
}

// Where the window stands is remembered whenever it moves, for the time it
// is minimized.
void MainWindow::onMove() {
    rememberNormalPlace();
}

// The operator's drag stays inside the band, so the frame never snaps back.
MainWindow::SizeBand MainWindow::sizeBand() const {
    const SIZE frame = frameSize(window_);
    return SizeBand{clientPixelsFor(kFixedWidth, kDesignFrameWidth, dpi_) + frame.cx,
                    clientPixelsFor(kMinimumHeight, kDesignFrameHeight, dpi_) + frame.cy,
                    clientPixelsFor(kMaximumHeight, kDesignFrameHeight, dpi_) + frame.cy};
}

// Under Wine a drag can stop a pixel short of the largest tracking size, so the
// tracking limits get a pixel to spare and WM_SIZING holds the exact band.
void MainWindow::onGetMinMaxInfo(MINMAXINFO& limits) {
    if (!window_) return;  // asked before the window is made
    const SizeBand band = sizeBand();
    limits.ptMinTrackSize.x = limits.ptMaxTrackSize.x = band.width;
    limits.ptMinTrackSize.y = band.minimumHeight;
    limits.ptMaxTrackSize.y = band.maximumHeight + 1;
}

void MainWindow::onSizing(WPARAM edge, RECT& dragged) {
    const SizeBand band = sizeBand();
    const int height =
        std::clamp(static_cast<int>(dragged.bottom - dragged.top), band.minimumHeight, band.maximumHeight);
    if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT)
        dragged.top = dragged.bottom - height;
    else
        dragged.bottom = dragged.top + height;
    if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT)
        dragged.left = dragged.right - band.width;
    else
        dragged.right = dragged.left + band.width;
}

void MainWindow::onDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layoutControls();
}

void MainWindow::onPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    drawSeparator(dc, kSeparator, 0, dpi_);
    EndPaint(window_, &paint);
}

}  // namespace rokan
