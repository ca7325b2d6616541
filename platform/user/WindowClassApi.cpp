// Registering and reading window classes.
#include <cwchar>

#include "platform/base/Error.h"
#include "platform/user/SystemClasses.h"
#include "platform/user/WindowClass.h"
#include "platform/user/WindowClassRegistry.h"
#include "platform/user/WindowHelpers.h"

using namespace platform::user;

namespace {

ATOM Register(const WNDCLASSEXW& info) {
  if (info.cbClsExtra < 0 || info.cbWndExtra < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  SystemClasses::Ensure();
  Guard guard = UserLock::Acquire();
  ClassRecord* record = WindowClassRegistry::Instance().Register(info, false);
  return record ? record->atom : 0;
}

}  // namespace

ATOM RegisterClassExW(const WNDCLASSEXW* lpwcx) {
  // A size that does not cover the fields is a caller's mistake, not a short form.
  if (!lpwcx || lpwcx->cbSize != sizeof(WNDCLASSEXW)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Register(*lpwcx);
}

ATOM RegisterClassW(const WNDCLASSW* lpWndClass) {
  if (!lpWndClass) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  WNDCLASSEXW ex{};
  ex.cbSize = sizeof(ex);
  ex.style = lpWndClass->style;
  ex.lpfnWndProc = lpWndClass->lpfnWndProc;
  ex.cbClsExtra = lpWndClass->cbClsExtra;
  ex.cbWndExtra = lpWndClass->cbWndExtra;
  ex.hInstance = lpWndClass->hInstance;
  ex.hIcon = lpWndClass->hIcon;
  ex.hCursor = lpWndClass->hCursor;
  ex.hbrBackground = lpWndClass->hbrBackground;
  ex.lpszMenuName = lpWndClass->lpszMenuName;
  ex.lpszClassName = lpWndClass->lpszClassName;
  return Register(ex);
}

BOOL UnregisterClassW(LPCWSTR lpClassName, HINSTANCE hInstance) {
  Guard guard = UserLock::Acquire();
  return WindowClassRegistry::Instance().Unregister(lpClassName, hInstance) ? TRUE : FALSE;
}

BOOL GetClassInfoExW(HINSTANCE hInstance, LPCWSTR lpszClass, LPWNDCLASSEXW lpwcx) {
  SystemClasses::Ensure();
  Guard guard = UserLock::Acquire();
  // Without a module only the classes every module shares are found.
  WindowClassRegistry& registry = WindowClassRegistry::Instance();
  ClassRecord* record = hInstance ? registry.Find(lpszClass, hInstance) : registry.FindShared(lpszClass);
  if (!record || !lpwcx) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  record->FillInfo(lpwcx);
  return record->atom;  // non-zero, as Windows answers
}

BOOL GetClassInfoW(HINSTANCE hInstance, LPCWSTR lpClassName, LPWNDCLASSW lpWndClass) {
  WNDCLASSEXW ex{};
  ex.cbSize = sizeof(ex);
  const BOOL atom = lpWndClass ? GetClassInfoExW(hInstance, lpClassName, &ex) : FALSE;
  if (!atom) return FALSE;
  lpWndClass->style = ex.style;
  lpWndClass->lpfnWndProc = ex.lpfnWndProc;
  lpWndClass->cbClsExtra = ex.cbClsExtra;
  lpWndClass->cbWndExtra = ex.cbWndExtra;
  lpWndClass->hInstance = ex.hInstance;
  lpWndClass->hIcon = ex.hIcon;
  lpWndClass->hCursor = ex.hCursor;
  lpWndClass->hbrBackground = ex.hbrBackground;
  lpWndClass->lpszMenuName = ex.lpszMenuName;
  lpWndClass->lpszClassName = ex.lpszClassName;
  return atom;
}

int GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w || !w->cls || !lpClassName || nMaxCount <= 0) return 0;
  const std::wstring& name = w->cls->name;
  const size_t n = std::min(name.size(), size_t(nMaxCount - 1));
  std::wmemcpy(lpClassName, name.c_str(), n);
  lpClassName[n] = 0;
  return int(n);
}

namespace {

// Lock held: a class value by index, negative for the fixed ones, else the class's
// extra bytes (`size` of them).
bool ReadClassLong(const ClassRecord& c, int index, size_t size, LONG_PTR* value) {
  switch (index) {
    case GCLP_HBRBACKGROUND: *value = LONG_PTR(c.background); return true;
    case GCLP_HCURSOR: *value = LONG_PTR(c.cursor); return true;
    case GCLP_HICON: *value = LONG_PTR(c.icon); return true;
    case GCLP_HICONSM: *value = LONG_PTR(c.iconSmall); return true;
    case GCLP_HMODULE: *value = LONG_PTR(c.reportedInstance); return true;
    case GCLP_WNDPROC: *value = LONG_PTR(c.proc); return true;
    case GCL_STYLE: *value = LONG_PTR(c.style); return true;
    case GCL_CBWNDEXTRA: *value = c.wndExtra; return true;
    case GCL_CBCLSEXTRA: *value = c.clsExtra; return true;
    case GCW_ATOM: *value = c.atom; return true;
    default: return c.ReadExtra(index, size, value);
  }
}

bool WriteClassLong(ClassRecord& c, int index, size_t size, LONG_PTR value) {
  switch (index) {
    case GCLP_HBRBACKGROUND: c.background = HBRUSH(value); return true;
    case GCLP_HCURSOR: c.cursor = HCURSOR(value); return true;
    case GCLP_HICON: c.icon = HICON(value); return true;
    case GCLP_HICONSM: c.iconSmall = HICON(value); return true;
    case GCLP_WNDPROC: c.proc = WNDPROC(value); return true;
    case GCL_STYLE: c.style = UINT(value); return true;
    default: return c.WriteExtra(index, size, value);
  }
}

LONG_PTR GetClassValue(HWND hWnd, int nIndex, size_t size) {
  return WithWindow(hWnd, LONG_PTR(0), [nIndex, size](WindowObject* w) -> LONG_PTR {
    LONG_PTR value = 0;
    if (!w->cls || !ReadClassLong(*w->cls, nIndex, size, &value)) {
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
    }
    return value;
  });
}

}  // namespace

ULONG_PTR GetClassLongPtrW(HWND hWnd, int nIndex) { return ULONG_PTR(GetClassValue(hWnd, nIndex, sizeof(LONG_PTR))); }

DWORD GetClassLongW(HWND hWnd, int nIndex) { return DWORD(GetClassValue(hWnd, nIndex, sizeof(LONG))); }

ULONG_PTR SetClassLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  return WithWindow(hWnd, ULONG_PTR(0), [nIndex, dwNewLong](WindowObject* w) -> ULONG_PTR {
    LONG_PTR old = 0;
    if (!w->cls || !ReadClassLong(*w->cls, nIndex, sizeof(LONG_PTR), &old) ||
        !WriteClassLong(*w->cls, nIndex, sizeof(LONG_PTR), dwNewLong)) {
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
    }
    return ULONG_PTR(old);
  });
}

DWORD SetClassLongW(HWND hWnd, int nIndex, LONG dwNewLong) {
  return WithWindow(hWnd, DWORD(0), [nIndex, dwNewLong](WindowObject* w) -> DWORD {
    LONG_PTR old = 0;
    if (!w->cls || !ReadClassLong(*w->cls, nIndex, sizeof(LONG), &old) ||
        !WriteClassLong(*w->cls, nIndex, sizeof(LONG), dwNewLong)) {
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
    }
    return DWORD(old);
  });
}
