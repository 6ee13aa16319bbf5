#include "main_form.h"
#include "guarded.h"
#include "messages.h"

namespace rokan {
// Each size set here raises this handler again, nested; every step reads the
// size afresh, so the nested run and the outer one agree.
void frmMain::Form_Resize() {
    guarded(dialogs_, kFormResizeError, [&] {
        if (view_.minimized()) return;
        if (view_.width() != kFixedWidth) view_.setWidth(kFixedWidth);
        if (view_.height() > kMaximumHeight) view_.setHeight(kMaximumHeight);
        if (view_.height() < kMinimumHeight) view_.setHeight(kMinimumHeight);
        if (view_.height() > kPanelThreshold)
            mute_window();
        else
            mute_disable();
    });
}

}  // namespace rokan
