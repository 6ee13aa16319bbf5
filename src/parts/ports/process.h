#pragma once
#include <string>

namespace rokan {

class Process {
public:
    virtual ~Process() = default;
    virtual bool previousInstance() = 0;
    // The folder of the executable, as the platform reports it.
    virtual std::wstring executableFolder() = 0;
    // Ends the process; an implementation that cannot throws ProcessEnded.
    [[noreturn]] virtual void end() = 0;
};

}  // namespace rokan
