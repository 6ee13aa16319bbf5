#pragma once
#include <windows.h>

#include <optional>

#include "ending.h"

namespace rokan {

// How long the window waits for EchoLink: a call by the operator or a tick,
// attaching (Windows may have to start EchoLink first), and any call once
// Rokan is ending.
struct WaitBounds {
    DWORD callMs = 20000;
    DWORD attachMs = 60000;
    DWORD endingMs = 2000;
};

// How the window waits for a call to EchoLink, which runs on EchoLink's own
// thread: within its bound, painting and answering other programs meanwhile.
// Input to Rokan's windows is dropped while it waits, typed, clicked or
// posted by another program: shown nothing, the operator would otherwise see
// it replayed after the call, such as a second Enter sending the line again.
// A close of the main window stops the wait at once; a close of any other
// window of Rokan's closes that window once the call is over. A quit asked
// for meanwhile is left for the message loop.
class EchoLinkWait {
public:
    enum class Kind { call, attach };
    // How a wait ended. But for answered, the call is still EchoLink's and
    // may yet be carried out.
    enum class Outcome {
        answered,    // done was signalled: the call's result is in
        refused,     // another wait was already running; this one never began
        unanswered,  // the bound ran out first
        ending,      // Rokan began to end meanwhile
    };

    EchoLinkWait(const WaitBounds& bounds, Ending& ending) : bounds_(bounds), ending_(ending) {}
    void watchForClose(HWND mainWindow) { main_ = mainWindow; }

    bool pending() const { return pending_; }
    const WaitBounds& bounds() const { return bounds_; }
    // Waits until `done` is signalled, within the bound for kind.
    Outcome forCall(HANDLE done, Kind kind);

private:
    DWORD boundFor(Kind kind) const;
    DWORD sleep(HANDLE done, DWORD ms);
    bool takeInput(MSG& message);
    void takeMessages();
    void dispatch(const MSG& message);
    bool mainWindowCloseRequested() const;

    WaitBounds bounds_;
    Ending& ending_;
    HWND main_ = nullptr;
    bool pending_ = false;
    bool wakeForTouch_ = true;
    std::optional<int> quitCode_;
};

}  // namespace rokan
