#include "tests/tools/screenshot/ShellRun.h"

#include <sys/wait.h>

#include <cstdio>

namespace screenshottest {

Outcome RunShell(const std::string& command) {
  Outcome outcome;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return outcome;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe) != nullptr) outcome.output += buffer;
  const int status = pclose(pipe);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

}  // namespace screenshottest
