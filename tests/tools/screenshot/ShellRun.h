#pragma once
// A shell command line run to its end, as the script and tool tests run theirs.
#include <string>

namespace screenshottest {

struct Outcome {
  int status = -1;     // the exit status; -1 when it could not run or did not exit
  std::string output;  // standard output and error together
};

Outcome RunShell(const std::string& command);

}  // namespace screenshottest
