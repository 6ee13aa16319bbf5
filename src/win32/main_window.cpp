#include "main_window.h"

#include <commctrl.h>

#include "callback_boundary.h"
#include "control_ids.h"
#include "dpi.h"
#include "failure.h"
#include "main_form.h"
#include "resource_ids.h"
#include "settings_line.h"
#include "twips.h"
#include "window_geometry.h"

namespace rokan {
namespace {

const wchar_t* windowClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::button:
            return L"BUTTON";
        case ControlKind::edit:
            return L"EDIT";
        case ControlKind::label:
            return L"STATIC";
    }
    return L"STATIC";
}

DWORD styleOf(ControlKind kind) {
    const DWORD common = WS_CHILD | WS_VISIBLE;
    switch (kind) {
        case ControlKind::button:
            return common | WS_TABSTOP | BS_PUSHBUTTON;
        case ControlKind::edit:
            return common | WS_TABSTOP | ES_AUTOHSCROLL;
        case ControlKind::label:
            return common | SS_LEFT;
    }
    return common;
}

// Enter in these boxes belongs to the program, not to the dialog navigation.
bool hasKeyPressHandler(Control control) {
    return control == Control::sInput || control == Control::sCall;
}

constexpr UINT_PTR kKeyPressSubclass = 1;

}  // namespace

// The window's table of contents: each message to its one handler. Creation,
// text, focus, input and ending are below; geometry, paint and DPI in
// main_window_geometry.cpp; the boxes' colours in main_window_colours.cpp.
LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    return atCallbackBoundary([&] { return self->onMessage(message, wParam, lParam); }, LRESULT{0});
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_ACTIVATE:
            onActivate(LOWORD(wParam));
            return 0;
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_SIZE:
            onSize(wParam);
            return 0;
        case WM_MOVE:
            onMove();
            return 0;
        case WM_SIZING:
            onSizing(wParam, *reinterpret_cast<RECT*>(lParam));
            return TRUE;
        case WM_GETMINMAXINFO:
            onGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message, wParam,
                                   lParam);
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            onColoursChanged();
            return 0;
        case WM_TIMER:
            onTimer(wParam);
            return 0;
        case WM_CLOSE:
            onEndRequested(Ending::Reason::closed);
            return 0;
        case WM_ENDSESSION:
            if (wParam) onEndRequested(Ending::Reason::loggingOff);
            return 0;
        case kEchoClosingMessage:
            onEchoLinkClosing();
            return 0;
        case kEchoClosedMessage:
            onEndRequested(Ending::Reason::echoLinkClosing);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

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

    desktopDpi_ = desktopDpi();
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
    CreateWindowExW(WS_EX_CONTROLPARENT, kMainWindowClass, kAppTitle, style,
                    scale().placePixels(kDefaultRectangle.left), scale().placePixels(kDefaultRectangle.top), 320, 240,
                    nullptr, menu, instance_, this);
    if (!window_) return nullptr;
    dpi_ = dpiOfWindow(window_);

    backColours_.fill(kSystemWindowColour);
    for (const ControlLayout& layout : kMainControls) {
        for (const ControlName& box : kBoxNames)
            if (box.control == layout.id)
                CreateWindowExW(0, L"STATIC", box.name, WS_CHILD | SS_LEFT, 0, 0, 0, 0, window_, nullptr, instance_,
                                nullptr);
        HWND child =
            CreateWindowExW(layout.kind == ControlKind::edit ? WS_EX_CLIENTEDGE : 0, windowClassOf(layout.kind),
                            layout.text, styleOf(layout.kind), 0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(layout.id))), instance_, nullptr);
        controls_[static_cast<int>(layout.id)] = child;
        if (layout.kind == ControlKind::edit) SendMessageW(child, EM_SETLIMITTEXT, 0, 0);  // no limit but memory's
        if (hasKeyPressHandler(layout.id))
            SetWindowSubclass(child, keyPressProc, kKeyPressSubclass, reinterpret_cast<DWORD_PTR>(this));
    }
    layoutControls();
    setClientSize(window_, twipsToPixels(kClientWidth, dpi_), twipsToPixels(kClientHeight, dpi_));
    return window_;
}

// Being shown is the window's first resize; it runs before the window
// appears, so the panel never flashes.
void MainWindow::show(int showCommand) {
    if (form_) form_->Form_Resize();
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(control(Control::sInput));
}

void MainWindow::setCaption(const std::wstring& caption) {
    if (!SetWindowTextW(window_, caption.c_str())) throw Failure{L"SetWindowTextW", GetLastError()};
}

std::wstring MainWindow::text(Control id) {
    HWND child = control(id);
    std::wstring result(static_cast<std::size_t>(GetWindowTextLengthW(child)) + 1, L'\0');
    result.resize(static_cast<std::size_t>(GetWindowTextW(child, result.data(), static_cast<int>(result.size()))));
    return result;
}

