#pragma once
#include <string>

namespace rokan {

class Process {
public:
    virtual ~Process() = default;
    virtual bool previousInstance() = 0;
    // The folder of the executable, as the platform reports it.
    virtual std::wstring executableFolder() = 0;
    // The user's own folder for programs' local data; empty where there is none.
    virtual std::wstring localAppDataFolder() = 0;
    // Ends the process; an implementation that cannot throws ProcessEnded.
    [[noreturn]] virtual void end() = 0;
};

}  // namespace rokan
