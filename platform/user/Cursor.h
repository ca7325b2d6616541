#pragma once
// System cursors and icons.
#include "platform/base/WinTypes.h"

#ifndef IS_INTRESOURCE
#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)
#endif
#ifndef MAKEINTRESOURCEW
#define MAKEINTRESOURCEW(i) ((LPWSTR)((ULONG_PTR)((WORD)(i))))
#endif

#define IDC_ARROW MAKEINTRESOURCEW(32512)
#define IDC_IBEAM MAKEINTRESOURCEW(32513)
#define IDC_WAIT MAKEINTRESOURCEW(32514)
#define IDC_CROSS MAKEINTRESOURCEW(32515)
#define IDC_UPARROW MAKEINTRESOURCEW(32516)
#define IDC_SIZENWSE MAKEINTRESOURCEW(32642)
#define IDC_SIZENESW MAKEINTRESOURCEW(32643)
#define IDC_SIZEWE MAKEINTRESOURCEW(32644)
#define IDC_SIZENS MAKEINTRESOURCEW(32645)
#define IDC_SIZEALL MAKEINTRESOURCEW(32646)
#define IDC_NO MAKEINTRESOURCEW(32648)
#define IDC_HAND MAKEINTRESOURCEW(32649)
#define IDC_APPSTARTING MAKEINTRESOURCEW(32650)
#define IDC_HELP MAKEINTRESOURCEW(32651)

#define IDI_APPLICATION MAKEINTRESOURCEW(32512)
#define IDI_HAND MAKEINTRESOURCEW(32513)
#define IDI_QUESTION MAKEINTRESOURCEW(32514)
#define IDI_EXCLAMATION MAKEINTRESOURCEW(32515)
#define IDI_ASTERISK MAKEINTRESOURCEW(32516)
#define IDI_WARNING IDI_EXCLAMATION
#define IDI_ERROR IDI_HAND
#define IDI_INFORMATION IDI_ASTERISK

// Only the system cursors (hInstance null) are known; anything else gives null.
HCURSOR LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName);
// The cursor shown until the next WM_SETCURSOR; returns the previous one.
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor();
int ShowCursor(BOOL bShow);
// hInstance null: the system icons (IDI_*). The program's instance: its icon resource
// of that number or name, at the size of SM_CXICON.
HICON LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName);

#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define IMAGE_CURSOR 2
#define LR_DEFAULTCOLOR 0x00000000
#define LR_DEFAULTSIZE 0x00000040
#define LR_SHARED 0x00008000

// Only IMAGE_ICON from the program's resources: the picture scaled to cx by cy; a zero
// size is the picture's own, or the system's icon size with LR_DEFAULTSIZE.
HANDLE LoadImageW(HINSTANCE hInst, LPCWSTR name, UINT type, int cx, int cy, UINT fuLoad);
// Frees an icon LoadImageW or LoadIconW made; system icons stay.
BOOL DestroyIcon(HICON hIcon);
#define LoadCursor LoadCursorW
#define LoadImage LoadImageW

namespace platform {

// The size of an icon LoadImageW made; false for a system icon or an unknown handle.
bool GetIconSize(HICON hIcon, SIZE* size);

}  // namespace platform
#define LoadIcon LoadIconW
