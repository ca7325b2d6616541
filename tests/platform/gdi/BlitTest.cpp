#include <gtest/gtest.h>

#include <cstdlib>

#include "DibCanvas.h"
#include "platform/base/Error.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Msimg32Exports.h"
#include "platform/gdi/SurfaceDC.h"
#include "platform/gdi/DCPixels.h"

namespace {

uint32_t Pixel(int a, int r, int g, int b) {
  return static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 |
         static_cast<uint32_t>(b);
}

int ChannelOf(uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

// Within one unit per channel: blending rounds.
::testing::AssertionResult Near(uint32_t actual, uint32_t expected) {
  for (int shift : {0, 8, 16, 24})
    if (std::abs(ChannelOf(actual, shift) - ChannelOf(expected, shift)) > 1)
      return ::testing::AssertionFailure() << std::hex << "0x" << actual << " != 0x" << expected;
  return ::testing::AssertionSuccess();
}

BLENDFUNCTION Blend(int constant, bool perPixel) {
  return BLENDFUNCTION{AC_SRC_OVER, 0, static_cast<BYTE>(constant), static_cast<BYTE>(perPixel ? AC_SRC_ALPHA : 0)};
}

struct BlendCase {
  const char* what;
  uint32_t src;
  uint32_t dst;
  int constant;
  bool perPixel;
  uint32_t expected;
};

// dst = src * SCA / 255 + dst * (1 - srcAlpha * SCA / 255^2), premultiplied.
TEST(AlphaBlend, ArithmeticTable) {
  const BlendCase cases[] = {
      {"opaque source replaces", Pixel(255, 10, 20, 30), Pixel(255, 200, 200, 200), 255, true, Pixel(255, 10, 20, 30)},
      {"transparent source keeps", Pixel(0, 0, 0, 0), Pixel(255, 200, 100, 50), 255, true, Pixel(255, 200, 100, 50)},
      {"half premultiplied white over black", Pixel(128, 128, 128, 128), Pixel(255, 0, 0, 0), 255, true,
       Pixel(255, 128, 128, 128)},
      {"half premultiplied red over blue", Pixel(128, 128, 0, 0), Pixel(255, 0, 0, 255), 255, true,
       Pixel(255, 128, 0, 127)},
      {"constant alpha halves an opaque source", Pixel(255, 255, 0, 0), Pixel(255, 0, 0, 0), 128, true,
       Pixel(255, 128, 0, 0)},
      {"constant alpha on a translucent source", Pixel(128, 128, 128, 128), Pixel(255, 0, 0, 0), 128, true,
       Pixel(255, 64, 64, 64)},
      {"over a transparent destination alpha adds", Pixel(128, 128, 0, 0), Pixel(0, 0, 0, 0), 255, true,
       Pixel(128, 128, 0, 0)},
      {"without per-pixel alpha the source is opaque", Pixel(0, 255, 255, 255), Pixel(255, 0, 0, 0), 255, false,
       Pixel(255, 255, 255, 255)},
      {"zero constant alpha draws nothing", Pixel(255, 255, 255, 255), Pixel(255, 1, 2, 3), 0, true,
       Pixel(255, 1, 2, 3)},
  };
  for (const BlendCase& c : cases) {
    DibCanvas src(4, 4), dst(4, 4);
    src.Fill(c.src);
    dst.Fill(c.dst);
    ASSERT_TRUE(AlphaBlend(dst.dc(), 0, 0, 4, 4, src.dc(), 0, 0, 4, 4, Blend(c.constant, c.perPixel))) << c.what;
    EXPECT_TRUE(Near(dst.At(2, 2), c.expected)) << c.what;
  }
}

struct FailureCase {
  const char* what;
  int dx, dy, dw, dh, sx, sy, sw, sh;
};

TEST(AlphaBlend, FailsAndDrawsNothingOnBadRectangles) {
  const FailureCase cases[] = {
      {"negative destination width", 0, 0, -4, 4, 0, 0, 4, 4},
      {"negative destination height", 0, 0, 4, -4, 0, 0, 4, 4},
      {"negative source width", 0, 0, 4, 4, 4, 0, -4, 4},
      {"source past the right edge", 0, 0, 4, 4, 1, 0, 4, 4},
      {"source past the bottom", 0, 0, 4, 4, 0, 2, 4, 4},
      {"source left of the bitmap", 0, 0, 4, 4, -1, 0, 4, 4},
  };
  for (const FailureCase& c : cases) {
    DibCanvas src(4, 4), dst(8, 8);
    src.Fill(Pixel(255, 255, 0, 0));
    for (auto blend : {&AlphaBlend, &GdiAlphaBlend}) {
      SetLastError(0);
      EXPECT_FALSE(blend(dst.dc(), c.dx, c.dy, c.dw, c.dh, src.dc(), c.sx, c.sy, c.sw, c.sh, Blend(255, true)))
          << c.what;
      EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER)) << c.what;
    }
    EXPECT_EQ(dst.CountNot(0, RECT{0, 0, 8, 8}), 0) << c.what;
  }
}

