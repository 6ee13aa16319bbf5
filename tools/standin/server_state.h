#pragma once

#include <windows.h>

#include <vector>

namespace standin {

class LinkObject;

// Everything here is touched only on the server's single STA thread.
struct ServerState {
    bool fail_sends = false;
    bool hang_sends = false;
    bool hang_create = false;
    unsigned busy_ms = 0;
    bool no_object = false;
    bool stay = false;
    bool served = false;   // the single-use class object has answered a client
    bool closing = false;  // Closing raised, process on its way out
    bool nested_only = false;
    bool in_closing_call = false;  // raising Closing on this thread (/nestedonly)
    ULONGLONG reject_until = 0;    // GetTickCount64() before which every call is refused
    HWND window = nullptr;
    long locks = 0;                    // live objects plus LockServer(TRUE) calls
    std::vector<LinkObject*> objects;  // live objects, to reach every sink
};

ServerState& state();

// Private message: exit now if no client holds anything (the check is
// deferred so the reply to the client's last call leaves first).
inline constexpr UINT kMsgExitIfUnused = WM_APP + 1;

void lock_server();
void unlock_server();

// A single-use class object cannot serve a second client, so once it has
// answered one and nothing is held any more the process has no reason to live
// (unless /stay).
void exit_if_unused();

}  // namespace standin
