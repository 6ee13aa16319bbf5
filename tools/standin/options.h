#pragma once

#include <optional>

namespace standin {

// How chat sends and object creation go; the window's commands change them
// while the server runs.
struct Modes {
    bool fail_sends = false;  // /fail: chat sends return E_FAIL
    bool hang_sends = false;  // /hang: chat sends never return
    unsigned busy_ms = 0;     // /busy:N: each chat send first waits N ms
    bool no_object = false;   // /noobject: creating the object yields NULL
};

// The command line, parsed once; the server is built from it.
struct Options {
    enum class Action { Serve, Register, Unregister };
    Action action = Action::Serve;
    bool embedding = false;    // started by COM
    Modes modes;               // as the server starts
    bool hang_create = false;  // /hangcreate: creating the object never returns
    bool stay = false;         // /stay: keep running after the last client leaves
    bool nested_only = false;  // /nestedonly: inside Closing, takes nested calls only
};

// Flags may start with '/' or '-' and are case-insensitive. An unknown flag
// yields nullopt: a test that misspells a mode must not silently get another;
// so does /busy: with anything but 0 to STANDIN_BUSY_MAX_MS in plain digits.
std::optional<Options> parse_options(int argc, wchar_t** argv);

}  // namespace standin
