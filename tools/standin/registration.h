#pragma once

namespace standin {

// /RegServer: class registration pointing at this exe, plus the embedded type
// library (which also registers the interfaces for type-library marshaling).
// Meant only for private Wine prefixes of tests, never a machine with the
// real program. Returns the process exit code (0 on success).
int register_server();

// /UnregServer: removes what register_server wrote. Exit code as above.
int unregister_server();

}  // namespace standin
