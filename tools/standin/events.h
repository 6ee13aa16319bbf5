#pragma once

#include "server.h"

namespace standin {

// Raises the 13 events other than Closing, in DISPID order, on every sink of
// every live object.
void raise_other_events(Server& server);

// Raises Closing on every sink of every live object, then ends the process:
// at once when all sinks have answered, at the latest after a short grace
// period when one hangs.
void raise_closing_and_exit(Server& server);

}  // namespace standin