TEST(AlphaBlend, StretchesTheSourceRectangle) {
  DibCanvas src(4, 2), dst(16, 8);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) src.Set(x, y, x < 2 ? Pixel(255, 255, 0, 0) : Pixel(255, 0, 0, 255));
  ASSERT_TRUE(AlphaBlend(dst.dc(), 4, 2, 8, 4, src.dc(), 0, 0, 4, 2, Blend(255, true)));
  EXPECT_EQ(dst.At(4, 2), Pixel(255, 255, 0, 0));
  EXPECT_EQ(dst.At(11, 5), Pixel(255, 0, 0, 255));
  EXPECT_EQ(dst.At(3, 2), 0u);   // left of the destination
  EXPECT_EQ(dst.At(12, 5), 0u);  // right of it
  EXPECT_EQ(dst.At(4, 6), 0u);   // below it
  // Smoothing keeps to the source rectangle: the red half's left edge stays pure red.
  DibCanvas part(16, 8);
  ASSERT_TRUE(AlphaBlend(part.dc(), 0, 0, 16, 8, src.dc(), 0, 0, 2, 2, Blend(255, true)));
  EXPECT_EQ(part.At(15, 4), Pixel(255, 255, 0, 0));
}

TEST(AlphaBlend, WithinOneBitmapReadsThePixelsAsTheyWere) {
  DibCanvas canvas(8, 1);
  for (int x = 0; x < 8; ++x) canvas.Set(x, 0, Pixel(255, 10 * x, 0, 0));
  for (bool perPixel : {true, false}) {
    ASSERT_TRUE(AlphaBlend(canvas.dc(), 2, 0, 6, 1, canvas.dc(), 0, 0, 6, 1, Blend(255, perPixel)));
    for (int x = 2; x < 8; ++x) EXPECT_EQ(canvas.At(x, 0), Pixel(255, 10 * (x - 2), 0, 0)) << x;
    for (int x = 0; x < 8; ++x) canvas.Set(x, 0, Pixel(255, 10 * x, 0, 0));
  }
}

