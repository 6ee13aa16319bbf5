// Verification client for the EchoLink stand-in: registers it, drives it the
// way Rokan will (CoCreateInstance, function-table entry 40, Closing DISPID
// from the registered type library, connection-point events) and checks each
// observable effect. Exit code 0 only when every expectation held.
//
// Runs unattended under Wine (needs a display for the stand-in's window);
// expects echolink_standin.exe in its own folder and no stand-in running.
// Leaves the stand-in unregistered.

#include <windows.h>
#include <objbase.h>

#include <cstdio>

#include "check_common.h"
#include "check_support.h"

namespace {

LONG WINAPI report_crash(EXCEPTION_POINTERS* e) {
  std::printf("FAIL: crashed with exception 0x%08lX\n",
              static_cast<unsigned long>(e->ExceptionRecord->ExceptionCode));
  std::fflush(stdout);
  ExitProcess(3);
}

}  // namespace

int wmain() {
  if (GetFileAttributesW(standin_exe().c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::printf("FAIL: echolink_standin.exe is not next to standin_check.exe\n");
    return 1;
  }
  if (find_standin_window(0)) {
    std::printf("FAIL: a stand-in is already running; close it first\n");
    return 1;
  }
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
    std::printf("FAIL: CoInitializeEx\n");
    return 1;
  }
  // A crash must end the run with a message, not start Wine's debugger.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  SetUnhandledExceptionFilter(report_crash);
  check_registration();
  const TypeLibFacts facts = check_type_library();
  if (!facts.send_at_40) {
    // The proxy's table would be too short or misplaced; calling entry 40
    // through it is undefined.
    std::printf("FAIL: stopping before any call through the function table\n");
    check_unregistration();
    return 1;
  }
  const DISPID closing = facts.closing;
  session_com_launched(closing);
  session_fail_flag();
  session_no_object();
  session_stay_flag();
  session_closing_tolerant(closing);
  session_closing_stuck_sink(closing);
  session_killed();
  check_unregistration();
  CoUninitialize();
  std::printf("%s: %d failed expectation(s)\n", failures() ? "FAILED" : "PASSED", failures());
  return failures() ? 1 : 0;
}
