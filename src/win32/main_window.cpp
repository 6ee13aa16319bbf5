#include "main_window.h"

#include "app/failure.h"
#include "app/frm_main.h"
#include "app/twips.h"
#include "control_ids.h"
#include "dpi.h"
#include "resource_ids.h"

namespace rokan {
namespace {

const wchar_t* windowClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::button: return L"BUTTON";
        case ControlKind::edit: return L"EDIT";
        case ControlKind::label: return L"STATIC";
    }
    return L"STATIC";
}

DWORD styleOf(ControlKind kind) {
    const DWORD common = WS_CHILD | WS_VISIBLE;
    switch (kind) {
        case ControlKind::button: return common | WS_TABSTOP | BS_PUSHBUTTON;
        case ControlKind::edit: return common | WS_TABSTOP | ES_AUTOHSCROLL;
        case ControlKind::label: return common | SS_LEFT;
    }
    return common;
}

void throwLastError() {
    throw Failure{static_cast<std::int32_t>(HRESULT_FROM_WIN32(GetLastError()))};
}

}  // namespace

HWND MainWindow::create() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(IDI_ROKAN));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainWindowClass;
    if (!RegisterClassExW(&windowClass)) return nullptr;

    HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, kMenuAboutId, L"About(&A)");

    const int screenDpi = dpiOfWindow(nullptr);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
    CreateWindowExW(WS_EX_CONTROLPARENT, kMainWindowClass, kAppTitle, style, twipsToPixels(kDefaultLeft, screenDpi),
                    twipsToPixels(kDefaultTop, screenDpi), 320, 240, nullptr, menu, instance_, this);
    if (!window_) return nullptr;
    dpi_ = dpiOfWindow(window_);

    for (const ControlLayout& layout : kMainControls) {
        controls_[static_cast<int>(layout.id)] =
            CreateWindowExW(layout.kind == ControlKind::edit ? WS_EX_CLIENTEDGE : 0, windowClassOf(layout.kind),
                            layout.text, styleOf(layout.kind), 0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(layout.id))), instance_, nullptr);
    }
    layoutControls();
    setClientSizeInTwips(kClientWidth, kClientHeight);
    return window_;
}

void MainWindow::show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(control(Control::sInput));
}

void MainWindow::layoutControls() {
    for (const ControlLayout& layout : kMainControls) {
        HWND child = control(layout.id);
        MoveWindow(child, twipsToPixels(layout.left, dpi_), twipsToPixels(layout.top, dpi_),
                   twipsToPixels(layout.width, dpi_), twipsToPixels(layout.height, dpi_), FALSE);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.get(layout.font, dpi_)), FALSE);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

// The frame is whatever this Windows draws; the client area is what is designed.
void MainWindow::setClientSizeInTwips(double width, double height) {
    RECT outer{}, client{};
    GetWindowRect(window_, &outer);
    GetClientRect(window_, &client);
    const int frameWidth = (outer.right - outer.left) - client.right;
    const int frameHeight = (outer.bottom - outer.top) - client.bottom;
    SetWindowPos(window_, nullptr, 0, 0, twipsToPixels(width, dpi_) + frameWidth,
                 twipsToPixels(height, dpi_) + frameHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::setCaption(const std::wstring& caption) {
    if (!SetWindowTextW(window_, caption.c_str())) throwLastError();
}

void MainWindow::setVisible(Control id, bool visible) {
    ShowWindow(control(id), visible ? SW_SHOW : SW_HIDE);
}

void MainWindow::destroy() {
    if (!DestroyWindow(window_)) throwLastError();
}

void MainWindow::onPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    for (const SeparatorLine& line : kSeparator) {
        HPEN pen = CreatePen(PS_SOLID, line.widthPixels, line.colour);
        HGDIOBJ old = SelectObject(dc, pen);
        // A pen wider than a pixel is centred on the line; keep it inside the client area.
        const int y = line.widthPixels / 2;
        MoveToEx(dc, twipsToPixels(line.fromX, dpi_), y, nullptr);
        LineTo(dc, twipsToPixels(line.toX, dpi_), y);
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    EndPaint(window_, &paint);
}

// The controls sit in a plain window, not a dialog: keep the focused control
// across deactivation as a dialog would.
void MainWindow::onActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) focusBeforeDeactivation_ = focus;
    } else if (focusBeforeDeactivation_ && IsWindow(focusBeforeDeactivation_)) {
        SetFocus(focusBeforeDeactivation_);
    }
}

void MainWindow::onDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layoutControls();
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    try {
        return self->onMessage(message, wParam, lParam);
    } catch (...) {
        // Every procedure reports its own failures; nothing may unwind into Windows.
        return 0;
    }
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_ACTIVATE:
            onActivate(wParam);
            return 0;
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            if (form_) form_->unload();
            return 0;
        case WM_ENDSESSION:
            if (wParam && form_) form_->unload();
            return 0;
        case kEchoClosingMessage:
            if (form_) form_->Echo_Closing();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

}  // namespace rokan
