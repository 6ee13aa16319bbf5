// Trims of the statically linked C++ library. Rokan raises no standard
// exception types and lets no exception escape, yet the library's defaults
// would link the demangler, every standard exception class and a second
// string implementation (some 100 KB). These replacements keep the meaning:
// the library's own failures become the program's run-time errors, which each
// procedure already reports.
#include <windows.h>

#include <cstdlib>

#include "failure.h"

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() {
    throw rokan::Failure{L"operator new", ERROR_NOT_ENOUGH_MEMORY};
}
void __throw_bad_array_new_length() {
    throw rokan::Failure{L"operator new[]", ERROR_NOT_ENOUGH_MEMORY};
}
void __throw_length_error(const char*) {
    throw rokan::Failure{};
}
void __throw_logic_error(const char*) {
    throw rokan::Failure{};
}
void __throw_out_of_range_fmt(const char*, ...) {
    throw rokan::Failure{};
}
}  // namespace std
