#pragma once
// Starting other programs as the shell does: a Windows command line split into
// arguments, a program found on the search path, and a start that leaves the child
// on its own.
#include <string>
#include <vector>

namespace platform {

class ProcessLauncher {
 public:
  // Splits as a Windows program splits its command line: blanks separate, double
  // quotes group, backslashes escape only a quote that follows them.
  static std::vector<std::wstring> SplitCommandLine(const std::wstring& text);
  // The first executable of that name on PATH, "" when there is none.
  static std::string FindInPath(const std::string& program);
  // Starts the program detached from this process (its own session, reaped at once)
  // with `folder` as its working folder when one is given. 0 once exec succeeded,
  // else the errno that stopped it.
  static int StartDetached(const std::string& program, const std::vector<std::string>& args,
                           const std::string& folder);
};

}  // namespace platform
