#include "check_common.h"

#include "check_support.h"
#include "standin_commands.h"
#include "standin_ids.h"

const std::wstring& standin_exe() {
  static const std::wstring path = beside_me(L"echolink_standin.exe");
  return path;
}

const std::wstring& standin_log() {
  static const std::wstring path = beside_me(STANDIN_CHAT_LOG_NAME);
  return path;
}

HRESULT create_link(IHandLink** out) {
  *out = nullptr;
  return CoCreateInstance(standin::kClsid, nullptr, CLSCTX_LOCAL_SERVER, standin::kLinkIid,
                          reinterpret_cast<void**>(out));
}

IConnectionPoint* events_point(IHandLink* link) {
  IConnectionPointContainer* container = nullptr;
  if (FAILED(link->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container))))
    return nullptr;
  IConnectionPoint* point = nullptr;
  container->FindConnectionPoint(standin::kEventsIid, &point);
  container->Release();
  return point;
}

LRESULT list_count(HWND window) {
  HWND list = FindWindowExW(window, nullptr, L"ListBox", nullptr);
  return list ? SendMessageW(list, LB_GETCOUNT, 0, 0) : -1;
}

void command(HWND window, int id) { SendMessageW(window, WM_COMMAND, static_cast<WPARAM>(id), 0); }

DWORD window_pid(HWND window) {
  DWORD pid = 0;
  if (window) GetWindowThreadProcessId(window, &pid);
  return pid;
}

bool wait_exit(HANDLE process, DWORD ms) {
  bool gone = false;
  pump_until([&] { return (gone = WaitForSingleObject(process, 0) == WAIT_OBJECT_0); }, ms);
  return gone;
}

Launched launch_by_com(const char* what) {
  Launched l;
  const ULONGLONG t0 = GetTickCount64();
  const HRESULT hr = create_link(&l.link);
  std::string label = std::string(what) + ": CoCreateInstance(CLSID, LOCAL_SERVER, link IID)";
  expect_hr(hr, S_OK, label.c_str());
  label = std::string(what) + ": an object is handed out";
  expect(l.link != nullptr, label.c_str());
  if (FAILED(hr) || !l.link) return l;
  info("%s: activation took %llu ms", what, GetTickCount64() - t0);
  l.window = wait_for_standin_window(0, kStartMs);
  l.process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION,
                          FALSE, window_pid(l.window));
  label = std::string(what) + ": the stand-in's window and process are found";
  expect(l.window && l.process, label.c_str());
  return l;
}

void release(Launched& l) {
  if (l.link) l.link->Release();
  if (l.process) {
    if (!wait_exit(l.process, kExitMs)) TerminateProcess(l.process, 1);
    CloseHandle(l.process);
  }
  l = {};
}

HandStarted start_by_hand(const wchar_t* args) {
  HandStarted s;
  s.process = start_process(standin_exe(), args);
  expect(s.process != nullptr, "the stand-in starts by hand");
  if (s.process) s.window = wait_for_standin_window(GetProcessId(s.process), kStartMs);
  expect(s.window != nullptr, "and shows its window");
  return s;
}

void finish_by_hand(HandStarted& s, const char* what) {
  if (!s.process) return;
  const bool gone = wait_exit(s.process, kExitMs);
  expect(gone, what);
  if (!gone) {
    PostMessageW(s.window, WM_CLOSE, 0, 0);
    if (!wait_exit(s.process, kExitMs)) TerminateProcess(s.process, 1);
  }
  CloseHandle(s.process);
  s = {};
}
