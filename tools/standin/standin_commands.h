// Commands the EchoLink stand-in's window accepts as WM_COMMAND
// (wParam = command id, lParam = 0 unless said), from its own buttons or
// posted/sent by a test that found the window by its title. Plain C so any
// test can include it.
// Mode commands are best sent (SendMessage): the mode is then in force before
// the test's next COM call. A raise command may be sent or posted; sent, it is
// queued and runs once the sender is released, since the events call into the
// sender's apartment.
#ifndef ROKAN_STANDIN_COMMANDS_H
#define ROKAN_STANDIN_COMMANDS_H

// Exact title of the stand-in's top-level window (FindWindowW(NULL, ...)).
#define STANDIN_WINDOW_TITLE L"EchoLink stand-in"

// Chat sends return E_FAIL and log nothing / are accepted again.
#define STANDIN_CMD_FAIL_ON 40001
#define STANDIN_CMD_FAIL_OFF 40002
// Raises Closing on every advised sink, then the process exits (within about
// two seconds even if a sink hangs).
#define STANDIN_CMD_RAISE_CLOSING_AND_EXIT 40003
// Raises the 13 events other than Closing (DISPIDs 1..13 in that order) on
// every advised sink.
#define STANDIN_CMD_RAISE_OTHER_EVENTS 40004
// The class factory's CreateInstance returns S_OK with a NULL object / hands
// out real objects again. Matters only before the (single-use) class object
// has been used.
#define STANDIN_CMD_NOOBJECT_ON 40005
#define STANDIN_CMD_NOOBJECT_OFF 40006
// Each chat send first waits lParam milliseconds, then goes on as the other
// modes say (accepted, or E_FAIL under FAIL_ON). lParam 0 ends the mode; one
// outside 0..STANDIN_BUSY_MAX_MS is refused and changes nothing.
#define STANDIN_CMD_BUSY 40007
#define STANDIN_BUSY_MAX_MS 3600000
// Each chat send never returns and logs nothing, until the process is killed
// (TerminateProcess, wineserver -k) / sends answer again. Nothing in the
// stand-in can release a hung send.
#define STANDIN_CMD_HANG_ON 40008
#define STANDIN_CMD_HANG_OFF 40009
// Every incoming call is refused (RPC_E_CALL_REJECTED for the caller) for the
// next lParam milliseconds, 0 to STANDIN_BUSY_MAX_MS, as by EchoLink while a
// dialog of its own is open; 0 ends the mode.
#define STANDIN_CMD_REJECT 40010
// A waiting or hung send holds the stand-in's only thread, as a busy EchoLink
// does: no other COM call gets in meanwhile and the window answers nothing, so
// a mode command reaches only the sends that arrive after it.

// WM_CLOSE ends the stand-in without raising Closing (an EchoLink that
// vanishes without notice); clients' later calls then fail.

// Text appended, one record per accepted chat line, next to the exe.
#define STANDIN_CHAT_LOG_NAME L"standin-chat.log"
// Appended next to the exe as each sink's Closing call returns: one line
// "returned 0x" and the call's HRESULT in 8 hex digits.
#define STANDIN_CLOSING_LOG_NAME L"standin-closing.log"

#endif
