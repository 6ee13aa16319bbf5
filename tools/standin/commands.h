#pragma once

namespace standin {

// Carries out one STANDIN_CMD_* command; false for an id that is not one.
bool run_command(int id);

}  // namespace standin
