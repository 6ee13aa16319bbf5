#include "command_templates.h"
#include "main_form.h"
#include "guarded.h"
#include "messages.h"

namespace rokan {

void frmMain::buttonClick(Control button) {
    switch (button) {
        case Control::B_Send:
            return B_Send_Click();
        case Control::btnAutoMute:
            return btnAutoMute_Click();
        case Control::btnMuteOff:
            return btnMuteOff_Click();
        default:
            return templateButton_Click(button);
    }
}

// The design gives each button, B_Send_Click and sInput_KeyPress a message
// of their own, kept here; cmd and SendChatMsg catch every failure first, so
// a working Rokan never shows them.
void frmMain::templateButton_Click(Control button) {
    if (const CommandTemplate* entry = templateOf(button))
        guarded(dialogs_, entry->failureMessage, [&] { cmd(entry->text); });
}

void frmMain::cmd(const std::wstring& commandTemplate) {
    guarded(dialogs_, kCmdError, [&] {
        view_.setFocus(Control::sInput);
        view_.setText(Control::sInput, commandTemplate);
        view_.setCaret(Control::sInput, commandTemplate.size());
    });
}

void frmMain::B_Send_Click() {
    guarded(dialogs_, kSendClickError, [&] { SendChatMsg(); });
}

void frmMain::sInput_KeyPress(int& key) {
    guarded(dialogs_, kInputKeyPressError, [&] {
        if (key == kEnterKey) {
            SendChatMsg();
            key = 0;
        }
    });
}

// The line goes exactly as typed; after a failure it stays for another try.
void frmMain::SendChatMsg() {
    guarded(dialogs_, kSendChatMsgError, [&] {
        Echo_.sendChat(view_.text(Control::sInput));
        view_.setText(Control::sInput, L"");
        view_.setFocus(Control::sInput);
    });
}

}  // namespace rokan
