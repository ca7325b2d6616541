// Colour adjustment, fills, gradients, strokes and clipping of the render engine,
// drawn into DIB sections and read back.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/ui/core/support/RenderTestSupport.h"
#include "ui/core/render/CSkinRenderer.h"

namespace {

using rendertest::Canvas;
using rendertest::Opaque;
using SkinUI::CSkinClip;
using SkinUI::CSkinRenderer;

constexpr DWORD kWhite = 0xFFFFFFFF;
constexpr DWORD kRed = 0xFFFF0000;
constexpr DWORD kBlue = 0xFF0000FF;

BYTE Byte(DWORD value, int shift) { return static_cast<BYTE>(value >> shift); }

// --- Colour adjustment ---

TEST(SkinRendererColor, NeutralAdjustmentReturnsTheColourBitForBit) {
  for (DWORD colour : {0x00000000u, 0xFF123456u, 0x80FEDCBAu, 0x01FFFFFFu, 0xFF808080u}) {
    EXPECT_EQ(CSkinRenderer::AdjustColor(colour, 180, 100, 100), colour) << std::hex << colour;
  }
}

TEST(SkinRendererColor, ZeroSaturationGivesAGreyOfTheSameLightness) {
  for (DWORD colour : {0xFF3366CCu, 0x80FF0000u, 0xFF10F020u}) {
    float h = 0, s = 0, l = 0;
    CSkinRenderer::RgbToHsl(colour, &h, &s, &l);
    const DWORD grey = CSkinRenderer::AdjustColor(colour, 180, 0, 100);
    EXPECT_EQ(grey >> 24, colour >> 24) << "alpha kept";
    EXPECT_EQ(Byte(grey, 0), Byte(grey, 8));
    EXPECT_EQ(Byte(grey, 8), Byte(grey, 16));
    EXPECT_NEAR(Byte(grey, 0), l * 255.0f, 1.0f) << std::hex << colour;
  }
}

struct HslCase {
  const char* name;
  DWORD colour;  // the lowest byte is read as red
  float h, s, l;
};

class SkinRendererHsl : public ::testing::TestWithParam<HslCase> {};

TEST_P(SkinRendererHsl, MeasuresHueInTheColorrefOrder) {
  const HslCase& c = GetParam();
  float h = -1, s = -1, l = -1;
  CSkinRenderer::RgbToHsl(c.colour, &h, &s, &l);
  EXPECT_NEAR(h, c.h, 0.01f);
  EXPECT_NEAR(s, c.s, 0.001f);
  EXPECT_NEAR(l, c.l, 0.001f);
}

INSTANTIATE_TEST_SUITE_P(Cases, SkinRendererHsl,
                         ::testing::Values(HslCase{"LowByteIsRed", 0x000000FF, 0, 1, 0.5f},
                                           HslCase{"MiddleByteIsGreen", 0x0000FF00, 120, 1, 0.5f},
                                           HslCase{"HighByteIsBlue", 0x00FF0000, 240, 1, 0.5f},
                                           HslCase{"AlphaIsIgnored", 0xFF0000FF, 0, 1, 0.5f},
                                           HslCase{"GreyHasNoHue", 0x00808080, 0, 0, 128.0f / 255},
                                           HslCase{"DarkSaturation", 0x00000080, 0, 1, 64.0f / 255},
                                           HslCase{"LightSaturation", 0x008080FF, 0, 1, 0.75098f}),
                         [](const ::testing::TestParamInfo<HslCase>& info) { return info.param.name; });

TEST(SkinRendererColor, HslRoundTripsReturnTheColour) {
  int failures = 0;
  for (DWORD r = 0; r < 256; r += 15) {
    for (DWORD g = 0; g < 256; g += 17) {
      for (DWORD b = 0; b < 256; b += 5) {
        const DWORD colour = 0x7F000000u | b << 16 | g << 8 | r;
        float h = 0, s = 0, l = 0;
        CSkinRenderer::RgbToHsl(colour, &h, &s, &l);
        DWORD back = 0x7F000000u;
        CSkinRenderer::HslToRgb(&back, h, s, l);
        if (back != colour && ++failures < 5) ADD_FAILURE() << std::hex << colour << " came back as " << back;
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

struct AdjustCase {
  const char* name;
  DWORD colour;
  short h, s, l;
  DWORD expected;
};

class SkinRendererAdjust : public ::testing::TestWithParam<AdjustCase> {};

TEST_P(SkinRendererAdjust, ShiftsHueScalesSaturationAndLightness) {
  const AdjustCase& c = GetParam();
  EXPECT_EQ(CSkinRenderer::AdjustColor(c.colour, c.h, c.s, c.l), c.expected)
      << std::hex << CSkinRenderer::AdjustColor(c.colour, c.h, c.s, c.l);
}

INSTANTIATE_TEST_SUITE_P(Cases, SkinRendererAdjust,
                         ::testing::Values(
                             // The hue is measured with the low byte as red, so on AARRGGBB values the
                             // blue byte turns into the green one.
                             AdjustCase{"HueForwardByAThird", 0xFF0000FF, 300, 100, 100, 0xFF00FF00},
                             AdjustCase{"HueBackwardWrapsBelowZero", 0xFF0000FF, 60, 100, 100, 0xFFFF0000},
                             AdjustCase{"HalfLightnessDarkens", 0x80FFFFFF, 180, 100, 50, 0x80808080},
                             AdjustCase{"NoLightnessIsBlack", 0xFF3366CC, 180, 100, 0, 0xFF000000}),
                         [](const ::testing::TestParamInfo<AdjustCase>& info) { return info.param.name; });

// --- Fills and gradients ---

TEST(SkinRendererFill, AColourWithoutAlphaDrawsNothing) {
  for (DWORD colour : {0x00000000u, 0x00FFFFFFu, 0x00FF0000u, 0x00123456u}) {
    Canvas canvas(8, 8, Opaque(0x336699));
    CSkinRenderer::DrawColor(canvas.DC(), RECT{0, 0, 8, 8}, colour);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 8, 8}, Opaque(0x336699)), 64) << std::hex << colour;
  }
}

TEST(SkinRendererFill, AnOpaqueColourFillsExactlyTheRectangle) {
  Canvas canvas(12, 10);
  const RECT rc = {2, 3, 9, 7};
  CSkinRenderer::DrawColor(canvas.DC(), rc, kRed);
  EXPECT_EQ(canvas.Count(rc, kRed), 7 * 4);
  EXPECT_TRUE(canvas.OnlyInside(rc, kWhite));
}

TEST(SkinRendererFill, ATranslucentColourBlendsOverWhatIsThere) {
  Canvas canvas(4, 4);
  CSkinRenderer::DrawColor(canvas.DC(), RECT{0, 0, 4, 4}, 0x80000000);
  const DWORD pixel = canvas.Pixel(1, 1);
  EXPECT_EQ(pixel >> 24, 0xFFu);
  EXPECT_NEAR(Byte(pixel, 16), 127, 1);
}

struct GradientCase {
  const char* name;
  bool vertical;
};

class SkinRendererGradient : public ::testing::TestWithParam<GradientCase> {};

TEST_P(SkinRendererGradient, EndRowsHoldTheTwoColours) {
  const bool vertical = GetParam().vertical;
  Canvas canvas(20, 20);
  const RECT rc = {2, 4, 18, 16};
  CSkinRenderer::DrawGradient(canvas.DC(), rc, kRed, kBlue, vertical, 16);
  const int across = vertical ? 16 : 12;
  for (int i = 0; i < across; ++i) {
    const int x0 = vertical ? rc.left + i : rc.left;
    const int y0 = vertical ? rc.top : rc.top + i;
    const int x1 = vertical ? rc.left + i : rc.right - 1;
    const int y1 = vertical ? rc.bottom - 1 : rc.top + i;
    EXPECT_EQ(canvas.Pixel(x0, y0), kRed) << "first colour at the top or left";
    EXPECT_EQ(canvas.Pixel(x1, y1), kBlue) << "second colour at the bottom or right";
  }
  const int mx = (rc.left + rc.right) / 2;
  const int my = (rc.top + rc.bottom) / 2;
  const DWORD middle = canvas.Pixel(mx, my);
  EXPECT_GT(Byte(middle, 16), 60);
  EXPECT_GT(Byte(middle, 0), 60);
  EXPECT_TRUE(canvas.OnlyInside(rc, kWhite));
}

INSTANTIATE_TEST_SUITE_P(Directions, SkinRendererGradient,
                         ::testing::Values(GradientCase{"Vertical", true}, GradientCase{"Horizontal", false}),
                         [](const ::testing::TestParamInfo<GradientCase>& info) { return info.param.name; });

TEST(SkinRendererFill, AGradientIsBlendedAtTheAverageAlpha) {
  Canvas canvas(10, 10, 0x00000000);
  CSkinRenderer::DrawGradient(canvas.DC(), RECT{0, 0, 10, 10}, 0xFFFF0000, 0x00FF0000, true, 8);
  for (int y = 0; y < 10; ++y) {
    const DWORD pixel = canvas.Pixel(5, y);
    EXPECT_EQ(pixel >> 24, 127u) << "row " << y << " constant alpha";
    EXPECT_NEAR(Byte(pixel, 16), 127, 1) << "premultiplied red";
  }
}

TEST(SkinRendererFill, AGradientOfTwoTransparentColoursDrawsNothing) {
  Canvas canvas(6, 6);
  CSkinRenderer::DrawGradient(canvas.DC(), RECT{0, 0, 6, 6}, 0x01FF0000, 0x000000FF, false, 4);
  EXPECT_EQ(canvas.Count(RECT{0, 0, 6, 6}, kWhite), 36);
}

// --- Strokes ---

TEST(SkinRendererStroke, ARectangleIsFramedInsideItsBounds) {
  for (int width : {1, 2}) {
    Canvas canvas(20, 20);
    const RECT rc = {3, 4, 15, 13};
    CSkinRenderer::DrawRect(canvas.DC(), rc, width, kRed);
    EXPECT_TRUE(canvas.OnlyInside(rc, kWhite)) << width;
    for (int k = 0; k < width; ++k) {
      EXPECT_EQ(canvas.Pixel(rc.left + k, 8), kRed) << width;
      EXPECT_EQ(canvas.Pixel(rc.right - 1 - k, 8), kRed) << width;
      EXPECT_EQ(canvas.Pixel(9, rc.top + k), kRed) << width;
      EXPECT_EQ(canvas.Pixel(9, rc.bottom - 1 - k), kRed) << width;
    }
    EXPECT_EQ(canvas.Pixel(rc.left + width, 8), kWhite) << "the inside stays " << width;
  }
}

TEST(SkinRendererStroke, ALineRunsFromTheTopLeftToTheBottomRightCorner) {
  Canvas canvas(20, 20);
  CSkinRenderer::DrawLine(canvas.DC(), RECT{2, 5, 17, 5}, 1, kBlue);
  EXPECT_EQ(canvas.Count(RECT{3, 5, 16, 6}, kBlue), 13);
  EXPECT_EQ(canvas.Pixel(9, 4), kWhite);
  EXPECT_EQ(canvas.Pixel(9, 6), kWhite);
  Canvas vertical(20, 20);
  CSkinRenderer::DrawLine(vertical.DC(), RECT{7, 1, 7, 19}, 1, kBlue);
  EXPECT_EQ(vertical.Count(RECT{7, 2, 8, 18}, kBlue), 16);
}

TEST(SkinRendererStroke, ARoundRectangleLeavesItsCornersOpen) {
  Canvas canvas(40, 30);
  const RECT rc = {0, 0, 40, 30};
  CSkinRenderer::DrawRoundRect(canvas.DC(), rc, 1, 6, 6, kRed);
  EXPECT_EQ(canvas.Pixel(0, 0), kWhite);
  EXPECT_EQ(canvas.Pixel(39, 29), kWhite);
  EXPECT_EQ(canvas.Pixel(20, 0), kRed) << "top edge";
  EXPECT_EQ(canvas.Pixel(0, 15), kRed) << "left edge";
  EXPECT_EQ(canvas.Pixel(39, 15), kRed) << "right edge";
  EXPECT_EQ(canvas.Pixel(20, 29), kRed) << "bottom edge";
  EXPECT_EQ(canvas.Pixel(20, 15), kWhite) << "not filled";
}

// --- Clipping ---

TEST(SkinRendererClip, AClipNarrowsDrawingUntilTheGuardEnds) {
  Canvas canvas(20, 20);
  {
    CSkinClip clip;
    CSkinRenderer::SetClip(canvas.DC(), RECT{5, 5, 10, 10}, clip);
    CSkinRenderer::DrawColor(canvas.DC(), RECT{0, 0, 20, 20}, kRed);
    EXPECT_TRUE(canvas.OnlyInside(RECT{5, 5, 10, 10}, kWhite));
    EXPECT_EQ(canvas.Count(RECT{5, 5, 10, 10}, kRed), 25);
  }
  CSkinRenderer::DrawColor(canvas.DC(), RECT{0, 0, 20, 20}, kBlue);
  EXPECT_EQ(canvas.Count(RECT{0, 0, 20, 20}, kBlue), 400) << "the outer clip is back";
}

TEST(SkinRendererClip, TheOldClipServesDrawingBeyondTheItemAndNeverWidens) {
  Canvas canvas(30, 30);
  CSkinClip outer;
  CSkinRenderer::SetClip(canvas.DC(), RECT{0, 0, 20, 20}, outer);
  {
    // An item reaching beyond its parent's clip, as a scrolled child does.
    CSkinClip inner;
    CSkinRenderer::SetClip(canvas.DC(), RECT{10, 10, 30, 30}, inner);
    CSkinRenderer::UseOldClipBegin(canvas.DC(), inner);
    CSkinRenderer::DrawColor(canvas.DC(), RECT{0, 0, 30, 30}, kBlue);
    EXPECT_TRUE(canvas.OnlyInside(RECT{0, 0, 20, 20}, kWhite)) << "the outer clip while the old one is used";
    CSkinRenderer::UseOldClipEnd(canvas.DC(), inner);
    CSkinRenderer::DrawColor(canvas.DC(), RECT{0, 0, 30, 30}, kRed);
  }
  EXPECT_EQ(canvas.Count(RECT{10, 10, 20, 20}, kRed), 100);
  EXPECT_TRUE(canvas.OnlyInside(RECT{0, 0, 20, 20}, kWhite)) << "the item's clip stays inside the outer one";
}

TEST(SkinRendererClip, ARoundClipCutsTheItemsCorners) {
  Canvas canvas(40, 40);
  {
    CSkinClip clip;
    CSkinRenderer::SetRoundClip(canvas.DC(), RECT{0, 0, 40, 40}, RECT{5, 5, 35, 35}, 8, 8, clip);
    CSkinRenderer::DrawColor(canvas.DC(), RECT{0, 0, 40, 40}, kRed);
  }
  EXPECT_TRUE(canvas.OnlyInside(RECT{5, 5, 36, 36}, kWhite));
  EXPECT_EQ(canvas.Pixel(5, 5), kWhite) << "corner cut";
  EXPECT_EQ(canvas.Pixel(34, 34), kWhite) << "corner cut";
  EXPECT_EQ(canvas.Pixel(20, 5), kRed);
  EXPECT_EQ(canvas.Pixel(5, 20), kRed);
  EXPECT_EQ(canvas.Pixel(20, 20), kRed);
}

}  // namespace
