#include <gtest/gtest.h>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Region.h"

namespace {

struct RoundCase {
  int x, y;
  bool inside;
};

// CreateRoundRectRgn(0, 0, 41, 31, 20, 20): the region is 40 x 30 (one less than
// asked, as callers that pass right + 1 rely on) with 10-pixel corner radii.
TEST(RoundRectRegion, CornersFollowTheEllipse) {
  HRGN rgn = CreateRoundRectRgn(0, 0, 41, 31, 20, 20);
  const RoundCase cases[] = {
      {0, 0, false},   {39, 0, false},  {0, 29, false}, {39, 29, false},  // the corners are cut
      {1, 1, false},   {2, 2, false},   {3, 3, true},   {36, 26, true},  {37, 27, false},  // the diagonal
      {10, 0, true},   {0, 10, true},   {20, 0, true},  {39, 15, true},   // straight edges are whole
      {9, 0, true},    {3, 0, false},   {0, 3, false},                    // along the top row
      {40, 15, false}, {20, 30, false},                                   // right and bottom stop one short
      {20, 15, true},
  };
  for (const RoundCase& c : cases) EXPECT_EQ(PtInRegion(rgn, c.x, c.y) != 0, c.inside) << c.x << "," << c.y;
  RECT box;
  EXPECT_EQ(GetRgnBox(rgn, &box), COMPLEXREGION);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, 40);
  EXPECT_EQ(box.bottom, 30);
  DeleteObject(rgn);
}

TEST(RoundRectRegion, CornersAreSymmetric) {
  HRGN rgn = CreateRoundRectRgn(10, 20, 71, 61, 16, 12);
  for (int dy = 0; dy < 40; ++dy)
    for (int dx = 0; dx < 60; ++dx) {
      bool here = PtInRegion(rgn, 10 + dx, 20 + dy);
      ASSERT_EQ(here, PtInRegion(rgn, 10 + 59 - dx, 20 + dy) != 0) << dx << "," << dy;
      ASSERT_EQ(here, PtInRegion(rgn, 10 + dx, 20 + 39 - dy) != 0) << dx << "," << dy;
    }
  DeleteObject(rgn);
}

TEST(RoundRectRegion, TinyCornersGiveARectangle) {
  HRGN rgn = CreateRoundRectRgn(0, 0, 11, 11, 0, 0);
  RECT box;
  EXPECT_EQ(GetRgnBox(rgn, &box), SIMPLEREGION);
  EXPECT_EQ(box.right, 10);
  EXPECT_TRUE(PtInRegion(rgn, 0, 0));
  DeleteObject(rgn);
}

struct CombineCase {
  int mode;
  int kind;
  RECT box;
  POINT in;
  POINT out;
};

TEST(CombineRgn, ModesTable) {
  // A = (0,0)-(20,20), B = (10,10)-(30,30).
  const CombineCase cases[] = {
      {RGN_AND, SIMPLEREGION, {10, 10, 20, 20}, {15, 15}, {5, 5}},
      {RGN_OR, COMPLEXREGION, {0, 0, 30, 30}, {25, 25}, {25, 5}},
      {RGN_DIFF, COMPLEXREGION, {0, 0, 20, 20}, {5, 15}, {15, 15}},
      {RGN_XOR, COMPLEXREGION, {0, 0, 30, 30}, {25, 25}, {15, 15}},
      {RGN_COPY, SIMPLEREGION, {0, 0, 20, 20}, {5, 5}, {25, 25}},
  };
  for (const CombineCase& c : cases) {
    HRGN a = CreateRectRgn(0, 0, 20, 20);
    HRGN b = CreateRectRgn(10, 10, 30, 30);
    HRGN dst = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(dst, a, b, c.mode), c.kind) << c.mode;
    RECT box;
    GetRgnBox(dst, &box);
    EXPECT_EQ(box.left, c.box.left) << c.mode;
    EXPECT_EQ(box.top, c.box.top) << c.mode;
    EXPECT_EQ(box.right, c.box.right) << c.mode;
    EXPECT_EQ(box.bottom, c.box.bottom) << c.mode;
    EXPECT_TRUE(PtInRegion(dst, c.in.x, c.in.y)) << c.mode;
    EXPECT_FALSE(PtInRegion(dst, c.out.x, c.out.y)) << c.mode;
    DeleteObject(a);
    DeleteObject(b);
    DeleteObject(dst);
  }
}

TEST(CombineRgn, DisjointAndGivesNullRegion) {
  HRGN a = CreateRectRgn(0, 0, 5, 5);
  HRGN b = CreateRectRgn(10, 10, 15, 15);
  EXPECT_EQ(CombineRgn(a, a, b, RGN_AND), NULLREGION);
  RECT box{1, 1, 1, 1};
  EXPECT_EQ(GetRgnBox(a, &box), NULLREGION);
  EXPECT_EQ(box.right, 0);
  DeleteObject(a);
  DeleteObject(b);
}

TEST(Regions, OffsetAndStaleHandles) {
  RECT rect{0, 0, 10, 10};
  HRGN rgn = CreateRectRgnIndirect(&rect);
  EXPECT_EQ(OffsetRgn(rgn, 5, -5), SIMPLEREGION);
  EXPECT_TRUE(PtInRegion(rgn, 14, 4));
  EXPECT_FALSE(PtInRegion(rgn, 4, 4));
  EXPECT_TRUE(DeleteObject(rgn));
  // A deleted handle is refused rather than used.
  EXPECT_FALSE(PtInRegion(rgn, 14, 4));
  EXPECT_EQ(OffsetRgn(rgn, 1, 1), ERROR);
  EXPECT_FALSE(DeleteObject(rgn));
}

TEST(Regions, PixmanRoundTrip) {
  HRGN rgn = CreateRoundRectRgn(0, 0, 21, 21, 10, 10);
  HRGN copy = platform::gdi::RegionFromPixman(platform::gdi::RegionPixman(rgn));
  EXPECT_TRUE(EqualRgn(rgn, copy));
  pixman_region32_t square;
  pixman_region32_init_rect(&square, 0, 0, 3, 3);
  EXPECT_TRUE(platform::gdi::RegionAssign(copy, &square));
  EXPECT_FALSE(EqualRgn(rgn, copy));
  EXPECT_TRUE(PtInRegion(copy, 0, 0));
  pixman_region32_fini(&square);
  EXPECT_EQ(platform::gdi::RegionPixman(nullptr), nullptr);
  DeleteObject(rgn);
  DeleteObject(copy);
}

}  // namespace
