// main() for the program: the process starts as a Windows program started from its
// icon does, in the executable's folder and with a wide command line, and ends
// through ExitProcess so that the loggers flush and no static destructor runs
// under threads that are still working.
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/win32.h"

namespace {

void EnterExecutableFolder() {
  // The native name as it is: a Linux file name may hold a '\', which the wide
  // path functions would take for a separator.
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::canonical("/proc/self/exe", error);
  if (error) return;
  if (chdir(executable.parent_path().c_str()) != 0) {
    OutputDebugStringA("cannot enter the executable's folder\n");
  }
}

}  // namespace

int main(int argc, char** argv) {
  LPWSTR arguments = platform::SetCommandLineFromArgs(argc, argv);
  EnterExecutableFolder();
  int result = wWinMain(GetModuleHandleW(nullptr), nullptr, arguments, SW_SHOWNORMAL);
  ExitProcess(static_cast<UINT>(result));
  return result;  // only with an exit hook set
}
