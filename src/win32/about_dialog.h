#pragma once
#include <windows.h>

#include "dialogs.h"
#include "main_view.h"

namespace rokan {

// Runs the About box modally over its owner, which stays disabled meanwhile.
void runAboutDialog(HINSTANCE instance, HWND owner, MainView& mainWindow, Dialogs& dialogs);

}  // namespace rokan
