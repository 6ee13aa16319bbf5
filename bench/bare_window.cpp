// The floor for any Win32 program's start-up: one window shown, nothing else
// loaded or done.

#include <windows.h>

#include "bench_window_class.h"
#include "window_program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return rokan::bench::runWindow(instance, showCommand, rokan::bench::kBareWindowClass);
}
