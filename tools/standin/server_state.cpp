#include "server_state.h"

namespace standin {

ServerState& state() {
    static ServerState s;
    return s;
}

void lock_server() {
    ++state().locks;
}

void unlock_server() {
    if (--state().locks == 0 && state().window) PostMessageW(state().window, kMsgExitIfUnused, 0, 0);
}

void exit_if_unused() {
    const ServerState& s = state();
    if (s.locks == 0 && s.served && !s.stay && !s.closing && s.window) DestroyWindow(s.window);
}

}  // namespace standin
