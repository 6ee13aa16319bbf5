#pragma once

#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <vector>

// An event sink as a client writes one: answers QueryInterface for the events
// interface, IDispatch and IUnknown, and records each Invoke.
class CheckSink final : public IDispatch {
 public:
  struct Call {
    DISPID id;
    DWORD thread;
  };

  // invoke_result: what Invoke answers (an error imitates a broken sink).
  // knows_events_iid: false imitates a sink that only speaks plain IDispatch.
  CheckSink(HRESULT invoke_result, bool knows_events_iid)
      : invoke_result_(invoke_result), knows_events_iid_(knows_events_iid) {}

  // Invoke of event `id` blocks its thread for `ms` (a slow or stuck client).
  void sleep_on(DISPID id, DWORD ms) {
    sleep_id_ = id;
    sleep_ms_ = ms;
  }
  // Runs inside Invoke, after the call is recorded (a client reacting to an
  // event by calling back into the server).
  void on_event(std::function<void(DISPID)> reaction) { reaction_ = std::move(reaction); }

  const std::vector<Call>& calls() const { return calls_; }
  bool received(DISPID id) const;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  // Never deletes itself: the checker keeps its sinks until exit, because the
  // COM stubs holding them are only torn down by CoUninitialize.
  ULONG STDMETHODCALLTYPE Release() override { return --refs_; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                   EXCEPINFO*, UINT*) override;

 private:
  HRESULT invoke_result_;
  bool knows_events_iid_;
  ULONG refs_ = 1;
  DISPID sleep_id_ = DISPID_UNKNOWN;
  DWORD sleep_ms_ = 0;
  std::function<void(DISPID)> reaction_;
  std::vector<Call> calls_;
};
