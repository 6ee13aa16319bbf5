#pragma once
#include <string>

#include "process.h"

namespace rokan {

// The folder of rokan.exe, which holds rokan.ini and rokan.mute: worked out
// the first time either needs it and fixed for the run, so that each file
// finds it whichever is read first.
class ProgramFolder {
public:
    explicit ProgramFolder(Process& process) : process_(process) {}

    // The folder ending in one backslash; throws where the platform cannot tell.
    const std::wstring& find();
    // As found; empty until then.
    const std::wstring& path() const { return path_; }

private:
    Process& process_;
    std::wstring path_;
};

}  // namespace rokan
