#pragma once
// Process exit and the command line.
#include <functional>

#include "platform/base/WinTypes.h"

// Runs the exit flush hooks in the order they were added, then ends the process
// with uExitCode without running static destructors (stdio is flushed first), as
// Windows ends a process under its remaining threads.
// With an exit hook set (tests), the flush hooks run, then the exit hook is called
// instead of ending the process, and ExitProcess returns normally after it.
void ExitProcess(UINT uExitCode);

// The full command line: the program's name, then its arguments quoted as a
// Windows command line. Empty until the program's entry has set it.
LPWSTR GetCommandLineW();

// Defined by the program; the program's entry calls it.
int wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nShowCmd);

namespace platform {

// Work to do before the process ends, such as writing out a logger's queue. A hook
// must not call ExitProcess. The result identifies the hook for removal, which its
// owner must do before it goes away.
int AddExitFlushHook(std::function<void()> hook);
void RemoveExitFlushHook(int id);

// Tests: called with the exit code in place of ending the process; null restores.
void SetExitProcessHook(std::function<void(UINT)> hook);

// Builds the command line from main's arguments (each decoded as UTF-8, or as GBK
// when it is not valid UTF-8) and returns the part after the program's name, as
// wWinMain receives it. The text stays valid until the next call.
LPWSTR SetCommandLineFromArgs(int argc, const char* const* argv);

}  // namespace platform
