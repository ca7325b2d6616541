// Raster operations that combine colour bits on 32-bit surfaces: masks, inverted
// images and drag rectangles.
#include <gtest/gtest.h>

#include "DibCanvas.h"
#include "platform/gdi/Gdi.h"

namespace {

constexpr uint32_t kUntouched = 0xFF808080u;

struct RopCase {
  const char* what;
  DWORD rop;
  bool withSource;  // else the call names no source DC
  uint32_t source;
  uint32_t destination;
  COLORREF brush;
  uint32_t expected;
};

void PrintTo(const RopCase& c, std::ostream* out) { *out << c.what; }

class RasterOps : public ::testing::TestWithParam<RopCase> {};

// The operation on (1, 1)-(3, 3) of a 4 x 4 surface: the rest stays as it was.
TEST_P(RasterOps, CombineColourBitsAndLeaveOpaquePixels) {
  const RopCase& c = GetParam();
  DibCanvas source(4, 4), target(4, 4);
  source.Fill(c.source);
  target.Fill(kUntouched);
  for (int y = 1; y < 3; ++y)
    for (int x = 1; x < 3; ++x) target.Set(x, y, c.destination);
  HBRUSH brush = CreateSolidBrush(c.brush);
  HGDIOBJ previous = SelectObject(target.dc(), brush);
  EXPECT_TRUE(BitBlt(target.dc(), 1, 1, 2, 2, c.withSource ? source.dc() : nullptr, 0, 0, c.rop));
  SelectObject(target.dc(), previous);
  DeleteObject(brush);
  EXPECT_EQ(target.At(1, 1), c.expected) << std::hex << target.At(1, 1);
  EXPECT_EQ(target.At(2, 2), c.expected);
  EXPECT_EQ(target.At(0, 0), kUntouched);
  EXPECT_EQ(target.At(3, 2), kUntouched);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RasterOps,
    ::testing::Values(
        RopCase{"SRCAND keeps what a white mask covers", SRCAND, true, 0xFFFFFFFFu, 0xFF123456u, 0, 0xFF123456u},
        RopCase{"SRCAND blackens what a black mask covers", SRCAND, true, 0xFF000000u, 0xFF123456u, 0, 0xFF000000u},
        RopCase{"SRCAND of two colours", SRCAND, true, 0xFF00FF00u, 0xFFFFFF00u, 0, 0xFF00FF00u},
        RopCase{"SRCPAINT", SRCPAINT, true, 0xFF0000FFu, 0xFFFF0000u, 0, 0xFFFF00FFu},
        RopCase{"SRCPAINT of a transparent source leaves an opaque colour", SRCPAINT, true, 0x00000000u, 0xFF123456u, 0,
                0xFF123456u},
        RopCase{"SRCPAINT onto a transparent destination", SRCPAINT, true, 0xFF0000FFu, 0x00000000u, 0,
                0xFF0000FFu},
        RopCase{"SRCINVERT", SRCINVERT, true, 0xFFFFFFFFu, 0xFF123456u, 0, 0xFFEDCBA9u},
        RopCase{"NOTSRCCOPY", NOTSRCCOPY, true, 0xFF123456u, 0xFF00FF00u, 0, 0xFFEDCBA9u},
        RopCase{"DSTINVERT needs no source", DSTINVERT, false, 0, 0xFF123456u, 0, 0xFFEDCBA9u},
        RopCase{"PATINVERT with the selected brush", PATINVERT, false, 0, 0xFF00FF00u, RGB(255, 0, 0), 0xFFFFFF00u}),
    [](const ::testing::TestParamInfo<RopCase>& info) { return "Case" + std::to_string(info.index); });

TEST(RasterOpDrawing, AnInvertedDragRectangleErasesWhenDrawnTwice) {
  DibCanvas canvas(10, 10);
  for (int i = 0; i < 100; ++i) canvas.bits()[i] = 0xFF000000u | uint32_t(i * 0x020305);
  std::vector<uint32_t> before(canvas.bits(), canvas.bits() + 100);
  SelectObject(canvas.dc(), GetStockObject(GRAY_BRUSH));
  for (int pass = 0; pass < 2; ++pass) {
    EXPECT_TRUE(BitBlt(canvas.dc(), 2, 2, 6, 1, nullptr, 0, 0, PATINVERT));
    EXPECT_TRUE(BitBlt(canvas.dc(), 2, 3, 1, 5, nullptr, 0, 0, PATINVERT));
    if (pass == 0) {
      EXPECT_NE(canvas.At(4, 2), before[24]);
    }
  }
  EXPECT_EQ(std::vector<uint32_t>(canvas.bits(), canvas.bits() + 100), before);
}

TEST(RasterOpDrawing, StretchingTakesTheNearestSourcePixel) {
  DibCanvas source(2, 1), target(4, 2);
  source.Set(0, 0, 0xFFFFFFFFu);
  source.Set(1, 0, 0xFF000000u);
  target.Fill(0xFF123456u);
  EXPECT_TRUE(StretchBlt(target.dc(), 0, 0, 4, 2, source.dc(), 0, 0, 2, 1, SRCINVERT));
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(target.At(0, y), 0xFFEDCBA9u);
    EXPECT_EQ(target.At(1, y), 0xFFEDCBA9u);
    EXPECT_EQ(target.At(2, y), 0xFF123456u);
    EXPECT_EQ(target.At(3, y), 0xFF123456u);
  }
}

TEST(RasterOpDrawing, AOneBitMaskCutsAShapeOutOfAnImage) {
  // A 4 x 2 mask, rows of two bytes: white (kept) in the left half of the top row.
  const BYTE maskBits[] = {0xC0, 0x00, 0x00, 0x00};
  HBITMAP mask = CreateBitmap(4, 2, 1, 1, maskBits);
  HDC maskDc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(maskDc, mask);
  DibCanvas image(4, 2);
  image.Fill(0xFF3366CCu);
  EXPECT_TRUE(BitBlt(image.dc(), 0, 0, 4, 2, maskDc, 0, 0, SRCAND));
  const uint32_t expected[2][4] = {{0xFF3366CCu, 0xFF3366CCu, 0xFF000000u, 0xFF000000u},
                                   {0xFF000000u, 0xFF000000u, 0xFF000000u, 0xFF000000u}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(image.At(x, y), expected[y][x]) << x << "," << y;
  SelectObject(maskDc, previous);
  DeleteDC(maskDc);
  DeleteObject(mask);
}

}  // namespace
