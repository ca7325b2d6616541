#pragma once
// Starting a program from a command line, including the shell's full-screen picture
// viewer.
#include <functional>
#include <string>
#include <vector>

#include "platform/base/WinTypes.h"

#define ERROR_BAD_FORMAT 11L

// The command line is narrow text in the program's code page. Returns above 31 once
// the program is started, without waiting for it; 0 when resources ran out,
// ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND or ERROR_BAD_FORMAT otherwise.
// "rundll32.exe <folder>\shimgvw.dll,ImageView_Fullscreen <path>" (the path quoted
// or not) opens the picture with xdg-open, given the path as its one argument. Any
// other command line starts its first word as a program, found on PATH when it names
// no folder, with the rest split into arguments by the Windows rules. No shell runs.
UINT WinExec(LPCSTR lpCmdLine, UINT uCmdShow);

namespace platform {

// What WinExec makes of a command line.
struct WinExecCall {
  std::string commandLine;              // as given
  std::string program;                  // "xdg-open" for the picture viewer
  std::vector<std::string> arguments;   // UTF-8, paths in the file system's form
  UINT show = 0;
};

typedef std::function<UINT(const WinExecCall& call)> WinExecHook;

// While a hook is set, WinExec calls it instead of starting anything and returns its
// result. Null restores the real behaviour.
void SetWinExecHook(WinExecHook hook);

}  // namespace platform
