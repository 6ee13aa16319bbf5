#pragma once

namespace rokan {

// A run-time error of a procedure: it ends the procedure's body, which shows
// its one message. Nothing reads more of it than that it happened.
struct Failure {};

// A call that another program did not answer in time. It failed for the
// caller, but the other program may still carry it out later.
struct Unanswered : Failure {};

// What an implementation of Process::end() throws when it cannot really end
// the process (the tests' fake). It is not a failure: no procedure may catch it.
struct ProcessEnded {};

}  // namespace rokan
