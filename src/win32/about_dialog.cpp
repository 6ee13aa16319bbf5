#include "about_dialog.h"

#include <array>

#include "about_layout.h"
#include "callback_boundary.h"
#include "dpi.h"
#include "separator.h"
#include "failure.h"
#include "about_box.h"
#include "resource_ids.h"
#include "twips.h"
#include "window_geometry.h"

namespace rokan {
namespace {

class AboutDialog final : public AboutView {
public:
    AboutDialog(HINSTANCE instance, MainView& mainWindow, Dialogs& dialogs)
        : instance_(instance), form_(*this, mainWindow, dialogs) {}

    void run(HWND owner);

    // In the main window's terms: screen coordinates at the desktop's one DPI.
    void setLeft(float twips) override { moveTo(dialog_, twipsToPixels(twips, desktopDpi()), windowRect().top); }
    void setTop(float twips) override { moveTo(dialog_, windowRect().left, twipsToPixels(twips, desktopDpi())); }
    void setCaption(const std::wstring& caption) override {
        if (!SetWindowTextW(dialog_, caption.c_str())) throw Failure{L"SetWindowTextW", GetLastError()};
    }
    void setText(AboutLabel label, const std::wstring& text) override {
        if (!SetWindowTextW(labels_[static_cast<int>(label)], text.c_str()))
            throw Failure{L"SetWindowTextW", GetLastError()};
    }
    void close() override {
        if (!EndDialog(dialog_, IDOK)) throw Failure{L"EndDialog", GetLastError()};
    }

private:
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR onMessage(UINT message, WPARAM wParam);
    void create();
    HWND child(const wchar_t* windowClass, const wchar_t* text, DWORD style, int left, int top, int width, int height,
               int id);
    RECT windowRect() const {
        RECT rect{};
        GetWindowRect(dialog_, &rect);
        return rect;
    }

    HINSTANCE instance_;
    frmAbout form_;
    HWND dialog_ = nullptr;
    std::array<HWND, kAboutLabels.size()> labels_{};
    int dpi_ = 96;
};

// An empty dialog template: the controls are placed in twips at the dialog's DPI.
struct alignas(DWORD) EmptyTemplate {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
    WORD pointSize;
    wchar_t face[13];
};

void AboutDialog::run(HWND owner) {
    EmptyTemplate layout{};
    layout.header.style = DS_MODALFRAME | DS_SETFONT | DS_SHELLFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    layout.header.dwExtendedStyle = WS_EX_DLGMODALFRAME;
    layout.pointSize = 8;
    lstrcpynW(layout.face, L"MS Shell Dlg", 13);
    if (DialogBoxIndirectParamW(instance_, &layout.header, owner, dialogProc, reinterpret_cast<LPARAM>(this)) == -1)
        throw Failure{L"DialogBoxIndirectParamW", GetLastError()};
}

HWND AboutDialog::child(const wchar_t* windowClass, const wchar_t* text, DWORD style, int left, int top, int width,
                        int height, int id) {
    HWND control = CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, twipsToPixels(left, dpi_),
                                   twipsToPixels(top, dpi_), twipsToPixels(width, dpi_), twipsToPixels(height, dpi_),
                                   dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageW(control, WM_SETFONT, SendMessageW(dialog_, WM_GETFONT, 0, 0), FALSE);
    return control;
}

void AboutDialog::create() {
    dpi_ = dpiOfWindow(dialog_);
    SetWindowTextW(dialog_, kAboutCreatedCaption);
    SendMessageW(dialog_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconW(instance_, MAKEINTRESOURCEW(IDI_ABOUT))));

    setClientSize(dialog_, twipsToPixels(kAboutClientWidth, dpi_), twipsToPixels(kAboutClientHeight, dpi_));

    child(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, kOkLeft, kOkTop, kOkWidth, kOkHeight, IDOK);
    HWND icon = child(L"STATIC", nullptr, SS_ICON | SS_REALSIZEIMAGE, kIconLeft, kIconTop, kIconSize, kIconSize, -1);
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(instance_, MAKEINTRESOURCEW(IDI_ROKAN))), 0);
    for (const AboutLabelLayout& label : kAboutLabels) {
        labels_[static_cast<int>(label.label)] =
            child(L"STATIC", label.createdText, SS_NOPREFIX | (label.centred ? SS_CENTER : SS_LEFT), label.left,
                  label.top, label.width, label.height, -1);
    }
    form_.Form_Load();
}

INT_PTR AboutDialog::onMessage(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_INITDIALOG:
            create();
            return TRUE;  // the focus goes to OK, the first tab stop
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(dialog_, &paint);
            drawSeparator(dc, kAboutSeparator, kAboutSeparatorY, dpi_);
            EndPaint(dialog_, &paint);
            return TRUE;
        }
        case WM_COMMAND:
            // OK is the default and the cancel button: Enter, Esc and the close box all press it.
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) form_.cmdOK_Click();
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK AboutDialog::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<AboutDialog*>(lParam)->dialog_ = dialog;
    }
    auto* self = reinterpret_cast<AboutDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self) return FALSE;
    return atCallbackBoundary([&] { return self->onMessage(message, wParam); }, INT_PTR{FALSE});
}

}  // namespace

void runAboutDialog(HINSTANCE instance, HWND owner, MainView& mainWindow, Dialogs& dialogs) {
    AboutDialog(instance, mainWindow, dialogs).run(owner);
}

}  // namespace rokan
