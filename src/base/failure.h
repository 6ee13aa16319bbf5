#pragma once

namespace rokan {

// A run-time error of a procedure: it ends the procedure's body, which shows
// its one message. Nothing reads more of it than that it happened.
struct Failure {};

// What an implementation of Process::end() throws when it cannot really end
// the process (the tests' fake). It is not a failure: no procedure may catch it.
struct ProcessEnded {};

}  // namespace rokan
