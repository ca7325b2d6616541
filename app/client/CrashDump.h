#pragma once
// The program's crash dump: the unhandled-exception filter writes
// "YYYY-MM-DD_hhmmss_Orlenvue.dmp" (local time of the crash) in the current folder,
// unless a debugger is attached, which then sees the fault itself.
#include "platform/base/ExceptionFilter.h"

LONG WINAPI UnhandledExceptionHandler(EXCEPTION_POINTERS* pExceptionPointers);
// Always 1: the process ends.
LONG WriteCrashDump(EXCEPTION_POINTERS* pExceptionPointers);
// No later code of the process can replace the filter.
void LockUnhandledExceptionFilter();
// The dump's file name for a local time, as WriteCrashDump makes it.
void CrashDumpFileName(const SYSTEMTIME& time, wchar_t (&name)[MAX_PATH]);
