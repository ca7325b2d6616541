#include <gtest/gtest.h>

#include "DibCanvas.h"
#include "platform/gdi/Gdi.h"

namespace {

constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kBlue = 0xFF0000FFu;

struct LineCase {
  const char* what;
  POINT from, to;
  RECT covered;  // exactly these pixels are drawn
};

TEST(LineTo, DrawsUpToButNotIncludingTheEndPoint) {
  const LineCase cases[] = {
      {"rightwards", {2, 3}, {8, 3}, {2, 3, 8, 4}},
      {"leftwards", {8, 3}, {2, 3}, {3, 3, 9, 4}},
      {"downwards", {4, 1}, {4, 7}, {4, 1, 5, 7}},
      {"upwards", {4, 7}, {4, 1}, {4, 2, 5, 8}},
  };
  for (const LineCase& c : cases) {
    DibCanvas canvas(12, 10);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(canvas.dc(), pen);
    POINT previous{};
    MoveToEx(canvas.dc(), c.from.x, c.from.y, &previous);
    EXPECT_EQ(previous.x, 0) << c.what;
    ASSERT_TRUE(LineTo(canvas.dc(), c.to.x, c.to.y));
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 12; ++x) {
        bool inside = x >= c.covered.left && x < c.covered.right && y >= c.covered.top && y < c.covered.bottom;
        ASSERT_EQ(canvas.At(x, y) == kRed, inside) << c.what << " at " << x << "," << y;
      }
    SelectObject(canvas.dc(), old);
    DeleteObject(pen);
  }
}

TEST(Rectangle, PenFramesAndBrushFills) {
  DibCanvas canvas(12, 12);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
  HGDIOBJ oldPen = SelectObject(canvas.dc(), pen);
  HGDIOBJ oldBrush = SelectObject(canvas.dc(), brush);
  ASSERT_TRUE(Rectangle(canvas.dc(), 2, 2, 10, 8));
  EXPECT_EQ(canvas.At(2, 2), kRed);
  EXPECT_EQ(canvas.At(9, 7), kRed);
  EXPECT_EQ(canvas.At(5, 2), kRed);
  EXPECT_EQ(canvas.At(3, 3), kBlue);
  EXPECT_EQ(canvas.At(8, 6), kBlue);
  EXPECT_EQ(canvas.At(10, 5), 0u);
  EXPECT_EQ(canvas.At(5, 8), 0u);
  // Without a pen the fill stops a pixel short.
  SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
  canvas.Fill(0);
  Rectangle(canvas.dc(), 2, 2, 10, 8);
  EXPECT_EQ(canvas.At(2, 2), kBlue);
  EXPECT_EQ(canvas.At(8, 6), kBlue);
  EXPECT_EQ(canvas.At(9, 6), 0u);
  SelectObject(canvas.dc(), oldPen);
  SelectObject(canvas.dc(), oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

TEST(FillRect, SystemColourIndexAndFrame) {
  DibCanvas canvas(6, 6);
  RECT all{0, 0, 6, 6};
  ASSERT_TRUE(FillRect(canvas.dc(), &all, reinterpret_cast<HBRUSH>(static_cast<intptr_t>(COLOR_WINDOW + 1))));
  EXPECT_EQ(canvas.At(5, 5), 0xFFFFFFFFu);
  // The hollow brush paints nothing; a handle that is no brush fails.
  EXPECT_TRUE(FillRect(canvas.dc(), &all, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))));
  EXPECT_EQ(canvas.At(5, 5), 0xFFFFFFFFu);
  HRGN notABrush = CreateRectRgn(0, 0, 1, 1);
  EXPECT_FALSE(FillRect(canvas.dc(), &all, reinterpret_cast<HBRUSH>(notABrush)));
  DeleteObject(notABrush);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT inner{1, 1, 5, 5};
  FrameRect(canvas.dc(), &inner, red);
  EXPECT_EQ(canvas.At(1, 1), kRed);
  EXPECT_EQ(canvas.At(4, 4), kRed);
  EXPECT_EQ(canvas.At(2, 2), 0xFFFFFFFFu);
  EXPECT_EQ(canvas.At(5, 5), 0xFFFFFFFFu);
  DeleteObject(red);
}

TEST(PixelsAndEllipses, ReadBackAndCoverage) {
  DibCanvas canvas(40, 40);
  EXPECT_EQ(SetPixel(canvas.dc(), 3, 4, RGB(1, 2, 3)), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(canvas.dc(), 3, 4), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(canvas.dc(), 40, 0), CLR_INVALID);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  HGDIOBJ old = SelectObject(canvas.dc(), red);
  SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
  Ellipse(canvas.dc(), 0, 0, 40, 40);
  int covered = canvas.CountNot(0, RECT{0, 0, 40, 40});
  EXPECT_NEAR(covered, 3.14159 * 20 * 20, 3.14159 * 20 * 20 * 0.08);
  EXPECT_EQ(canvas.At(20, 20), kRed);
  EXPECT_EQ(canvas.At(0, 0), 0u);
  SelectObject(canvas.dc(), old);
  DeleteObject(red);
}

}  // namespace
