#pragma once
#include <array>

#include "main_layout.h"
#include "messages.h"

namespace rokan {

struct CommandTemplate {
    Control button;
    const wchar_t* text;            // exactly what goes into the chat line
    const wchar_t* failureMessage;  // the button handler's own
};

// Commands that take an argument end in a blank, ready for the call sign.
// Some messages name another command (".unmute" fails with "cmd admin
// Error"): that is the design's own mapping, kept as users know it.
inline constexpr auto kCommandTemplates = std::to_array<CommandTemplate>({
    {Control::btmMute, L".mute ", kCmdMuteError},
    {Control::btnUnMute, L".unmute ", kCmdAdminError},
    {Control::btmLurkd, L".lurk disable", kCmdHelpError},
    {Control::btnConnect, L".connect ", kCmdConnectError},
    {Control::btnDisconnect, L".disconnect ", kCmdDisconnectError},
    {Control::btnStatus, L".stat", kCmdStatError},
    {Control::btnSysop, L".sysop ", kCmdSysopError},
    {Control::btnUsers, L".users ", kCmdUsersError},
    {Control::btnAdmins, L".admins ", kCmdVersionError},
});

// The template a button prepares; nothing for the window's other controls.
constexpr const CommandTemplate* templateOf(Control button) {
    for (const CommandTemplate& entry : kCommandTemplates)
        if (entry.button == button) return &entry;
    return nullptr;
}

}  // namespace rokan
