#pragma once
// End-to-end UI test driver: start a program, find its windows, read them and
// act on them as a user would. Meant for GoogleTest tests run on Windows or
// under Wine (tools/wine/run-exe) inside one desktop with the program.
//
// Every wait polls with a timeout (default 10 s, ROKAN_E2E_TIMEOUT_MS), so a
// test states what it waits for instead of sleeping:
//
//   auto app = Process::start(quote_arg((exe_dir() / "rokan.exe").wstring()), work_dir);
//   HWND main = wait_top_level(app.pid(), {L"SomeClass", std::nullopt});
//   set_focus(child_by_id(main, kSomeEdit));
//   type_text(main, L"hello");
//   press_enter(main);
//   HWND box = wait_dialog(app.pid());
//   EXPECT_EQ(read_message_box(box).text, L"...");
//   press_ok(box);

#include "driver/input.h"
#include "driver/message_box.h"
#include "driver/process.h"
#include "driver/screen.h"
#include "driver/text.h"
#include "driver/wait.h"
#include "driver/window.h"
