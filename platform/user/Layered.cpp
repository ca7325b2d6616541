// Layered windows: a per-pixel-alpha picture handed over whole, or whole-window opacity.
#include "platform/base/Error.h"
#include "platform/gdi/DCPixels.h"
#include "platform/user/Layered.h"
#include "platform/user/LayeredOps.h"
#include "platform/user/Styles.h"
#include "platform/user/WindowHelpers.h"
#include "platform/user/WindowPos.h"

using namespace platform::user;

namespace {

// Scales every premultiplied channel by a constant alpha.
void ApplyConstantAlpha(cairo_surface_t* image, BYTE alpha, bool opaque) {
  cairo_surface_flush(image);
  unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  const int width = cairo_image_surface_get_width(image);
  const int height = cairo_image_surface_get_height(image);
  for (int y = 0; y < height; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      uint32_t p = row[x];
      if (opaque) p |= 0xFF000000u;
      if (alpha != 255) {
        uint32_t out = 0;
        for (int shift = 0; shift < 32; shift += 8) {
          const uint32_t c = (p >> shift) & 0xFF;
          out |= ((c * alpha + 127) / 255) << shift;
        }
        p = out;
      }
      row[x] = p;
    }
  }
  cairo_surface_mark_dirty(image);
}

}  // namespace

BOOL UpdateLayeredWindow(HWND hWnd, HDC, POINT* pptDst, SIZE* psize, HDC hdcSrc, POINT* pptSrc, COLORREF,
                         BLENDFUNCTION* pblend, DWORD dwFlags) {
  RECT rect;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hWnd);
    if (!w || !(w->exStyle & WS_EX_LAYERED)) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
    }
    rect = ScreenRectOf(w);
  }
  const bool moves = pptDst && (pptDst->x != rect.left || pptDst->y != rect.top);
  const bool sizes = psize && (psize->cx != rect.right - rect.left || psize->cy != rect.bottom - rect.top);
  if (moves || sizes) {
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
    if (!moves) flags |= SWP_NOMOVE;
    if (!sizes) flags |= SWP_NOSIZE;
    SetWindowPos(hWnd, nullptr, pptDst ? pptDst->x : 0, pptDst ? pptDst->y : 0, psize ? psize->cx : 0,
                 psize ? psize->cy : 0, flags);
  }
  const int width = psize ? psize->cx : rect.right - rect.left;
  const int height = psize ? psize->cy : rect.bottom - rect.top;
  cairo_surface_t* image = nullptr;
  if (hdcSrc) {
    image = platform::gdi::CopyDCPixels(hdcSrc, pptSrc ? pptSrc->x : 0, pptSrc ? pptSrc->y : 0, width, height);
    if (!image) return FALSE;
    const BYTE alpha = pblend ? pblend->SourceConstantAlpha : 255;
    const bool opaque = (dwFlags & ULW_OPAQUE) || !pblend || !(pblend->AlphaFormat & AC_SRC_ALPHA);
    ApplyConstantAlpha(image, alpha, opaque);
  }
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w) {
    if (image) cairo_surface_destroy(image);
    return FALSE;
  }
  if (image) {
    if (w->layeredImage) cairo_surface_destroy(w->layeredImage);
    w->layeredImage = image;
  }
  PresentTopLevel(RootOf(w));
  return TRUE;
}

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF, BYTE bAlpha, DWORD dwFlags) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  if (!w || !(w->exStyle & WS_EX_LAYERED)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  w->layeredFlags = dwFlags;
  if (dwFlags & LWA_ALPHA) w->layeredAlpha = bAlpha;
  if (w->surface) {
    if (platform::backend::Backend* b = ActiveBackend()) b->SetOpacity(w->surface, w->layeredAlpha);
  }
  return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* pcrKey, BYTE* pbAlpha, DWORD* pdwFlags) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  if (!w || !(w->exStyle & WS_EX_LAYERED)) return FALSE;
  if (pcrKey) *pcrKey = 0;
  if (pbAlpha) *pbAlpha = w->layeredAlpha;
  if (pdwFlags) *pdwFlags = w->layeredFlags;
  return TRUE;
}
