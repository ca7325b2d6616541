#pragma once
// The steps of one exchange of the REST transport, in the order they run.

namespace CommonTools {

enum class session_step { none, resolve, connect, write, read, shutdown };

// The step's name as failure texts give it ("connect"); empty for none.
const char* step_name(session_step step);

}  // namespace CommonTools
