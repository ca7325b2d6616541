#pragma once

class global_singleton;

namespace test_support {

// Nobody logged in, no server known, no rights: the program's session as a process
// starts, so a second program run in one test process begins as a restarted one would.
void ForgetProgramSession(global_singleton& session);

}  // namespace test_support
