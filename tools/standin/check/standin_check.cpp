// What Rokan's end-to-end tests cannot show about the EchoLink stand-in: that
// it registers under EchoLink's own identifiers, written out here so that the
// stand-in's sources are not their own witness, and takes them all back; and
// that its events have EchoLink's shape, Closing the first of 14 without being
// DISPID 1, so that Rokan must find Closing as it does against EchoLink.
// Rokan's own declaration is the witness of the application interface's
// function table: every end-to-end test that sends a line calls entry 40
// through it. Leaves the stand-in unregistered.
#include <windows.h>
#include <objbase.h>
#include <process.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

using Microsoft::WRL::ComPtr;

namespace {

const std::wstring kClass = L"{D1FB3C9A-BB2D-446A-A74A-E771F134ED56}";
const std::wstring kLibrary = L"{4CF5B97B-A0F5-41F3-848C-6E25FAB62AD3}";  // version 1.8
const std::wstring kEvents = L"{6F55F7AF-8DA6-400F-96EB-C371F0311611}";

// The stand-in beside this check.
const std::wstring kStandin = [] {
    wchar_t path[MAX_PATH * 2] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    return (std::filesystem::path(path).parent_path() / L"echolink_standin.exe").wstring();
}();

intptr_t runStandin(const wchar_t* flag) {
    return _wspawnl(_P_WAIT, kStandin.c_str(), (L"\"" + kStandin + L"\"").c_str(), flag, nullptr);
}

// What /RegServer writes under HKEY_CLASSES_ROOT, and the text each key's
// default value holds (empty: any).
struct Key {
    std::wstring path;
    std::wstring holds;
};
const Key kKeys[] = {
    {L"CLSID\\" + kClass + L"\\LocalServer32", kStandin},
    {L"CLSID\\" + kClass + L"\\TypeLib", kLibrary},
    {L"TypeLib\\" + kLibrary + L"\\1.8", L""},
    // The interfaces, for type-library marshaling across processes.
    {L"Interface\\{7733112C-4577-4432-9DB0-A9398184EAF6}", L""},
    {L"Interface\\" + kEvents, L""},
};

std::optional<std::wstring> defaultValue(const std::wstring& key) {
    wchar_t value[MAX_PATH * 2] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

GUID guid(const std::wstring& text) {
    GUID id{};
    IIDFromString(text.c_str(), &id);
    return id;
}

// The events interface as Rokan reads it: from the type library registered
// as 1.8.
void expectEchoLinksEvents() {
    ComPtr<ITypeLib> lib;
    ComPtr<ITypeInfo> events;
    ASSERT_HRESULT_SUCCEEDED(LoadRegTypeLib(guid(kLibrary), 1, 8, LOCALE_NEUTRAL, &lib));
    ASSERT_HRESULT_SUCCEEDED(lib->GetTypeInfoOfGuid(guid(kEvents), &events)) << "no events interface in 1.8";
    TYPEATTR* attributes = nullptr;
    ASSERT_HRESULT_SUCCEEDED(events->GetTypeAttr(&attributes));
    EXPECT_EQ(attributes->typekind, TKIND_DISPATCH);
    EXPECT_EQ(attributes->cFuncs, 14);
    events->ReleaseTypeAttr(attributes);
    FUNCDESC* first = nullptr;
    ASSERT_HRESULT_SUCCEEDED(events->GetFuncDesc(0, &first));
    const MEMBERID closing = first->memid;
    events->ReleaseFuncDesc(first);
    EXPECT_NE(closing, 1);
    BSTR name = nullptr;
    ASSERT_HRESULT_SUCCEEDED(events->GetDocumentation(closing, &name, nullptr, nullptr, nullptr));
    EXPECT_EQ(std::wstring(name), L"Closing");
    SysFreeString(name);
}

TEST(Standin, RegistersEchoLinksIdentifiersAndEventsAndTakesThemAllBack) {
    ASSERT_EQ(runStandin(L"/RegServer"), 0);
    for (const Key& key : kKeys) {
        const auto value = defaultValue(key.path);
        EXPECT_TRUE(value && value->find(key.holds) != std::wstring::npos)
            << testing::PrintToString(key.path) << " holds " << testing::PrintToString(value.value_or(L"nothing"));
    }
    expectEchoLinksEvents();
    ASSERT_EQ(runStandin(L"/UnregServer"), 0);
    for (const Key& key : kKeys)
        EXPECT_FALSE(defaultValue(key.path)) << "left behind: " << testing::PrintToString(key.path);
}

}  // namespace
