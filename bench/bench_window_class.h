#pragma once
// Shared by the benchmark's own window programs and the runner that waits for them.

namespace rokan::bench {

inline constexpr wchar_t kBareWindowClass[] = L"RokanBenchBare";
inline constexpr wchar_t kAttachedWindowClass[] = L"RokanBenchAttached";
inline constexpr wchar_t kCaretWindowClass[] = L"RokanBenchCaret";

}  // namespace rokan::bench
