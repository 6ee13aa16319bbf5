#pragma once

namespace rokan {

// Rokan is a single exe that users run from wherever they saved it, often
// Downloads, where anyone's DLL may sit beside it. From here on, DLLs that
// Rokan or Windows' own DLLs load on its behalf come from System32 only, not
// from Rokan's folder nor the current one. Called before anything else runs.
void loadDllsFromSystem32Only();

}  // namespace rokan
