// Skin pictures drawn as nine-grids: pieces, tiling, the hole, the plain copy, the
// paint rectangle and the extents a too small picture or destination gives. Sources
// are colour-coded so that every pixel tells where it came from.
#include <gtest/gtest.h>

#include <functional>

#include "tests/ui/core/support/RenderTestSupport.h"
#include "ui/core/render/CSkinRenderer.h"

namespace {

using rendertest::Canvas;
using rendertest::MakeBitmap;
using SkinUI::CSkinRenderer;

constexpr DWORD kWhite = 0xFFFFFFFF;
constexpr DWORD kTopLeft = 0xFFFF0000;
constexpr DWORD kTop = 0xFF00FF00;
constexpr DWORD kTopRight = 0xFF0000FF;
constexpr DWORD kLeft = 0xFFFFFF00;
constexpr DWORD kMiddle = 0xFFFF00FF;
constexpr DWORD kRight = 0xFF00FFFF;
constexpr DWORD kBottomLeft = 0xFF800000;
constexpr DWORD kBottom = 0xFF008000;
constexpr DWORD kBottomRight = 0xFF000080;
constexpr DWORD kMarker = 0xFF101010;
constexpr DWORD kSecondMarker = 0xFFE0E0E0;

// A 30 x 30 picture whose nine zones (corners of 5) each have their own colour.
DWORD Zone(int x, int y) {
  const int col = x < 5 ? 0 : (x < 25 ? 1 : 2);
  const int row = y < 5 ? 0 : (y < 25 ? 1 : 2);
  static const DWORD kZones[3][3] = {
      {kTopLeft, kTop, kTopRight}, {kLeft, kMiddle, kRight}, {kBottomLeft, kBottom, kBottomRight}};
  return kZones[row][col];
}

class Bitmap {
 public:
  Bitmap(int width, int height, const std::function<DWORD(int, int)>& pixel)
      : handle_(MakeBitmap(width, height, pixel)) {}
  ~Bitmap() { DeleteObject(handle_); }
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;
  HBITMAP Handle() const { return handle_; }

