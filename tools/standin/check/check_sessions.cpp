// Sessions with a stand-in launched by COM or started by hand: sends,
// events, Closing, command-line modes and the no-object answer.

#include <windows.h>
#include <olectl.h>

#include <string>

#include "check_common.h"
#include "check_sink.h"
#include "check_support.h"
#include "standin_commands.h"
#include "standin_ids.h"

namespace {

// Events through the connection point, then Closing and the process's exit.
void check_events(IHandLink* link, HWND window, HANDLE process, DISPID closing) {
  const DWORD me = GetCurrentThreadId();
  IConnectionPointContainer* container = nullptr;
  HRESULT hr = link->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container));
  expect_hr(hr, S_OK, "the object is a connection-point container");
  if (FAILED(hr)) return;
  IConnectionPoint* point = nullptr;
  hr = container->FindConnectionPoint(standin::kEventsIid, &point);
  expect_hr(hr, S_OK, "FindConnectionPoint(events IID)");
  container->Release();
  if (FAILED(hr)) return;

  // Sinks outlive COM's last Release of them, so they are never freed.
  auto* plain = new CheckSink(S_OK, false);
  auto* broken = new CheckSink(E_FAIL, true);
  auto* good = new CheckSink(S_OK, true);
  DWORD plain_cookie = 0, broken_cookie = 0, good_cookie = 0;
  expect_hr(point->Advise(plain, &plain_cookie), CONNECT_E_CANNOTCONNECT,
            "a sink without the events interface is turned away");
  expect_hr(point->Advise(broken, &broken_cookie), S_OK, "Advise of a sink that fails each event");
  expect_hr(point->Advise(good, &good_cookie), S_OK, "Advise of a good sink");
  expect(broken_cookie != 0 && good_cookie != 0 && broken_cookie != good_cookie,
         "cookies are distinct and non-zero");

  PostMessageW(window, WM_COMMAND, STANDIN_CMD_RAISE_OTHER_EVENTS, 0);
  expect(pump_until([&] { return good->calls().size() >= 13; }, kEventMs),
         "the good sink receives 13 events");
  pump_for(300);
  bool in_order = good->calls().size() == 13;
  for (std::size_t i = 0; in_order && i < 13; ++i)
    in_order = good->calls()[i].id == DISPID(i + 1) && good->calls()[i].thread == me;
  expect(in_order, "events 1..13 arrive in order, on the advising thread, Closing not among them");
  expect(broken->calls().size() == 13, "the failing sink was still offered all 13 events");

  expect_hr(point->Unadvise(0xDEAD), CONNECT_E_NOCONNECTION, "Unadvise of an unknown cookie");
  expect_hr(point->Unadvise(broken_cookie), S_OK, "Unadvise of the failing sink");

  PostMessageW(window, WM_COMMAND, STANDIN_CMD_RAISE_CLOSING_AND_EXIT, 0);
  expect(pump_until([&] { return good->received(closing); }, kEventMs),
         "Closing arrives with the DISPID read from the type library");
  const bool on_me = !good->calls().empty() && good->calls().back().thread == me;
  expect(on_me, "Closing arrives on the advising thread");
  expect(broken->calls().size() == 13, "an unadvised sink hears nothing more");
  expect(wait_exit(process, kExitMs), "the stand-in exits after raising Closing");
  DWORD code = 1;
  GetExitCodeProcess(process, &code);
  expect(code == 0, "and its exit code is 0");

  Bstr text(L"after exit");
  hr = link->SendChat(text.get());
  expect(FAILED(hr), "a send after the stand-in exited fails");
  info("send after Closing+exit returned %s", hr_text(hr).c_str());
  point->Release();
}

