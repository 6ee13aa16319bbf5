#pragma once
// The runner's measurements, one per subcommand. Each prints RESULT and NOTE
// records (stats.h) and returns the process exit code; a measurement that
// cannot be taken throws std::runtime_error.

namespace rokan::bench {

// Start-up to a visible window: the bare window, the attached window and Rokan
// with EchoLink already running, Rokan launching EchoLink through COM;
// interleaved rounds.
int measureStartup(int rounds);
// EchoLink's own cost: creating its COM object, with and without its server running.
int measureComCreation(int rounds);
// CPU used by an idle Rokan (and an idle bare window beside it) over a period.
int measureIdleCpu(int seconds);
// Enter in Rokan's chat line to the line in EchoLink's log, against a direct COM call.
int measureChatLatency(int lines);

}  // namespace rokan::bench
