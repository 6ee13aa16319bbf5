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
void setText(HWND hwnd, const std::wstring& text);
// Gives keyboard focus to a window of another thread, by attaching to that
// thread's input for the call. True when the focus is seen there.
bool setFocus(HWND hwnd, std::chrono::milliseconds timeout = defaultTimeout());
// Brings the top-level window to the foreground and activates it.
bool activate(HWND topLevel, std::chrono::milliseconds timeout = defaultTimeout());

// Keys go to whatever has the focus in target's thread (target: any window of
// the program). They go through the program's own message loop, so its
// TranslateMessage and IsDialogMessage see them as if typed. Plain keys,
// Alt+letter and text are posted and need no foreground window. Keys with
// Shift or Ctrl go as real input (SendInput) after bringing the target's
// window to the foreground; real input is handled after anything posted, so
// wait for a key's effect before the next action.
enum Modifier : unsigned { kNone = 0, kShift = 1, kCtrl = 2, kAlt = 4 };
void pressKey(HWND target, UINT vk, unsigned modifiers = kNone);
void pressEnter(HWND target);
void pressTab(HWND target, bool shift = false);
void pressEscape(HWND target);
// Alt+letter, for mnemonics (&Name): WM_SYSKEYDOWN/UP; the program's
// TranslateMessage makes the WM_SYSCHAR.
void pressAlt(HWND target, wchar_t letter);
// Each character as WM_CHAR (no key codes): any text, any script.
void typeText(HWND target, const std::wstring& text);

// Real keyboard input through SendInput: it reaches the focus of the
// foreground window only, so activate() first.
void sendKeys(UINT vk, unsigned modifiers = kNone);
void sendText(const std::wstring& text);

void postClose(HWND hwnd);
// As if the timer with this id fired (lParam 0: the window procedure gets it).
void postTimer(HWND hwnd, UINT_PTR timerId);
// WM_COMMAND as a control with this id would send it (BN_CLICKED by default).
void postCommand(HWND hwnd, int id, int notifyCode = BN_CLICKED, HWND control = nullptr);

}  // namespace rokan::e2e
