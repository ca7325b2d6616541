// Bitmaps of the renderer: 32-bit DIB sections and skin pictures drawn as nine-grids.
#include <algorithm>

#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CImageAttribute.h"
#include "ui/core/render/CSkinRenderer.h"

namespace SkinUI {

namespace {

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

bool IsAllZero(const RECT& rc) { return rc.left == 0 && rc.top == 0 && rc.right == 0 && rc.bottom == 0; }

// Copies pieces of a bitmap selected into a memory DC onto the target, blended or
// plainly, skipping pieces that miss the paint rectangle.
class PieceCopier {
 public:
  PieceCopier(HDC hDC, HDC hSourceDC, const RECT& rcPaint, bool bBlend, BYTE uFade)
      : m_hDC(hDC),
        m_hSourceDC(hSourceDC),
        m_rcPaint(rcPaint),
        m_bBlend(bBlend),
        m_bf{AC_SRC_OVER, 0, uFade, AC_SRC_ALPHA} {}

  // A piece that meets the paint rectangle, stretched from its source.
  void Stretch(int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh) const {
    if (!MeetsPaint(dx, dy, dw, dh)) return;
    Copy(dx, dy, dw, dh, sx, sy, sw, sh);
  }

  // A destination smaller than the picture's fixed borders gives negative extents;
  // such a piece is left out rather than drawn mirrored.
  void Copy(int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh) const {
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    if (m_bBlend) {
      ::AlphaBlend(m_hDC, dx, dy, dw, dh, m_hSourceDC, sx, sy, sw, sh, m_bf);
    } else {
      ::StretchBlt(m_hDC, dx, dy, dw, dh, m_hSourceDC, sx, sy, sw, sh, SRCCOPY);
    }
  }

  // A 1:1 tile; the caller has already decided that its area is to be drawn.
  void Tile(int dx, int dy, int w, int h, int sx, int sy) const {
    if (w <= 0 || h <= 0) return;
    if (m_bBlend) {
      ::AlphaBlend(m_hDC, dx, dy, w, h, m_hSourceDC, sx, sy, w, h, m_bf);
    } else {
      ::BitBlt(m_hDC, dx, dy, w, h, m_hSourceDC, sx, sy, SRCCOPY);
    }
  }

  bool MeetsPaint(int x, int y, int w, int h) const {
    const RECT rcPiece = {x, y, x + w, y + h};
    RECT rcTemp = {0, 0, 0, 0};
    return ::IntersectRect(&rcTemp, &rcPiece, &m_rcPaint) != FALSE;
  }

 private:
  HDC m_hDC;
  HDC m_hSourceDC;
  RECT m_rcPaint;
  bool m_bBlend;
  BLENDFUNCTION m_bf;
};

// The middle of the nine-grid, stretched or tiled.
void DrawMiddle(const PieceCopier& copier, const RECT& rcDest, const RECT& rcSource, bool bTiledX, bool bTiledY) {
  const int dx = rcDest.left;
  const int dy = rcDest.top;
  const int dw = Width(rcDest);
  const int dh = Height(rcDest);
  const int sx = rcSource.left;
  const int sy = rcSource.top;
  const int mw = Width(rcSource);
  const int mh = Height(rcSource);
  if (dw <= 0 || dh <= 0 || mw <= 0 || mh <= 0) return;
  if (!copier.MeetsPaint(dx, dy, dw, dh)) return;
  if (!bTiledX && !bTiledY) {
    copier.Stretch(dx, dy, dw, dh, sx, sy, mw, mh);
    return;
  }
  const int nColumns = bTiledX ? (dw + mw - 1) / mw : 1;
  const int nRows = bTiledY ? (dh + mh - 1) / mh : 1;
  for (int j = 0; j < nRows; ++j) {
    for (int i = 0; i < nColumns; ++i) {
      const int x = bTiledX ? dx + mw * i : dx;
      const int y = bTiledY ? dy + mh * j : dy;
      const int w = bTiledX ? std::min(mw, rcDest.right - x) : dw;
      const int h = bTiledY ? std::min(mh, rcDest.bottom - y) : dh;
      if (bTiledX && bTiledY) {
        copier.Tile(x, y, w, h, sx, sy);
      } else if (bTiledX) {
        copier.Copy(x, y, w, h, sx, sy, w, mh);
      } else {
        copier.Copy(x, y, w, h, sx, sy, mw, h);
      }
    }
  }
}

// The eight border pieces, always stretched.
void DrawBorders(const PieceCopier& copier, const RECT& D, const RECT& S, const RECT& K) {
  const int dw = Width(D) - K.left - K.right;
  const int dh = Height(D) - K.top - K.bottom;
  const int sw = Width(S) - K.left - K.right;
  const int sh = Height(S) - K.top - K.bottom;
  if (K.left > 0 && K.top > 0) {
    copier.Stretch(D.left, D.top, K.left, K.top, S.left, S.top, K.left, K.top);
  }
  if (K.top > 0) {
    copier.Stretch(D.left + K.left, D.top, dw, K.top, S.left + K.left, S.top, sw, K.top);
  }
  if (K.right > 0 && K.top > 0) {
    copier.Stretch(D.right - K.right, D.top, K.right, K.top, S.right - K.right, S.top, K.right, K.top);
  }
  if (K.left > 0) {
    copier.Stretch(D.left, D.top + K.top, K.left, dh, S.left, S.top + K.top, K.left, sh);
  }
  if (K.right > 0) {
    copier.Stretch(D.right - K.right, D.top + K.top, K.right, dh, S.right - K.right, S.top + K.top, K.right, sh);
  }
  if (K.left > 0 && K.bottom > 0) {
    copier.Stretch(D.left, D.bottom - K.bottom, K.left, K.bottom, S.left, S.bottom - K.bottom, K.left, K.bottom);
  }
  if (K.bottom > 0) {
    copier.Stretch(D.left + K.left, D.bottom - K.bottom, dw, K.bottom, S.left + K.left, S.bottom - K.bottom, sw,
                   K.bottom);
  }
  if (K.right > 0 && K.bottom > 0) {
    copier.Stretch(D.right - K.right, D.bottom - K.bottom, K.right, K.bottom, S.right - K.right, S.bottom - K.bottom,
                   K.right, K.bottom);
  }
}

}  // namespace

HBITMAP CSkinRenderer::Create32BitDIB(HDC hDC, int cx, int cy, LPBYTE* pBits) {
  if (pBits != nullptr) *pBits = nullptr;
  if (cx <= 0 || cy <= 0) return nullptr;
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = cx;
  bmi.bmiHeader.biHeight = -cy;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  bmi.bmiHeader.biSizeImage = static_cast<DWORD>(cx) * static_cast<DWORD>(cy) * 4;
  void* pvBits = nullptr;
  HBITMAP hBitmap = ::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pvBits, nullptr, 0);
  if (hBitmap == nullptr) return nullptr;
  if (pBits != nullptr) *pBits = static_cast<LPBYTE>(pvBits);
  return hBitmap;
}

