#pragma once
// What every measurement shares: the clock, the programs beside the runner,
// and the EchoLink stand-in's life cycle.

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>

#include "bench_window_class.h"
#include "driver/driver.h"
#include "driver/standin.h"

namespace rokan::bench {

// Milliseconds on the performance counter, from an arbitrary origin.
double nowMs();

// The programs measured lie beside the runner (CMake copies them there).
std::filesystem::path benchFolder();
std::filesystem::path rokanExe();
std::filesystem::path bareWindowExe();
std::filesystem::path caretWindowExe();
std::filesystem::path attachedWindowExe();
// -1 while the file does not exist.
std::int64_t fileSize(const std::filesystem::path& path);

// Registers the stand-in beside the runner as EchoLink's class in this prefix.
void registerStandin();
// A stand-in started by hand, idle and with its class object registered: the
// next activation of EchoLink's class connects to it instead of launching one.
e2e::Process startStandin();
// Waits for a stand-in started by hand to leave by itself, as it does once
// its one client has let go; ends it and says so if it outstays the timeout.
void letStandinLeave(e2e::Process& standin, std::chrono::milliseconds timeout = std::chrono::seconds(10));
// Waits until no stand-in window is left (a served stand-in exits by itself
// once its client lets go); ends any that outstay the timeout and says so.
void waitNoStandin(std::chrono::milliseconds timeout = std::chrono::seconds(10));

// CPU time (user + kernel) the process has used so far, in milliseconds.
double cpuMs(HANDLE process);

// A pause before each timed action so the previous one's aftermath (exiting
// processes, repaints) is not counted against it.
void settle();

}  // namespace rokan::bench
