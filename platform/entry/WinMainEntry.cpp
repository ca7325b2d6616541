// main() for the program: the process starts as a Windows program started from its
// icon does, in the executable's folder and with a wide command line, and ends
// through ExitProcess so that the loggers flush and no static destructor runs
// under threads that are still working.
#include <unistd.h>

#include <string>

#include "platform/win32.h"

namespace {

void EnterExecutableFolder() {
  WCHAR path[4096] = {};
  DWORD length = GetModuleFileNameW(nullptr, path, _countof(path));
  if (length == 0 || length >= _countof(path)) return;
  const std::wstring executable(path, length);
  const size_t cut = platform::LastPathSeparator(executable);
  if (cut == std::wstring::npos) return;
  SetCurrentDirectoryW(cut == 0 ? L"/" : executable.substr(0, cut).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  LPWSTR arguments = platform::SetCommandLineFromArgs(argc, argv);
  EnterExecutableFolder();
  int result = wWinMain(GetModuleHandleW(nullptr), nullptr, arguments, SW_SHOWNORMAL);
  ExitProcess(static_cast<UINT>(result));
  return result;  // only with an exit hook set
}