TEST(AlphaBlend, ReachableThroughTheModuleExport) {
  using BlendFn = BOOL (*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
  auto blend = reinterpret_cast<BlendFn>(platform::gdi::Msimg32Export("AlphaBlend"));
  ASSERT_NE(blend, nullptr);
  EXPECT_NE(platform::gdi::Msimg32Export("GradientFill"), nullptr);
  EXPECT_EQ(platform::gdi::Msimg32Export("TransparentBlt"), nullptr);
  DibCanvas src(2, 2), dst(2, 2);
  src.Fill(Pixel(255, 1, 2, 3));
  EXPECT_TRUE(blend(dst.dc(), 0, 0, 2, 2, src.dc(), 0, 0, 2, 2, Blend(255, true)));
  EXPECT_EQ(dst.At(1, 1), Pixel(255, 1, 2, 3));
}

TEST(BitBlt, CopiesAllFourBytesBetweenSurfaces) {
  DibCanvas src(8, 8), dst(8, 8);
  src.Set(2, 3, Pixel(0x80, 0x40, 0x20, 0x10));
  src.Set(3, 3, Pixel(0, 0, 0, 0));
  dst.Fill(Pixel(255, 255, 255, 255));
  ASSERT_TRUE(BitBlt(dst.dc(), 4, 4, 2, 2, src.dc(), 2, 3, SRCCOPY));
  EXPECT_EQ(dst.At(4, 4), Pixel(0x80, 0x40, 0x20, 0x10));
  EXPECT_EQ(dst.At(5, 4), 0u);  // transparent copied as transparent, not blended
  EXPECT_EQ(dst.At(3, 4), Pixel(255, 255, 255, 255));
  EXPECT_EQ(dst.At(6, 4), Pixel(255, 255, 255, 255));
}

TEST(BitBlt, OffScreenBitmapToAWindowImageAndBack) {
  // A paint copies the off-screen bitmap to the window DC inside the paint clip.
  DibCanvas offscreen(40, 30);
  offscreen.Fill(Pixel(255, 0, 128, 255));
  cairo_surface_t* window = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 100, 80);
  HRGN paint = CreateRectRgn(0, 0, 20, 30);
  HDC dc = platform::gdi::CreateSurfaceDC(window, POINT{30, 10}, paint);
  ASSERT_TRUE(BitBlt(dc, 0, 0, 40, 30, offscreen.dc(), 0, 0, SRCCOPY));
  cairo_surface_flush(window);
  auto* px = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(window));
  int stride = cairo_image_surface_get_stride(window) / 4;
  EXPECT_EQ(px[10 * stride + 30], Pixel(255, 0, 128, 255));
  EXPECT_EQ(px[39 * stride + 49], Pixel(255, 0, 128, 255));
  EXPECT_EQ(px[10 * stride + 50], 0u);  // outside the paint clip
  EXPECT_EQ(px[10 * stride + 29], 0u);  // left of the client area
  // Reading back goes through the same origin.
  DibCanvas copy(10, 10);
  ASSERT_TRUE(BitBlt(copy.dc(), 0, 0, 10, 10, dc, 5, 5, SRCCOPY));
  EXPECT_EQ(copy.At(9, 9), Pixel(255, 0, 128, 255));
  cairo_surface_t* pixels = platform::gdi::CopyDCPixels(dc, 15, 0, 10, 1);
  ASSERT_NE(pixels, nullptr);
  auto* row = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(pixels));
  EXPECT_EQ(row[4], Pixel(255, 0, 128, 255));
  EXPECT_EQ(row[5], 0u);
  cairo_surface_destroy(pixels);
  platform::gdi::DeleteSurfaceDC(dc);
  DeleteObject(paint);
  cairo_surface_destroy(window);
}

TEST(BitBlt, RefusesRasterOperationsItDoesNotDo) {
  const DWORD kMergeCopy = 0x00C000CA;
  const DWORD kSourceErase = 0x00440328;
  DibCanvas src(2, 2), dst(2, 2);
  src.Fill(Pixel(255, 1, 1, 1));
  EXPECT_FALSE(BitBlt(dst.dc(), 0, 0, 2, 2, src.dc(), 0, 0, kMergeCopy));
  EXPECT_FALSE(BitBlt(dst.dc(), 0, 0, 2, 2, src.dc(), 0, 0, kSourceErase));
  EXPECT_EQ(dst.At(0, 0), 0u);
  EXPECT_TRUE(BitBlt(dst.dc(), 0, 0, 2, 2, nullptr, 0, 0, WHITENESS));
  EXPECT_EQ(dst.At(1, 1), Pixel(255, 255, 255, 255));
}

TEST(BitBlt, OverlappingCopyWithinOneBitmap) {
  DibCanvas canvas(8, 1);
  for (int x = 0; x < 8; ++x) canvas.Set(x, 0, Pixel(255, x, 0, 0));
  ASSERT_TRUE(BitBlt(canvas.dc(), 2, 0, 6, 1, canvas.dc(), 0, 0, SRCCOPY));
  for (int x = 2; x < 8; ++x) EXPECT_EQ(canvas.At(x, 0), Pixel(255, x - 2, 0, 0)) << x;
}

