// Handles for the system libraries the program names, and the exports it looks up.
#include <cstring>
#include <string>

#include "platform/base/DbgHelp.h"
#include "platform/base/Error.h"
#include "platform/base/ExceptionFilter.h"
#include "platform/base/SystemModules.h"
#include "platform/gdi/Msimg32Exports.h"
#include "platform/user/Layered.h"
#include "platform/user/ModuleExports.h"
#include "platform/user/Modules.h"

#ifndef ERROR_MOD_NOT_FOUND
#define ERROR_MOD_NOT_FOUND 126L
#endif
#ifndef ERROR_PROC_NOT_FOUND
#define ERROR_PROC_NOT_FOUND 127L
#endif

namespace {

std::wstring ModuleName(HMODULE module) {
  const wchar_t* name = platform::SystemModuleName(module);
  return name ? name : L"";
}

}  // namespace

HMODULE LoadLibraryW(LPCWSTR lpLibFileName) {
  if (!lpLibFileName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  HMODULE module = platform::SystemModuleHandle(lpLibFileName);
  if (!module) SetLastError(ERROR_MOD_NOT_FOUND);
  return module;
}

HMODULE LoadLibraryA(LPCSTR lpLibFileName) {
  if (!lpLibFileName) return LoadLibraryW(nullptr);
  std::wstring wide;
  for (const char* p = lpLibFileName; *p; ++p) wide.push_back(wchar_t(static_cast<unsigned char>(*p)));
  return LoadLibraryW(wide.c_str());
}

BOOL FreeLibrary(HMODULE hLibModule) { return hLibModule ? TRUE : FALSE; }

FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
  if (!lpProcName || (uintptr_t(lpProcName) >> 16) == 0) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  const std::wstring module = ModuleName(hModule);
  void* address = nullptr;
  if (module == L"user32.dll" && std::strcmp(lpProcName, "SetLayeredWindowAttributes") == 0) {
    address = reinterpret_cast<void*>(&SetLayeredWindowAttributes);
  } else if (module == L"user32.dll" && std::strcmp(lpProcName, "UpdateLayeredWindow") == 0) {
    address = reinterpret_cast<void*>(&UpdateLayeredWindow);
  } else if (module == L"dbghelp.dll" && std::strcmp(lpProcName, "MiniDumpWriteDump") == 0) {
    address = reinterpret_cast<void*>(&MiniDumpWriteDump);
  } else if (module == L"kernel32.dll" && std::strcmp(lpProcName, "SetUnhandledExceptionFilter") == 0) {
    address = reinterpret_cast<void*>(&SetUnhandledExceptionFilter);
  } else if (module == L"msimg32.dll") {
    address = platform::gdi::Msimg32Export(lpProcName);
  } else {
    address = platform::user::ModuleExports::Find(hModule, lpProcName);
  }
  if (!address) SetLastError(ERROR_PROC_NOT_FOUND);
  return reinterpret_cast<FARPROC>(address);
}
