#include "platform/gdi/PixelFill.h"

#include "platform/gdi/DrawScope.h"

namespace platform::gdi {

uint32_t OpaquePixel(COLORREF color) {
  uint32_t r = GetRValue(color);
  uint32_t g = GetGValue(color);
  uint32_t b = GetBValue(color);
  return 0xFF000000u | (r << 16) | (g << 8) | b;
}

PixRegion DeviceArea(const DrawScope& scope, const RECT& rect) {
  PixRegion area(scope.Clip());
  area.IntersectRect(rect.left + scope.OriginX(), rect.top + scope.OriginY(), rect.right + scope.OriginX(),
                     rect.bottom + scope.OriginY());
  return area;
}

void FillLogicalRect(DrawScope& scope, const RECT& rect, uint32_t pixel) {
  if (!scope.Visible()) return;
  PixRegion area = DeviceArea(scope, rect);
  int count = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(area.Get(), &count);
  auto* pixels = reinterpret_cast<uint32_t*>(scope.Pixels());
  // pixman's fill writes whole vector registers at a time: a full-window background
  // costs a fraction of a per-pixel loop.
  int strideWords = scope.Stride() / 4;
  for (int i = 0; i < count; ++i) {
    pixman_fill(pixels, strideWords, 32, boxes[i].x1, boxes[i].y1, boxes[i].x2 - boxes[i].x1,
                boxes[i].y2 - boxes[i].y1, pixel);
  }
}

}  // namespace platform::gdi
