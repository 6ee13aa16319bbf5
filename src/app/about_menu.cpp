#include "app/frm_main.h"
#include "app/guarded.h"

namespace rokan {

void frmMain::mnuAbout_Click() {
    guarded(dialogs_, L"mnuAbout Error", [&] { dialogs_.showAbout(); });
}

}  // namespace rokan
