#pragma once
// The dump writer of "DbgHelp.dll", which the program finds by LoadLibraryW and
// GetProcAddress("MiniDumpWriteDump").
#include "platform/base/ExceptionFilter.h"
#include "platform/base/WinTypes.h"

enum MINIDUMP_TYPE {
  MiniDumpNormal = 0x0,
  MiniDumpWithDataSegs = 0x1,
};

struct MINIDUMP_EXCEPTION_INFORMATION {
  DWORD ThreadId;
  PEXCEPTION_POINTERS ExceptionPointers;
  BOOL ClientPointers;
};
typedef MINIDUMP_EXCEPTION_INFORMATION* PMINIDUMP_EXCEPTION_INFORMATION;

typedef BOOL(WINAPI* MINIDUMPWRITEDUMP)(HANDLE hProcess, DWORD ProcessId, HANDLE hFile, MINIDUMP_TYPE DumpType,
                                         PMINIDUMP_EXCEPTION_INFORMATION ExceptionParam, PVOID UserStreamParam,
                                         PVOID CallbackParam);

// Writes the dump of the calling process (the only one it can dump: ProcessId must be
// the caller's) into hFile, in the format of CrashDumpFormat.md. Safe inside the
// unhandled-exception filter. User streams and callbacks are not supported (must be null).
BOOL MiniDumpWriteDump(HANDLE hProcess, DWORD ProcessId, HANDLE hFile, MINIDUMP_TYPE DumpType,
                       PMINIDUMP_EXCEPTION_INFORMATION ExceptionParam, PVOID UserStreamParam, PVOID CallbackParam);

// The pseudo handle of the calling process.
HANDLE GetCurrentProcess();
