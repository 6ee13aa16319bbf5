#pragma once

namespace standin {

// /nestedonly: the stand-in answers as a single-threaded automation server
// commonly does while it waits on a call of its own: while it raises Closing
// it refuses every incoming call but one nested in that call (one the sink
// makes from the thread that took Closing). Its message filter says so to
// COM, which Wine asks as Windows does.
bool install_nested_only_filter();

}  // namespace standin
