#include <gtest/gtest.h>

#include "DibCanvas.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/SurfaceDC.h"
#include "testing/base/RectValues.h"

namespace {

constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kClear = 0x00000000u;

RECT Box(HDC dc) {
  RECT box{};
  GetClipBox(dc, &box);
  return box;
}

struct ClipStep {
  const char* what;
  RECT box;
};

TEST(Clipping, IntersectionsAccumulateAndSelectReplaces) {
  DibCanvas canvas(100, 80);
  HDC dc = canvas.dc();
  EXPECT_EQ(Box(dc), (RECT{0, 0, 100, 80}));

  HRGN first = CreateRectRgn(10, 10, 60, 60);
  EXPECT_EQ(ExtSelectClipRgn(dc, first, RGN_AND), SIMPLEREGION);  // no clip yet: the region itself
  EXPECT_EQ(Box(dc), (RECT{10, 10, 60, 60}));
  HRGN second = CreateRectRgn(40, 0, 200, 50);
  ExtSelectClipRgn(dc, second, RGN_AND);
  EXPECT_EQ(Box(dc), (RECT{40, 10, 60, 50}));
  IntersectClipRect(dc, 0, 20, 100, 100);
  EXPECT_EQ(Box(dc), (RECT{40, 20, 60, 50}));
  // The DC copied the regions: changing them later changes nothing.
  OffsetRgn(first, 30, 30);
  EXPECT_EQ(Box(dc), (RECT{40, 20, 60, 50}));
  EXPECT_EQ(SelectClipRgn(dc, first), SIMPLEREGION);
  EXPECT_EQ(Box(dc), (RECT{40, 40, 90, 80}));  // cut at the bitmap
  EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
  EXPECT_EQ(Box(dc), (RECT{0, 0, 100, 80}));
  HRGN far = CreateRectRgn(500, 500, 600, 600);
  EXPECT_EQ(SelectClipRgn(dc, far), NULLREGION);
  DeleteObject(first);
  DeleteObject(second);
  DeleteObject(far);
}

TEST(Clipping, FillsStayInsideARoundClip) {
  DibCanvas canvas(30, 30);
  HRGN round = CreateRoundRectRgn(0, 0, 31, 31, 20, 20);
  SelectClipRgn(canvas.dc(), round);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT all{0, 0, 30, 30};
  FillRect(canvas.dc(), &all, red);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x)
      ASSERT_EQ(canvas.At(x, y) == kRed, PtInRegion(round, x, y) != 0) << x << "," << y;
  DeleteObject(round);
  DeleteObject(red);
}

TEST(Clipping, SaveAndRestoreAroundNestedClips) {
  DibCanvas canvas(50, 50);
  HDC dc = canvas.dc();
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  IntersectClipRect(dc, 10, 10, 40, 40);
  int saved = SaveDC(dc);
  IntersectClipRect(dc, 20, 20, 30, 30);
  RECT all{0, 0, 50, 50};
  FillRect(dc, &all, red);
  EXPECT_EQ(canvas.CountNot(kClear, all), 100);
  RestoreDC(dc, saved);
  canvas.Fill(kClear);
  FillRect(dc, &all, red);
  EXPECT_EQ(canvas.CountNot(kClear, all), 900);
  EXPECT_EQ(canvas.At(10, 10), kRed);
  EXPECT_EQ(canvas.At(9, 10), kClear);
  DeleteObject(red);
}

TEST(Clipping, ClipBoxSavedAsRectangleRestoresTheBoundingBox) {
  // A renderer that keeps GetClipBox as a rectangle and selects it again turns a
  // round clip into its bounding rectangle.
  DibCanvas canvas(40, 40);
  HRGN round = CreateRoundRectRgn(0, 0, 41, 41, 30, 30);
  SelectClipRgn(canvas.dc(), round);
  RECT box;
  EXPECT_EQ(GetClipBox(canvas.dc(), &box), COMPLEXREGION);
  HRGN saved = CreateRectRgnIndirect(&box);
  SelectClipRgn(canvas.dc(), saved);
  EXPECT_TRUE(PtVisible(canvas.dc(), 0, 0));
  DeleteObject(round);
  DeleteObject(saved);
}

TEST(SurfaceDC, DrawsAtTheOriginInsideTheWindowClip) {
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 60, 40);
  HRGN visible = CreateRectRgn(0, 0, 10, 10);  // client coordinates
  HDC dc = platform::gdi::CreateSurfaceDC(image, POINT{20, 5}, visible);
  ASSERT_NE(dc, nullptr);
  RECT box;
  GetClipBox(dc, &box);
  EXPECT_EQ(box, (RECT{0, 0, 10, 10}));
  // The window layer's clip stays when the application removes its own.
  SelectClipRgn(dc, nullptr);
  GetClipBox(dc, &box);
  EXPECT_EQ(box, (RECT{0, 0, 10, 10}));
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT all{-100, -100, 100, 100};
  FillRect(dc, &all, red);
  cairo_surface_flush(image);
  auto* px = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(image));
  int stride = cairo_image_surface_get_stride(image) / 4;
  EXPECT_EQ(px[5 * stride + 20], kRed);
  EXPECT_EQ(px[14 * stride + 29], kRed);
  EXPECT_EQ(px[15 * stride + 29], kClear);
  EXPECT_EQ(px[5 * stride + 19], kClear);
  EXPECT_EQ(px[5 * stride + 30], kClear);
  platform::gdi::DeleteSurfaceDC(dc);
  DeleteObject(visible);
  DeleteObject(red);
  cairo_surface_destroy(image);
}

}  // namespace
