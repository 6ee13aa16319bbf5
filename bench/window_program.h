#pragma once
// The whole of a minimal Win32 program's window: one class, one window shown,
// a message loop until it closes.

#include <windows.h>

namespace rokan::bench {

// Returns the program's exit code: 0 once the window has closed, 1 when it
// could not be created.
int runWindow(HINSTANCE instance, int showCommand, const wchar_t* windowClass);

}  // namespace rokan::bench
