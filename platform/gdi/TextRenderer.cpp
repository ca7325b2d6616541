#include "platform/gdi/TextRenderer.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

#include "platform/gdi/DrawScope.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/PixelFill.h"
#include "platform/gdi/TextContext.h"
#include "platform/gdi/Utf8Text.h"

namespace platform::gdi {
namespace {

PixRegion RunArea(const DrawScope& scope, const TextRun& run, const RECT& box) {
  PixRegion area = DeviceArea(scope, box);
  if (run.clip) {
    area.IntersectRect(run.clip->left + scope.OriginX(), run.clip->top + scope.OriginY(),
                       run.clip->right + scope.OriginX(), run.clip->bottom + scope.OriginY());
  }
  return area;
}

void Blend(const DrawScope& scope, const PixRegion& area, cairo_surface_t* mask, int maskX, int maskY,
           COLORREF color) {
  cairo_surface_flush(mask);
  const uint8_t* coverage = cairo_image_surface_get_data(mask);
  int maskStride = cairo_image_surface_get_stride(mask);
  const int red = GetRValue(color), green = GetGValue(color), blue = GetBValue(color);
  int count = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(const_cast<pixman_region32_t*>(area.Get()), &count);
  for (int i = 0; i < count; ++i) {
    for (int y = boxes[i].y1; y < boxes[i].y2; ++y) {
      auto* row = reinterpret_cast<uint32_t*>(scope.Pixels() + static_cast<size_t>(y) * scope.Stride());
      const uint8_t* cover = coverage + static_cast<size_t>(y - maskY) * maskStride - maskX;
      for (int x = boxes[i].x1; x < boxes[i].x2; ++x) {
        int m = cover[x];
        if (m == 0) continue;
        uint32_t d = row[x];
        auto mix = [m](int src, int dst) { return (src * m + dst * (255 - m) + 127) / 255; };
        uint32_t r = static_cast<uint32_t>(mix(red, (d >> 16) & 0xFF));
        uint32_t g = static_cast<uint32_t>(mix(green, (d >> 8) & 0xFF));
        uint32_t b = static_cast<uint32_t>(mix(blue, d & 0xFF));
        row[x] = 0xFF000000u | r << 16 | g << 8 | b;
      }
    }
  }
}

}  // namespace

void TextRenderer::FillCell(DrawScope& scope, FontObject& font, const TextRun& run, COLORREF color) {
  if (!scope.Visible()) return;
  int width = font.Extent(run.text, run.count);
  RECT cell{run.x, run.y, run.x + width, run.y + font.Metrics().tmHeight};
  if (run.clip) {
    cell.left = std::max(cell.left, run.clip->left);
    cell.top = std::max(cell.top, run.clip->top);
    cell.right = std::min(cell.right, run.clip->right);
    cell.bottom = std::min(cell.bottom, run.clip->bottom);
  }
  FillLogicalRect(scope, cell, OpaquePixel(color));
}

void TextRenderer::Draw(DrawScope& scope, FontObject& font, const TextRun& run) {
  if (!scope.Visible() || run.count == 0) return;
  const TEXTMETRICW& metrics = font.Metrics();
  int width = font.Extent(run.text, run.count);
  // Glyph ink may reach past the cell (italics, tall accents): the mask has a margin.
  int margin = font.EmPixels();
  RECT box{run.x - margin, run.y - margin, run.x + width + margin, run.y + metrics.tmHeight + margin};
  PixRegion area = RunArea(scope, run, box);
  if (area.Empty()) return;
  pixman_box32_t extents = area.Extents();
  int maskW = extents.x2 - extents.x1;
  int maskH = extents.y2 - extents.y1;

  Utf8Text utf8(run.text, run.count);
  PangoLayout* layout = TextContext::NewLayout(utf8.Bytes(), font.Description(), font.Underline(), font.StrikeOut());
  if (run.underlined >= 0 && static_cast<size_t>(run.underlined) < run.count) {
    PangoAttrList* attrs = pango_attr_list_copy(pango_layout_get_attributes(layout));
    PangoAttribute* underline = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
    underline->start_index = static_cast<guint>(utf8.Offset(run.underlined));
    underline->end_index = static_cast<guint>(utf8.Offset(run.underlined + 1));
    pango_attr_list_insert(attrs, underline);
    pango_layout_set_attributes(layout, attrs);
    pango_attr_list_unref(attrs);
  }
  int baseline = static_cast<int>(std::lround(pango_layout_get_baseline(layout) / double(PANGO_SCALE)));

  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, maskW, maskH);
  cairo_t* cr = cairo_create(mask);
  cairo_move_to(cr, run.x + scope.OriginX() - extents.x1,
                run.y + scope.OriginY() - extents.y1 + metrics.tmAscent - baseline);
  pango_cairo_show_layout(cr, layout);
  cairo_destroy(cr);
  g_object_unref(layout);

  Blend(scope, area, mask, extents.x1, extents.y1, run.color);
  cairo_surface_destroy(mask);
}

}  // namespace platform::gdi
