#pragma once

#include <windows.h>

#include <vector>

#include "options.h"

namespace standin {

class LinkObject;

// The running server, built from the options: what its commands change, what
// COM's calls find, and when it ends. One lives in serve() for the whole run;
// whatever needs it is given it. Touched only on the server's single STA
// thread.
class Server {
public:
    explicit Server(const Options& parsed) : options(parsed), modes(parsed.modes) {}
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    const Options options;
    Modes modes;
    ULONGLONG reject_until = 0;    // GetTickCount64() before which every call is refused
    bool served = false;           // the single-use class object has answered a client
    bool closing = false;          // Closing raised, process on its way out
    bool in_closing_call = false;  // raising Closing on this thread (/nestedonly)
    HWND window = nullptr;
    std::vector<LinkObject*> objects;  // live objects, to reach every sink

    // Live objects plus LockServer(TRUE) calls.
    void lock() { ++locks_; }
    void unlock();

    // A single-use class object cannot serve a second client, so once it has
    // answered one and nothing is held any more the process has no reason to
    // live (unless /stay).
    void exit_if_unused() const;

private:
    long locks_ = 0;
};

// Private message: exit now if no client holds anything (the check is
// deferred so the reply to the client's last call leaves first).
inline constexpr UINT kMsgExitIfUnused = WM_APP + 1;

}  // namespace standin
