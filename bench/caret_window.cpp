// The floor for a window left idle with a caret: one focused edit box, its
// caret blinking, nothing else loaded or done.

#include <windows.h>

#include "bench_window_class.h"
#include "window_program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    using namespace rokan::bench;
    return runWindow(instance, showCommand, kCaretWindowClass, Content::focusedEditBox);
}
