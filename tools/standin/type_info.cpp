#include "type_info.h"

#include <wrl/client.h>

#include "module_path.h"
#include "standin_ids.h"

namespace standin {

ITypeInfo* link_type_info() {
    // Never released: objects use it until the process ends, after COM.
    static ITypeInfo* info = [] {
        Microsoft::WRL::ComPtr<ITypeLib> lib;
        Microsoft::WRL::ComPtr<ITypeInfo> found;
        if (SUCCEEDED(LoadTypeLibEx(module_path().c_str(), REGKIND_NONE, &lib)))
            lib->GetTypeInfoOfGuid(kLinkIid, &found);
        return found.Detach();
    }();
    return info;
}

}  // namespace standin
