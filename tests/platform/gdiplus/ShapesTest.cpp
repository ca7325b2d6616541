#include <gtest/gtest.h>

#include <cmath>

#include "platform/gdiplus/GdiPlus.h"

using namespace Gdiplus;

namespace {

constexpr double kPi = 3.14159265358979323846;

int Alpha(const Bitmap& bitmap, int x, int y) {
  Color c;
  bitmap.GetPixel(x, y, &c);
  return c.GetA();
}

// Covered area in pixels, partial pixels counted by their alpha.
double Coverage(const Bitmap& bitmap) {
  double sum = 0;
  for (UINT y = 0; y < bitmap.GetHeight(); ++y)
    for (UINT x = 0; x < bitmap.GetWidth(); ++x) sum += Alpha(bitmap, static_cast<int>(x), static_cast<int>(y)) / 255.0;
  return sum;
}

struct PieCase {
  const char* what;
  REAL start, sweep;
  POINT inside;   // a point the sector covers
  POINT outside;  // a point of the circle it leaves out
};

// The ring sectors of the pass-rate chart: circle (28, 27, 150, 150), centre (103, 102);
// angles run clockwise from +x because y points down.
TEST(FillPie, SectorsCoverTheirShareOfTheCircle) {
  const PieCase cases[] = {
      {"upper-left quarter from 180", 180, 90, {50, 60}, {150, 150}},
      {"lower-right quarter from 0", 0, 90, {150, 150}, {50, 60}},
      {"lower half from 0", 0, 180, {60, 150}, {103, 50}},
      {"three quarters from 180", 180, 270, {150, 150}, {60, 150}},
      {"negative sweep runs anticlockwise", 0, -90, {150, 60}, {150, 150}},
  };
  for (const PieCase& c : cases) {
    Bitmap bitmap(206, 204);
    {
      Graphics g(&bitmap);
      g.SetSmoothingMode(SmoothingModeAntiAlias);
      SolidBrush brush(Color(0xff078fd6));
      ASSERT_EQ(g.FillPie(&brush, 28, 27, 150, 150, c.start, c.sweep), Ok) << c.what;
    }
    EXPECT_EQ(Alpha(bitmap, c.inside.x, c.inside.y), 255) << c.what;
    EXPECT_EQ(Alpha(bitmap, c.outside.x, c.outside.y), 0) << c.what;
    double expected = kPi * 75 * 75 * std::fabs(c.sweep) / 360;
    EXPECT_NEAR(Coverage(bitmap), expected, expected * 0.01) << c.what;
    Color colour;
    bitmap.GetPixel(c.inside.x, c.inside.y, &colour);
    EXPECT_EQ(colour.GetValue(), 0xff078fd6u) << c.what;
  }
}

TEST(FillPie, FullCircleAndNothingBeyondIt) {
  Bitmap bitmap(120, 120);
  Graphics g(&bitmap);
  SolidBrush brush(Color(0xff34f35d));
  g.FillPie(&brush, 5, 5, 110, 110, 180, 360);
  EXPECT_EQ(Alpha(bitmap, 60, 60), 255);
  EXPECT_EQ(Alpha(bitmap, 6, 6), 0);      // the bounding box's corner
  EXPECT_EQ(Alpha(bitmap, 60, 3), 0);     // above the circle
  EXPECT_EQ(Alpha(bitmap, 60, 7), 255);   // just inside its top
  EXPECT_NEAR(Coverage(bitmap), kPi * 55 * 55, kPi * 55 * 55 * 0.01);
}

struct EllipseCase {
  REAL x, y, width, height;
};

TEST(FillEllipse, AreaAndBounds) {
  const EllipseCase cases[] = {{68, 67, 70, 70}, {10, 20, 120, 60}, {0, 0, 31, 9}};
  for (const EllipseCase& c : cases) {
    Bitmap bitmap(200, 160);
    {
      Graphics g(&bitmap);
      SolidBrush brush(Color(0xff01154c));
      g.FillEllipse(&brush, c.x, c.y, c.width, c.height);
    }
    double expected = kPi * c.width * c.height / 4;
    EXPECT_NEAR(Coverage(bitmap), expected, expected * 0.02) << c.width << "x" << c.height;
    int cx = static_cast<int>(c.x + c.width / 2), cy = static_cast<int>(c.y + c.height / 2);
    EXPECT_EQ(Alpha(bitmap, cx, cy), 255);
    EXPECT_EQ(Alpha(bitmap, static_cast<int>(c.x) - 1 < 0 ? 0 : static_cast<int>(c.x) - 1, cy),
              c.x >= 1 ? 0 : Alpha(bitmap, 0, cy));
    EXPECT_EQ(Alpha(bitmap, static_cast<int>(c.x + c.width) + 1, cy), 0);
  }
}

TEST(Pen, OnePixelLinesOnIntegerCoordinatesAreCrisp) {
  Bitmap bitmap(20, 10);
  {
    Graphics g(&bitmap);
    Pen pen(Color(255, 255, 0, 0), 1);
    g.DrawLine(&pen, 2, 5, 17, 5);
  }
  EXPECT_EQ(Alpha(bitmap, 5, 5), 255);
  EXPECT_EQ(Alpha(bitmap, 5, 4), 0);
  EXPECT_EQ(Alpha(bitmap, 5, 6), 0);
}

struct DashCase {
  DashStyle style;
  int on, off;  // first run lengths along the line, for a pen 2 wide
};

TEST(Pen, DashLengthsAreMultiplesOfTheWidth) {
  const DashCase cases[] = {{DashStyleSolid, 60, 0}, {DashStyleDash, 6, 2}, {DashStyleDot, 2, 2}, {DashStyleDashDot, 6, 2}};
  for (const DashCase& c : cases) {
    Bitmap bitmap(80, 10);
    {
      Graphics g(&bitmap);
      Pen pen(Color(255, 0, 0, 0), 2);
      pen.SetDashStyle(c.style);
      // Pixel centres lie on integers: this line's ends fall on pixel edges 10 and 70.
      g.DrawLine(&pen, 9.5f, 4.5f, 69.5f, 4.5f);
    }
    int x = 10;
    int on = 0;
    while (x < 80 && Alpha(bitmap, x, 5) > 127) ++on, ++x;
    int off = 0;
    while (x < 70 && Alpha(bitmap, x, 5) <= 127) ++off, ++x;
    EXPECT_EQ(on, c.on) << c.style;
    EXPECT_EQ(off, c.off) << c.style;
  }
}

TEST(Pen, InsetRectangleStaysInside) {
  Bitmap bitmap(30, 30);
  {
    Graphics g(&bitmap);
    Pen pen(Color(255, 0, 0, 255), 3);
    pen.SetAlignment(PenAlignmentInset);
    g.DrawRectangle(&pen, 5, 5, 19, 19);  // the rectangle (5, 5, width - 1, height - 1) of 20 x 20 pixels
  }
  EXPECT_EQ(Alpha(bitmap, 5, 5), 255);
  EXPECT_EQ(Alpha(bitmap, 7, 12), 255);
  EXPECT_EQ(Alpha(bitmap, 8, 12), 0);
  EXPECT_EQ(Alpha(bitmap, 24, 24), 255);
  EXPECT_EQ(Alpha(bitmap, 4, 12), 0);
  EXPECT_EQ(Alpha(bitmap, 25, 12), 0);
}

TEST(GraphicsPath, RoundRectangleOutline) {
  // The renderer's rounded rectangle: four lines joined by quarter arcs.
  Bitmap bitmap(60, 40);
  {
    Graphics g(&bitmap);
    GraphicsPath path;
    const int l = 0, t = 0, r = 60, b = 40, cx = 8, cy = 8, rx = 16, ry = 16;
    path.AddLine(l, b - cy, l, t + cy);
    path.AddArc(l, t, rx, ry, 180, 90);
    path.AddLine(l + cx, t, r - cx, t);
    path.AddArc(r - rx - 1, t, rx, ry, 270, 90);
    path.AddLine(r - 1, t + cy, r - 1, b - cy);
    path.AddArc(r - rx - 1, b - ry - 1, rx, ry, 0, 90);
    path.AddLine(r - cx, b - 1, l + cx, b - 1);
    path.AddArc(l, b - ry - 1, rx, ry, 90, 90);
    Pen pen(Color(255, 0, 0, 0), 1);
    ASSERT_EQ(g.DrawPath(&pen, &path), Ok);
  }
  EXPECT_EQ(Alpha(bitmap, 30, 0), 255);   // top edge
  EXPECT_EQ(Alpha(bitmap, 0, 20), 255);   // left edge
  EXPECT_EQ(Alpha(bitmap, 59, 20), 255);  // right edge
  EXPECT_EQ(Alpha(bitmap, 30, 39), 255);  // bottom edge
  EXPECT_EQ(Alpha(bitmap, 0, 0), 0);      // the corner is rounded off
  EXPECT_EQ(Alpha(bitmap, 30, 20), 0);    // only the outline
}

}  // namespace
