#include "main_form.h"
#include "guarded.h"
#include "messages.h"

namespace rokan {

void frmMain::mnuAbout_Click() {
    guarded(dialogs_, kAboutMenuError, [&] { dialogs_.showAbout(); });
}

}  // namespace rokan
