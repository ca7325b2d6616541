// Copies between device contexts, stretching, alpha blending and gradients.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/base/Error.h"
#include "platform/gdi/BrushObject.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DrawScope.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/PixelFill.h"

using namespace platform::gdi;

namespace {

struct SourceRect {
  int x, y, width, height;  // device coordinates of the source surface, normalised
};

// A pattern reading `rect` of `surface` only (edges repeat outward, so smoothing never
// pulls in neighbouring pixels), mapped so that the logical destination rectangle
// (dx, dy, dw, dh) shows the source (sx, sy, sw, sh); a sign difference mirrors.
cairo_pattern_t* MappedSource(cairo_surface_t* surface, const SourceRect& rect, double dx, double dy, double dw,
                              double dh, double sx, double sy, double sw, double sh) {
  cairo_surface_t* part = cairo_surface_create_for_rectangle(surface, rect.x, rect.y, rect.width, rect.height);
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(part);
  cairo_surface_destroy(part);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
  double scaleX = sw / dw;
  double scaleY = sh / dh;
  cairo_matrix_t matrix;
  cairo_matrix_init(&matrix, scaleX, 0, 0, scaleY, sx - rect.x - dx * scaleX, sy - rect.y - dy * scaleY);
  cairo_pattern_set_matrix(pattern, &matrix);
  return pattern;
}

SourceRect Normalised(int x, int y, int w, int h) {
  return SourceRect{w < 0 ? x + w : x, h < 0 ? y + h : y, std::abs(w), std::abs(h)};
}

bool FillsWithoutSource(DWORD rop) { return rop == BLACKNESS || rop == WHITENESS || rop == PATCOPY; }

// The raster operations that combine colour bits, as masks, drag rectangles and
// inverted images use them. They work on the colour bytes and leave opaque pixels.
bool MixesBits(DWORD rop) {
  return rop == SRCAND || rop == SRCPAINT || rop == SRCINVERT || rop == NOTSRCCOPY || rop == DSTINVERT ||
         rop == PATINVERT;
}

bool ReadsSource(DWORD rop) { return rop == SRCAND || rop == SRCPAINT || rop == SRCINVERT || rop == NOTSRCCOPY; }

// Others are refused rather than done as a plain copy.
bool Supported(DWORD rop) { return rop == SRCCOPY || FillsWithoutSource(rop) || MixesBits(rop); }

void FillForRop(DeviceContext& dc, const RECT& rect, DWORD rop);

// A copy of `source` when it is also the surface being drawn: cairo does not read and
// write the same pixels safely. Null when no copy is needed.
cairo_surface_t* SnapshotIfSame(cairo_surface_t* source, cairo_surface_t* target) {
  if (cairo_image_surface_get_data(source) != cairo_image_surface_get_data(target)) return nullptr;
  cairo_surface_t* snapshot =
      cairo_surface_create_similar_image(source, cairo_image_surface_get_format(source),
                                         cairo_image_surface_get_width(source), cairo_image_surface_get_height(source));
  cairo_t* copy = cairo_create(snapshot);
  cairo_set_source_surface(copy, source, 0, 0);
  cairo_set_operator(copy, CAIRO_OPERATOR_SOURCE);
  cairo_paint(copy);
  cairo_destroy(copy);
  return snapshot;
}

uint32_t Mix(DWORD rop, uint32_t destination, uint32_t source, uint32_t pattern) {
  uint32_t colour = 0;
  switch (rop) {
    case SRCAND: colour = source & destination; break;
    case SRCPAINT: colour = source | destination; break;
    case SRCINVERT: colour = source ^ destination; break;
    case NOTSRCCOPY: colour = ~source; break;
    case DSTINVERT: colour = ~destination; break;
    case PATINVERT: colour = pattern ^ destination; break;
    default: colour = source; break;
  }
  return 0xFF000000u | (colour & 0x00FFFFFFu);
}

// One source pixel per destination pixel, nearest to where the destination pixel's
// centre maps; false when that lies outside the source.
struct SourceMap {
  const uint8_t* pixels;
  int stride, width, height;
  int x, y, w, h;          // the source rectangle, device coordinates
  int destX, destY, destW, destH;  // the destination rectangle, logical coordinates

