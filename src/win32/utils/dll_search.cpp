#include "dll_search.h"

#include "system_function.h"

namespace rokan {

void loadDllsFromSystem32Only() {
    // SetDefaultDllDirectories is in Windows 8 and in Windows 7 with KB2533623
    // only, so it is looked up. Without it, SetDllDirectoryW(L"") at least takes
    // the current folder out of the search; Rokan's own folder stays in it there.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto setDefaultDllDirectories =
        systemFunction<SetDefaultDllDirectoriesFn>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDllDirectories && setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    SetDllDirectoryW(L"");
}

}  // namespace rokan
