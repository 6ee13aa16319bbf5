#pragma once
// Acting on a program as its user would. Most actions are posted (or sent
// with a timeout) to the program's own windows, so they work whichever window
// is in the foreground and never block on a modal box the action opens.

#include <windows.h>

#include <chrono>
#include <string>

#include "driver/wait.h"

namespace rokan::e2e {

// Posts BM_CLICK: posted, not sent, because the click may open a modal box
// that would block a sent message until the box closed.
void click(HWND button);
// WM_SETTEXT (the control notifies its parent as if typed over).
void set_text(HWND hwnd, const std::wstring& text);
// Gives keyboard focus to a window of another thread, by attaching to that
// thread's input for the call. True when the focus is seen there.
bool set_focus(HWND hwnd, std::chrono::milliseconds timeout = default_timeout());
// Brings the top-level window to the foreground and activates it.
bool activate(HWND top_level, std::chrono::milliseconds timeout = default_timeout());

// Keys go to whatever has the focus in target's thread (target: any window of
// the program). They go through the program's own message loop, so its
// TranslateMessage and IsDialogMessage see them as if typed. Plain keys,
// Alt+letter and text are posted and need no foreground window. Keys with
// Shift or Ctrl go as real input (SendInput) after bringing the target's
// window to the foreground; real input is handled after anything posted, so
// wait for a key's effect before the next action.
enum Modifier : unsigned { kNone = 0, kShift = 1, kCtrl = 2, kAlt = 4 };
void press_key(HWND target, UINT vk, unsigned modifiers = kNone);
void press_enter(HWND target);
void press_tab(HWND target, bool shift = false);
void press_escape(HWND target);
// Alt+letter, for mnemonics (&Name): WM_SYSKEYDOWN/UP; the program's
// TranslateMessage makes the WM_SYSCHAR.
void press_alt(HWND target, wchar_t letter);
// Each character as WM_CHAR (no key codes): any text, any script.
void type_text(HWND target, const std::wstring& text);

// Real keyboard input through SendInput: it reaches the focus of the
// foreground window only, so activate() first.
void send_keys(UINT vk, unsigned modifiers = kNone);
void send_text(const std::wstring& text);

void post_close(HWND hwnd);
// As if the timer with this id fired (lParam 0: the window procedure gets it).
void post_timer(HWND hwnd, UINT_PTR timer_id);
// WM_COMMAND as a control with this id would send it (BN_CLICKED by default).
void post_command(HWND hwnd, int id, int notify_code = BN_CLICKED, HWND control = nullptr);

}  // namespace rokan::e2e
