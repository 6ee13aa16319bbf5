#include "commands.h"

#include <windows.h>

#include "events.h"
#include "main_window.h"
#include "server_state.h"
#include "standin_commands.h"

namespace standin {

bool run_command(int id, LPARAM arg) {
    ServerState& s = state();
    // A raise command that arrives by SendMessage runs later from the message
    // loop: COM refuses calls out of a sent message (RPC_E_CANTCALLOUT_
    // ININPUTSYNCCALL, measured under Wine even after ReplyMessage), and the
    // sender's apartment, blocked in SendMessage, could not take the events.
    if ((id == STANDIN_CMD_RAISE_OTHER_EVENTS || id == STANDIN_CMD_RAISE_CLOSING_AND_EXIT) && InSendMessage() &&
        s.window) {
        PostMessageW(s.window, WM_COMMAND, static_cast<WPARAM>(id), 0);
        return true;
    }
    switch (id) {
        case STANDIN_CMD_FAIL_ON:
            s.fail_sends = true;
            break;
        case STANDIN_CMD_FAIL_OFF:
            s.fail_sends = false;
            break;
        case STANDIN_CMD_NOOBJECT_ON:
            s.no_object = true;
            break;
        case STANDIN_CMD_NOOBJECT_OFF:
            s.no_object = false;
            break;
        case STANDIN_CMD_BUSY:
            if (arg < 0 || arg > STANDIN_BUSY_MAX_MS) return false;
            s.busy_ms = static_cast<unsigned>(arg);
            break;
        case STANDIN_CMD_REJECT:
            if (arg < 0 || arg > STANDIN_BUSY_MAX_MS) return false;
            s.reject_until = GetTickCount64() + static_cast<ULONGLONG>(arg);
            break;
        case STANDIN_CMD_HANG_ON:
            s.hang_sends = true;
            break;
        case STANDIN_CMD_HANG_OFF:
            s.hang_sends = false;
            break;
        case STANDIN_CMD_RAISE_OTHER_EVENTS:
            raise_other_events();
            break;
        case STANDIN_CMD_RAISE_CLOSING_AND_EXIT:
            raise_closing_and_exit();
            return true;
        default:
            return false;
    }
    window_refresh_status();
    return true;
}

}  // namespace standin
