#pragma once

#include <windows.h>
#include <oaidl.h>

namespace standin {

// Type information of the link interface, read once from the type library
// embedded in this exe (not from the registry, so IDispatch works even
// before /RegServer). Borrowed pointer, valid for the process lifetime.
ITypeInfo* link_type_info();

}  // namespace standin
