#pragma once
// End-to-end UI test driver: start a program, find its windows, read them and
// act on them as a user would. Meant for GoogleTest tests run on Windows or
// under Wine (tools/wine/run-exe) inside one desktop with the program.
//
// Every wait polls with a timeout (default 10 s, ROKAN_E2E_TIMEOUT_MS), so a
// test states what it waits for instead of sleeping:
//
//   auto app = Process::start(quoteArg((exeDir() / "rokan.exe").wstring()), workDir);
//   HWND main = waitTopLevel(app.pid(), {L"SomeClass", std::nullopt});
//   setFocus(childById(main, kSomeEdit));
//   typeText(main, L"hello");
//   pressEnter(main);
//   HWND box = waitDialog(app.pid());
//   EXPECT_EQ(readMessageBox(box).text, L"...");
//   pressOk(box);

#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/process.h"
#include "driver/screen.h"
#include "driver/text.h"
#include "driver/wait.h"
#include "driver/window.h"
