#include "app/client/CrashDump.h"

#include "platform/base/DbgHelp.h"
#include "platform/win32.h"

namespace {

const wchar_t kProgramName[] = L"Orlenvue";

// Formatting without the C library: the filter runs inside a signal handler.
wchar_t* PutNumber(wchar_t* at, int value, int digits) {
  for (int i = digits - 1; i >= 0; --i) {
    at[i] = static_cast<wchar_t>(L'0' + value % 10);
    value /= 10;
  }
  return at + digits;
}

wchar_t* PutText(wchar_t* at, const wchar_t* text) {
  while (*text != L'\0') *at++ = *text++;
  return at;
}

}  // namespace

void CrashDumpFileName(const SYSTEMTIME& time, wchar_t (&name)[MAX_PATH]) {
  wchar_t* at = name;
  at = PutNumber(at, time.wYear, 4);
  *at++ = L'-';
  at = PutNumber(at, time.wMonth, 2);
  *at++ = L'-';
  at = PutNumber(at, time.wDay, 2);
  *at++ = L'_';
  at = PutNumber(at, time.wHour, 2);
  at = PutNumber(at, time.wMinute, 2);
  at = PutNumber(at, time.wSecond, 2);
  *at++ = L'_';
  at = PutText(at, kProgramName);
  at = PutText(at, L".dmp");
  *at = L'\0';
}

LONG WINAPI UnhandledExceptionHandler(EXCEPTION_POINTERS* pExceptionPointers) {
  if (IsDebuggerPresent()) return EXCEPTION_CONTINUE_SEARCH;
  return WriteCrashDump(pExceptionPointers);
}

LONG WriteCrashDump(EXCEPTION_POINTERS* pExceptionPointers) {
  HMODULE dbgHelp = ::LoadLibraryW(L"DbgHelp.dll");
  if (dbgHelp == nullptr) return EXCEPTION_EXECUTE_HANDLER;
  const auto writeDump = reinterpret_cast<MINIDUMPWRITEDUMP>(::GetProcAddress(dbgHelp, "MiniDumpWriteDump"));
  if (writeDump == nullptr) {
    ::FreeLibrary(dbgHelp);
    return EXCEPTION_EXECUTE_HANDLER;
  }
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  wchar_t name[MAX_PATH];
  CrashDumpFileName(now, name);
  HANDLE file = ::CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ::OutputDebugStringW(name);
  if (file != INVALID_HANDLE_VALUE) {
    MINIDUMP_EXCEPTION_INFORMATION information = {::GetCurrentThreadId(), pExceptionPointers, FALSE};
    writeDump(::GetCurrentProcess(), ::GetCurrentProcessId(), file, MiniDumpWithDataSegs,
              pExceptionPointers != nullptr ? &information : nullptr, nullptr, nullptr);
    ::CloseHandle(file);
  }
  ::FreeLibrary(dbgHelp);
  return EXCEPTION_EXECUTE_HANDLER;
}

void LockUnhandledExceptionFilter() {
  // The layer keeps the filter behind a lock of its own, in place of patching the setter.
  HMODULE kernel = ::LoadLibraryW(L"kernel32.dll");
  if (kernel == nullptr) return;
  if (::GetProcAddress(kernel, "SetUnhandledExceptionFilter") != nullptr) platform::LockUnhandledExceptionFilter();
  ::FreeLibrary(kernel);
}
