#pragma once
#include <cstdint>

namespace rokan {

// Where a run-time error came from, for whoever debugs it: the call that
// failed and the code it gave (an HRESULT or a GetLastError value; 0 where
// the call gives none). No call: nothing is known beyond the failure.
struct Cause {
    const wchar_t* call = nullptr;
    std::uint32_t code = 0;
};

// A run-time error of a procedure: it ends the procedure's body, which shows
// its one message. Its cause goes only to the debugger's output, beside it.
struct Failure {
    Failure() = default;
    Failure(const wchar_t* call, std::uint32_t code) : cause{call, code} {}
    Cause cause;
};

// A call that another program did not answer in time. It failed for the
// caller, but the other program may still carry it out later.
struct Unanswered : Failure {
    using Failure::Failure;
};

// What an implementation of Process::end() throws when it cannot really end
// the process (the tests' fake). It is not a failure: no procedure may catch it.
struct ProcessEnded {};

}  // namespace rokan
