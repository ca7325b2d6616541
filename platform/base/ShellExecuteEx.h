#pragma once
// ShellExecuteExW: ShellExecuteW with its arguments in a structure and a BOOL answer,
// the failure in the last error. It starts and opens things by the same rules and
// goes through the same test hook (platform::SetShellExecuteHook).
#include "platform/base/WinTypes.h"

#define SEE_MASK_DEFAULT 0x00000000
#define SEE_MASK_FLAG_NO_UI 0x00000400

// No shell association for the verb.
#define ERROR_NO_ASSOCIATION 1155L

typedef struct _SHELLEXECUTEINFOW {
  DWORD cbSize;
  ULONG fMask;
  HWND hwnd;
  LPCWSTR lpVerb;        // null: the default verb, "open"
  LPCWSTR lpFile;
  LPCWSTR lpParameters;
  LPCWSTR lpDirectory;
  int nShow;
  HINSTANCE hInstApp;    // out: what ShellExecuteW would have returned
} SHELLEXECUTEINFOW, *LPSHELLEXECUTEINFOW;

// FALSE with ERROR_FILE_NOT_FOUND for a file that does not exist, and the matching
// code for the other failures; ERROR_INVALID_PARAMETER when cbSize does not cover
// the structure. The layer never shows an error window, so SEE_MASK_FLAG_NO_UI is
// what it does anyway.
BOOL ShellExecuteExW(SHELLEXECUTEINFOW* pExecInfo);

#define SHELLEXECUTEINFO SHELLEXECUTEINFOW
#define ShellExecuteEx ShellExecuteExW
