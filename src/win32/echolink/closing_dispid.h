#pragma once
#include <windows.h>
#include <oaidl.h>

namespace rokan::echolink {

// The member id of Closing, the first event: from the registered type library,
// else from the object's own class information, else 1.
DISPID closingDispid(IUnknown* application);

}  // namespace rokan::echolink
