#include "platform/user/WindowClassRegistry.h"

#include "platform/base/Error.h"
#include "platform/base/Module.h"
#include "platform/user/WindowClass.h"

namespace platform::user {
namespace {

wchar_t Fold(wchar_t c) { return (c >= L'A' && c <= L'Z') ? wchar_t(c - L'A' + L'a') : c; }

bool SameName(const std::wstring& a, LPCWSTR b) {
  size_t i = 0;
  for (; i < a.size(); ++i) {
    if (b[i] == 0 || Fold(a[i]) != Fold(b[i])) return false;
  }
  return b[i] == 0;
}

// A class the program registers or asks for without naming a module is its own.
HINSTANCE ProgramInstance(HINSTANCE instance) { return instance ? instance : GetModuleHandleW(nullptr); }

}  // namespace

WindowClassRegistry& WindowClassRegistry::Instance() {
  static WindowClassRegistry* registry = new WindowClassRegistry;
  return *registry;
}

bool WindowClassRegistry::Matches(const ClassRecord& record, LPCWSTR name) const {
  if (record.unregistered || !name) return false;
  if (IS_INTRESOURCE(name)) return record.atom == ATOM(ULONG_PTR(name));
  return SameName(record.name, name);
}

ClassRecord* WindowClassRegistry::Register(const WNDCLASSEXW& info, bool system) {
  if (!info.lpszClassName || IS_INTRESOURCE(info.lpszClassName) || info.lpszClassName[0] == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const HINSTANCE instance = system ? nullptr : ProgramInstance(info.hInstance);
  for (const auto& record : classes_) {
    if (Matches(*record, info.lpszClassName) && record->instance == instance) {
      SetLastError(ERROR_CLASS_ALREADY_EXISTS);
      return nullptr;
    }
  }
  auto record = std::make_unique<ClassRecord>();
  record->name = info.lpszClassName;
  record->atom = nextAtom_++;
  record->instance = instance;
  record->reportedInstance = (info.style & CS_GLOBALCLASS) && !system ? info.hInstance : instance;
  record->style = info.style;
  record->proc = info.lpfnWndProc;
  record->clsExtra = info.cbClsExtra > 0 ? info.cbClsExtra : 0;
  record->wndExtra = info.cbWndExtra > 0 ? info.cbWndExtra : 0;
  record->icon = info.hIcon;
  record->cursor = info.hCursor;
  record->background = info.hbrBackground;
  if (info.lpszMenuName && !IS_INTRESOURCE(info.lpszMenuName)) record->menuName = info.lpszMenuName;
  record->system = system;
  record->extra.assign(size_t(record->clsExtra), 0);
  record->iconSmall = info.hIconSm;
  classes_.push_back(std::move(record));
  return classes_.back().get();
}

ClassRecord* WindowClassRegistry::Find(LPCWSTR name, HINSTANCE instance) {
  instance = ProgramInstance(instance);
  ClassRecord* fallback = nullptr;
  for (const auto& record : classes_) {
    if (!Matches(*record, name)) continue;
    if (record->instance == instance) return record.get();
    if (record->system || (record->style & CS_GLOBALCLASS)) fallback = record.get();
  }
  return fallback;
}

ClassRecord* WindowClassRegistry::FindShared(LPCWSTR name) {
  for (const auto& record : classes_) {
    if (Matches(*record, name) && (record->system || (record->style & CS_GLOBALCLASS))) return record.get();
  }
  return nullptr;
}

bool WindowClassRegistry::Unregister(LPCWSTR name, HINSTANCE instance) {
  instance = ProgramInstance(instance);
  for (const auto& record : classes_) {
    if (!Matches(*record, name) || record->instance != instance || record->system) continue;
    if (record->windows > 0) {
      SetLastError(ERROR_CLASS_HAS_WINDOWS);
      return false;
    }
    record->unregistered = true;
    return true;
  }
  SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
  return false;
}

}  // namespace platform::user
