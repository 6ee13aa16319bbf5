#pragma once
#include <cstdint>
#include <string>

#include "main_layout.h"

namespace rokan {

// Windows colour values 0x00BBGGRR; with the top bit set, system colour n.
using Colour = std::uint32_t;
inline constexpr Colour kSystemWindowColour = 0x80000005;
inline constexpr Colour kMutedColour = 0x00FFC0C0;

// The main window as the program's procedures see it. Any operation may throw
// Failure when the window system refuses it.
class MainView {
public:
    virtual ~MainView() = default;
    virtual void setCaption(const std::wstring& caption) = 0;

    virtual std::wstring text(Control control) = 0;
    virtual void setText(Control control, const std::wstring& text) = 0;
    // Puts the caret at a character position, selecting nothing.
    virtual void setCaret(Control control, std::size_t position) = 0;
    virtual void setFocus(Control control) = 0;
    virtual void setVisible(Control control, bool visible) = 0;
    virtual void setBackColour(Control control, Colour colour) = 0;
    virtual void setReadOnly(Control control, bool readOnly) = 0;

    virtual void setTimerEnabled(bool enabled) = 0;

    // The window's rectangle in twips: Left and Top of the outer window on the
    // screen; Width and Height are the client area plus the design frame.
    // Setting a size that changes the window raises Form_Resize before the
    // setter returns.
    virtual float left() = 0;
    virtual float top() = 0;
    virtual float width() = 0;
    virtual float height() = 0;
    virtual void setLeft(float twips) = 0;
    virtual void setTop(float twips) = 0;
    virtual void setWidth(float twips) = 0;
    virtual void setHeight(float twips) = 0;
    virtual bool minimized() = 0;
    // Whether any monitor shows part of the window.
    virtual bool onAnyMonitor() = 0;

    // Destroys the window; the program ends with it.
    virtual void destroy() = 0;
};

}  // namespace rokan
