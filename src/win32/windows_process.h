#pragma once
#include <windows.h>

#include "process.h"

namespace rokan {

class WindowsProcess final : public Process {
public:
    WindowsProcess() = default;
    WindowsProcess(const WindowsProcess&) = delete;
    WindowsProcess& operator=(const WindowsProcess&) = delete;

    bool previousInstance() override;
    std::wstring executableFolder() override;
    std::wstring localAppDataFolder() override;
    [[noreturn]] void end() override;

private:
    HANDLE singleCopy_ = nullptr;  // held until the process ends
};

}  // namespace rokan
