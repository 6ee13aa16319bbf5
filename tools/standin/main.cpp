// EchoLink stand-in: plays EchoLink's out-of-process automation server for
// Rokan's end-to-end tests and demo. Never shipped.

#include <windows.h>
#include <objbase.h>
#include <wrl/client.h>

#include <cstdlib>

#include "class_factory.h"
#include "main_window.h"
#include "incoming_call_filter.h"
#include "options.h"
#include "registration.h"
#include "server.h"
#include "standin_ids.h"

namespace {

LONG WINAPI exit_on_crash(EXCEPTION_POINTERS*) {
    ExitProcess(3);
}

int serve(HINSTANCE instance, int show, const standin::Options& options) {
    // Declared before COM starts, so that they outlive every reference COM
    // holds: the filter's until CoUninitialize, the class object's until it is
    // revoked, and the server's for objects COM drops as it shuts down.
    standin::Server server(options);
    standin::ClassFactory factory(server);
    standin::IncomingCallFilter filter(server);

    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    {
        // There is none before ours, and none is put back.
        Microsoft::WRL::ComPtr<IMessageFilter> previous;
        if (FAILED(CoRegisterMessageFilter(&filter, &previous))) {
            CoUninitialize();
            return 1;
        }
    }
    // Single use: under Wine a killed multiple-use server blocks every later
    // activation until the wineserver restarts; a single-use one does not.
    // Registered before the window exists, so a test that sees the window
    // knows the class object is there.
    DWORD cookie = 0;
    if (FAILED(CoRegisterClassObject(standin::kClsid, &factory, CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE, &cookie))) {
        CoUninitialize();
        return 1;
    }
    int rc = 1;
    if (standin::create_main_window(server, instance, show)) {
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        rc = 0;
    }
    CoRevokeClassObject(cookie);
    CoUninitialize();
    return rc;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // A crashed stand-in must vanish like a killed one, not sit in Wine's
    // debugger holding up the test that drives it.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(exit_on_crash);
    const auto options = standin::parse_options(__argc, __wargv);
    if (!options) return 2;
    switch (options->action) {
        case standin::Options::Action::Register:
            return standin::register_server();
        case standin::Options::Action::Unregister:
            return standin::unregister_server();
        case standin::Options::Action::Serve:
            break;
    }
    // Started by COM the show flag may say hidden; the window is the test's
    // handle on the process, so it is always shown.
    return serve(instance, show == SW_HIDE ? SW_SHOWNOACTIVATE : show, *options);
}
