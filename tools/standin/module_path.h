#pragma once

#include <string>

namespace standin {

// Full path of the running exe.
std::wstring module_path();

// Folder of the running exe, ending in a backslash.
std::wstring module_folder();

}  // namespace standin
