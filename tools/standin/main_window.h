#pragma once

#include <windows.h>

#include <string_view>

#include "server.h"

namespace standin {

// Creates and shows the "EchoLink stand-in" window of the server; its handle
// is also kept in server.window until the window is destroyed.
HWND create_main_window(Server& server, HINSTANCE instance, int show);

// Adds one received chat line to the window's list.
void window_show_chat_line(HWND window, std::wstring_view line);

// Redraws the line showing the modes and the number of objects and sinks.
void window_refresh_status(const Server& server);

}  // namespace standin
