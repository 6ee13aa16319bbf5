#include "messages.h"
#include "frm_main.h"
#include "guarded.h"

namespace rokan {

void frmMain::mnuAbout_Click() {
    guarded(dialogs_, kAboutMenuError, [&] { dialogs_.showAbout(); });
}

}  // namespace rokan
