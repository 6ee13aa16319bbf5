#pragma once

// Pieces shared by the verification client's sessions.

#include <windows.h>
#include <ocidl.h>

#include <string>
#include <string_view>

#include "hand_link.h"

// echolink_standin.exe and its chat log, both next to the checker.
const std::wstring& standin_exe();
const std::wstring& standin_log();

inline constexpr DWORD kStartMs = 15000;  // first activation in a fresh prefix is slow
inline constexpr DWORD kEventMs = 5000;
inline constexpr DWORD kExitMs = 8000;

class Bstr {
 public:
  explicit Bstr(std::wstring_view text)
      : s_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~Bstr() { SysFreeString(s_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return s_; }

 private:
  BSTR s_;
};

// CoCreateInstance of the stand-in's class for the link interface.
HRESULT create_link(IHandLink** out);
// The object's connection point for the events interface, or nullptr.
IConnectionPoint* events_point(IHandLink* link);

// Number of lines in the stand-in window's list (-1 when not found).
LRESULT list_count(HWND window);
// A window command by SendMessage: in force when this returns.
void command(HWND window, int id);
DWORD window_pid(HWND window);
// Waits, serving COM calls meanwhile, until the process ends.
bool wait_exit(HANDLE process, DWORD ms);

// A COM-started stand-in: the client's object, the window and the process.
struct Launched {
  IHandLink* link = nullptr;
  HWND window = nullptr;
  HANDLE process = nullptr;
};
// Creates the object and finds the stand-in that serves it; on failure the
// expectations are recorded and the members left null.
Launched launch_by_com(const char* what);
void release(Launched& l);

// A stand-in started by hand with `args`, its window found by process id.
struct HandStarted {
  HANDLE process = nullptr;
  HWND window = nullptr;
};
HandStarted start_by_hand(const wchar_t* args);
// Expects the process to end on its own; closes or kills it if not.
void finish_by_hand(HandStarted& s, const char* what);

// One accepted send: S_OK, exactly `want` appended to the log, one more
// line in the window's list.
void check_send(IHandLink* link, HWND window, BSTR text, const std::string& want, const char* what);

// The sessions, each leaving no stand-in running behind it.
void check_registration();
struct TypeLibFacts {
  DISPID closing = -1;      // Closing's DISPID as registered
  bool send_at_40 = false;  // the proxy will have the chat-send method at entry 40
};
TypeLibFacts check_type_library();
void check_unregistration();
void check_sends(IHandLink* link, HWND window);
void check_fail_mode(IHandLink* link, HWND window);
void session_com_launched(DISPID closing);
void session_fail_flag();
void session_no_object();
void session_stay_flag();
void session_closing_tolerant(DISPID closing);
void session_closing_stuck_sink(DISPID closing);
void session_killed();
