#pragma once
// The whole of a minimal Win32 program's window: one class, one window shown,
// a message loop until it closes.

#include <windows.h>

namespace rokan::bench {

enum class Content { none, focusedEditBox };

// Returns the program's exit code: 0 once the window has closed, 1 when it
// could not be created. With an edit box, the box keeps the focus, and its
// caret blinks whenever the window is active.
int runWindow(HINSTANCE instance, int showCommand, const wchar_t* windowClass, Content content = Content::none);

}  // namespace rokan::bench
