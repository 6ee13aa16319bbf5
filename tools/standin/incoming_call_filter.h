#pragma once

namespace standin {

// How the stand-in takes incoming calls, said to COM by its message filter,
// which Wine asks as Windows does:
// - /nestedonly: as a single-threaded automation server commonly does while
//   it waits on a call of its own: while it raises Closing it refuses every
//   incoming call but one nested in that call (one the sink makes from the
//   thread that took Closing);
// - STANDIN_CMD_REJECT: as EchoLink with a modal dialog open, it turns every
//   call away for a while (SERVERCALL_REJECTED: Wine runs a call it is told
//   to retry later, so the refusal is the one Wine shows).
bool install_incoming_call_filter();

}  // namespace standin
