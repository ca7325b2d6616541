#pragma once
// Window classes: registered per (name, instance); system classes have a null instance.
// A null instance anywhere else means the program's own module, as on Windows.
#include "platform/base/WinTypes.h"
#include "platform/user/Messages.h"
#include "platform/user/Styles.h"

#define ERROR_CLASS_ALREADY_EXISTS 1410L
#define ERROR_CLASS_DOES_NOT_EXIST 1411L
#define ERROR_CANNOT_FIND_WND_CLASS 1407L
#define ERROR_CLASS_HAS_WINDOWS 1412L
#define ERROR_INVALID_INDEX 1413L

typedef struct tagWNDCLASSW {
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  LPCWSTR lpszMenuName;
  LPCWSTR lpszClassName;
} WNDCLASSW, *PWNDCLASSW, *LPWNDCLASSW;

typedef struct tagWNDCLASSEXW {
  UINT cbSize;
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  LPCWSTR lpszMenuName;
  LPCWSTR lpszClassName;
  HICON hIconSm;
} WNDCLASSEXW, *PWNDCLASSEXW, *LPWNDCLASSEXW;
typedef WNDCLASSW WNDCLASS;
typedef WNDCLASSEXW WNDCLASSEX;

#ifndef MAKEINTATOM
#define MAKEINTATOM(i) ((LPWSTR)(ULONG_PTR)((WORD)(i)))
#endif
#ifndef IS_INTRESOURCE
#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)
#endif

ATOM RegisterClassW(const WNDCLASSW* lpWndClass);
ATOM RegisterClassExW(const WNDCLASSEXW* lpwcx);
BOOL UnregisterClassW(LPCWSTR lpClassName, HINSTANCE hInstance);
BOOL GetClassInfoW(HINSTANCE hInstance, LPCWSTR lpClassName, LPWNDCLASSW lpWndClass);
BOOL GetClassInfoExW(HINSTANCE hInstance, LPCWSTR lpszClass, LPWNDCLASSEXW lpwcx);
int GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount);
ULONG_PTR GetClassLongPtrW(HWND hWnd, int nIndex);
ULONG_PTR SetClassLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
DWORD GetClassLongW(HWND hWnd, int nIndex);
DWORD SetClassLongW(HWND hWnd, int nIndex, LONG dwNewLong);

#define RegisterClass RegisterClassW
#define RegisterClassEx RegisterClassExW
#define UnregisterClass UnregisterClassW
#define GetClassInfo GetClassInfoW
#define GetClassInfoEx GetClassInfoExW
#define GetClassName GetClassNameW
#define GetClassLongPtr GetClassLongPtrW
#define SetClassLongPtr SetClassLongPtrW
