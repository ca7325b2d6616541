#include "platform/base/SystemModules.h"

#include <string>

#include "platform/base/Crt.h"

namespace platform {
namespace {

struct SystemModule {
  const wchar_t* name;
  uintptr_t handle;
};

const SystemModule kModules[] = {
    {L"user32.dll", 0x7E100000},  {L"msimg32.dll", 0x7E200000}, {L"riched20.dll", 0x7E300000},
    {L"msftedit.dll", 0x7E400000}, {L"gdi32.dll", 0x7E500000},   {L"kernel32.dll", 0x7E600000},
    {L"dbghelp.dll", 0x7E700000},
};

// "C:\\Windows\\System32\\USER32" and "user32.dll" name the same library.
std::wstring CanonicalName(LPCWSTR name) {
  std::wstring s(name);
  const size_t slash = s.find_last_of(L"\\/");
  if (slash != std::wstring::npos) s = s.substr(slash + 1);
  for (wchar_t& c : s) c = ToLowerW(c);
  if (s.find(L'.') == std::wstring::npos) s += L".dll";
  return s;
}

}  // namespace

HMODULE SystemModuleHandle(LPCWSTR name) {
  if (!name) return nullptr;
  const std::wstring canonical = CanonicalName(name);
  for (const SystemModule& m : kModules) {
    if (canonical == m.name) return reinterpret_cast<HMODULE>(m.handle);
  }
  return nullptr;
}

const wchar_t* SystemModuleName(HMODULE module) {
  for (const SystemModule& m : kModules) {
    if (reinterpret_cast<uintptr_t>(module) == m.handle) return m.name;
  }
  return nullptr;
}

}  // namespace platform
