// Fills, pixels, lines and shapes. GDI drawing is not anti-aliased and leaves opaque
// pixels.
#include <algorithm>

#include "platform/gdi/BrushObject.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DrawScope.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/PenObject.h"
#include "platform/gdi/PixelFill.h"

using namespace platform::gdi;

namespace {

enum class BrushKind { Invalid, Hollow, Solid };

// A brush handle, or a system colour index + 1 as FillRect accepts.
BrushKind BrushColor(HBRUSH hbr, COLORREF* color) {
  auto value = reinterpret_cast<uintptr_t>(hbr);
  if (value >= 1 && value <= COLOR_MENUBAR + 1) {
    *color = GetSysColor(static_cast<int>(value - 1));
    return BrushKind::Solid;
  }
  BrushObject* brush = BrushObject::FromHandle(hbr);
  if (!brush) return BrushKind::Invalid;
  if (!brush->Paints()) return BrushKind::Hollow;
  *color = brush->Color();
  return BrushKind::Solid;
}

RECT Normalised(int left, int top, int right, int bottom) {
  return RECT{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

void SetPenSource(cairo_t* cr, const PenObject& pen) {
  COLORREF c = pen.Color();
  cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
  cairo_set_line_width(cr, pen.Width());
  static const double kDash[] = {18, 6};
  static const double kDot[] = {3, 3};
  static const double kDashDot[] = {9, 6, 3, 6};
  static const double kDashDotDot[] = {9, 3, 3, 3, 3, 3};
  switch (pen.Style()) {
    case PS_DASH:
      cairo_set_dash(cr, kDash, 2, 0);
      break;
    case PS_DOT:
      cairo_set_dash(cr, kDot, 2, 0);
      break;
    case PS_DASHDOT:
      cairo_set_dash(cr, kDashDot, 4, 0);
      break;
    case PS_DASHDOTDOT:
      cairo_set_dash(cr, kDashDotDot, 6, 0);
      break;
    default:
      cairo_set_dash(cr, nullptr, 0, 0);
      break;
  }
}

// A line from one point up to, not including, the other. Straight one-pixel solid
// lines are filled exactly; others go through cairo without anti-aliasing.
void DrawLine(DeviceContext& dc, POINT from, POINT to) {
  PenObject* pen = dc.State().pen;
  if (!pen || !pen->Draws()) return;
  DrawScope scope(dc, true);
  if (!scope.Visible()) return;
  bool straight = from.x == to.x || from.y == to.y;
  if (straight && pen->Width() == 1 && pen->Style() == PS_SOLID) {
    RECT rect;
    if (from.y == to.y)
      rect = to.x >= from.x ? RECT{from.x, from.y, to.x, from.y + 1} : RECT{to.x + 1, from.y, from.x + 1, from.y + 1};
    else
      rect = to.y >= from.y ? RECT{from.x, from.y, from.x + 1, to.y} : RECT{from.x, to.y + 1, from.x + 1, from.y + 1};
    FillLogicalRect(scope, rect, OpaquePixel(pen->Color()));
    return;
  }
  cairo_t* cr = scope.Cairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  SetPenSource(cr, *pen);
  cairo_move_to(cr, from.x + 0.5, from.y + 0.5);
  cairo_line_to(cr, to.x + 0.5, to.y + 0.5);
  cairo_stroke(cr);
}

}  // namespace

int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  DeviceContext* dc = DeviceContext::FromHandle(hDC);
  COLORREF color = 0;
  if (!dc || !lprc) return 0;
  BrushKind kind = BrushColor(hbr, &color);
  if (kind != BrushKind::Solid) return kind == BrushKind::Hollow ? 1 : 0;
  DrawScope scope(*dc, true);
  FillLogicalRect(scope, *lprc, OpaquePixel(color));
  return 1;
}

int FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  DeviceContext* dc = DeviceContext::FromHandle(hDC);
  COLORREF color = 0;
  if (!dc || !lprc) return 0;
  BrushKind kind = BrushColor(hbr, &color);
  if (kind != BrushKind::Solid) return kind == BrushKind::Hollow ? 1 : 0;
  const RECT& r = *lprc;
  if (r.right <= r.left || r.bottom <= r.top) return 1;
  DrawScope scope(*dc, true);
  uint32_t pixel = OpaquePixel(color);
  FillLogicalRect(scope, RECT{r.left, r.top, r.right, r.top + 1}, pixel);
  FillLogicalRect(scope, RECT{r.left, r.bottom - 1, r.right, r.bottom}, pixel);
  FillLogicalRect(scope, RECT{r.left, r.top, r.left + 1, r.bottom}, pixel);
  FillLogicalRect(scope, RECT{r.right - 1, r.top, r.right, r.bottom}, pixel);
  return 1;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return CLR_INVALID;
  DrawScope scope(*dc, true);
  if (!scope.Visible() || !pixman_region32_contains_point(const_cast<pixman_region32_t*>(scope.Clip().Get()),
                                                          x + scope.OriginX(), y + scope.OriginY(), nullptr))
    return CLR_INVALID;
  FillLogicalRect(scope, RECT{x, y, x + 1, y + 1}, OpaquePixel(color));
  return color & 0xFFFFFF;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return CLR_INVALID;
  DrawScope scope(*dc, false);
  if (!scope.Visible() || !pixman_region32_contains_point(const_cast<pixman_region32_t*>(scope.Clip().Get()),
                                                          x + scope.OriginX(), y + scope.OriginY(), nullptr))
    return CLR_INVALID;
  const auto* row = reinterpret_cast<const uint32_t*>(scope.Pixels() +
                                                      static_cast<size_t>(y + scope.OriginY()) * scope.Stride());
  uint32_t pixel = row[x + scope.OriginX()];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  if (lppt) *lppt = dc->State().position;
  dc->State().position = POINT{x, y};
  return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  DrawLine(*dc, dc->State().position, POINT{x, y});
  dc->State().position = POINT{x, y};
  return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* apt, int cpt) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || !apt || cpt < 2) return FALSE;
  for (int i = 1; i < cpt; ++i) DrawLine(*dc, apt[i - 1], apt[i]);
  return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  RECT r = Normalised(left, top, right, bottom);
  PenObject* pen = dc->State().pen;
  BrushObject* brush = dc->State().brush;
  DrawScope scope(*dc, true);
  if (!pen || !pen->Draws()) {
    // Without a pen the fill stops one pixel short on the right and bottom.
    if (brush && brush->Paints())
      FillLogicalRect(scope, RECT{r.left, r.top, r.right - 1, r.bottom - 1}, OpaquePixel(brush->Color()));
    return TRUE;
  }
  int w = pen->Width();
  if (brush && brush->Paints())
    FillLogicalRect(scope, RECT{r.left + w, r.top + w, r.right - w, r.bottom - w}, OpaquePixel(brush->Color()));
  uint32_t pixel = OpaquePixel(pen->Color());
  FillLogicalRect(scope, RECT{r.left, r.top, r.right, std::min(r.bottom, r.top + w)}, pixel);
  FillLogicalRect(scope, RECT{r.left, std::max(r.top, r.bottom - w), r.right, r.bottom}, pixel);
  FillLogicalRect(scope, RECT{r.left, r.top, std::min(r.right, r.left + w), r.bottom}, pixel);
  FillLogicalRect(scope, RECT{std::max(r.left, r.right - w), r.top, r.right, r.bottom}, pixel);
  return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  RECT r = Normalised(left, top, right, bottom);
  if (r.right - r.left < 2 || r.bottom - r.top < 2) return TRUE;
  DrawScope scope(*dc, true);
  if (!scope.Visible()) return TRUE;
  cairo_t* cr = scope.Cairo();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_save(cr);
  cairo_translate(cr, (r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
  cairo_scale(cr, (r.right - r.left - 1) / 2.0, (r.bottom - r.top - 1) / 2.0);
  cairo_arc(cr, 0, 0, 1, 0, 2 * 3.14159265358979323846);
  cairo_restore(cr);
  BrushObject* brush = dc->State().brush;
  if (brush && brush->Paints()) {
    COLORREF c = brush->Color();
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
    cairo_fill_preserve(cr);
  }
  PenObject* pen = dc->State().pen;
  if (pen && pen->Draws()) {
    SetPenSource(cr, *pen);
    cairo_stroke(cr);
  }
  cairo_new_path(cr);
  return TRUE;
}
