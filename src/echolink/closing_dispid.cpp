#include "echolink/closing_dispid.h"

#include <ocidl.h>

#include "echolink/echolink_automation.h"

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
    ITypeLib* library = nullptr;
    if (FAILED(LoadRegTypeLib(kTypeLibrary, kTypeLibraryMajor, kTypeLibraryMinor, LOCALE_NEUTRAL, &library)))
        return false;
    ITypeInfo* events = nullptr;
    bool found = SUCCEEDED(library->GetTypeInfoOfGuid(kEventInterface, &events)) && firstMemberId(events, id);
    if (events) events->Release();
    library->Release();
    return found;
}

bool fromClassInfo(IUnknown* application, DISPID& id) {
    IProvideClassInfo* provider = nullptr;
    if (FAILED(application->QueryInterface(IID_IProvideClassInfo, reinterpret_cast<void**>(&provider)))) return false;
    ITypeInfo* coclass = nullptr;
    ITypeLib* library = nullptr;
    ITypeInfo* events = nullptr;
    UINT index = 0;
    bool found = SUCCEEDED(provider->GetClassInfo(&coclass)) &&
                 SUCCEEDED(coclass->GetContainingTypeLib(&library, &index)) &&
                 SUCCEEDED(library->GetTypeInfoOfGuid(kEventInterface, &events)) && firstMemberId(events, id);
    if (events) events->Release();
    if (library) library->Release();
    if (coclass) coclass->Release();
    provider->Release();
    return found;
}

}  // namespace

DISPID closingDispid(IUnknown* application) {
    DISPID id = 1;
    if (fromRegisteredLibrary(id) || fromClassInfo(application, id)) return id;
    return 1;
}

}  // namespace rokan::echolink
