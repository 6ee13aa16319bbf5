#include "about/frm_about.h"

#include <cmath>

#include "app/failure.h"
#include "app/guarded.h"
#include "app/version.h"
#include "settings/number_text.h"

namespace rokan {
namespace {

float checked(float twips) {
    if (!std::isfinite(twips)) throw Failure{};
    return twips;
}

}  // namespace

// Where the main window stands now, whatever its height; not kept on the screen.
void frmAbout::Form_Load() {
    guarded(dialogs_, L"frmAbout.Form_Load Error", [&] {
        view_.setLeft(checked(mainWindow_.left() + 300));
        view_.setTop(checked(mainWindow_.top() + 50));
        view_.setCaption(std::wstring(kAppTitle) + L" Version Info.");
        view_.setText(AboutLabel::lblVersion, L"Ver. " + decimalText(kVersionMajor) + L"." +
                                                  decimalText(kVersionMinor) + L"." + decimalText(kVersionRevision));
        view_.setText(AboutLabel::lblTitle, kAppTitle);
        view_.setText(AboutLabel::lblDescription, kDescription);
        view_.setText(AboutLabel::readme, L"HELP File is [ Readme.txt ]");
        view_.setText(AboutLabel::lblDisclaimer, L"Message:  Enjoy EchoLink Life!!");
        view_.setText(AboutLabel::copyright, kCopyright);
    });
}

void frmAbout::cmdOK_Click() {
    guarded(dialogs_, L"frmAbout.cmdOK_Click Error", [&] { view_.close(); });
}

}  // namespace rokan
