#pragma once
#include <windows.h>

#include <array>

#include "echolink_wait.h"
#include "ending.h"
#include "fonts.h"
#include "main_view.h"
#include "window_twips.h"

namespace rokan {

class frmMain;

// Sent to the main window inside EchoLink's Closing call; the window posts
// itself the second to end Rokan once that call has returned.
inline constexpr UINT kEchoClosingMessage = WM_APP + 1;
inline constexpr UINT kEchoClosedMessage = WM_APP + 2;

// The main window and its controls: turns window messages into the form's
// event procedures and the form's requests into window calls.
class MainWindow final : public MainView {
public:
    MainWindow(HINSTANCE instance, EchoLinkWait& wait, Ending& ending)
        : instance_(instance), wait_(wait), ending_(ending) {}
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    // Creates the window hidden, with all its controls.
    HWND create();
    void routeTo(frmMain& form) { form_ = &form; }
    void show(int showCommand);
    HWND handle() const { return window_; }

    void setCaption(const std::wstring& caption) override;
    std::wstring text(Control control) override;
    void setText(Control control, const std::wstring& text) override;
    void setCaret(Control control, std::size_t position) override;
    void setFocus(Control control) override;
    void setVisible(Control control, bool visible) override;
    void setBackColour(Control control, Colour colour) override;
    void setReadOnly(Control control, bool readOnly) override;
    void setTimerEnabled(bool enabled) override;
    float left() override;
    float top() override;
    float width() override;
    float height() override;
    void setLeft(float twips) override;
    void setTop(float twips) override;
    void setWidth(float twips) override;
    void setHeight(float twips) override;
    bool minimized() override;
    bool onAnyMonitor() override;
    void destroy() override;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // One handler a message (main_window.cpp).
    void onActivate(WORD state);
    void onCommand(int id, int notification);
    void onTimer(WPARAM id);
    void onEndRequested(Ending::Reason reason);
    void onEchoLinkClosing();
    static LRESULT CALLBACK keyPressProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self);
    void onKeyPress(HWND edit, int& key);
    static void showFromFirstCharacter(HWND edit);
    // Geometry, paint and DPI (main_window_geometry.cpp).
    void onPaint();
    void onDpiChanged(int dpi, const RECT& suggested);
    void onSize(WPARAM kind);
    void onMove();
    void onGetMinMaxInfo(MINMAXINFO& limits);
    void onSizing(WPARAM edge, RECT& dragged);
    void layoutControls();
    void fitMinutesBox(HWND box, FontSpec designed);
    static int widestTwoDigits(HWND box, HFONT font);
    static int formattingWidth(HWND box);
    void rememberNormalPlace();
    // Where the window stands when not minimized, in pixels: its outer
    // rectangle and its client area.
    struct Place {
        RECT outer, client;
    };
    Place normalPlace() const;
    // Outer sizes in pixels that the size policy allows.
    struct SizeBand {
        int width, minimumHeight, maximumHeight;
    };
    SizeBand sizeBand() const;
    WindowTwips scale() const { return WindowTwips{desktopDpi_, dpi_}; }
    // The boxes' colours (main_window_colours.cpp).
    LRESULT onControlColour(HDC dc, HWND child, UINT message, WPARAM wParam, LPARAM lParam);
    HBRUSH brushFor(Colour colour);
    static bool tintReads(Colour colour);
    void onColoursChanged();

    HWND control(Control id) const { return controls_[static_cast<int>(id)]; }

    HINSTANCE instance_;
    EchoLinkWait& wait_;
    Ending& ending_;
    HWND window_ = nullptr;
    std::array<HWND, kControlCount> controls_{};
    HWND focusBeforeDeactivation_ = nullptr;
    std::array<Colour, kControlCount> backColours_{};
    HBRUSH customBrush_ = nullptr;  // for the one colour that is not a system colour
    Colour customBrushColour_ = 0;
    bool timerEnabled_ = false;
    Place normalPlace_{};
    bool restorePending_ = false;
    Fonts fonts_;
    int dpi_ = 96;
    int desktopDpi_ = 96;
    frmMain* form_ = nullptr;
};

}  // namespace rokan
