#pragma once
// Opening files, programs and URLs through the shell.
#include <functional>
#include <string>

#include "platform/base/ShowCommands.h"
#include "platform/base/WinTypes.h"

#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_OOM 8
#define SE_ERR_NOASSOC 31

// Returns a value above 32 on success. "open" (or no verb) on an executable file
// starts it directly, detached, with lpParameters split as a Windows command line
// and lpDirectory as its working folder; any other file, folder or URL goes to
// xdg-open. A missing file, or no xdg-open where one is needed, gives SE_ERR_FNF.
HINSTANCE ShellExecuteW(HWND hwnd, LPCWSTR lpOperation, LPCWSTR lpFile, LPCWSTR lpParameters,
                        LPCWSTR lpDirectory, INT nShowCmd);

namespace platform {

// Arguments: verb, file, parameters, folder (null ones as ""), show command.
typedef std::function<INT_PTR(const std::wstring& verb, const std::wstring& file, const std::wstring& params,
                              const std::wstring& dir, int show)>
    ShellExecuteHook;

// While a hook is set, ShellExecuteW calls it instead of starting anything and
// returns its result. Null restores the real behaviour.
void SetShellExecuteHook(ShellExecuteHook hook);

}  // namespace platform
