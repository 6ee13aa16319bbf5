#include "registration.h"

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <string>

#include "module_path.h"
#include "standin_ids.h"

namespace standin {

namespace {

// Wine 8 reads COM classes only from HKLM\Software\Classes (its
// HKEY_CLASSES_ROOT); per-user classes are not merged in for activation.
const HKEY kRoot = HKEY_LOCAL_MACHINE;

std::wstring guid_text(const GUID& guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring class_key() {
    return L"Software\\Classes\\CLSID\\" + guid_text(kClsid);
}

bool set_default(const std::wstring& key, const std::wstring& value) {
    HKEY h = nullptr;
    if (RegCreateKeyExW(kRoot, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h, nullptr) != ERROR_SUCCESS)
        return false;
    const LSTATUS st = RegSetValueExW(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(h);
    return st == ERROR_SUCCESS;
}

SYSKIND this_syskind() {
    return sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
}

}  // namespace

int register_server() {
    const std::wstring exe = module_path();
    if (exe.empty()) return 1;
    const std::wstring key = class_key();
    // Quoted: COM appends " -Embedding" and the folder may contain spaces.
    const bool ok = set_default(key, L"EchoLink stand-in") &&
                    set_default(key + L"\\LocalServer32", L"\"" + exe + L"\"") &&
                    set_default(key + L"\\TypeLib", guid_text(kLibId)) && set_default(key + L"\\Version", L"1.8");
    if (!ok) return 1;
    ITypeLib* lib = nullptr;
    if (FAILED(LoadTypeLibEx(exe.c_str(), REGKIND_REGISTER, &lib))) return 1;
    lib->Release();
    return 0;
}

int unregister_server() {
    int rc = 0;
    // Idempotent: what counts is that nothing is left registered afterwards,
    // not which error UnRegisterTypeLib gives for a library already gone.
    UnRegisterTypeLib(kLibId, kLibMajor, kLibMinor, LOCALE_NEUTRAL, this_syskind());
    ITypeLib* still = nullptr;
    if (SUCCEEDED(LoadRegTypeLib(kLibId, kLibMajor, kLibMinor, LOCALE_NEUTRAL, &still))) {
        still->Release();
        rc = 1;
    }
    const LSTATUS st = RegDeleteTreeW(kRoot, class_key().c_str());
    if (st != ERROR_SUCCESS && st != ERROR_FILE_NOT_FOUND) rc = 1;
    return rc;
}

}  // namespace standin
