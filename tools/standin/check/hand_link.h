#pragma once

// The link interface declared by hand, the way Rokan declares it, rather than
// taken from the widl header: if the stand-in's type library put the chat-send
// method anywhere but entry 40, calls through this declaration would land on
// a placeholder and the check would see E_NOTIMPL instead of a logged line.

#include <windows.h>
#include <oaidl.h>

struct IHandLink : public IDispatch {
  // Entries 7..39: never called through these names.
  virtual HRESULT STDMETHODCALLTYPE Unused07() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused08() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused09() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused10() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused11() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused12() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused13() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused14() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused15() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused16() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused17() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused18() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused19() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused20() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused21() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused22() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused23() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused24() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused25() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused26() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused27() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused28() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused29() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused30() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused31() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused32() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused33() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused34() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused35() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused36() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused37() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused38() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused39() = 0;
  // Entry 40.
  virtual HRESULT STDMETHODCALLTYPE SendChat(BSTR text) = 0;
};

// Calls function-table entry `index` of `object` directly, independent of
// any declaration's layout.
template <typename... Args>
HRESULT call_vtable_entry(IUnknown* object, int index, Args... args) {
  using Fn = HRESULT(STDMETHODCALLTYPE*)(IUnknown*, Args...);
  void** table = *reinterpret_cast<void***>(object);
  return reinterpret_cast<Fn>(table[index])(object, args...);
}
