#pragma once
// The framework's stateless drawing functions: colours and gradients, lines and
// rectangles, clipping to a control, colour adjustment in hue, saturation and
// lightness, 32-bit bitmaps, skin pictures drawn as nine-grids, plain and markup
// text; and the readers that bring picture and skin bytes into memory.
// Colours are AARRGGBB; GDI receives them reordered into a COLORREF.
#include <memory>

#include "platform/win32.h"
#include "ui/core/render/CSkinClip.h"
#include "ui/core/types/CUIString.h"

namespace SkinUI {

class CImageAttribute;
class CWindowManagerUI;

class CSkinRenderer {
 public:
  CSkinRenderer() = delete;

  // --- Clipping ---

  // Narrows the clip to rc; the guard restores the clip box that was in force.
  static void SetClip(HDC hDC, const RECT& rc, CSkinClip& clip);
  // As SetClip, further narrowed to the item's rounded rectangle (corner ellipse
  // 2 x cx by 2 x cy).
  static void SetRoundClip(HDC hDC, const RECT& rc, const RECT& rcItem, int cx, int cy, CSkinClip& clip);
  // Drawing between these two may reach beyond the item (a container's float children).
  static void UseOldClipBegin(HDC hDC, CSkinClip& clip);
  static void UseOldClipEnd(HDC hDC, CSkinClip& clip);

  // --- Colours ---

  // H, S and L of 180, 100 and 100 leave the colour unchanged.
  static DWORD AdjustColor(DWORD dwColor, short H, short S, short L);
  // Both conversions read the lowest byte as red (the COLORREF order); hue in degrees.
  static void RgbToHsl(DWORD dwColor, float* H, float* S, float* L);
  static void HslToRgb(DWORD* dwColor, float H, float S, float L);

  // --- Bitmaps ---

  // A top-down 32-bit DIB section; null on failure.
  static HBITMAP Create32BitDIB(HDC hDC, int cx, int cy, LPBYTE* pBits);
  // Draws part rcBmpPart of a premultiplied bitmap into rc, its borders rcCorners kept
  // unstretched; only pieces that meet rcPaint are drawn.
  static void DrawBitmap(HDC hDC, HBITMAP hBitmap, const RECT& rc, const RECT& rcPaint, const RECT& rcBmpPart,
                         const RECT& rcCorners, bool bAlpha, BYTE uFade = 255, bool bHole = false, bool bTiledX = false,
                         bool bTiledY = false);
  // Draws a loaded image description relative to the item; false when there is
  // nothing to draw with.
  static bool DrawImage(HDC hDC, CWindowManagerUI* pManager, const RECT& rcItem, const RECT& rcPaint,
                        const CImageAttribute& image);

  // --- Shapes ---

  // Nothing when the colour's alpha is 0.
  static void DrawColor(HDC hDC, const RECT& rc, DWORD dwColor);
  // The first colour at the top (or left), the second at the bottom (or right).
  static void DrawGradient(HDC hDC, const RECT& rc, DWORD dwFirst, DWORD dwSecond, bool bVertical, int nSteps);
  // One line from (left, top) to (right, bottom) of rc; nStyle is a GDI+ dash style.
  static void DrawLine(HDC hDC, const RECT& rc, int nSize, DWORD dwPenColor, int nStyle = 0);
  // A frame of width nSize inside rc.
  static void DrawRect(HDC hDC, const RECT& rc, int nSize, DWORD dwPenColor);
  static void DrawRoundRect(HDC hDC, const RECT& rc, int nSize, int cx, int cy, DWORD dwPenColor);

  // --- Text ---

  // One text in one of the manager's fonts, with DrawText's style flags.
  static void DrawPlainText(HDC hDC, CWindowManagerUI* pManager, RECT& rc, LPCTSTR pstrText, DWORD dwTextColor,
                            int iFont, UINT uStyle);
  // A text with inline tags. prcLinks/sLinks receive the rectangles and names of the
  // links drawn; nLinkRects holds their capacity on entry (and prcLinks the previous
  // paint's rectangles, for hover) and the number written on return. With
  // DT_CALCRECT rc receives the text's extent; alignment flags move rc.
  static void DrawMarkupText(HDC hDC, CWindowManagerUI* pManager, RECT& rc, LPCTSTR pstrText, DWORD dwTextColor,
                             RECT* prcLinks, CUIString* sLinks, int& nLinkRects, UINT uStyle);

  // --- Raw data ---

  // Each gives the whole content and its size, or null.
  static std::unique_ptr<BYTE[]> LoadFileData(LPCTSTR pstrPath, DWORD& dwSize);
  static std::unique_ptr<BYTE[]> LoadSkinFileData(LPCTSTR pstrName, DWORD& dwSize);
  static std::unique_ptr<BYTE[]> LoadResourceData(LPCTSTR pstrName, LPCTSTR pstrType, DWORD& dwSize);
  static std::unique_ptr<BYTE[]> LoadZipItemData(LPCTSTR pstrName, DWORD& dwSize);
  // Red, green, blue and alpha bytes, rows top to bottom; release with FreeImageData.
  static LPBYTE DecodeImage(const BYTE* pData, DWORD dwSize, int* pWidth, int* pHeight);
  static void FreeImageData(LPBYTE pPixels);
};

}  // namespace SkinUI
