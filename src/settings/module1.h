#pragma once

namespace rokan {

// The settings file rokan.ini. Until it is kept, the hooks do nothing.
class Module1 {
public:
    // Places the main window from the file; ok: the stored values were used as they stood.
    void iniRead(bool& ok) { ok = false; }
    // Stores the main window's rectangle.
    void iniWrite() {}
};

}  // namespace rokan
