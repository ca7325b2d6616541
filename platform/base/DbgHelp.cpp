#include "platform/base/DbgHelp.h"

#include <unistd.h>

#include "platform/base/CrashDumpWriter.h"
#include "platform/base/Error.h"
#include "platform/base/FileApi.h"

HANDLE GetCurrentProcess() { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)); }

BOOL MiniDumpWriteDump(HANDLE hProcess, DWORD ProcessId, HANDLE hFile, MINIDUMP_TYPE DumpType,
                       PMINIDUMP_EXCEPTION_INFORMATION ExceptionParam, PVOID UserStreamParam, PVOID CallbackParam) {
  if (hProcess != GetCurrentProcess() || ProcessId != static_cast<DWORD>(getpid()) || UserStreamParam != nullptr ||
      CallbackParam != nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const int fd = platform::FileDescriptorOf(hFile);
  if (fd < 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  const EXCEPTION_POINTERS* pointers = ExceptionParam != nullptr ? ExceptionParam->ExceptionPointers : nullptr;
  const DWORD thread = ExceptionParam != nullptr ? ExceptionParam->ThreadId : 0;
  const bool withData = (DumpType & MiniDumpWithDataSegs) != 0;
  return platform::CrashDumpWriter::Write(fd, pointers, thread, withData) ? TRUE : FALSE;
}
