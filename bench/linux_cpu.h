#pragma once
// Under Wine every Windows process is also a Linux process, and Linux counts
// its CPU time in nanoseconds, where GetProcessTimes (through Wine) sees only
// 10 ms ticks: too coarse for a figure whose goal is 10 ms. Read through the
// drive Wine maps to the Unix root; elsewhere nothing is found.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rokan::bench {

// Linux processes called `name` (their comm, e.g. "rokan.exe") running in this
// runner's Wine prefix.
std::vector<int> linuxProcessesNamed(const std::string& name);
// Time on CPU of each of the process's threads (by Linux thread id), in
// milliseconds; nothing when the process is gone or Linux keeps no such count.
using ThreadTimes = std::map<int, double>;
std::optional<ThreadTimes> linuxThreadCpuMs(int pid);

// CPU time used between two readings. A thread that ended in between takes
// what it used after the first reading with it: such threads are counted, and
// the figure is then a lower bound.
struct CpuDelta {
    double ms = 0;
    int threadsEnded = 0;
};
CpuDelta linuxCpuDelta(const ThreadTimes& before, const ThreadTimes& after);

}  // namespace rokan::bench
