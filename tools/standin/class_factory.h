#pragma once

#include <windows.h>
#include <unknwn.h>

namespace standin {

// The one class object this process registers with COM.
IClassFactory* class_factory();

}  // namespace standin
