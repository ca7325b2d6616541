// Text is blended straight onto opaque pixels and through a coverage mask elsewhere, and
// its shaped layouts are kept per thread: whichever way a line goes, and whether its
// layout is new or kept, the pixels must come out the same.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "DibCanvas.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/SurfaceDC.h"

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 40;
const std::wstring kText = L"巡更 Patrol 第7";

std::vector<uint32_t> Pixels(const DibCanvas& canvas) {
  return std::vector<uint32_t>(canvas.bits(), canvas.bits() + canvas.width() * canvas.height());
}

// An outline face drawn anti-aliased at this size (the stock 宋体 draws from bitmaps,
// whose pixels are all or nothing).
HFONT YaHei() {
  static HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"微软雅黑");
  return font;
}

// Draws `text` in dark blue at (10, 8)-(150, 32) over `background`, with one pixel,
// at `odd` if given, set to `oddPixel`.
std::vector<uint32_t> DrawOver(uint32_t background, const std::wstring& text, int odd = -1, uint32_t oddPixel = 0) {
  DibCanvas canvas(kWidth, kHeight);
  canvas.Fill(background);
  if (odd >= 0) canvas.bits()[odd] = oddPixel;
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetTextColor(canvas.dc(), RGB(20, 40, 160));
  HGDIOBJ old = SelectObject(canvas.dc(), YaHei());
  RECT rc{10, 8, 150, 32};
  DrawTextW(canvas.dc(), text.data(), -1, &rc, DT_SINGLELINE);
  SelectObject(canvas.dc(), old);
  return Pixels(canvas);
}

int Changed(const std::vector<uint32_t>& before, const std::vector<uint32_t>& after) {
  int count = 0;
  for (size_t i = 0; i < before.size(); ++i) count += before[i] != after[i];
  return count;
}

bool SameColour(uint32_t a, uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 1) return false;
  }
  return true;
}

// Over pixels that are not opaque, their bytes are mixed with the text colour as if they
// were and every touched pixel ends opaque; over opaque ones the glyphs go straight on.
// Both give the same picture but for rounding.
TEST(TextRenderer, BlendsAlikeOverOpaqueAndTranslucentPixels) {
  constexpr uint32_t kOpaque = 0xFFF0F0F0u;
  const std::vector<uint32_t> reference = DrawOver(kOpaque, kText);
  ASSERT_GT(Changed(std::vector<uint32_t>(reference.size(), kOpaque), reference), 100);
  int partial = 0;
  for (uint32_t pixel : reference) partial += pixel != kOpaque && !SameColour(pixel, 0xFF1428A0u);
  ASSERT_GT(partial, 50) << "the glyph edges are anti-aliased";
  int inked = 20 * kWidth;
  while (reference[inked] == kOpaque) ++inked;  // the first touched pixel of row 20
  struct Case {
    const char* what;
    uint32_t background;  // premultiplied 0xAARRGGBB
    int odd;              // one pixel under the glyphs set apart, or -1
    uint32_t oddPixel;
  };
  const Case cases[] = {
      {"translucent", 0xF0F0F0F0u, -1, 0},
      {"transparent", 0x00F0F0F0u, -1, 0},
      {"opaque but one translucent pixel under the glyphs", kOpaque, inked, 0x80F0F0F0u},
  };
  for (const Case& c : cases) {
    const std::vector<uint32_t> drawn = DrawOver(c.background, kText, c.odd, c.oddPixel);
    for (size_t i = 0; i < drawn.size(); ++i) {
      const uint32_t before = static_cast<int>(i) == c.odd ? c.oddPixel : c.background;
      if (drawn[i] == before) {
        ASSERT_TRUE(SameColour(reference[i], kOpaque)) << c.what << ": untouched at " << i;
        continue;
      }
      ASSERT_EQ(drawn[i] >> 24, 0xFFu) << c.what << ": not opaque at " << i;
      ASSERT_TRUE(SameColour(drawn[i], reference[i])) << c.what << ": colour at " << i;
    }
    if (c.odd >= 0) {
      EXPECT_NE(drawn[c.odd], c.oddPixel) << c.what;
    }
  }
}

