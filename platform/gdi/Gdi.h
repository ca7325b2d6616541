#pragma once
// The drawing half of the platform layer: device contexts, bitmaps and DIB sections,
// objects, regions and clipping, blits and blends, gradients, fonts and text.
// Pixels are premultiplied B, G, R, A; GDI calls leave opaque pixels, AlphaBlend and
// GradientFill keep alpha. Coordinates are the device context's logical units (pixels).
#include "platform/base/WinTypes.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/GdiStructs.h"

// Device contexts.
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
int SaveDC(HDC hdc);
BOOL RestoreDC(HDC hdc, int nSavedDC);
int GetDeviceCaps(HDC hdc, int index);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);
int SetStretchBltMode(HDC hdc, int mode);
int GetStretchBltMode(HDC hdc);
BOOL SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT lppt);

// Objects.
HGDIOBJ GetStockObject(int i);
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);
BOOL DeleteObject(HGDIOBJ ho);
int GetObjectW(HGDIOBJ h, int c, LPVOID pv);
DWORD GetObjectType(HGDIOBJ h);
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);
#define GetObject GetObjectW

// Bitmaps.
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy);
HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits);
HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* pbmi, UINT usage, void** ppvBits, HANDLE hSection,
                         DWORD offset);

// Brushes and pens.
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateBrushIndirect(const LOGBRUSH* plbrush);
HPEN CreatePen(int iStyle, int cWidth, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN* plpen);
COLORREF GetSysColor(int nIndex);
HBRUSH GetSysColorBrush(int nIndex);

// Regions.
HRGN CreateRectRgn(int x1, int y1, int x2, int y2);
HRGN CreateRectRgnIndirect(const RECT* lprect);
HRGN CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h);
HRGN CreateEllipticRgn(int x1, int y1, int x2, int y2);
BOOL SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom);
int CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode);
BOOL EqualRgn(HRGN hrgn1, HRGN hrgn2);
BOOL PtInRegion(HRGN hrgn, int x, int y);
BOOL RectInRegion(HRGN hrgn, const RECT* lprect);
int GetRgnBox(HRGN hrgn, LPRECT lprc);
int OffsetRgn(HRGN hrgn, int x, int y);

// Clipping.
int GetClipBox(HDC hdc, LPRECT lprect);
int GetClipRgn(HDC hdc, HRGN hrgn);
int SelectClipRgn(HDC hdc, HRGN hrgn);
int ExtSelectClipRgn(HDC hdc, HRGN hrgn, int mode);
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
BOOL PtVisible(HDC hdc, int x, int y);

// Blits, blends and gradients.
BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                int wSrc, int hSrc, DWORD rop);
BOOL AlphaBlend(HDC hdcDest, int xoriginDest, int yoriginDest, int wDest, int hDest, HDC hdcSrc,
                int xoriginSrc, int yoriginSrc, int wSrc, int hSrc, BLENDFUNCTION ftn);
// gdi32's name for the same blend.
BOOL GdiAlphaBlend(HDC hdcDest, int xoriginDest, int yoriginDest, int wDest, int hDest, HDC hdcSrc,
                   int xoriginSrc, int yoriginSrc, int wSrc, int hSrc, BLENDFUNCTION ftn);
BOOL GradientFill(HDC hdc, PTRIVERTEX pVertex, ULONG nVertex, PVOID pMesh, ULONG nMesh, ULONG ulMode);

// Fills, pixels, lines and shapes.
int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
int FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC hdc, int x, int y);
BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt);
BOOL LineTo(HDC hdc, int x, int y);
BOOL Polyline(HDC hdc, const POINT* apt, int cpt);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom);

// Fonts and text.
HFONT CreateFontIndirectW(const LOGFONTW* lplf);
HFONT CreateFontW(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                  DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision,
                  DWORD iClipPrecision, DWORD iQuality, DWORD iPitchAndFamily, LPCWSTR pszFaceName);
BOOL GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm);
BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl);
int GetTextFaceW(HDC hdc, int c, LPWSTR lpName);
BOOL TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c);
BOOL ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString, UINT c,
                 const INT* lpDx);
int DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format);
#define CreateFontIndirect CreateFontIndirectW
#define CreateFont CreateFontW
#define GetTextMetrics GetTextMetricsW
#define GetTextExtentPoint32 GetTextExtentPoint32W
#define TextOut TextOutW
#define ExtTextOut ExtTextOutW
#define DrawText DrawTextW

// Arithmetic.
int MulDiv(int nNumber, int nNumerator, int nDenominator);
