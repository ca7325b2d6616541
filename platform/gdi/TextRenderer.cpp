#include "platform/gdi/TextRenderer.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/gdi/DrawScope.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/LayoutCache.h"
#include "platform/gdi/PixelFill.h"
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

// Four pixels, and sixteen-bit lanes over the same bytes: B and R (or G and A) of one
// pixel side by side, so one multiply mixes two channels.
using Pixels4 = uint32_t __attribute__((vector_size(16)));
using Lanes8 = uint16_t __attribute__((vector_size(16)));

// floor(x / 255) in each lane, for x below 65,153.
Lanes8 DivideBy255(Lanes8 x) { return (x + 1 + (x >> 8)) >> 8; }

// (colour x m + pixel x (255 - m) + 127) / 255 in each channel, left opaque, where the
// coverage m is not 0; uncovered pixels stay as they are. No lane overflows: its sum
// stays below 65,408.
Pixels4 MixFour(Pixels4 pixels, Pixels4 cover, Lanes8 colorBR, Lanes8 colorGA) {
  Pixels4 m = cover >> 24;
  Lanes8 weight = (Lanes8)(m | m << 16);
  Lanes8 inverse = 255 - weight;
  Lanes8 br = DivideBy255(colorBR * weight + (Lanes8)(pixels & 0x00FF00FFu) * inverse + 127);
  Lanes8 ga = DivideBy255(colorGA * weight + (Lanes8)((pixels >> 8) & 0x00FF00FFu) * inverse + 127);
  Pixels4 mixed = (Pixels4)br | (Pixels4)ga << 8 | 0xFF000000u;
  Pixels4 covered = (Pixels4)(m != 0);
  return (mixed & covered) | (pixels & ~covered);
}

// The mask is black drawn on transparent, so a pixel is its coverage in the alpha byte
// and zero where nothing was drawn. Most of a text cell is blank: four pixels are
// skipped or mixed at a time.
void BlendFour(uint32_t* row, const uint32_t* cover, Lanes8 colorBR, Lanes8 colorGA) {
  Pixels4 coverage;
  std::memcpy(&coverage, cover, sizeof coverage);
  if (!(coverage[0] | coverage[1] | coverage[2] | coverage[3])) return;
  Pixels4 pixels;
  std::memcpy(&pixels, row, sizeof pixels);
  pixels = MixFour(pixels, coverage, colorBR, colorGA);
  std::memcpy(row, &pixels, sizeof pixels);
}

void BlendRow(uint32_t* row, const uint32_t* cover, int width, Lanes8 colorBR, Lanes8 colorGA) {
  int x = 0;
  for (; x + 4 <= width; x += 4) BlendFour(row + x, cover + x, colorBR, colorGA);
  if (x == width) return;
  // The last one to three pixels go through a copy, the rest of it uncovered.
  uint32_t lastRow[4] = {};
  uint32_t lastCover[4] = {};
  std::copy(row + x, row + width, lastRow);
  std::copy(cover + x, cover + width, lastCover);
  BlendFour(lastRow, lastCover, colorBR, colorGA);
  std::copy(lastRow, lastRow + (width - x), row + x);
}

void Blend(const DrawScope& scope, const PixRegion& area, cairo_surface_t* mask, int maskX, int maskY,
           COLORREF color) {
  cairo_surface_flush(mask);
  const uint8_t* coverage = cairo_image_surface_get_data(mask);
  int maskStride = cairo_image_surface_get_stride(mask);
  const uint32_t pixel = OpaquePixel(color);
  const Lanes8 colorBR = (Lanes8)(Pixels4{} + (pixel & 0x00FF00FFu));
  const Lanes8 colorGA = (Lanes8)(Pixels4{} + ((pixel >> 8) & 0x00FF00FFu));
  int count = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(const_cast<pixman_region32_t*>(area.Get()), &count);
  for (int i = 0; i < count; ++i) {
    for (int y = boxes[i].y1; y < boxes[i].y2; ++y) {
      auto* row = reinterpret_cast<uint32_t*>(scope.Pixels() + static_cast<size_t>(y) * scope.Stride());
      auto* cover = reinterpret_cast<const uint32_t*>(coverage + static_cast<size_t>(y - maskY) * maskStride);
      BlendRow(row + boxes[i].x1, cover + (boxes[i].x1 - maskX), boxes[i].x2 - boxes[i].x1, colorBR, colorGA);
    }
  }
}

