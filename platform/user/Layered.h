#pragma once
// Layered windows: per-pixel alpha images and whole-window opacity.
#include "platform/base/WinTypes.h"
#include "platform/gdi/GdiStructs.h"

#define ULW_COLORKEY 0x00000001
#define ULW_ALPHA 0x00000002
#define ULW_OPAQUE 0x00000004
#define LWA_COLORKEY 0x00000001
#define LWA_ALPHA 0x00000002

BOOL UpdateLayeredWindow(HWND hWnd, HDC hdcDst, POINT* pptDst, SIZE* psize, HDC hdcSrc, POINT* pptSrc,
                         COLORREF crKey, BLENDFUNCTION* pblend, DWORD dwFlags);
BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF crKey, BYTE bAlpha, DWORD dwFlags);
BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* pcrKey, BYTE* pbAlpha, DWORD* pdwFlags);
