#include <oleacc.h>

#include "driver/driver.h"

namespace rokan::e2e {

std::optional<AccessibleInfo> readAccessible(HWND hwnd) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
    if (!object) return std::nullopt;
    VARIANT self{}, role{}, state{};
    self.vt = VT_I4;  // lVal 0: CHILDID_SELF
    BSTR name = nullptr, value = nullptr;
    object->get_accName(self, &name);
    object->get_accRole(self, &role);
    object->get_accState(self, &state);
    object->get_accValue(self, &value);
    object->Release();
    AccessibleInfo info{name ? name : L"", value ? value : L"", role.lVal, state.lVal};
    SysFreeString(name);
    SysFreeString(value);
    return info;
}

}  // namespace rokan::e2e
