#include "about_box.h"

#include <cmath>

#include "about_texts.h"
#include "failure.h"
#include "guarded.h"
#include "messages.h"
#include "version.h"

namespace rokan {
namespace {

float checked(float twips) {
    if (!std::isfinite(twips)) throw Failure{};
    return twips;
}

}  // namespace

// Where the main window stands now, whatever its height; not kept on the screen.
void frmAbout::Form_Load() {
    guarded(dialogs_, kAboutLoadError, [&] {
        view_.setLeft(checked(mainWindow_.left() + 300));
        view_.setTop(checked(mainWindow_.top() + 50));
        view_.setCaption(std::wstring(kAppTitle) + kAboutCaptionAfterTitle);
        view_.setText(AboutLabel::lblVersion, std::wstring(L"Ver. ") + kVersionNumbers);
        view_.setText(AboutLabel::lblTitle, kAppTitle);
        view_.setText(AboutLabel::lblDescription, kDescription);
        view_.setText(AboutLabel::readme, kReadmeNote);
        view_.setText(AboutLabel::lblDisclaimer, kDisclaimer);
        view_.setText(AboutLabel::copyright, kCopyright);
    });
}

void frmAbout::cmdOK_Click() {
    guarded(dialogs_, kAboutOkError, [&] { view_.close(); });
}

}  // namespace rokan
