#include "ui/core/types/CUIRect.h"

#include <gtest/gtest.h>

#include "ui/core/types/CUISize.h"

using SkinUI::CUIRect;

namespace {

void ExpectRect(const RECT& expected, const RECT& actual) {
  EXPECT_EQ(expected.left, actual.left);
  EXPECT_EQ(expected.top, actual.top);
  EXPECT_EQ(expected.right, actual.right);
  EXPECT_EQ(expected.bottom, actual.bottom);
}

TEST(CUIRectGeometry, JoinTakesTheOuterEdgesEvenOfEmptyRectangles) {
  struct Case {
    RECT a;
    RECT b;
    RECT joined;
  } cases[] = {
      {{0, 0, 10, 10}, {5, 5, 20, 20}, {0, 0, 20, 20}},
      {{5, 5, 20, 20}, {0, 0, 10, 10}, {0, 0, 20, 20}},
      {{10, 10, 20, 20}, {0, 0, 0, 0}, {0, 0, 20, 20}},  // an empty rectangle still counts
      {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
      {{-5, 3, 2, 4}, {1, -7, 3, 0}, {-5, -7, 3, 4}},
  };
  for (const Case& c : cases) {
    CUIRect r(c.a);
    r.Join(c.b);
    ExpectRect(c.joined, r);
  }
}

TEST(CUIRectGeometry, SizesOffsetsAndOrigin) {
  CUIRect r(10, 20, 40, 25);
  EXPECT_EQ(30, r.GetWidth());
  EXPECT_EQ(5, r.GetHeight());
  EXPECT_TRUE(r.Offset(-3, 4));
  ExpectRect(RECT{7, 24, 37, 29}, r);
  r.MoveToOrigin();
  ExpectRect(RECT{0, 0, 30, 5}, r);
  ExpectRect(RECT{0, 0, 0, 0}, CUIRect());
  CUIRect inverted(5, 5, 1, 1);
  EXPECT_EQ(-4, inverted.GetWidth());

  const SkinUI::CUISize fromPoint(POINT{3, -4});
  EXPECT_EQ(3, fromPoint.cx);
  EXPECT_EQ(-4, fromPoint.cy);
  const SkinUI::CUISize fromSize(SIZE{7, 8});
  EXPECT_EQ(8, fromSize.cy);
  EXPECT_EQ(0, SkinUI::CUISize().cx);
}

}  // namespace
