#include "check_sink.h"

#include "standin_ids.h"

bool CheckSink::received(DISPID id) const {
  for (const Call& c : calls_)
    if (c.id == id) return true;
  return false;
}

HRESULT CheckSink::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDispatch ||
      (knows_events_iid_ && riid == standin::kEventsIid)) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT CheckSink::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT CheckSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT CheckSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT CheckSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  calls_.push_back({id, GetCurrentThreadId()});
  if (id == sleep_id_) Sleep(sleep_ms_);
  if (reaction_) reaction_(id);
  return invoke_result_;
}
