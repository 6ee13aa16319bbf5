#pragma once
// The EchoLink stand-in's life cycle, for the end-to-end tests and the
// benchmark alike: the exe beside the caller, its registration as EchoLink's
// class in this prefix, starting it by hand, ending every copy, its commands
// and its logs.
#include "driver.h"

namespace rokan::e2e::standin {

std::filesystem::path exe();  // beside the running test or benchmark
// Registers (or removes) the stand-in as EchoLink's class; whether it succeeded.
bool setRegistered(bool registered);
// A stand-in started by hand with the flags given, idle and with its class
// object registered; nothing when its window did not appear.
std::optional<Process> start(const std::wstring& flags = L"", const std::filesystem::path& workingDir = {});
bool anyRunning();
// Asks every stand-in to close, so that each withdraws its class object.
void closeAll();
// Waits for every stand-in to leave, and ends by force those still running
// after the timeout.
enum class Leftovers { none, endedByForce, wouldNotEnd };
Leftovers endLeftovers(milliseconds timeout = kTimeout);
// Sent, not posted: a mode holds before the caller's next call reaches the
// stand-in. No answer is awaited beyond a few seconds (a command may end it).
bool command(int id, LPARAM argument = 0);

// What the stand-in accepted as chat, UTF-8, a line each; empty while there is none.
std::filesystem::path chatLogPath();
std::wstring chatLog();
// How its Closing calls returned, a line each.
std::string closingLog();
void removeLogs();

}  // namespace rokan::e2e::standin
