#include "commands.h"

#include <windows.h>

#include "events.h"
#include "main_window.h"
#include "server.h"
#include "standin_commands.h"

namespace standin {

bool run_command(Server& server, int id, LPARAM arg) {
    Modes& modes = server.modes;
    // A raise command that arrives by SendMessage runs later from the message
    // loop: COM refuses calls out of a sent message (RPC_E_CANTCALLOUT_
    // ININPUTSYNCCALL, measured under Wine even after ReplyMessage), and the
    // sender's apartment, blocked in SendMessage, could not take the events.
    if ((id == STANDIN_CMD_RAISE_OTHER_EVENTS || id == STANDIN_CMD_RAISE_CLOSING_AND_EXIT) && InSendMessage() &&
        server.window) {
        PostMessageW(server.window, WM_COMMAND, static_cast<WPARAM>(id), 0);
        return true;
    }
    switch (id) {
        case STANDIN_CMD_FAIL_ON:
            modes.fail_sends = true;
            break;
        case STANDIN_CMD_FAIL_OFF:
            modes.fail_sends = false;
            break;
        case STANDIN_CMD_NOOBJECT_ON:
            modes.no_object = true;
            break;
        case STANDIN_CMD_NOOBJECT_OFF:
            modes.no_object = false;
            break;
        case STANDIN_CMD_BUSY:
            if (arg < 0 || arg > STANDIN_BUSY_MAX_MS) return false;
            modes.busy_ms = static_cast<unsigned>(arg);
            break;
        case STANDIN_CMD_REJECT:
            if (arg < 0 || arg > STANDIN_BUSY_MAX_MS) return false;
            server.reject_until = GetTickCount64() + static_cast<ULONGLONG>(arg);
            break;
        case STANDIN_CMD_HANG_ON:
            modes.hang_sends = true;
            break;
        case STANDIN_CMD_HANG_OFF:
            modes.hang_sends = false;
            break;
        case STANDIN_CMD_RAISE_OTHER_EVENTS:
            raise_other_events(server);
            break;
        case STANDIN_CMD_RAISE_CLOSING_AND_EXIT:
            raise_closing_and_exit(server);
            return true;
        default:
            return false;
    }
    window_refresh_status(server);
    return true;
}

}  // namespace standin
