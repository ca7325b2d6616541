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
  uint8_t* pixels = scope.Pixels();
  int stride = scope.Stride();
  for (int i = 0; i < count; ++i) {
    for (int y = boxes[i].y1; y < boxes[i].y2; ++y) {
      auto* row = reinterpret_cast<uint32_t*>(pixels + static_cast<size_t>(y) * stride);
      for (int x = boxes[i].x1; x < boxes[i].x2; ++x) row[x] = pixel;
    }
  }
}

}  // namespace platform::gdi