void MainWindow::setText(Control id, const std::wstring& text) {
    if (!SetWindowTextW(control(id), text.c_str())) throw Failure{L"SetWindowTextW", GetLastError()};
}

void MainWindow::setCaret(Control id, std::size_t position) {
    SendMessageW(control(id), EM_SETSEL, position, static_cast<LPARAM>(position));
}

// A hidden box cannot take the keyboard; the program asks nothing of it then.
void MainWindow::setFocus(Control id) {
    HWND child = control(id);
    if (IsWindowVisible(child)) SetFocus(child);
}

void MainWindow::setVisible(Control id, bool visible) {
    ShowWindow(control(id), visible ? SW_SHOW : SW_HIDE);
}

void MainWindow::setReadOnly(Control id, bool readOnly) {
    if (!SendMessageW(control(id), EM_SETREADONLY, readOnly, 0)) throw Failure{L"EM_SETREADONLY", 0};
    if (readOnly) showFromFirstCharacter(control(id));
}

// A box keeps the scroll it had while the caret sat after its last
// character: a locked box, and the minutes box once the caret has left it,
// show their text from its start.
void MainWindow::showFromFirstCharacter(HWND edit) {
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

// Enabling a running timer leaves its interval as it is.
void MainWindow::setTimerEnabled(bool enabled) {
    if (enabled == timerEnabled_) return;
    if (enabled) {
        if (!SetTimer(window_, kTimer1Id, kTimerIntervalMs, nullptr)) throw Failure{L"SetTimer", GetLastError()};
    } else {
        KillTimer(window_, kTimer1Id);
    }
    timerEnabled_ = enabled;
}

void MainWindow::destroy() {
    if (!DestroyWindow(window_)) throw Failure{L"DestroyWindow", GetLastError()};
}

// While EchoLink has a call pending, what the operator does is dropped (see
// EchoLinkWait); a click or a key sent by another program still arrives, and is
// dropped here.
void MainWindow::onCommand(int id, int notification) {
    if (id == controlId(Control::gMin) && notification == EN_KILLFOCUS) showFromFirstCharacter(control(Control::gMin));
    if (!form_ || wait_.pending()) return;
    if (id == kMenuAboutId && notification == 0) {
        form_->mnuAbout_Click();
        return;
    }
    if (notification == BN_CLICKED && id >= kFirstControlId && id < kFirstControlId + static_cast<int>(kControlCount))
        form_->buttonClick(static_cast<Control>(id - kFirstControlId));
}

void MainWindow::onKeyPress(HWND edit, int& key) {
    if (!form_) return;
    if (wait_.pending()) {
        key = 0;
        return;
    }
    if (edit == control(Control::sInput))
        form_->sInput_KeyPress(key);
    else if (edit == control(Control::sCall))
        form_->sCall_KeyPress(key);
}

LRESULT CALLBACK MainWindow::keyPressProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) {
    auto* window = reinterpret_cast<MainWindow*>(self);
    const auto* asked = reinterpret_cast<const MSG*>(lParam);
    if (message == WM_GETDLGCODE && asked && asked->message == WM_KEYDOWN && asked->wParam == VK_RETURN)
        return DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
    if (message == WM_CHAR) {
        int key = static_cast<int>(wParam);
        atCallbackBoundary([&] { window->onKeyPress(edit, key); });
        if (key == 0) return 0;
        wParam = static_cast<WPARAM>(key);
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

// The controls sit in a plain window, not a dialog: keep the focused control
// across deactivation as a dialog would.
void MainWindow::onActivate(WORD state) {
    if (state == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) focusBeforeDeactivation_ = focus;
    } else if (focusBeforeDeactivation_ && IsWindow(focusBeforeDeactivation_)) {
        SetFocus(focusBeforeDeactivation_);
    }
}

// Never during a call to EchoLink: its wait leaves timers in the queue.
void MainWindow::onTimer(WPARAM id) {
    if (id == kTimer1Id && form_) form_->Timer1_Timer();
}

// Inside EchoLink's Closing call, which EchoLink waits on and looks hung
// meanwhile: the little that needs EchoLink still serving, and no box (see
// frmMain::whileEchoLinkCloses). The ending, with its boxes, once EchoLink's
// call has returned.
void MainWindow::onEchoLinkClosing() {
    ending_.begin(Ending::Reason::echoLinkClosing, wait_.pending());
    if (form_) form_->whileEchoLinkCloses();
    PostMessageW(window_, kEchoClosedMessage, 0, 0);
}

// The close box, a log-off or EchoLink's Closing. A call still pending is
// given up: its wait ends, and the ending runs with the short bound for each
// call; an unmute it cannot send stays in rokan.mute.
void MainWindow::onEndRequested(Ending::Reason reason) {
    ending_.begin(reason, wait_.pending());
    if (!form_) return;
    if (reason == Ending::Reason::echoLinkClosing)
        form_->Echo_Closing();
    else
        form_->unloadOnce();
}

}  // namespace rokan
