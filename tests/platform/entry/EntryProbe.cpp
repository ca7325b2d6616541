// Started by run-entry-probe.sh from another folder with the arguments "a b" and 巡更.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/win32.h"

int wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nShowCmd) {
  const std::string folder = std::filesystem::canonical("/proc/self/exe").parent_path().string();
  const std::string cwd = std::filesystem::current_path().string();
  const std::wstring arguments = lpCmdLine;
  if (cwd != folder) std::printf("working folder %s, not %s\n", cwd.c_str(), folder.c_str());
  if (arguments != L"\"a b\" 巡更") std::printf("arguments %s\n", platform::codepage::WideToUtf8(arguments).c_str());
  if (hInstance != GetModuleHandleW(nullptr) || hPrevInstance != nullptr) std::printf("wrong instances\n");
  if (nShowCmd != SW_SHOWNORMAL) std::printf("show command %d\n", nShowCmd);
  // Left in the stdio buffer: only ExitProcess's flush writes it out.
  std::printf("entry checked");
  platform::AddExitFlushHook([] { std::printf(", flushed\n"); });
  return 3;
}
