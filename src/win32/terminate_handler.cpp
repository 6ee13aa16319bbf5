#include <cstdlib>

// libstdc++'s default handler prints the demangled type of an escaping
// exception, which links the whole demangler into the exe. Nothing escapes in
// Rokan, so a plain abort is all it needs.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