// True when every pixel of the area is opaque: glyphs blended over it then leave it
// opaque by themselves. The area is mostly cold in the cache: rows are read four pixels
// at a time, which keeps the loads of more lines in flight than one pixel at a time.
bool AllOpaque(const DrawScope& scope, const PixRegion& area) {
  Pixels4 all = Pixels4{} + 0xFF000000u;
  uint32_t last = 0xFF000000u;
  int count = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(const_cast<pixman_region32_t*>(area.Get()), &count);
  for (int i = 0; i < count; ++i) {
    for (int y = boxes[i].y1; y < boxes[i].y2; ++y) {
      auto* row = reinterpret_cast<const uint32_t*>(scope.Pixels() + static_cast<size_t>(y) * scope.Stride());
      int x = boxes[i].x1;
      for (; x + 4 <= boxes[i].x2; x += 4) {
        Pixels4 four;
        std::memcpy(&four, row + x, sizeof four);
        all &= four;
      }
      for (; x < boxes[i].x2; ++x) last &= row[x];
    }
  }
  return (all[0] & all[1] & all[2] & all[3] & last) == 0xFF000000u;
}

// The device pixels the glyphs can touch: their ink box with a pixel around it.
pixman_box32_t InkBox(const DrawScope& scope, PangoLayout* layout, int x, int top) {
  PangoRectangle ink;
  pango_layout_get_pixel_extents(layout, &ink, nullptr);
  const int left = x + scope.OriginX() + ink.x - 1;
  const int inkTop = top + scope.OriginY() + ink.y - 1;
  return pixman_box32_t{left, inkTop, left + ink.width + 2, inkTop + ink.height + 2};
}

// Over opaque pixels the text colour blended by coverage is what cairo's OVER does, in
// one pass over the destination. `clip` limits the glyphs, or is null when their ink
// lies inside the run's area anyway.
void DrawOver(DrawScope& scope, PangoLayout* layout, const TextRun& run, const PixRegion* clip, int top) {
  cairo_t* cr = scope.Cairo();
  cairo_save(cr);
  if (clip) {
    int count = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(const_cast<pixman_region32_t*>(clip->Get()), &count);
    for (int i = 0; i < count; ++i) {
      cairo_rectangle(cr, boxes[i].x1 - scope.OriginX(), boxes[i].y1 - scope.OriginY(), boxes[i].x2 - boxes[i].x1,
                      boxes[i].y2 - boxes[i].y1);
    }
    cairo_clip(cr);
  }
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_set_source_rgb(cr, GetRValue(run.color) / 255.0, GetGValue(run.color) / 255.0, GetBValue(run.color) / 255.0);
  cairo_move_to(cr, run.x, top);
  pango_cairo_show_layout(cr, layout);
  cairo_restore(cr);
}

// Elsewhere the coverage goes through a mask, so that every touched pixel ends opaque.
// The mask is 32-bit: pixman composites glyphs into it on a vector path, where an 8-bit
// mask takes its generic path, which clears a 24 KiB buffer per glyph.
void DrawThroughMask(DrawScope& scope, PangoLayout* layout, const TextRun& run, const PixRegion& area, int top) {
  pixman_box32_t extents = area.Extents();
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, extents.x2 - extents.x1,
                                                     extents.y2 - extents.y1);
  cairo_t* cr = cairo_create(mask);
  cairo_move_to(cr, run.x + scope.OriginX() - extents.x1, top + scope.OriginY() - extents.y1);
  pango_cairo_show_layout(cr, layout);
  cairo_destroy(cr);
  Blend(scope, area, mask, extents.x1, extents.y1, run.color);
  cairo_surface_destroy(mask);
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
  // Glyph ink may reach past the cell (italics, tall accents): the area has a margin.
  int margin = font.EmPixels();
  RECT box{run.x - margin, run.y - margin, run.x + width + margin, run.y + metrics.tmHeight + margin};
  PixRegion area = RunArea(scope, run, box);
  if (area.Empty()) return;

  Utf8Text utf8(run.text, run.count);
  LayoutCache::Underline prefix;
  if (run.underlined >= 0 && static_cast<size_t>(run.underlined) < run.count)
    prefix = {utf8.Offset(run.underlined), utf8.Offset(run.underlined + 1)};
  PangoLayout* layout = LayoutCache::Get(utf8.Bytes(), font.Description(), font.Underline(), font.StrikeOut(), prefix);
  int baseline = static_cast<int>(std::lround(pango_layout_get_baseline(layout) / double(PANGO_SCALE)));

  int top = run.y + metrics.tmAscent - baseline;
  pixman_box32_t ink = InkBox(scope, layout, run.x, top);
  PixRegion inked(area);
  inked.IntersectRect(ink.x1, ink.y1, ink.x2, ink.y2);
  bool inside = pixman_region32_contains_rectangle(const_cast<pixman_region32_t*>(area.Get()), &ink) ==
                PIXMAN_REGION_IN;
  if (AllOpaque(scope, inked))
    DrawOver(scope, layout, run, inside ? nullptr : &area, top);
  else
    DrawThroughMask(scope, layout, run, area, top);
  g_object_unref(layout);
}

}  // namespace platform::gdi
