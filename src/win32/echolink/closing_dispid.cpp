#include "closing_dispid.h"

#include <ocidl.h>
#include <wrl/client.h>

#include "echolink_automation.h"

using Microsoft::WRL::ComPtr;

namespace rokan::echolink {
namespace {

bool firstMemberId(ITypeInfo* events, DISPID& id) {
    FUNCDESC* first = nullptr;
    if (FAILED(events->GetFuncDesc(0, &first))) return false;
    id = first->memid;
    events->ReleaseFuncDesc(first);
    return true;
}

bool fromRegisteredLibrary(DISPID& id) {
    ComPtr<ITypeLib> library;
    ComPtr<ITypeInfo> events;
    return SUCCEEDED(LoadRegTypeLib(kTypeLibrary, kTypeLibraryMajor, kTypeLibraryMinor, LOCALE_NEUTRAL, &library)) &&
           SUCCEEDED(library->GetTypeInfoOfGuid(kEventInterface, &events)) && firstMemberId(events.Get(), id);
}

bool fromClassInfo(IUnknown* application, DISPID& id) {
    ComPtr<IProvideClassInfo> provider;
    ComPtr<ITypeInfo> coclass;
    ComPtr<ITypeLib> library;
    ComPtr<ITypeInfo> events;
    UINT index = 0;
    return SUCCEEDED(application->QueryInterface(IID_PPV_ARGS(&provider))) &&
           SUCCEEDED(provider->GetClassInfo(&coclass)) && SUCCEEDED(coclass->GetContainingTypeLib(&library, &index)) &&
           SUCCEEDED(library->GetTypeInfoOfGuid(kEventInterface, &events)) && firstMemberId(events.Get(), id);
}

}  // namespace

DISPID closingDispid(IUnknown* application) {
    DISPID id = 1;
    if (fromRegisteredLibrary(id) || fromClassInfo(application, id)) return id;
    return 1;
}

}  // namespace rokan::echolink
