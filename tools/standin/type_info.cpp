#include "type_info.h"

#include "module_path.h"
#include "standin_ids.h"

namespace standin {

ITypeInfo* link_type_info() {
    static ITypeInfo* info = [] {
        ITypeLib* lib = nullptr;
        ITypeInfo* found = nullptr;
        if (SUCCEEDED(LoadTypeLibEx(module_path().c_str(), REGKIND_NONE, &lib))) {
            lib->GetTypeInfoOfGuid(kLinkIid, &found);
            lib->Release();
        }
        return found;
    }();
    return info;
}

}  // namespace standin
