#pragma once
// Finding a program's windows and reading what a user would see in them.

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "driver/wait.h"

namespace rokan::e2e {

struct WindowQuery {
    std::wstring className;               // empty: any class
    std::optional<std::wstring> caption;  // exact text; nothing: any caption
    bool visibleOnly = true;
};

// Top-level windows owned by the process, in Z order (topmost first).
std::vector<HWND> topLevelWindows(DWORD pid);
// Ends, by force, every process that shows a top-level window with this exact
// caption, and waits until those windows are gone. True when none is left.
bool endWindowOwners(const std::wstring& caption);
HWND findTopLevel(DWORD pid, const WindowQuery& query);
// nullptr when no such window turned up within the timeout.
HWND waitTopLevel(DWORD pid, const WindowQuery& query, std::chrono::milliseconds timeout = defaultTimeout());
// Waits until the window is destroyed or hidden.
bool waitGone(HWND hwnd, std::chrono::milliseconds timeout = defaultTimeout());

// A descendant (not only a direct child) with this control ID, or nullptr.
HWND childById(HWND parent, int id);
std::vector<HWND> children(HWND parent);  // direct children, in Z order

std::wstring className(HWND hwnd);
// WM_GETTEXT through SendMessageTimeout, so a hung program fails the test
// instead of hanging it. Throws std::runtime_error on timeout.
std::wstring text(HWND hwnd);
int controlId(HWND hwnd);
bool visible(HWND hwnd);  // IsWindowVisible: the window and all its parents
bool enabled(HWND hwnd);
bool readOnly(HWND edit);  // ES_READONLY
LONG_PTR style(HWND hwnd);
LONG_PTR exStyle(HWND hwnd);

RECT windowRect(HWND hwnd);        // screen pixels, frame included
RECT clientRectScreen(HWND hwnd);  // the client area in screen pixels
// The window's outer rectangle relative to the parent's client area origin.
RECT rectInParentClient(HWND hwnd, HWND parent);
POINT center(const RECT& r);

DWORD threadOf(HWND hwnd);
// GetGUIThreadInfo of the window's thread: where its keys go now.
HWND focusedWindow(HWND anyWindowOfThread);
HWND activeWindow(HWND anyWindowOfThread);
HWND foregroundWindow();

// EM_GETSEL of an edit control: {start, end}; equal values are the caret.
// Positions past 65535 read as 65535.
std::pair<DWORD, DWORD> editSelection(HWND edit);

}  // namespace rokan::e2e
