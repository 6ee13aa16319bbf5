#pragma once
#include "guarded.h"

namespace rokan {

class Dialogs : public MessageBoxes {
public:
    // Opens the About box modally; returns when it has been closed.
    virtual void showAbout() = 0;
};

}  // namespace rokan
