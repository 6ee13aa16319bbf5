#pragma once
#include <string>

#include "app/main_layout.h"

namespace rokan {

// The main window as the program's procedures see it. Any operation may throw
// Failure when the window system refuses it.
class MainView {
public:
    virtual ~MainView() = default;
    virtual void setCaption(const std::wstring& caption) = 0;
    virtual void setVisible(Control control, bool visible) = 0;
    // Destroys the window; the program ends with it.
    virtual void destroy() = 0;
};

}  // namespace rokan
