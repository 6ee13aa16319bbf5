#include "module_path.h"

#include <windows.h>

namespace standin {

std::wstring module_path() {
    // Long-path installs exceed MAX_PATH; grow until the name fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring module_folder() {
    std::wstring path = module_path();
    const auto slash = path.find_last_of(L"\\/");
    path.resize(slash == std::wstring::npos ? 0 : slash + 1);
    return path;
}

}  // namespace standin
