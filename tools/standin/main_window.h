#pragma once

#include <windows.h>

#include <string_view>

namespace standin {

// Creates and shows the "EchoLink stand-in" window; its handle is also kept
// in state().window until the window is destroyed.
HWND create_main_window(HINSTANCE instance, int show);

// Adds one received chat line to the window's list.
void window_show_chat_line(std::wstring_view line);

// Redraws the line showing the modes and the number of objects and sinks.
void window_refresh_status();

}  // namespace standin
