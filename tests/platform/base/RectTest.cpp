#include <gtest/gtest.h>

#include "platform/base/Rect.h"
#include "testing/base/RectValues.h"

namespace {

RECT R(LONG left, LONG top, LONG right, LONG bottom) { return RECT{left, top, right, bottom}; }

TEST(Rect, Emptiness) {
  struct Case {
    RECT rect;
    bool empty;
  } cases[] = {
      {R(0, 0, 10, 10), false}, {R(0, 0, 0, 10), true},   {R(0, 0, 10, 0), true},
      {R(5, 5, 4, 10), true},   {R(-5, -5, -4, -4), false}, {R(0, 0, 1, 1), false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsRectEmpty(&c.rect) != FALSE, c.empty);
  EXPECT_TRUE(IsRectEmpty(nullptr));
}

TEST(Rect, PointInsideIsHalfOpen) {
  const RECT rect = R(10, 20, 30, 40);
  struct Case {
    POINT pt;
    bool inside;
  } cases[] = {
      {{10, 20}, true},  {{29, 39}, true},  {{30, 20}, false},
      {{10, 40}, false}, {{9, 25}, false},  {{15, 19}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PtInRect(&rect, c.pt) != FALSE, c.inside) << c.pt.x << "," << c.pt.y;
  }
  const RECT empty = R(5, 5, 5, 5);
  EXPECT_FALSE(PtInRect(&empty, POINT{5, 5}));
}

TEST(Rect, SettingMovingAndGrowing) {
  RECT rect;
  ASSERT_TRUE(SetRect(&rect, 1, 2, 3, 4));
  EXPECT_EQ(rect, R(1, 2, 3, 4));
  OffsetRect(&rect, 10, -2);
  EXPECT_EQ(rect, R(11, 0, 13, 2));
  InflateRect(&rect, 1, 2);
  EXPECT_EQ(rect, R(10, -2, 14, 4));
  InflateRect(&rect, -3, -3);
  EXPECT_EQ(rect, R(13, 1, 11, 1));
  EXPECT_TRUE(IsRectEmpty(&rect));
  RECT copy;
  ASSERT_TRUE(CopyRect(&copy, &rect));
  EXPECT_EQ(copy, rect);
  SetRectEmpty(&copy);
  EXPECT_EQ(copy, R(0, 0, 0, 0));
  EXPECT_FALSE(EqualRect(&copy, nullptr));
  EXPECT_FALSE(SetRect(nullptr, 0, 0, 1, 1));
}

TEST(Rect, IntersectUnionSubtract) {
  struct Case {
    const char* what;
    RECT a, b;
    bool intersects;
    RECT intersection;
    RECT unionRect;
    bool subtractNonEmpty;
    RECT difference;
  } cases[] = {
      {"overlapping corner", R(0, 0, 10, 10), R(5, 5, 15, 15), true, R(5, 5, 10, 10),
       R(0, 0, 15, 15), true, R(0, 0, 10, 10)},
      {"disjoint", R(0, 0, 10, 10), R(20, 20, 30, 30), false, R(0, 0, 0, 0), R(0, 0, 30, 30),
       true, R(0, 0, 10, 10)},
      {"touching edges do not intersect", R(0, 0, 10, 10), R(10, 0, 20, 10), false,
       R(0, 0, 0, 0), R(0, 0, 20, 10), true, R(0, 0, 10, 10)},
      {"b inside a", R(0, 0, 10, 10), R(2, 2, 4, 4), true, R(2, 2, 4, 4), R(0, 0, 10, 10), true,
       R(0, 0, 10, 10)},
      {"b covers a", R(2, 2, 4, 4), R(0, 0, 10, 10), true, R(2, 2, 4, 4), R(0, 0, 10, 10), false,
       R(0, 0, 0, 0)},
      {"b takes the left side", R(0, 0, 10, 10), R(-5, -1, 3, 11), true, R(0, 0, 3, 10),
       R(-5, -1, 10, 11), true, R(3, 0, 10, 10)},
      {"b takes the right side", R(0, 0, 10, 10), R(6, 0, 12, 10), true, R(6, 0, 10, 10),
       R(0, 0, 12, 10), true, R(0, 0, 6, 10)},
      {"b takes the top", R(0, 0, 10, 10), R(0, -3, 10, 4), true, R(0, 0, 10, 4),
       R(0, -3, 10, 10), true, R(0, 4, 10, 10)},
      {"b takes the bottom", R(0, 0, 10, 10), R(-1, 7, 11, 20), true, R(0, 7, 10, 10),
       R(-1, 0, 11, 20), true, R(0, 0, 10, 7)},
      {"b cuts a band through the middle", R(0, 0, 10, 10), R(4, -1, 6, 11), true,
       R(4, 0, 6, 10), R(0, -1, 10, 11), true, R(0, 0, 10, 10)},
      {"a empty", R(5, 5, 5, 9), R(0, 0, 10, 10), false, R(0, 0, 0, 0), R(0, 0, 10, 10), false,
       R(0, 0, 0, 0)},
      {"b empty is ignored by union", R(1, 1, 3, 3), R(50, 50, 50, 60), false, R(0, 0, 0, 0),
       R(1, 1, 3, 3), true, R(1, 1, 3, 3)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RECT out = R(-99, -99, -99, -99);
    EXPECT_EQ(IntersectRect(&out, &c.a, &c.b) != FALSE, c.intersects);
    EXPECT_EQ(out, c.intersection);
    out = R(-99, -99, -99, -99);
    EXPECT_TRUE(UnionRect(&out, &c.a, &c.b));
    EXPECT_EQ(out, c.unionRect);
    out = R(-99, -99, -99, -99);
    EXPECT_EQ(SubtractRect(&out, &c.a, &c.b) != FALSE, c.subtractNonEmpty);
    EXPECT_EQ(out, c.difference);
  }
}

TEST(Rect, UnionOfTwoEmptyRectanglesIsEmpty) {
  const RECT a = R(3, 3, 3, 3);
  const RECT b = R(9, 9, 1, 1);
  RECT out = R(1, 2, 3, 4);
  EXPECT_FALSE(UnionRect(&out, &a, &b));
  EXPECT_EQ(out, R(0, 0, 0, 0));
}

}  // namespace
