// Registration, the registered type library, and unregistration.

#include <windows.h>
#include <objbase.h>

#include <vector>

#include "check_common.h"
#include "check_support.h"
#include "standin_ids.h"

void check_registration() {
  expect(run_process(standin_exe(), L"/RegServer", 30000) == 0, "/RegServer exits with 0");
  wchar_t value[1024] = {};
  DWORD size = sizeof value;
  const LSTATUS st =
      RegGetValueW(HKEY_CLASSES_ROOT,
                   L"CLSID\\{D1FB3C9A-BB2D-446A-A74A-E771F134ED56}\\LocalServer32", nullptr,
                   RRF_RT_REG_SZ, nullptr, value, &size);
  expect(st == ERROR_SUCCESS, "LocalServer32 is readable through HKEY_CLASSES_ROOT");
  const std::wstring quoted = L"\"" + standin_exe() + L"\"";
  expect(lstrcmpiW(value, quoted.c_str()) == 0, "LocalServer32 names this folder's stand-in");
}

// Reads Closing's DISPID the way Rokan must: from the registered type library.
TypeLibFacts check_type_library() {
  TypeLibFacts facts;
  ITypeLib* lib = nullptr;
  HRESULT hr = LoadRegTypeLib(standin::kLibId, standin::kLibMajor, standin::kLibMinor, 0, &lib);
  expect_hr(hr, S_OK, "LoadRegTypeLib(LIBID, 1, 8) finds the registered library");
  if (FAILED(hr)) return facts;
  BSTR name = nullptr;
  lib->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
  expect(name && lstrcmpW(name, L"EchoLink") == 0, "the library is named EchoLink");
  SysFreeString(name);

  DISPID closing = -1;
  ITypeInfo* events = nullptr;
  hr = lib->GetTypeInfoOfGuid(standin::kEventsIid, &events);
  expect_hr(hr, S_OK, "the events interface is in the library");
  if (SUCCEEDED(hr)) {
    TYPEATTR* attr = nullptr;
    events->GetTypeAttr(&attr);
    expect(attr && attr->typekind == TKIND_DISPATCH && attr->cFuncs == 14,
           "the events interface is a dispinterface with 14 functions");
    const UINT count = attr ? attr->cFuncs : 0;
    if (attr) events->ReleaseTypeAttr(attr);
    std::vector<DISPID> ids;
    for (UINT i = 0; i < count; ++i) {
      FUNCDESC* fd = nullptr;
      if (FAILED(events->GetFuncDesc(i, &fd))) continue;
      ids.push_back(fd->memid);
      if (i == 0) {
        BSTR fname = nullptr;
        events->GetDocumentation(fd->memid, &fname, nullptr, nullptr, nullptr);
        expect(fname && lstrcmpW(fname, L"Closing") == 0, "the first event function is Closing");
        SysFreeString(fname);
        closing = fd->memid;
      }
      events->ReleaseFuncDesc(fd);
    }
    expect(closing == 14, "Closing's memid (first function) is 14");
    bool others = ids.size() == 14;
    for (std::size_t i = 1; others && i < ids.size(); ++i) others = ids[i] == DISPID(i);
    expect(others, "the other 13 events are numbered 1..13 in order");
    events->Release();
  }

  // The marshaler builds its proxy from this; entry 40 must be the send.
  ITypeInfo* dual = nullptr;
  ITypeInfo* vtable_side = nullptr;
  HREFTYPE ref = 0;
  if (SUCCEEDED(lib->GetTypeInfoOfGuid(standin::kLinkIid, &dual)) &&
      SUCCEEDED(dual->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref)) &&
      SUCCEEDED(dual->GetRefTypeInfo(ref, &vtable_side))) {
    MEMBERID id = 0;
    OLECHAR send_name[] = L"SendChatText";
    LPOLESTR names[] = {send_name};
    FUNCDESC* fd = nullptr;
    UINT index = 0;
    bool found = false;
    if (SUCCEEDED(vtable_side->GetIDsOfNames(names, 1, &id))) {
      TYPEATTR* attr = nullptr;
      vtable_side->GetTypeAttr(&attr);
      for (index = 0; attr && index < attr->cFuncs && !found; ++index) {
        if (FAILED(vtable_side->GetFuncDesc(index, &fd))) continue;
        found = fd->memid == id && fd->oVft == 40 * static_cast<SHORT>(sizeof(void*));
        vtable_side->ReleaseFuncDesc(fd);
      }
      if (attr) vtable_side->ReleaseTypeAttr(attr);
    }
    expect(found, "the type library puts the chat-send method at function-table entry 40");
    facts.send_at_40 = found;
    vtable_side->Release();
  } else {
    expect(false, "the link interface's vtable side is in the library");
  }
  if (dual) dual->Release();
  lib->Release();
  facts.closing = closing;
  return facts;
}

void check_unregistration() {
  expect(run_process(standin_exe(), L"/bogus", 30000) == 2, "an unknown flag is refused with exit code 2");
  expect(run_process(standin_exe(), L"/UnregServer", 30000) == 0, "/UnregServer exits with 0");
  expect(run_process(standin_exe(), L"/UnregServer", 30000) == 0, "a second /UnregServer also exits with 0");
  IUnknown* unk = nullptr;
  const HRESULT hr = CoCreateInstance(standin::kClsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                      reinterpret_cast<void**>(&unk));
  expect_hr(hr, REGDB_E_CLASSNOTREG, "after /UnregServer the class is gone");
  if (unk) unk->Release();
  ITypeLib* lib = nullptr;
  expect(FAILED(LoadRegTypeLib(standin::kLibId, 1, 8, 0, &lib)), "and so is the type library");
  if (lib) lib->Release();
}

