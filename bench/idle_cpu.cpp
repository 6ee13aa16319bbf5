// What an idle Rokan costs the machine: CPU time over a quiet period, next to
// a bare window idling over the same period; and the floor for a caret, a
// bare window whose focused edit box blinks, in front over a period of its own
// (only the active window's caret blinks).

#include <optional>
#include <stdexcept>
#include <string>

#include "bench_support.h"
#include "control_ids.h"
#include "linux_cpu.h"
#include "stats.h"
#include "subcommands.h"

namespace rokan::bench {

namespace {

// One reading of a program's CPU time, from Windows and (under Wine) from Linux.
struct CpuReading {
    double windows = 0;
    std::optional<ThreadTimes> onLinux;
};

class CpuWatch {
public:
    CpuWatch(const char* name, HANDLE process, const std::string& linuxName) : name_(name), process_(process) {
        const std::vector<int> pids = linuxProcessesNamed(linuxName);
        if (pids.size() == 1)
            linuxPid_ = pids.front();
        else
            printNote(std::to_string(pids.size()) + " Linux processes called " + linuxName +
                      " in this prefix: no Linux reading for it");
    }
    CpuReading read() const {
        CpuReading reading;
        if (process_) reading.windows = cpuMs(process_);
        if (linuxPid_) reading.onLinux = linuxThreadCpuMs(*linuxPid_);
        return reading;
    }
    // Records idle_PHASE_NAME (GetProcessTimes) and idle_PHASE_NAME_linux.
    void report(const std::string& phase, const CpuReading& before, const CpuReading& after) const {
        const std::string key = "idle_" + phase + "_" + name_;
        if (process_) printResult(key.c_str(), {after.windows - before.windows});
        if (!before.onLinux || !after.onLinux) return;
        const CpuDelta delta = linuxCpuDelta(*before.onLinux, *after.onLinux);
        printResult((key + "_linux").c_str(), {delta.ms});
        if (delta.threadsEnded > 0)
            printNote(std::to_string(delta.threadsEnded) + " thread(s) of " + name_ + " ended during the " + phase +
                      " period: its Linux figure is a lower bound");
    }

private:
    std::string name_;
    HANDLE process_;
    std::optional<int> linuxPid_;
};

}  // namespace

int measureIdleCpu(int seconds) {
    waitNoStandin();
    e2e::Process standin = startStandin();
    e2e::Process rokanProgram = e2e::Process::start(e2e::quoteArg(rokanExe().wstring()), benchFolder());
    e2e::Process bare = e2e::Process::start(e2e::quoteArg(bareWindowExe().wstring()), benchFolder());
    e2e::Process caret = e2e::Process::start(e2e::quoteArg(caretWindowExe().wstring()), benchFolder());
    HWND rokanWindow = e2e::waitTopLevel(rokanProgram.pid(), {kMainWindowClass, std::nullopt});
    HWND bareWindow = e2e::waitTopLevel(bare.pid(), {kBareWindowClass, std::nullopt});
    HWND caretWindow = e2e::waitTopLevel(caret.pid(), {kCaretWindowClass, std::nullopt});
    if (!rokanWindow || !bareWindow || !caretWindow) throw std::runtime_error("a window did not appear");
    rokanProgram.waitInputIdle();
    bare.waitInputIdle();
    caret.waitInputIdle();
    printResult("idle_rokan_startup_cpu", {cpuMs(rokanProgram.handle())});

    const CpuWatch rokanWatch("rokan", rokanProgram.handle(), "rokan.exe");
    const CpuWatch bareWatch("bare", bare.handle(), "bare_window.exe");
    const CpuWatch caretWatch("caret", caret.handle(), "caret_window.exe");
    // The Wine server does work on behalf of every program of the prefix; a
    // busy idle loop would show there rather than in the program's own time.
    const CpuWatch serverWatch("wineserver", nullptr, "wineserver64");
    const auto idleFor = [&](const std::string& phase) {
        Sleep(2000);
        const CpuReading rokanBefore = rokanWatch.read(), bareBefore = bareWatch.read(),
                         caretBefore = caretWatch.read(), serverBefore = serverWatch.read();
        const double start = nowMs();
        Sleep(static_cast<DWORD>(seconds) * 1000);
        const CpuReading rokanAfter = rokanWatch.read(), bareAfter = bareWatch.read(), caretAfter = caretWatch.read(),
                         serverAfter = serverWatch.read();
        printResult(("idle_" + phase + "_period").c_str(), {nowMs() - start});
        rokanWatch.report(phase, rokanBefore, rokanAfter);
        bareWatch.report(phase, bareBefore, bareAfter);
        caretWatch.report(phase, caretBefore, caretAfter);
        serverWatch.report(phase, serverBefore, serverAfter);
    };

    // As the operator leaves it: in front, the caret blinking in the chat line.
    if (!e2e::activate(rokanWindow) || !e2e::setFocus(e2e::childById(rokanWindow, controlId(Control::sInput))))
        throw std::runtime_error("Rokan's chat line cannot take the focus");
    idleFor("caret");
    // Still in front, the focus on a button: what is left without the caret.
    if (!e2e::setFocus(e2e::childById(rokanWindow, controlId(Control::B_Send))))
        throw std::runtime_error("Rokan's Send button cannot take the focus");
    idleFor("nocaret");
    // The caret's floor: the bare window with its edit box in front instead.
    if (!e2e::activate(caretWindow)) throw std::runtime_error("the caret window cannot come to the front");
    idleFor("caretfloor");

    for (HWND window : {rokanWindow, bareWindow, caretWindow}) e2e::postClose(window);
    if (!rokanProgram.waitExit() || !bare.waitExit() || !caret.waitExit())
        throw std::runtime_error("a program did not exit");
    letStandinLeave(standin);
    return 0;
}

}  // namespace rokan::bench
