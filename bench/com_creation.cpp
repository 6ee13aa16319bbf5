// EchoLink's cost, not Rokan's: what creating EchoLink's COM object takes,
// asked for the way Rokan asks for it, from the runner itself.

#include <objbase.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "bench_support.h"
#include "echolink_automation.h"
#include "stats.h"
#include "subcommands.h"

namespace rokan::bench {

namespace {

double timeCreation() {
    void* object = nullptr;
    const double start = nowMs();
    const HRESULT result = CoCreateInstance(rokan::echolink::kApplicationClass, nullptr, CLSCTX_ALL,
                                            rokan::echolink::kApplicationInterface, &object);
    const double elapsed = nowMs() - start;
    if (FAILED(result) || !object)
        throw std::runtime_error("CoCreateInstance of the stand-in failed (" + std::to_string(result) + ")");
    static_cast<IUnknown*>(object)->Release();
    return elapsed;
}

double timeCreationWithServerLaunched() {
    settle();
    const double elapsed = timeCreation();
    waitNoStandin();
    return elapsed;
}

double timeCreationWithServerRunning() {
    e2e::Process standin = startStandin();
    settle();
    const double elapsed = timeCreation();
    letStandinLeave(standin);
    return elapsed;
}

}  // namespace

int measureComCreation(int rounds) {
    waitNoStandin();
    // Wine starts its RPC service for the session's first out-of-process
    // activation; only a run that comes first in the session sees that.
    printResult("com_first_in_session", {timeCreationWithServerLaunched()});
    std::vector<double> launched, running;
    for (int round = 0; round < rounds; ++round) {
        launched.push_back(timeCreationWithServerLaunched());
        running.push_back(timeCreationWithServerRunning());
    }
    printResult("com_server_launched", launched);
    printResult("com_server_running", running);
    return 0;
}

}  // namespace rokan::bench
