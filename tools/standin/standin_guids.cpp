// The one definition of the GUIDs echolink.h declares.
#include <initguid.h>

#include "echolink.h"