 private:
  HBITMAP handle_;
};

struct PiecesCase {
  const char* name;
  bool alpha;
};

class NineGridPieces : public ::testing::TestWithParam<PiecesCase> {};

TEST_P(NineGridPieces, EveryPieceLandsInItsPlace) {
  Bitmap source(30, 30, Zone);
  Canvas canvas(130, 80);
  const RECT dest = {10, 10, 110, 70};
  CSkinRenderer::DrawBitmap(canvas.DC(), source.Handle(), dest, RECT{0, 0, 130, 80}, RECT{0, 0, 30, 30},
                            RECT{5, 5, 5, 5}, GetParam().alpha);
  struct Expect {
    RECT area;
    DWORD colour;
  };
  const Expect pieces[] = {
      {{10, 10, 15, 15}, kTopLeft},    {{15, 10, 105, 15}, kTop},    {{105, 10, 110, 15}, kTopRight},
      {{10, 15, 15, 65}, kLeft},       {{15, 15, 105, 65}, kMiddle}, {{105, 15, 110, 65}, kRight},
      {{10, 65, 15, 70}, kBottomLeft}, {{15, 65, 105, 70}, kBottom}, {{105, 65, 110, 70}, kBottomRight},
  };
  for (const Expect& piece : pieces) {
    const int size = (piece.area.right - piece.area.left) * (piece.area.bottom - piece.area.top);
    EXPECT_EQ(canvas.Count(piece.area, piece.colour), size)
        << std::hex << piece.colour << " at " << std::dec << piece.area.left << "," << piece.area.top;
  }
  EXPECT_TRUE(canvas.OnlyInside(dest, kWhite));
}

INSTANTIATE_TEST_SUITE_P(Modes, NineGridPieces,
                         ::testing::Values(PiecesCase{"Copied", false}, PiecesCase{"Blended", true}),
                         [](const ::testing::TestParamInfo<PiecesCase>& info) { return info.param.name; });

TEST(NineGrid, AHoleLeavesOnlyTheFrame) {
  Bitmap source(30, 30, Zone);
  Canvas canvas(60, 60);
  const RECT dest = {0, 0, 60, 60};
  CSkinRenderer::DrawBitmap(canvas.DC(), source.Handle(), dest, dest, RECT{0, 0, 30, 30}, RECT{5, 5, 5, 5}, false, 255,
                            true);
  EXPECT_EQ(canvas.Count(RECT{5, 5, 55, 55}, kWhite), 50 * 50) << "the middle is not drawn";
  EXPECT_EQ(canvas.Count(RECT{5, 0, 55, 5}, kTop), 50 * 5);
  EXPECT_EQ(canvas.Count(RECT{0, 5, 5, 55}, kLeft), 50 * 5);
  EXPECT_EQ(canvas.Count(RECT{55, 55, 60, 60}, kBottomRight), 25);
}

// Checks every pixel of the middle against the source coordinate it must show: along
// a tiled axis the offset modulo the middle's size, along a stretched one any place
// (the sources vary only along their tiled axes).
void ExpectTiles(const Canvas& canvas, const RECT& middle, int mw, int mh, bool tiledX, bool tiledY,
                 const std::function<DWORD(int, int)>& pattern) {
  int wrong = 0;
  for (int y = middle.top; y < middle.bottom; ++y) {
    for (int x = middle.left; x < middle.right; ++x) {
      const int sx = tiledX ? (x - middle.left) % mw : 0;
      const int sy = tiledY ? (y - middle.top) % mh : 0;
      if (canvas.Pixel(x, y) != pattern(sx, sy) && ++wrong < 4) {
        ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << canvas.Pixel(x, y);
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

DWORD ColumnPattern(int x, int) { return x == 0 ? kMarker : (x == 5 ? kSecondMarker : kMiddle); }
DWORD RowPattern(int, int y) { return ColumnPattern(y, 0); }
DWORD CrossPattern(int x, int y) { return x == 0 || y == 0 ? kMarker : (x == 5 || y == 5 ? kSecondMarker : kMiddle); }

TEST(NineGrid, HorizontalTilesRepeatTheMiddleAndCutTheLastOne) {
  // A 30-pixel middle over 100 pixels: tiles at 0, 30, 60 and 90, the last 10 wide,
  // each as high as the middle (the source's 10 rows stretched to 20).
  Bitmap source(30, 10, ColumnPattern);
  Canvas canvas(110, 25);
  CSkinRenderer::DrawBitmap(canvas.DC(), source.Handle(), RECT{0, 0, 100, 20}, RECT{0, 0, 110, 25}, RECT{0, 0, 30, 10},
                            RECT{0, 0, 0, 0}, false, 255, false, true, false);
  ExpectTiles(canvas, RECT{0, 0, 100, 20}, 30, 10, true, false, ColumnPattern);
  EXPECT_EQ(canvas.Pixel(95, 10), kSecondMarker) << "the last tile is cut, not squeezed";
  EXPECT_TRUE(canvas.OnlyInside(RECT{0, 0, 100, 20}, kWhite));
}

TEST(NineGrid, VerticalTilesRepeatTheMiddleAndCutTheLastOne) {
  Bitmap source(10, 30, RowPattern);
  Canvas canvas(25, 110);
  CSkinRenderer::DrawBitmap(canvas.DC(), source.Handle(), RECT{0, 0, 20, 100}, RECT{0, 0, 25, 110}, RECT{0, 0, 10, 30},
                            RECT{0, 0, 0, 0}, true, 255, false, false, true);
  ExpectTiles(canvas, RECT{0, 0, 20, 100}, 10, 30, false, true, RowPattern);
  EXPECT_EQ(canvas.Pixel(10, 95), kSecondMarker);
  EXPECT_TRUE(canvas.OnlyInside(RECT{0, 0, 20, 100}, kWhite));
}

struct BothTiledCase {
  const char* name;
  bool alpha;
};

class NineGridTiledBothWays : public ::testing::TestWithParam<BothTiledCase> {};

TEST_P(NineGridTiledBothWays, TilesStartAtTheMiddlesCornerBehindStretchedEdges) {
  // A 40 x 40 picture with corners of 5 around a 30 x 30 middle holding the pattern.
  Bitmap source(40, 40, [](int x, int y) {
    if (x < 5 || x >= 35 || y < 5 || y >= 35) return kTop;
    return CrossPattern(x - 5, y - 5);
  });
  Canvas canvas(120, 90);
  const RECT dest = {0, 0, 110, 80};
  CSkinRenderer::DrawBitmap(canvas.DC(), source.Handle(), dest, dest, RECT{0, 0, 40, 40}, RECT{5, 5, 5, 5},
                            GetParam().alpha, 255, false, true, true);
  ExpectTiles(canvas, RECT{5, 5, 105, 75}, 30, 30, true, true, CrossPattern);
  EXPECT_EQ(canvas.Count(RECT{5, 0, 105, 5}, kTop), 100 * 5) << "edges stretched";
  EXPECT_TRUE(canvas.OnlyInside(dest, kWhite));
}

INSTANTIATE_TEST_SUITE_P(Modes, NineGridTiledBothWays,
                         ::testing::Values(BothTiledCase{"Copied", false}, BothTiledCase{"Blended", true}),
                         [](const ::testing::TestParamInfo<BothTiledCase>& info) { return info.param.name; });

struct OneToOneCase {
  const char* name;
  bool alpha;
  int drawnPixels;  // of the picture's 20 x 20
};

class NineGridOneToOne : public ::testing::TestWithParam<OneToOneCase> {};

TEST_P(NineGridOneToOne, AnOpaqueUncorneredPictureOfItsOwnSizeIsOnePlainCopy) {
  // Hole and tiling are asked for: the plain copy ignores them and copies only the
  // part inside the paint rectangle; blending honours the hole.
  Bitmap source(20, 20, [](int x, int y) { return x < 10 ? kLeft : kRight; });
  Canvas canvas(40, 40);
  const RECT dest = {10, 10, 30, 30};
  const RECT paint = {0, 0, 20, 40};
  CSkinRenderer::DrawBitmap(canvas.DC(), source.Handle(), dest, paint, RECT{0, 0, 20, 20}, RECT{0, 0, 0, 0},
                            GetParam().alpha, 255, true, true, true);
  const int drawn = canvas.Count(RECT{10, 10, 30, 30}, kLeft) + canvas.Count(RECT{10, 10, 30, 30}, kRight);
  EXPECT_EQ(drawn, GetParam().drawnPixels);
  EXPECT_TRUE(canvas.OnlyInside(RECT{10, 10, 20, 30}, kWhite));
}

INSTANTIATE_TEST_SUITE_P(Modes, NineGridOneToOne,
                         ::testing::Values(OneToOneCase{"OpaqueIsCopiedInsideThePaintRectangle", false, 10 * 20},
                                           OneToOneCase{"BlendedHonoursTheHole", true, 0}),
                         [](const ::testing::TestParamInfo<OneToOneCase>& info) { return info.param.name; });

TEST(NineGrid, OnlyPiecesMeetingThePaintRectangleAreDrawnButThoseWhole) {
  Bitmap source(30, 30, Zone);
  Canvas canvas(60, 60);
  CSkinRenderer::DrawBitmap(canvas.DC(), source.Handle(), RECT{0, 0, 60, 60}, RECT{0, 0, 3, 3}, RECT{0, 0, 30, 30},
                            RECT{5, 5, 5, 5}, false);
  EXPECT_EQ(canvas.Count(RECT{0, 0, 5, 5}, kTopLeft), 25) << "the device context's clip cuts, not the paint rectangle";
  EXPECT_TRUE(canvas.OnlyInside(RECT{0, 0, 5, 5}, kWhite));
}

TEST(NineGrid, APictureSmallerThanItsCornersDrawsNoMirroredMiddle) {
  // 8 pixels wide with left and right corners of 5: the middle's source width is -2.
  Bitmap source(8, 8, [](int x, int) { return x < 3 ? kLeft : (x < 5 ? kMiddle : kRight); });
  for (bool alpha : {false, true}) {
    Canvas canvas(40, 10);
    CSkinRenderer::DrawBitmap(canvas.DC(), source.Handle(), RECT{0, 0, 40, 10}, RECT{0, 0, 40, 10}, RECT{0, 0, 8, 8},
                              RECT{5, 0, 5, 0}, alpha);
    EXPECT_EQ(canvas.Count(RECT{5, 0, 35, 10}, kWhite), 30 * 10) << "alpha " << alpha;
    EXPECT_EQ(canvas.Count(RECT{0, 0, 3, 10}, kLeft), 30) << "alpha " << alpha;
    EXPECT_EQ(canvas.Count(RECT{37, 0, 40, 10}, kRight), 30) << "alpha " << alpha;
  }
}

TEST(NineGrid, AFadeBlendsEvenAnOpaquePicture) {
  Bitmap source(4, 4, [](int, int) { return 0xFFFF0000; });
  Canvas canvas(8, 8);
  CSkinRenderer::DrawBitmap(canvas.DC(), source.Handle(), RECT{0, 0, 8, 8}, RECT{0, 0, 8, 8}, RECT{0, 0, 4, 4},
                            RECT{0, 0, 0, 0}, false, 128);
  const DWORD pixel = canvas.Pixel(4, 4);
  EXPECT_EQ(pixel >> 16 & 0xFF, 0xFFu);
  EXPECT_NEAR(static_cast<int>(pixel >> 8 & 0xFF), 127, 1);
}

TEST(SkinRendererBitmap, DibSectionsAreTopDownAndThirtyTwoBits) {
  LPBYTE bits = nullptr;
  HBITMAP bitmap = CSkinRenderer::Create32BitDIB(nullptr, 3, 2, &bits);
  ASSERT_NE(bitmap, nullptr);
  ASSERT_NE(bits, nullptr);
  reinterpret_cast<DWORD*>(bits)[0] = 0xFF0000FF;  // the first row in memory
  BITMAP info = {};
  GetObjectW(bitmap, sizeof(info), &info);
  EXPECT_EQ(info.bmBitsPixel, 32);
  EXPECT_EQ(info.bmWidth, 3);
  Canvas canvas(3, 2);
  CSkinRenderer::DrawBitmap(canvas.DC(), bitmap, RECT{0, 0, 3, 2}, RECT{0, 0, 3, 2}, RECT{0, 0, 3, 2}, RECT{0, 0, 0, 0},
                            false);
  EXPECT_EQ(canvas.Pixel(0, 0), 0xFF0000FFu) << "the first row is the top";
  DeleteObject(bitmap);
  EXPECT_EQ(CSkinRenderer::Create32BitDIB(nullptr, 0, 5, &bits), nullptr);
  EXPECT_EQ(bits, nullptr);
}

}  // namespace
