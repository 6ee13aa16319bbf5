// bench_runner SUBCOMMAND COUNT: one measurement per run (bench/run calls each
// in turn inside one Wine session).
//   startup ROUNDS | com ROUNDS | idle SECONDS | chat LINES

#include <objbase.h>

#include <cstdio>
#include <cwchar>
#include <exception>
#include <string>

#include "bench_support.h"
#include "subcommands.h"

namespace {

int usage() {
    std::fprintf(stderr, "usage: bench_runner startup ROUNDS | com ROUNDS | idle SECONDS | chat LINES\n");
    return 2;
}

int run(const std::wstring& subcommand, int count) {
    using namespace rokan::bench;
    registerStandin();
    if (subcommand == L"startup") return measureStartup(count);
    if (subcommand == L"com") return measureComCreation(count);
    if (subcommand == L"idle") return measureIdleCpu(count);
    if (subcommand == L"chat") return measureChatLatency(count);
    return usage();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return usage();
    const int count = static_cast<int>(std::wcstol(argv[2], nullptr, 10));
    if (count <= 0) return usage();
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    int rc = 1;
    try {
        rc = run(argv[1], count);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_runner: %s\n", error.what());
    }
    CoUninitialize();
    return rc;
}
