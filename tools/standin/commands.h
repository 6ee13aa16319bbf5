#pragma once

#include <windows.h>

#include "server.h"

namespace standin {

// Carries out one STANDIN_CMD_* command with its lParam; false for an id that
// is not one or an argument it refuses.
bool run_command(Server& server, int id, LPARAM arg);

}  // namespace standin
