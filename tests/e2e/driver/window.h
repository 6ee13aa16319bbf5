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
    std::wstring class_name;              // empty: any class
    std::optional<std::wstring> caption;  // exact text; nothing: any caption
    bool visible_only = true;
};

// Top-level windows owned by the process, in Z order (topmost first).
std::vector<HWND> top_level_windows(DWORD pid);
HWND find_top_level(DWORD pid, const WindowQuery& query);
// nullptr when no such window turned up within the timeout.
HWND wait_top_level(DWORD pid, const WindowQuery& query, std::chrono::milliseconds timeout = default_timeout());
// Waits until the window is destroyed or hidden.
bool wait_gone(HWND hwnd, std::chrono::milliseconds timeout = default_timeout());

// A descendant (not only a direct child) with this control ID, or nullptr.
HWND child_by_id(HWND parent, int id);
std::vector<HWND> children(HWND parent);  // direct children, in Z order

std::wstring class_name(HWND hwnd);
// WM_GETTEXT through SendMessageTimeout, so a hung program fails the test
// instead of hanging it. Throws std::runtime_error on timeout.
std::wstring text(HWND hwnd);
int control_id(HWND hwnd);
bool visible(HWND hwnd);  // IsWindowVisible: the window and all its parents
bool enabled(HWND hwnd);
bool read_only(HWND edit);  // ES_READONLY
LONG_PTR style(HWND hwnd);
LONG_PTR ex_style(HWND hwnd);

RECT window_rect(HWND hwnd);         // screen pixels, frame included
RECT client_rect_screen(HWND hwnd);  // the client area in screen pixels
// The window's outer rectangle relative to the parent's client area origin.
RECT rect_in_parent_client(HWND hwnd, HWND parent);
POINT center(const RECT& r);

DWORD thread_of(HWND hwnd);
// GetGUIThreadInfo of the window's thread: where its keys go now.
HWND focused_window(HWND any_window_of_thread);
HWND active_window(HWND any_window_of_thread);
HWND foreground_window();

// EM_GETSEL of an edit control: {start, end}; equal values are the caret.
// Positions past 65535 read as 65535.
std::pair<DWORD, DWORD> edit_selection(HWND edit);

}  // namespace rokan::e2e