  bool At(int logicalX, int logicalY, uint32_t* pixel) const {
    const int sx = x + int(std::floor((logicalX + 0.5 - destX) * w / destW));
    const int sy = y + int(std::floor((logicalY + 0.5 - destY) * h / destH));
    if (sx < 0 || sy < 0 || sx >= width || sy >= height) return false;
    *pixel = *reinterpret_cast<const uint32_t*>(pixels + static_cast<size_t>(sy) * stride + size_t(sx) * 4);
    return true;
  }
};

void MixArea(DrawScope& scope, const RECT& area, DWORD rop, const SourceMap* source, uint32_t pattern) {
  PixRegion device = DeviceArea(scope, area);
  int count = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(device.Get(), &count);
  for (int i = 0; i < count; ++i) {
    for (int y = boxes[i].y1; y < boxes[i].y2; ++y) {
      auto* row = reinterpret_cast<uint32_t*>(scope.Pixels() + static_cast<size_t>(y) * scope.Stride());
      for (int x = boxes[i].x1; x < boxes[i].x2; ++x) {
        uint32_t from = 0;
        if (source && !source->At(x - scope.OriginX(), y - scope.OriginY(), &from)) continue;
        row[x] = Mix(rop, row[x], from, pattern);
      }
    }
  }
}

BOOL MixPixels(DeviceContext& dst, const RECT& area, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc,
               int xSrc, int ySrc, int wSrc, int hSrc, DWORD rop) {
  uint32_t pattern = 0;
  if (rop == PATINVERT) {
    // A hollow brush leaves the destination as it is.
    if (!dst.State().brush || !dst.State().brush->Paints()) return TRUE;
    pattern = OpaquePixel(dst.State().brush->Color());
  }
  if (!ReadsSource(rop)) {
    DrawScope scope(dst, true);
    if (scope.Visible()) MixArea(scope, area, rop, nullptr, pattern);
    return TRUE;
  }
  DeviceContext* src = DeviceContext::FromHandle(hdcSrc);
  if (!src) return FALSE;
  if (wDest == 0 || hDest == 0 || wSrc == 0 || hSrc == 0) return TRUE;
  cairo_surface_t* surface = src->BeginAccess();
  if (!surface) return FALSE;
  {
    DrawScope scope(dst, true);
    if (scope.Visible()) {
      // Read from a copy when source and destination are one surface.
      cairo_surface_t* snapshot = SnapshotIfSame(surface, scope.Surface());
      cairo_surface_t* from = snapshot ? snapshot : surface;
      cairo_surface_flush(from);
      SourceMap map{cairo_image_surface_get_data(from), cairo_image_surface_get_stride(from),
                    cairo_image_surface_get_width(from), cairo_image_surface_get_height(from),
                    xSrc + src->Origin().x, ySrc + src->Origin().y, wSrc, hSrc, xDest, yDest, wDest, hDest};
      MixArea(scope, area, rop, &map, 0);
      if (snapshot) cairo_surface_destroy(snapshot);
    }
  }
  src->EndAccess(false);
  return TRUE;
}

// Copies (or stretches) with the source operator: all four bytes of each pixel.
BOOL CopyPixels(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                int wSrc, int hSrc, DWORD rop, bool smooth) {
  DeviceContext* dst = DeviceContext::FromHandle(hdcDest);
  if (!dst || !Supported(rop)) return FALSE;
  RECT area{std::min(xDest, xDest + wDest), std::min(yDest, yDest + hDest), std::max(xDest, xDest + wDest),
            std::max(yDest, yDest + hDest)};
  if (FillsWithoutSource(rop)) {
    FillForRop(*dst, area, rop);
    return TRUE;
  }
  if (MixesBits(rop)) return MixPixels(*dst, area, xDest, yDest, wDest, hDest, hdcSrc, xSrc, ySrc, wSrc, hSrc, rop);
  DeviceContext* src = DeviceContext::FromHandle(hdcSrc);
  if (!src) return FALSE;
  if (wDest == 0 || hDest == 0 || wSrc == 0 || hSrc == 0) return TRUE;
  cairo_surface_t* source = src->BeginAccess();
  if (!source) return FALSE;
  cairo_surface_t* snapshot = nullptr;
  {
    DrawScope scope(*dst, true);
    if (scope.Visible()) {
      snapshot = SnapshotIfSame(source, scope.Surface());
      int sx = xSrc + src->Origin().x;
      int sy = ySrc + src->Origin().y;
      SourceRect rect = Normalised(sx, sy, wSrc, hSrc);
      cairo_pattern_t* pattern = MappedSource(snapshot ? snapshot : source, rect, xDest, yDest, wDest, hDest, sx,
                                              sy, wSrc, hSrc);
      cairo_pattern_set_filter(pattern, smooth ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
      cairo_t* cr = scope.Cairo();
      cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
      cairo_set_source(cr, pattern);
      cairo_rectangle(cr, area.left, area.top, area.right - area.left, area.bottom - area.top);
      cairo_fill(cr);
      cairo_pattern_destroy(pattern);
    }
  }
  if (snapshot) cairo_surface_destroy(snapshot);
  src->EndAccess(false);
  return TRUE;
}

void FillForRop(DeviceContext& dc, const RECT& rect, DWORD rop) {
  uint32_t pixel = OpaquePixel(RGB(0, 0, 0));
  if (rop == WHITENESS) pixel = OpaquePixel(RGB(255, 255, 255));
  if (rop == PATCOPY) {
    if (!dc.State().brush || !dc.State().brush->Paints()) return;
    pixel = OpaquePixel(dc.State().brush->Color());
  }
  DrawScope scope(dc, true);
  FillLogicalRect(scope, rect, pixel);
}

uint8_t Channel(COLOR16 value) { return static_cast<uint8_t>(value >> 8); }

uint32_t GradientPixel(const TRIVERTEX& a, const TRIVERTEX& b, int step, int steps) {
  auto mix = [&](COLOR16 from, COLOR16 to) {
    if (steps <= 1) return static_cast<int>(Channel(from));
    return (Channel(from) * (steps - 1 - step) + Channel(to) * step + (steps - 1) / 2) / (steps - 1);
  };
  int alpha = mix(a.Alpha, b.Alpha);
  int red = mix(a.Red, b.Red) * alpha / 255;
  int green = mix(a.Green, b.Green) * alpha / 255;
  int blue = mix(a.Blue, b.Blue) * alpha / 255;
  return static_cast<uint32_t>(alpha) << 24 | static_cast<uint32_t>(red) << 16 |
         static_cast<uint32_t>(green) << 8 | static_cast<uint32_t>(blue);
}

// One rectangle of a gradient: the first row (or column) holds the colour of the
// vertex on that side, the last one the other vertex's colour.
void FillGradientRect(DrawScope& scope, const TRIVERTEX& v1, const TRIVERTEX& v2, bool vertical) {
  RECT rect{std::min(v1.x, v2.x), std::min(v1.y, v2.y), std::max(v1.x, v2.x), std::max(v1.y, v2.y)};
  const TRIVERTEX& first = (vertical ? v1.y <= v2.y : v1.x <= v2.x) ? v1 : v2;
  const TRIVERTEX& last = &first == &v1 ? v2 : v1;
  int steps = vertical ? rect.bottom - rect.top : rect.right - rect.left;
  int start = (vertical ? rect.top + scope.OriginY() : rect.left + scope.OriginX());
  PixRegion area = DeviceArea(scope, rect);
  int count = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(area.Get(), &count);
  for (int i = 0; i < count; ++i) {
    for (int y = boxes[i].y1; y < boxes[i].y2; ++y) {
      auto* row = reinterpret_cast<uint32_t*>(scope.Pixels() + static_cast<size_t>(y) * scope.Stride());
      for (int x = boxes[i].x1; x < boxes[i].x2; ++x)
        row[x] = GradientPixel(first, last, (vertical ? y : x) - start, steps);
    }
  }
}

}  // namespace

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  if (cx < 0 || cy < 0) return FALSE;
  return CopyPixels(hdc, x, y, cx, cy, hdcSrc, x1, y1, cx, cy, rop, false);
}

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                int wSrc, int hSrc, DWORD rop) {
  DeviceContext* dst = DeviceContext::FromHandle(hdcDest);
  if (!dst) return FALSE;
  bool smooth = dst->State().stretchMode == HALFTONE && (std::abs(wDest) != std::abs(wSrc) ||
                                                          std::abs(hDest) != std::abs(hSrc));
  return CopyPixels(hdcDest, xDest, yDest, wDest, hDest, hdcSrc, xSrc, ySrc, wSrc, hSrc, rop, smooth);
}

