#include "main_form.h"
#include "guarded.h"
#include "messages.h"

namespace rokan {

void frmMain::mute_window() {
    guarded(dialogs_, kMuteWindowError, [&] {
        const Colour back = muted_ ? kMutedColour : kSystemWindowColour;
        view_.setBackColour(Control::sCall, back);
        view_.setBackColour(Control::gMin, back);
        view_.setReadOnly(Control::sCall, muted_);
        view_.setReadOnly(Control::gMin, muted_);
        view_.setVisible(Control::btnAutoMute, !muted_);
        view_.setVisible(Control::btnMuteOff, muted_);
        view_.setVisible(Control::sCall, true);
        view_.setVisible(Control::gMin, true);
        view_.setVisible(Control::Label1, true);
    });
}

void frmMain::mute_disable() {
    guarded(dialogs_, kMuteDisableError, [&] {
        for (Control control :
             {Control::sCall, Control::gMin, Control::Label1, Control::btnAutoMute, Control::btnMuteOff})
            view_.setVisible(control, false);
    });
}

}  // namespace rokan
