#pragma once
#include <array>

#include "app/main_layout.h"

namespace rokan {

struct CommandTemplate {
    Control button;
    const wchar_t* text;            // exactly what goes into the chat line
    const wchar_t* failureMessage;  // the button handler's own
};

// Commands that take an argument end in a blank, ready for the call sign.
inline constexpr std::array<CommandTemplate, 9> kCommandTemplates{{
    {Control::btmMute, L".mute ", L"cmd mute Error"},
    {Control::btnUnMute, L".unmute ", L"cmd admin Error"},
    {Control::btmLurkd, L".lurk disable", L"cmd help Error"},
    {Control::btnConnect, L".connect ", L"cmd connect Error"},
    {Control::btnDisconnect, L".disconnect ", L"cmd disconnect Error"},
    {Control::btnStatus, L".stat", L"cmd stat Error"},
    {Control::btnSysop, L".sysop ", L"cmd sysop Error"},
    {Control::btnUsers, L".users ", L"cmd users Error"},
    {Control::btnAdmins, L".admins ", L"cmd version Error"},
}};

}  // namespace rokan