namespace {

BOOL InvalidParameter() {
  SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}

}  // namespace

BOOL AlphaBlend(HDC hdcDest, int xoriginDest, int yoriginDest, int wDest, int hDest, HDC hdcSrc, int xoriginSrc,
                int yoriginSrc, int wSrc, int hSrc, BLENDFUNCTION ftn) {
  DeviceContext* dst = DeviceContext::FromHandle(hdcDest);
  DeviceContext* src = DeviceContext::FromHandle(hdcSrc);
  if (!dst || !src || ftn.BlendOp != AC_SRC_OVER) return InvalidParameter();
  if (wDest < 0 || hDest < 0 || wSrc < 0 || hSrc < 0) return InvalidParameter();
  // The source rectangle must lie inside the source's pixels.
  int sx = xoriginSrc + src->Origin().x;
  int sy = yoriginSrc + src->Origin().y;
  if (sx < 0 || sy < 0 || sx + wSrc > src->Width() || sy + hSrc > src->Height()) return InvalidParameter();
  if (wDest == 0 || hDest == 0 || wSrc == 0 || hSrc == 0) return TRUE;
  cairo_surface_t* source = src->BeginAccess();
  if (!source) return FALSE;
  cairo_surface_t* view = source;
  if (!(ftn.AlphaFormat & AC_SRC_ALPHA)) {
    // Without per-pixel alpha the source counts as opaque: read it as RGB24.
    view = cairo_image_surface_create_for_data(cairo_image_surface_get_data(source), CAIRO_FORMAT_RGB24,
                                               cairo_image_surface_get_width(source),
                                               cairo_image_surface_get_height(source),
                                               cairo_image_surface_get_stride(source));
  }
  cairo_surface_t* snapshot = nullptr;
  {
    DrawScope scope(*dst, true);
    if (scope.Visible()) {
      snapshot = SnapshotIfSame(view, scope.Surface());
      SourceRect rect{sx, sy, wSrc, hSrc};
      cairo_pattern_t* pattern = MappedSource(snapshot ? snapshot : view, rect, xoriginDest, yoriginDest, wDest,
                                              hDest, sx, sy, wSrc, hSrc);
      bool stretched = wDest != wSrc || hDest != hSrc;
      cairo_pattern_set_filter(pattern, stretched ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
      cairo_t* cr = scope.Cairo();
      cairo_rectangle(cr, xoriginDest, yoriginDest, wDest, hDest);
      cairo_clip(cr);
      cairo_set_source(cr, pattern);
      cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
      if (ftn.SourceConstantAlpha == 255)
        cairo_paint(cr);
      else
        cairo_paint_with_alpha(cr, ftn.SourceConstantAlpha / 255.0);
      cairo_pattern_destroy(pattern);
    }
  }
  if (snapshot) cairo_surface_destroy(snapshot);
  if (view != source) cairo_surface_destroy(view);
  src->EndAccess(false);
  return TRUE;
}

BOOL GradientFill(HDC hdc, PTRIVERTEX pVertex, ULONG nVertex, PVOID pMesh, ULONG nMesh, ULONG ulMode) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || !pVertex || !pMesh) return FALSE;
  if (ulMode != GRADIENT_FILL_RECT_H && ulMode != GRADIENT_FILL_RECT_V) return FALSE;
  auto* rects = static_cast<GRADIENT_RECT*>(pMesh);
  for (ULONG i = 0; i < nMesh; ++i) {
    if (rects[i].UpperLeft >= nVertex || rects[i].LowerRight >= nVertex) return FALSE;
  }
  DrawScope scope(*dc, true);
  if (!scope.Visible()) return scope.Ready() ? TRUE : FALSE;
  for (ULONG i = 0; i < nMesh; ++i) {
    FillGradientRect(scope, pVertex[rects[i].UpperLeft], pVertex[rects[i].LowerRight],
                     ulMode == GRADIENT_FILL_RECT_V);
  }
  return TRUE;
}

BOOL GdiAlphaBlend(HDC hdcDest, int xoriginDest, int yoriginDest, int wDest, int hDest, HDC hdcSrc, int xoriginSrc,
                   int yoriginSrc, int wSrc, int hSrc, BLENDFUNCTION ftn) {
  return AlphaBlend(hdcDest, xoriginDest, yoriginDest, wDest, hDest, hdcSrc, xoriginSrc, yoriginSrc, wSrc, hSrc, ftn);
}