// Drawing into a window's image at an origin and inside the window layer's clip gives
// the pixels of the same text drawn into a bitmap at that origin, cut at the clip.
TEST(TextRenderer, DrawsAtTheOriginOfAWindowImageInsideItsClip) {
  const std::vector<uint32_t> reference = DrawOver(0xFFFFFFFFu, kText);
  struct Case {
    const char* what;
    POINT origin;
    RECT visible;  // client coordinates
  };
  const Case cases[] = {
      {"whole", {0, 0}, {0, 0, kWidth, kHeight}},
      {"shifted", {6, 3}, {-6, -3, kWidth, kHeight}},
      {"cut through the middle of the text", {0, 0}, {0, 0, 60, 17}},
  };
  for (const Case& c : cases) {
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
    auto* pixels = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(image));
    const int stride = cairo_image_surface_get_stride(image) / 4;
    for (int i = 0; i < stride * kHeight; ++i) pixels[i] = 0xFFFFFFFFu;
    cairo_surface_mark_dirty(image);
    HRGN visible = CreateRectRgnIndirect(&c.visible);
    HDC dc = platform::gdi::CreateSurfaceDC(image, c.origin, visible);
    ASSERT_NE(dc, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(20, 40, 160));
    HGDIOBJ old = SelectObject(dc, YaHei());
    RECT rc{10 - c.origin.x, 8 - c.origin.y, 150 - c.origin.x, 32 - c.origin.y};
    DrawTextW(dc, kText.data(), -1, &rc, DT_SINGLELINE);
    SelectObject(dc, old);
    cairo_surface_flush(image);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const bool inside = x >= c.visible.left + c.origin.x && x < c.visible.right + c.origin.x &&
                            y >= c.visible.top + c.origin.y && y < c.visible.bottom + c.origin.y;
        const uint32_t expected = inside ? reference[y * kWidth + x] : 0xFFFFFFFFu;
        ASSERT_EQ(pixels[y * stride + x], expected) << c.what << " at " << x << "," << y;
      }
    }
    platform::gdi::DeleteSurfaceDC(dc);
    DeleteObject(visible);
    cairo_surface_destroy(image);
  }
}

HFONT MakeFont(int height, bool underline) {
  return CreateFontW(-height, 0, 0, 0, FW_NORMAL, 0, underline, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"宋体");
}

std::vector<uint32_t> DrawInFont(HFONT font, const std::wstring& text, UINT format) {
  DibCanvas canvas(kWidth, kHeight);
  canvas.Fill(0xFFFFFFFFu);
  SetBkMode(canvas.dc(), TRANSPARENT);
  HGDIOBJ old = SelectObject(canvas.dc(), font);
  RECT rc{10, 8, 150, 32};
  DrawTextW(canvas.dc(), text.data(), -1, &rc, format);
  SelectObject(canvas.dc(), old);
  return Pixels(canvas);
}

// A text drawn before in another font, with another decoration or with another
// underlined prefix is drawn as itself, not as what was drawn before.
TEST(TextRenderer, ATextDrawnAgainTakesItsOwnFontAndUnderlines) {
  HFONT small = MakeFont(12, false);
  HFONT large = MakeFont(16, false);
  HFONT underlined = MakeFont(12, true);
  struct Case {
    const char* what;
    HFONT font;
    std::wstring text;
    UINT format;
  };
  const Case cases[] = {
      {"small", small, L"File 文件", DT_SINGLELINE},
      {"large", large, L"File 文件", DT_SINGLELINE},
      {"underlined font", underlined, L"File 文件", DT_SINGLELINE},
      {"prefix under F", small, L"&File 文件", DT_SINGLELINE},
      {"prefix under i", small, L"F&ile 文件", DT_SINGLELINE},
      {"prefix hidden", small, L"&File 文件", DT_SINGLELINE | DT_HIDEPREFIX},
  };
  std::vector<std::vector<uint32_t>> first;
  for (const Case& c : cases) first.push_back(DrawInFont(c.font, c.text, c.format));
  // Every case differs from the plain small text but the hidden prefix, which is it.
  for (size_t i = 1; i < std::size(cases); ++i) {
    if (cases[i].format & DT_HIDEPREFIX)
      EXPECT_EQ(first[i], first[0]) << cases[i].what;
    else
      EXPECT_GT(Changed(first[0], first[i]), 0) << cases[i].what;
  }
  // In reverse order, each is drawn as the first time.
  for (size_t i = std::size(cases); i-- > 0;)
    EXPECT_EQ(DrawInFont(cases[i].font, cases[i].text, cases[i].format), first[i]) << cases[i].what;
  DeleteObject(small);
  DeleteObject(large);
  DeleteObject(underlined);
}

// A thread keeps the texts it draws again, up to some hundreds: past them the oldest
// are shaped anew, and texts met once among many more are not kept at all. Either way
// a text comes out as it did the first time.
TEST(TextRenderer, ATextForgottenAmongManyIsDrawnTheSameAgain) {
  const std::vector<uint32_t> first = DrawOver(0xFFFFFFFFu, kText);
  EXPECT_EQ(DrawOver(0xFFFFFFFFu, kText), first);
  for (int i = 0; i < 800; ++i) {
    const std::wstring text = L"记录 " + std::to_wstring(i);
    const std::vector<uint32_t> once = DrawOver(0xFFFFFFFFu, text);
    ASSERT_EQ(DrawOver(0xFFFFFFFFu, text), once) << i;
  }
  EXPECT_EQ(DrawOver(0xFFFFFFFFu, kText), first);
  for (int i = 0; i < 1500; ++i) DrawOver(0xFFFFFFFFu, L"巡检 " + std::to_wstring(i));
  EXPECT_EQ(DrawOver(0xFFFFFFFFu, kText), first);
}

}  // namespace
