#pragma once
#include <string>

namespace rokan {

// What an implementation of Process::end() throws when it cannot really end
// the process (the tests' fake). It is not a failure: no procedure may catch it.
struct ProcessEnded {};

class Process {
public:
    virtual ~Process() = default;
    virtual bool previousInstance() = 0;
    // The folder of the executable, as the platform reports it.
    virtual std::wstring executableFolder() = 0;
    [[noreturn]] virtual void end() = 0;
};

}  // namespace rokan
