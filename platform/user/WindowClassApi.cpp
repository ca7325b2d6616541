// Registering and reading window classes.
#include <cwchar>

#include "platform/base/Error.h"
#include "platform/user/SystemClasses.h"
#include "platform/user/WindowClass.h"
#include "platform/user/WindowClassRegistry.h"
#include "platform/user/WindowHelpers.h"

using namespace platform::user;

ATOM RegisterClassExW(const WNDCLASSEXW* lpwcx) {
  if (!lpwcx) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  SystemClasses::Ensure();
  Guard guard = UserLock::Acquire();
  ClassRecord* record = WindowClassRegistry::Instance().Register(*lpwcx, false);
  return record ? record->atom : 0;
}

ATOM RegisterClassW(const WNDCLASSW* lpWndClass) {
  if (!lpWndClass) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  WNDCLASSEXW ex{};
  ex.cbSize = sizeof(WNDCLASSW);  // no small icon
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
  return RegisterClassExW(&ex);
}

BOOL UnregisterClassW(LPCWSTR lpClassName, HINSTANCE hInstance) {
  Guard guard = UserLock::Acquire();
  return WindowClassRegistry::Instance().Unregister(lpClassName, hInstance) ? TRUE : FALSE;
}

BOOL GetClassInfoExW(HINSTANCE hInstance, LPCWSTR lpszClass, LPWNDCLASSEXW lpwcx) {
  SystemClasses::Ensure();
  Guard guard = UserLock::Acquire();
  ClassRecord* record = WindowClassRegistry::Instance().Find(lpszClass, hInstance);
  if (!record || !lpwcx) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  record->FillInfo(lpwcx);
  return TRUE;
}

BOOL GetClassInfoW(HINSTANCE hInstance, LPCWSTR lpClassName, LPWNDCLASSW lpWndClass) {
  WNDCLASSEXW ex{};
  ex.cbSize = sizeof(ex);
  if (!lpWndClass || !GetClassInfoExW(hInstance, lpClassName, &ex)) return FALSE;
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
  return TRUE;
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

ULONG_PTR GetClassLongPtrW(HWND hWnd, int nIndex) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w || !w->cls) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  const ClassRecord& c = *w->cls;
  switch (nIndex) {
    case GCLP_HBRBACKGROUND: return ULONG_PTR(c.background);
    case GCLP_HCURSOR: return ULONG_PTR(c.cursor);
    case GCLP_HICON: return ULONG_PTR(c.icon);
    case GCLP_HICONSM: return ULONG_PTR(c.iconSmall);
    case GCLP_HMODULE: return ULONG_PTR(c.instance);
    case GCLP_WNDPROC: return ULONG_PTR(c.proc);
    case GCL_STYLE: return c.style;
    case GCL_CBWNDEXTRA: return ULONG_PTR(c.wndExtra);
    case GCL_CBCLSEXTRA: return ULONG_PTR(c.clsExtra);
    case GCW_ATOM: return c.atom;
    default: SetLastError(ERROR_INVALID_PARAMETER); return 0;
  }
}

DWORD GetClassLongW(HWND hWnd, int nIndex) { return DWORD(GetClassLongPtrW(hWnd, nIndex)); }

ULONG_PTR SetClassLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w || !w->cls) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  ClassRecord& c = *w->cls;
  ULONG_PTR old = 0;
  switch (nIndex) {
    case GCLP_HBRBACKGROUND: old = ULONG_PTR(c.background); c.background = HBRUSH(dwNewLong); break;
    case GCLP_HCURSOR: old = ULONG_PTR(c.cursor); c.cursor = HCURSOR(dwNewLong); break;
    case GCLP_HICON: old = ULONG_PTR(c.icon); c.icon = HICON(dwNewLong); break;
    case GCLP_HICONSM: old = ULONG_PTR(c.iconSmall); c.iconSmall = HICON(dwNewLong); break;
    case GCLP_WNDPROC: old = ULONG_PTR(c.proc); c.proc = WNDPROC(dwNewLong); break;
    case GCL_STYLE: old = c.style; c.style = UINT(dwNewLong); break;
    default: SetLastError(ERROR_INVALID_PARAMETER); return 0;
  }
  return old;
}
