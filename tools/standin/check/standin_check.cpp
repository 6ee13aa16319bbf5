// What Rokan's end-to-end tests cannot show about the EchoLink stand-in: that
// it registers under EchoLink's own identifiers, written out here so that the
// stand-in's sources are not their own witness, and that its events have
// EchoLink's shape, Closing the first of 14 without being DISPID 1, so that
// Rokan must find Closing as it does against EchoLink. Rokan's own declaration
// is the witness of the application interface and its function table: every
// end-to-end test that sends a line calls entry 40 through it.
// Leaves the stand-in unregistered.
#include <windows.h>
#include <objbase.h>
#include <process.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

const wchar_t kClassText[] = L"{D1FB3C9A-BB2D-446A-A74A-E771F134ED56}";
const wchar_t kLibraryText[] = L"{4CF5B97B-A0F5-41F3-848C-6E25FAB62AD3}";  // version 1.8
const wchar_t kEventsText[] = L"{6F55F7AF-8DA6-400F-96EB-C371F0311611}";

int failures = 0;

void expect(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok  " : "FAIL", what);
    if (!ok) ++failures;
}

GUID guid(const wchar_t* text) {
    GUID id{};
    IIDFromString(text, &id);
    return id;
}

std::filesystem::path besideMe(const wchar_t* name) {
    wchar_t path[MAX_PATH * 2] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    return std::filesystem::path(path).parent_path() / name;
}

const std::wstring kStandin = besideMe(L"echolink_standin.exe").wstring();

intptr_t runStandin(const wchar_t* flag) {
    return _wspawnl(_P_WAIT, kStandin.c_str(), (L"\"" + kStandin + L"\"").c_str(), flag, nullptr);
}

bool registeredAsLocalServer() {
    const std::wstring key = std::wstring(L"CLSID\\") + kClassText + L"\\LocalServer32";
    wchar_t value[MAX_PATH * 2] = {};
    DWORD size = sizeof value;
    RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size);
    return std::wstring(value).find(kStandin) != std::wstring::npos;
}

bool closingFirstOf14Events(ITypeLib* library) {
    ITypeInfo* events = nullptr;
    if (FAILED(library->GetTypeInfoOfGuid(guid(kEventsText), &events))) return false;
    TYPEATTR* attributes = nullptr;
    FUNCDESC* first = nullptr;
    BSTR name = nullptr;
    const bool ok = SUCCEEDED(events->GetTypeAttr(&attributes)) && attributes->typekind == TKIND_DISPATCH &&
                    attributes->cFuncs == 14 && SUCCEEDED(events->GetFuncDesc(0, &first)) && first->memid != 1 &&
                    SUCCEEDED(events->GetDocumentation(first->memid, &name, nullptr, nullptr, nullptr)) &&
                    lstrcmpW(name, L"Closing") == 0;
    SysFreeString(name);
    if (first) events->ReleaseFuncDesc(first);
    if (attributes) events->ReleaseTypeAttr(attributes);
    events->Release();
    return ok;
}

}  // namespace

int wmain() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    expect(runStandin(L"/RegServer") == 0, "/RegServer succeeds");
    expect(registeredAsLocalServer(), "the class's LocalServer32 names the stand-in beside this check");
    ITypeLib* library = nullptr;
    expect(SUCCEEDED(LoadRegTypeLib(guid(kLibraryText), 1, 8, LOCALE_NEUTRAL, &library)),
           "type library 1.8 is registered and loads");
    expect(library && closingFirstOf14Events(library),
           "the event interface has 14 events, Closing first, not DISPID 1");
    if (library) library->Release();
    runStandin(L"/UnregServer");
    CoUninitialize();
    std::printf("%s\n", failures ? "FAILED" : "PASSED");
    return failures ? 1 : 0;
}
