// Start-up as a user sees it: from asking Windows to start the program to its
// main window being visible.

#include <array>
#include <stdexcept>
#include <vector>

#include "bench_support.h"
#include "control_ids.h"
#include "stats.h"
#include "subcommands.h"

namespace rokan::bench {

namespace {

// From CreateProcess to the first visible top-level window of that class and
// process, polled every millisecond; then the window is closed and the
// process waited for, outside the timing.
double timeToWindow(const std::filesystem::path& exe, const wchar_t* windowClass) {
    const double start = nowMs();
    e2e::Process program = e2e::Process::start(e2e::quoteArg(exe.wstring()), benchFolder());
    HWND window = nullptr;
    while (!(window = e2e::findTopLevel(program.pid(), {windowClass, std::nullopt}))) {
        if (!program.running()) throw std::runtime_error(exe.filename().string() + " ended before showing its window");
        if (nowMs() - start > 30000) throw std::runtime_error(exe.filename().string() + " showed no window in 30 s");
        Sleep(1);
    }
    const double elapsed = nowMs() - start;
    e2e::postClose(window);
    if (!program.waitExit()) throw std::runtime_error(exe.filename().string() + " did not exit after WM_CLOSE");
    return elapsed;
}

// A single-use class object serves one client only, so each run gets a
// stand-in of its own; it leaves once its client has gone.
double timeWithStandinRunning(const std::filesystem::path& exe, const wchar_t* windowClass) {
    e2e::Process standin = startStandin();
    settle();
    const double elapsed = timeToWindow(exe, windowClass);
    letStandinLeave(standin);
    return elapsed;
}

enum class Variant { bare, attachedEchoLinkRunning, rokanEchoLinkRunning, rokanEchoLinkLaunched };

double timeVariant(Variant variant) {
    switch (variant) {
        case Variant::bare:
            settle();
            return timeToWindow(bareWindowExe(), kBareWindowClass);
        case Variant::attachedEchoLinkRunning:
            return timeWithStandinRunning(attachedWindowExe(), kAttachedWindowClass);
        case Variant::rokanEchoLinkRunning:
            return timeWithStandinRunning(rokanExe(), kMainWindowClass);
        case Variant::rokanEchoLinkLaunched: {
            settle();
            const double elapsed = timeToWindow(rokanExe(), kMainWindowClass);
            waitNoStandin();
            return elapsed;
        }
    }
    throw std::logic_error("unknown variant");
}

}  // namespace

int measureStartup(int rounds) {
    constexpr std::array variants{Variant::bare, Variant::attachedEchoLinkRunning, Variant::rokanEchoLinkRunning,
                                  Variant::rokanEchoLinkLaunched};
    std::array<std::vector<double>, variants.size()> samples;
    waitNoStandin();
    // One untimed round: the first start of each program also pays for
    // reading it from disk.
    for (Variant variant : variants) timeVariant(variant);
    // The order rotates each round so that none of them always follows the same one.
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < variants.size(); ++i) {
            const std::size_t which = (i + static_cast<std::size_t>(round)) % variants.size();
            samples[which].push_back(timeVariant(variants[which]));
        }
    }
    printResult("startup_bare", samples[0]);
    printResult("startup_attached_echolink_running", samples[1]);
    printResult("startup_rokan_echolink_running", samples[2]);
    printResult("startup_rokan_echolink_launched", samples[3]);
    return 0;
}

}  // namespace rokan::bench
