#pragma once
// The program's own module, thread and process ids, and debugger output.
#include "platform/base/Error.h"
#include "platform/base/WinTypes.h"

#ifndef ERROR_MOD_NOT_FOUND
#define ERROR_MOD_NOT_FOUND 126L
#endif

// hModule null (or the program's handle): the real path of the executable, with
// '/'. Too small a buffer gets the first nSize - 1 characters and a NUL; the call
// then returns nSize with ERROR_INSUFFICIENT_BUFFER, as Windows does.
DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);

// Null gives the program's handle; a system library's name gives its fixed handle.
HMODULE GetModuleHandleW(LPCWSTR lpModuleName);

// The kernel's id of the calling thread (what `ps -L` shows).
DWORD GetCurrentThreadId();
DWORD GetCurrentProcessId();

// Written to stderr (as UTF-8) when PLATFORM_DEBUG_OUTPUT is set, else dropped.
// The narrow form takes GBK text.
void OutputDebugStringA(LPCSTR lpOutputString);
void OutputDebugStringW(LPCWSTR lpOutputString);