void CSkinRenderer::DrawBitmap(HDC hDC, HBITMAP hBitmap, const RECT& rc, const RECT& rcPaint, const RECT& rcBmpPart,
                               const RECT& rcCorners, bool bAlpha, BYTE uFade, bool bHole, bool bTiledX, bool bTiledY) {
  if (hBitmap == nullptr) return;
  HDC hCloneDC = ::CreateCompatibleDC(hDC);
  HGDIOBJ hOldBitmap = ::SelectObject(hCloneDC, hBitmap);
  ::SetStretchBltMode(hDC, HALFTONE);

  const bool bBlend = bAlpha || uFade < 255;
  const bool bNoCorners = rcCorners.left == 0 && rcCorners.top == 0 && rcCorners.right == 0 && rcCorners.bottom == 0;
  if (!bBlend && bNoCorners && Width(rc) == Width(rcBmpPart) && Height(rc) == Height(rcBmpPart)) {
    // A 1:1 opaque copy: one plain blit of the visible part.
    RECT rcVisible = {0, 0, 0, 0};
    if (::IntersectRect(&rcVisible, &rc, &rcPaint)) {
      ::BitBlt(hDC, rcVisible.left, rcVisible.top, Width(rcVisible), Height(rcVisible), hCloneDC,
               rcBmpPart.left + rcVisible.left - rc.left, rcBmpPart.top + rcVisible.top - rc.top, SRCCOPY);
    }
  } else {
    const PieceCopier copier(hDC, hCloneDC, rcPaint, bBlend, uFade);
    if (!bHole) {
      const RECT rcMiddleDest = {rc.left + rcCorners.left, rc.top + rcCorners.top, rc.right - rcCorners.right,
                                 rc.bottom - rcCorners.bottom};
      const RECT rcMiddleSource = {rcBmpPart.left + rcCorners.left, rcBmpPart.top + rcCorners.top,
                                   rcBmpPart.right - rcCorners.right, rcBmpPart.bottom - rcCorners.bottom};
      DrawMiddle(copier, rcMiddleDest, rcMiddleSource, bTiledX, bTiledY);
    }
    DrawBorders(copier, rc, rcBmpPart, rcCorners);
  }

  ::SelectObject(hCloneDC, hOldBitmap);
  ::DeleteDC(hCloneDC);
}

bool CSkinRenderer::DrawImage(HDC hDC, CWindowManagerUI* pManager, const RECT& rcItem, const RECT& rcPaint,
                              const CImageAttribute& image) {
  if (pManager == nullptr || hDC == nullptr) return false;
  if (image.GetFile().IsEmpty()) return false;
  const UIImageRecord* pData = image.GetImageInfo();
  if (pData == nullptr) return false;

  RECT rcDest = rcItem;
  if (!IsAllZero(image.GetDest())) {
    rcDest = image.GetDest();
    ::OffsetRect(&rcDest, rcItem.left, rcItem.top);
  }
  if (rcDest.right > rcItem.right) rcDest.right = rcItem.right;
  if (rcDest.bottom > rcItem.bottom) rcDest.bottom = rcItem.bottom;

  RECT rcTemp = {0, 0, 0, 0};
  if (!::IntersectRect(&rcTemp, &rcDest, &rcItem)) return true;
  if (!::IntersectRect(&rcTemp, &rcDest, &rcPaint)) return true;

  const bool bAlpha = pManager->IsLayered() ? true : pData->bAlpha;
  DrawBitmap(hDC, pData->hBitmap, rcDest, rcPaint, image.GetSource(), image.GetCorner(), bAlpha, image.GetFade(),
             image.IsHole(), image.IsTiledX(), image.IsTiledY());
  return true;
}

}  // namespace SkinUI
