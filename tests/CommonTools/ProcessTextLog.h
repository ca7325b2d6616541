#pragma once
// The process's text log as the transports' tests read it: started once per process in a
// folder of the test's own, whichever test comes first.
#include <string>

namespace commontest {

// What the log's error level holds so far.
std::string LoggedErrors();

// True once the error level holds `text`; false when it has not appeared within a few
// seconds (the log is written by a thread of its own).
bool WaitForLogged(const std::string& text);

}  // namespace commontest