// What the client sees when the class factory claims success but hands out
// no object.
void check_no_object(const char* what) {
  IHandLink* link = reinterpret_cast<IHandLink*>(0x1);  // must be overwritten
  const HRESULT hr = CoCreateInstance(standin::kClsid, nullptr, CLSCTX_LOCAL_SERVER,
                                      standin::kLinkIid, reinterpret_cast<void**>(&link));
  info("%s: CoCreateInstance returned %s with pointer %p", what, hr_text(hr).c_str(),
       static_cast<void*>(link));
  // Measured under Wine 8: success is passed through, the pointer is NULL.
  expect(hr == S_OK && link == nullptr, "no object: the client sees S_OK with a NULL pointer");
  if (link && link != reinterpret_cast<IHandLink*>(0x1)) link->Release();
}

}  // namespace

void session_com_launched(DISPID closing) {
  info("session: stand-in launched by COM");
  Launched l = launch_by_com("COM launch");
  if (l.window && l.process) {
    check_sends(l.link, l.window);
    check_fail_mode(l.link, l.window);
    check_events(l.link, l.window, l.process, closing);
  }
  release(l);
}

void session_fail_flag() {
  info("session: started by hand with /fail");
  HandStarted s = start_by_hand(L"/fail");
  if (!s.window) return finish_by_hand(s, "cleanup");
  IHandLink* link = nullptr;
  const HRESULT hr = create_link(&link);
  expect_hr(hr, S_OK, "/fail: CoCreateInstance reaches the running stand-in");
  if (SUCCEEDED(hr) && link) {
    const auto before = file_size(standin_log());
    Bstr text(L"refused");
    expect_hr(link->SendChat(text.get()), E_FAIL, "/fail: the send fails with E_FAIL");
    expect(file_size(standin_log()) == before, "/fail: nothing logged");
    command(s.window, STANDIN_CMD_FAIL_OFF);
    Bstr ok(L"accepted after /fail");
    check_send(link, s.window, ok.get(), "accepted after /fail\n", "/fail then fail off");
    link->Release();
  }
  finish_by_hand(s, "/fail: the stand-in exits once its only client let go");
}

void session_no_object() {
  info("session: started by hand with /noobject");
  HandStarted s = start_by_hand(L"/noobject");
  if (s.window) check_no_object("/noobject");
  finish_by_hand(s, "/noobject: the stand-in exits after its one (empty) answer");

  info("session: no object switched on by command");
  s = start_by_hand(L"");
  if (s.window) {
    command(s.window, STANDIN_CMD_NOOBJECT_ON);
    check_no_object("no-object command");
  }
  finish_by_hand(s, "no-object command: the stand-in exits afterwards");

  info("session: no object switched on and off again");
  s = start_by_hand(L"");
  if (s.window) {
    command(s.window, STANDIN_CMD_NOOBJECT_ON);
    command(s.window, STANDIN_CMD_NOOBJECT_OFF);
    IHandLink* link = nullptr;
    const HRESULT hr = create_link(&link);
    expect(hr == S_OK && link != nullptr, "no object off: a real object again");
    if (link) link->Release();
  }
  finish_by_hand(s, "no object off: the stand-in exits when released");
}


void session_stay_flag() {
  info("session: started by hand with /fail /stay");
  HandStarted s = start_by_hand(L"/fail /stay");
  if (!s.window) return finish_by_hand(s, "cleanup");
  IHandLink* link = nullptr;
  const HRESULT hr = create_link(&link);
  expect_hr(hr, S_OK, "/fail /stay: CoCreateInstance reaches the running stand-in");
  if (SUCCEEDED(hr) && link) {
    Bstr text(L"refused");
    expect_hr(link->SendChat(text.get()), E_FAIL, "/fail /stay: both flags apply (send fails)");
    link->Release();
  }
  pump_for(1500);
  expect(WaitForSingleObject(s.process, 0) == WAIT_TIMEOUT,
         "/stay: the stand-in keeps running after its client let go");
  PostMessageW(s.window, WM_CLOSE, 0, 0);
  finish_by_hand(s, "WM_CLOSE ends a /stay stand-in");
}
