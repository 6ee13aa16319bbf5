// Closing and the stand-in's end when clients misbehave: sinks that vanished,
// sinks that are slow or stuck, a client calling back from its handler, and
// a stand-in killed under a connected client.

#include <windows.h>

#include <string>

#include "check_common.h"
#include "check_sink.h"
#include "check_support.h"
#include "standin_commands.h"

namespace {

ULONGLONG filetime_ms(const FILETIME& ft) {
  return ((ULONGLONG(ft.dwHighDateTime) << 32) | ft.dwLowDateTime) / 10000;
}

ULONGLONG now_ms() {
  FILETIME ft;
  GetSystemTimeAsFileTime(&ft);
  return filetime_ms(ft);
}

}  // namespace

void session_closing_tolerant(DISPID closing) {
  info("session: Closing with a vanished sink, a slow sink and a callback");
  Launched l = launch_by_com("tolerant Closing");
  IConnectionPoint* point = l.window ? events_point(l.link) : nullptr;
  expect(point != nullptr, "tolerant Closing: connection point found");
  if (!point) return release(l);

  // Sinks outlive COM's last Release of them, so they are never freed.
  auto* vanished = new CheckSink(S_OK, true);
  auto* slow = new CheckSink(S_OK, true);
  auto* good = new CheckSink(S_OK, true);
  DWORD vanished_cookie = 0, slow_cookie = 0, good_cookie = 0;
  expect_hr(point->Advise(vanished, &vanished_cookie), S_OK, "Advise of the sink about to vanish");
  // Cuts the stand-in's proxy off, as if that client had died.
  CoDisconnectObject(vanished, 0);
  expect_hr(point->Advise(slow, &slow_cookie), S_OK, "Advise of a slow sink");
  expect_hr(point->Advise(good, &good_cookie), S_OK, "Advise of a good sink");
  slow->sleep_on(closing, 1000);
  HRESULT unadvise_in_handler = E_PENDING;
  good->on_event([&](DISPID id) {
    if (id == closing) unadvise_in_handler = point->Unadvise(good_cookie);
  });

  // Sent, not posted: the stand-in must let this thread go before calling
  // its sinks, or both would wait for each other.
  command(l.window, STANDIN_CMD_RAISE_OTHER_EVENTS);
  expect(pump_until([&] { return good->calls().size() >= 13; }, kEventMs),
         "a vanished sink does not keep the 13 events from the others");
  expect(vanished->calls().empty(), "the vanished sink is not reached");

  command(l.window, STANDIN_CMD_RAISE_CLOSING_AND_EXIT);
  expect(pump_until([&] { return good->received(closing); }, kEventMs),
         "Closing reaches the sink advised after a vanished and a slow one");
  expect(slow->received(closing), "the slow sink got Closing too");
  expect_hr(unadvise_in_handler, S_OK, "Unadvise called from inside the Closing handler is served");
  expect(wait_exit(l.process, kExitMs), "the stand-in exits after Closing");
  point->Release();
  release(l);
}

void session_closing_stuck_sink(DISPID closing) {
  info("session: Closing with a sink that does not return");
  Launched l = launch_by_com("stuck sink");
  IConnectionPoint* point = l.window ? events_point(l.link) : nullptr;
  expect(point != nullptr, "stuck sink: connection point found");
  if (!point) return release(l);
  auto* stuck = new CheckSink(S_OK, true);
  DWORD cookie = 0;
  expect_hr(point->Advise(stuck, &cookie), S_OK, "Advise of a sink that will get stuck");
  stuck->sleep_on(closing, 8000);

  const ULONGLONG posted = now_ms();
  PostMessageW(l.window, WM_COMMAND, STANDIN_CMD_RAISE_CLOSING_AND_EXIT, 0);
  // Returns only after the stuck Invoke has slept its 8 s.
  expect(pump_until([&] { return stuck->received(closing); }, kEventMs), "the stuck sink got Closing");
  expect(WaitForSingleObject(l.process, 0) == WAIT_OBJECT_0,
         "the stand-in exited while the sink was still stuck");
  FILETIME created, exited, kernel, user;
  if (GetProcessTimes(l.process, &created, &exited, &kernel, &user)) {
    const ULONGLONG took = filetime_ms(exited) - posted;
    info("stuck sink: the stand-in exited %llu ms after the command", took);
    expect(took < 4000, "the stand-in exited within 4 s despite the stuck sink");
  }
  point->Release();
  release(l);
}

void session_killed() {
  info("session: stand-in killed under a connected client");
  Launched l = launch_by_com("before the kill");
  if (!l.process) return release(l);
  TerminateProcess(l.process, 9);
  expect(wait_exit(l.process, kExitMs), "the stand-in is killed");
  Bstr text(L"to a dead server");
  HRESULT hr = l.link->SendChat(text.get());
  expect(FAILED(hr), "a send to a killed stand-in fails");
  info("send to the killed stand-in returned %s", hr_text(hr).c_str());
  hr = l.link->SendChat(text.get());
  info("a second send to it returned %s", hr_text(hr).c_str());
  release(l);

  Launched again = launch_by_com("after the kill");
  if (again.window) {
    Bstr after(L"after the kill");
    check_send(again.link, again.window, after.get(), "after the kill\n", "new stand-in after the kill");
    again.link->Release();
    again.link = nullptr;
    expect(wait_exit(again.process, kExitMs), "a COM-started stand-in exits when its client lets go");
  }
  release(again);
}
