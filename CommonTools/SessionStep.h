#pragma once
// The steps of one exchange of the REST transport, in the order they run.

namespace CommonTools {

// deadline: the whole exchange outlasted its overall limit, whichever step it was in.
// handshake: the TLS handshake of an "https://" exchange, the server's certificate checked.
enum class session_step { none, resolve, connect, handshake, write, read, shutdown, deadline };

// The step's name as failure texts give it ("connect"); empty for none.
const char* step_name(session_step step);

}  // namespace CommonTools
