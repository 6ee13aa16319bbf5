#pragma once
#include <windows.h>

namespace rokan {

// A function of a Windows DLL that not every supported Windows has, looked up
// at run time; nothing where the DLL or the function is missing.
template <class Function>
Function systemFunction(HMODULE library, const char* name) {
    return library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

}  // namespace rokan
