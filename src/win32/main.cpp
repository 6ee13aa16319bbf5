#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "com_echolink.h"
#include "dll_search.h"
#include "main_form.h"
#include "main_window.h"
#include "windows_clock.h"
#include "windows_dialogs.h"
#include "windows_process.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    using namespace rokan;
    loadDllsFromSystem32Only();
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);

    Ending ending;
    EchoLinkWait wait(WaitBounds{}, ending);
    MainWindow window(instance, wait, ending);
    if (!window.create()) return 1;
    wait.watchForClose(window.handle());
    WindowsDialogs dialogs(instance, ending);
    dialogs.setMainWindow(window.handle(), window);
    ComEchoLink echo(wait, window.handle(), kEchoClosingMessage);
    WindowsProcess process;
    ProgramFolder programFolder(process);
    Module1 settings(window, dialogs, programFolder, machineFileSystem());
    WindowsClock clock;
    MuteRecordFile muteRecord(machineFileSystem(), clock, programFolder, process);
    frmMain form(window, echo, dialogs, process, settings, muteRecord);
    window.routeTo(form);

    form.Form_Load();
    window.show(showCommand);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window.handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // Rokan ends only through frmMain, which ends the process: a quit gets
    // here only when another program posts one, and ends Rokan as the close
    // box does, so the window's place and an owed unmute are not lost. Once
    // the window is gone, its ending has already run.
    SendMessageW(window.handle(), WM_CLOSE, 0, 0);
    return static_cast<int>(message.wParam);
}
