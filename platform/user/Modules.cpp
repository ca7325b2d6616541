// Handles for the system libraries the program names, and the exports it looks up.
#include <cstring>
#include <cwctype>
#include <string>

#include "platform/base/Error.h"
#include "platform/gdi/Msimg32Exports.h"
#include "platform/user/Layered.h"
#include "platform/user/Modules.h"

#ifndef ERROR_MOD_NOT_FOUND
#define ERROR_MOD_NOT_FOUND 126L
#endif
#ifndef ERROR_PROC_NOT_FOUND
#define ERROR_PROC_NOT_FOUND 127L
#endif

namespace {

struct SystemModule {
  const wchar_t* name;
  uintptr_t handle;
};

const SystemModule kModules[] = {
    {L"user32.dll", 0x7E100000}, {L"msimg32.dll", 0x7E200000}, {L"riched20.dll", 0x7E300000},
    {L"msftedit.dll", 0x7E400000}, {L"gdi32.dll", 0x7E500000}, {L"kernel32.dll", 0x7E600000},
};

std::wstring Lower(std::wstring s) {
  for (auto& c : s) c = wchar_t(std::towlower(c));
  const size_t slash = s.find_last_of(L"\\/");
  if (slash != std::wstring::npos) s = s.substr(slash + 1);
  if (s.find(L'.') == std::wstring::npos) s += L".dll";
  return s;
}

}  // namespace

HMODULE LoadLibraryW(LPCWSTR lpLibFileName) {
  if (!lpLibFileName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const std::wstring name = Lower(lpLibFileName);
  for (const SystemModule& m : kModules) {
    if (name == m.name) return HMODULE(m.handle);
  }
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
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
  const uintptr_t handle = uintptr_t(hModule);
  void* address = nullptr;
  if (handle == 0x7E100000 && std::strcmp(lpProcName, "SetLayeredWindowAttributes") == 0) {
    address = reinterpret_cast<void*>(&SetLayeredWindowAttributes);
  } else if (handle == 0x7E100000 && std::strcmp(lpProcName, "UpdateLayeredWindow") == 0) {
    address = reinterpret_cast<void*>(&UpdateLayeredWindow);
  } else if (handle == 0x7E200000) {
    address = platform::gdi::Msimg32Export(lpProcName);
  }
  if (!address) SetLastError(ERROR_PROC_NOT_FOUND);
  return reinterpret_cast<FARPROC>(address);
}
