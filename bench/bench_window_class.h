#pragma once
// Shared by the bare window and the runner that waits for it.

namespace rokan::bench {

inline constexpr wchar_t kBareWindowClass[] = L"RokanBenchBare";

}  // namespace rokan::bench