TEST(BitBlt, BottomUpDibsReadAndWriteByImageRow) {
  DibCanvas up(4, 4, true), down(4, 4);
  // Image row 0 of a bottom-up DIB is its last row in memory.
  up.bits()[3 * 4 + 1] = Pixel(255, 9, 9, 9);
  ASSERT_TRUE(BitBlt(down.dc(), 0, 0, 4, 4, up.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(down.At(1, 0), Pixel(255, 9, 9, 9));
  // Drawing into it lands in memory bottom first.
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT top{0, 0, 4, 1};
  FillRect(up.dc(), &top, red);
  EXPECT_EQ(up.bits()[3 * 4 + 0], Pixel(255, 255, 0, 0));
  EXPECT_EQ(up.bits()[0], 0u);
  DeleteObject(red);
}

TEST(StretchBlt, HalftoneSmoothsAndNegativeWidthMirrors) {
  DibCanvas src(2, 1), dst(8, 1);
  src.Set(0, 0, Pixel(255, 0, 0, 0));
  src.Set(1, 0, Pixel(255, 255, 255, 255));
  SetStretchBltMode(dst.dc(), HALFTONE);
  ASSERT_TRUE(StretchBlt(dst.dc(), 0, 0, 8, 1, src.dc(), 0, 0, 2, 1, SRCCOPY));
  EXPECT_EQ(dst.At(0, 0), Pixel(255, 0, 0, 0));
  EXPECT_EQ(dst.At(7, 0), Pixel(255, 255, 255, 255));
  int middle = ChannelOf(dst.At(4, 0), 16);
  EXPECT_GT(middle, 0);
  EXPECT_LT(middle, 255);
  // Mirrored: the source's right pixel lands on the left.
  SetStretchBltMode(dst.dc(), COLORONCOLOR);
  ASSERT_TRUE(StretchBlt(dst.dc(), 8, 0, -8, 1, src.dc(), 0, 0, 2, 1, SRCCOPY));
  EXPECT_EQ(dst.At(0, 0), Pixel(255, 255, 255, 255));
  EXPECT_EQ(dst.At(3, 0), Pixel(255, 255, 255, 255));
  EXPECT_EQ(dst.At(4, 0), Pixel(255, 0, 0, 0));
}

struct GradientCase {
  ULONG mode;
  int first[2];  // x, y of the pixel holding the first colour
  int last[2];   // ... and the second colour
};

TEST(GradientFill, EndRowsHoldTheVertexColours) {
  const GradientCase cases[] = {{GRADIENT_FILL_RECT_H, {2, 5}, {21, 5}}, {GRADIENT_FILL_RECT_V, {5, 3}, {5, 12}}};
  for (const GradientCase& c : cases) {
    DibCanvas canvas(30, 20);
    TRIVERTEX v[2] = {{2, 3, 0xFF00, 0x0000, 0x0000, 0xFF00}, {22, 13, 0x0000, 0x0000, 0xFF00, 0xFF00}};
    GRADIENT_RECT rect{0, 1};
    ASSERT_TRUE(GradientFill(canvas.dc(), v, 2, &rect, 1, c.mode));
    EXPECT_EQ(canvas.At(c.first[0], c.first[1]), Pixel(255, 255, 0, 0)) << c.mode;
    EXPECT_EQ(canvas.At(c.last[0], c.last[1]), Pixel(255, 0, 0, 255)) << c.mode;
    // Monotonic in between, and nothing outside the rectangle.
    int previous = 256;
    for (int i = 0; i < 10; ++i) {
      uint32_t p = c.mode == GRADIENT_FILL_RECT_H ? canvas.At(2 + 2 * i, 5) : canvas.At(5, 3 + i);
      EXPECT_LE(ChannelOf(p, 16), previous) << c.mode << " step " << i;
      previous = ChannelOf(p, 16);
    }
    EXPECT_EQ(canvas.At(1, 5), 0u);
    EXPECT_EQ(canvas.At(22, 5), 0u);
    EXPECT_EQ(canvas.At(5, 2), 0u);
    EXPECT_EQ(canvas.At(5, 13), 0u);
  }
}

TEST(GradientFill, RefusesTrianglesAndBadIndices) {
  DibCanvas canvas(4, 4);
  TRIVERTEX v[2] = {{0, 0, 0, 0, 0, 0xFF00}, {4, 4, 0xFF00, 0, 0, 0xFF00}};
  GRADIENT_RECT bad{0, 2};
  EXPECT_FALSE(GradientFill(canvas.dc(), v, 2, &bad, 1, GRADIENT_FILL_RECT_H));
  GRADIENT_RECT good{0, 1};
  EXPECT_FALSE(GradientFill(canvas.dc(), v, 2, &good, 1, GRADIENT_FILL_TRIANGLE));
  EXPECT_EQ(canvas.CountNot(0, RECT{0, 0, 4, 4}), 0);
}

}  // namespace
