#include "platform/base/SystemModules.h"

#include <atomic>
#include <string>

#include "platform/base/Crt.h"

namespace platform {
namespace {

struct SystemModule {
  const wchar_t* name;
  uintptr_t handle;
};

// What tests made missing, one bit per entry of kModules.
std::atomic<unsigned> g_missing{0};

const SystemModule kModules[] = {
    {L"user32.dll", 0x7E100000},  {L"msimg32.dll", 0x7E200000}, {L"riched20.dll", 0x7E300000},
    {L"msftedit.dll", 0x7E400000}, {L"gdi32.dll", 0x7E500000},   {L"kernel32.dll", 0x7E600000},
    {L"dbghelp.dll", 0x7E700000},
};

}  // namespace

// "C:\\Windows\\System32\\USER32" and "user32.dll" name the same library.
std::wstring SystemModuleCanonicalName(LPCWSTR name) {
  std::wstring s(name);
  const size_t slash = s.find_last_of(L"\\/");
  if (slash != std::wstring::npos) s = s.substr(slash + 1);
  for (wchar_t& c : s) c = ToLowerW(c);
  if (s.find(L'.') == std::wstring::npos) s += L".dll";
  return s;
}

void SetSystemModuleMissing(LPCWSTR name, bool missing) {
  if (!name) return;
  const std::wstring canonical = SystemModuleCanonicalName(name);
  for (size_t i = 0; i < sizeof(kModules) / sizeof(kModules[0]); ++i) {
    if (canonical != kModules[i].name) continue;
    if (missing) g_missing |= 1u << i;
    else g_missing &= ~(1u << i);
  }
}

HMODULE SystemModuleHandle(LPCWSTR name) {
  if (!name) return nullptr;
  const std::wstring canonical = SystemModuleCanonicalName(name);
  for (size_t i = 0; i < sizeof(kModules) / sizeof(kModules[0]); ++i) {
    if (canonical != kModules[i].name) continue;
    if (g_missing & (1u << i)) return nullptr;
    return reinterpret_cast<HMODULE>(kModules[i].handle);
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
