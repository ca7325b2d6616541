// The base control's painting in pixels: which part a background colour fills, the
// gradients, the rounded clip, the border priority rules, and which paint setters
// repaint the control.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "testing/driver/TestDriver.h"
#include "tests/ui/core/support/RenderTestSupport.h"
#include "tests/ui/core/support/SkinnedControl.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "testing/base/RectValues.h"

namespace {

using rendertest::Canvas;
using rendertest::SkinnedControl;

constexpr DWORD kWhite = 0xFFFFFFFF;
constexpr DWORD kRed = 0xFFFF0000;
constexpr DWORD kBlue = 0xFF0000FF;
constexpr DWORD kGreen = 0xFF00FF00;

int Area(const RECT& rc) { return (rc.right - rc.left) * (rc.bottom - rc.top); }

TEST(ControlPaint, AnOpaqueBackgroundFillsOnlyThePartBeingPainted) {
  SkinnedControl control;
  control.Place(RECT{10, 10, 50, 40});
  control.SetAttribute(L"bkcolor", L"#FFFF0000");
  Canvas canvas(60, 60);
  control.Paint(canvas.DC(), RECT{0, 0, 30, 60});
  EXPECT_EQ(canvas.Count(RECT{10, 10, 30, 40}, kRed), 20 * 30);
  EXPECT_TRUE(canvas.OnlyInside(RECT{10, 10, 30, 40}, kWhite));
  const RECT expected = {10, 10, 30, 40};
  EXPECT_TRUE(EqualRect(&control.PaintRect(), &expected) != FALSE) << "the paint rectangle is kept";
}

TEST(ControlPaint, ATranslucentBackgroundFillsTheWholePosition) {
  SkinnedControl control;
  control.Place(RECT{10, 10, 50, 40});
  control.SetAttribute(L"bkcolor", L"#80000000");
  Canvas canvas(60, 60);
  control.Paint(canvas.DC(), RECT{0, 0, 30, 60});
  const DWORD half = canvas.Pixel(40, 20);
  EXPECT_NE(half, kWhite) << "beyond the paint rectangle too";
  EXPECT_EQ(canvas.Count(RECT{10, 10, 50, 40}, half), 40 * 30);
  EXPECT_TRUE(canvas.OnlyInside(RECT{10, 10, 50, 40}, kWhite));
}

TEST(ControlPaint, NothingIsPaintedOutsideThePaintRectangle) {
  SkinnedControl control;
  control.Place(RECT{10, 10, 50, 40});
  control.SetAttributeList(L"bkcolor=\"#FFFF0000\" bordercolor=\"#FF0000FF\" bordersize=\"1\"");
  Canvas canvas(60, 60);
  control.Paint(canvas.DC(), RECT{0, 0, 10, 60});
  EXPECT_EQ(canvas.Count(RECT{0, 0, 60, 60}, kWhite), 3600);
}

TEST(ControlPaint, ThreeColoursMakeTwoGradientsMeetingHalfWay) {
  SkinnedControl control;
  control.Place(RECT{0, 10, 20, 111});  // 101 rows
  control.SetAttributeList(L"bkcolor=\"#FFFF0000\" bkcolor2=\"#FF00FF00\" bkcolor3=\"#FF0000FF\"");
  Canvas canvas(20, 120);
  control.Paint(canvas.DC(), RECT{0, 0, 20, 120});
  EXPECT_EQ(canvas.Pixel(5, 10), kRed) << "first row of the upper half";
  EXPECT_EQ(canvas.Pixel(5, 59), kGreen) << "last row of the upper half (top + 50 is the lower one's)";
  EXPECT_EQ(canvas.Pixel(5, 60), kGreen) << "first row of the lower half";
  EXPECT_EQ(canvas.Pixel(5, 110), kBlue) << "last row";
  EXPECT_TRUE(canvas.OnlyInside(RECT{0, 10, 20, 111}, kWhite));
}

TEST(ControlPaint, TwoColoursMakeOneGradientOverThePosition) {
  SkinnedControl control;
  control.Place(RECT{0, 0, 20, 30});
  control.SetAttributeList(L"bkcolor=\"#FFFF0000\" bkcolor2=\"#FF0000FF\"");
  Canvas canvas(20, 30);
  control.Paint(canvas.DC(), RECT{0, 0, 20, 10});
  EXPECT_EQ(canvas.Pixel(3, 0), kRed);
  EXPECT_EQ(canvas.Pixel(3, 29), kBlue) << "a gradient covers the whole position";
}

TEST(ControlPaint, ARoundBorderRoundsTheClipOfEveryStep) {
  SkinnedControl control;
  control.Place(RECT{0, 0, 40, 40});
  control.SetAttributeList(L"bkcolor=\"#FFFF0000\" borderround=\"8,8\"");
  Canvas canvas(40, 40);
  control.Paint(canvas.DC(), RECT{0, 0, 40, 40});
  EXPECT_EQ(canvas.Pixel(0, 0), kWhite);
  EXPECT_EQ(canvas.Pixel(39, 39), kWhite);
  EXPECT_EQ(canvas.Pixel(20, 0), kRed);
  EXPECT_EQ(canvas.Pixel(20, 20), kRed);
  // The clip is put back afterwards.
  SkinnedControl square;
  square.Place(RECT{0, 0, 40, 40});
  square.SetAttribute(L"bkcolor", L"#FF0000FF");
  square.Paint(canvas.DC(), RECT{0, 0, 40, 40});
  EXPECT_EQ(canvas.Count(RECT{0, 0, 40, 40}, kBlue), 1600);
}

TEST(ControlPaint, ImagesAreDrawnWholeInARectangleOrWithAModifier) {
  rendertest::TempDir skin;
  const SkinUI::CUIString savedPath = SkinUI::CWindowManagerUI::GetResourcePath();
  SkinUI::CWindowManagerUI::SetResourcePath(skin.Path().c_str());
  std::vector<DWORD> strip(20 * 10);
  for (int i = 0; i < 200; ++i) strip[size_t(i)] = i % 20 < 10 ? kRed : kBlue;
  ASSERT_TRUE(rendertest::WritePng(skin.File(L"strip.png"), 20, 10, strip));
  SkinUI::UIImageRecord* probe = SkinUI::CWindowManagerUI::LoadImageData(L"strip.png");
  SkinUI::CWindowManagerUI::FreeImageRecord(probe);
  if (probe == nullptr) {
    SkinUI::CWindowManagerUI::SetResourcePath(savedPath);
    FAIL() << "the window manager's image cache did not load strip.png from the skin folder";
  }
  SkinUI::CWindowManagerUI manager;
  SkinnedControl control;
  control.SetManager(&manager, nullptr, false);
  control.Place(RECT{10, 10, 30, 20});
  control.SetAttribute(L"bkimage", L"strip.png");

  Canvas whole(40, 30);
  control.Paint(whole.DC(), RECT{0, 0, 40, 30});
  EXPECT_EQ(whole.Count(RECT{10, 10, 20, 20}, kRed), 100);
  EXPECT_EQ(whole.Count(RECT{20, 10, 30, 20}, kBlue), 100);

  Canvas cell(40, 30);
  EXPECT_TRUE(control.DrawImageModified(cell.DC(), control.BkImage(), L"dest='10,0,20,10' source='10,0,20,10'"));
  EXPECT_EQ(cell.Count(RECT{20, 10, 30, 20}, kBlue), 100);
  EXPECT_TRUE(cell.OnlyInside(RECT{20, 10, 30, 20}, kWhite));
  EXPECT_EQ(control.BkImage().GetDest().right, 0) << "the description itself is unchanged";

  Canvas placed(40, 30);
  EXPECT_TRUE(control.DrawImageInRect(placed.DC(), control.BkImage(), RECT{0, 0, 10, 10}));
  EXPECT_TRUE(placed.OnlyInside(RECT{10, 10, 20, 20}, kWhite));
  EXPECT_EQ(placed.Pixel(10, 15), kRed);
  EXPECT_EQ(placed.Pixel(19, 15), kBlue);
  Canvas unplaced(40, 30);
  EXPECT_TRUE(control.DrawImageInRect(unplaced.DC(), control.BkImage(), RECT{0, 0, 0, 0}));
  EXPECT_EQ(unplaced.Count(RECT{10, 10, 30, 20}, kRed) + unplaced.Count(RECT{10, 10, 30, 20}, kBlue), 200);

  SkinUI::CImageAttribute missing;
  missing.SetAttributeString(L"missing.png");
  EXPECT_FALSE(control.DrawImage(whole.DC(), missing));
  control.SetManager(nullptr, nullptr, false);
  SkinUI::CWindowManagerUI::SetResourcePath(savedPath);
}

// --- Borders ---

struct BorderCase {
  const char* name;
  const wchar_t* attributes;
  bool focused;
  DWORD colour;                 // the colour the border is drawn in, or 0 for none
  std::vector<RECT> painted;    // areas drawn entirely in that colour
  std::vector<RECT> untouched;  // areas left white
};

class ControlBorders : public ::testing::TestWithParam<BorderCase> {};

TEST_P(ControlBorders, FollowThePriorityRules) {
  const BorderCase& c = GetParam();
  SkinnedControl control;
  control.Place(RECT{10, 10, 50, 40});
  control.SetAttributeList(c.attributes);
  control.SetFocusedFlag(c.focused);
  Canvas canvas(60, 60);
  control.Paint(canvas.DC(), RECT{0, 0, 60, 60});
  for (const RECT& rc : c.painted) {
    EXPECT_EQ(canvas.Count(rc, c.colour), Area(rc)) << ::testing::PrintToString(rc);
  }
  for (const RECT& rc : c.untouched) {
    EXPECT_EQ(canvas.Count(rc, kWhite), Area(rc)) << ::testing::PrintToString(rc);
  }
}

const RECT kInside = {12, 12, 48, 38};
const RECT kLeftColumn = {10, 10, 11, 40};
const RECT kTopRow = {10, 10, 50, 11};
const RECT kRightColumn = {49, 10, 50, 40};
const RECT kBottomRow = {10, 39, 50, 40};

INSTANTIATE_TEST_SUITE_P(
    Cases, ControlBorders,
    ::testing::Values(
        BorderCase{"NoColourDrawsNoBorder", L"bordersize=\"2\"", false, 0, {}, {{0, 0, 60, 60}}},
        BorderCase{"AUniformSizeFrames",
                   L"bordercolor=\"#FFFF0000\" bordersize=\"1\"",
                   false,
                   kRed,
                   {kLeftColumn, kTopRow, kRightColumn, kBottomRow},
                   {{11, 11, 49, 39}}},
        // Side lines are centred on the edges they name: the bottom one on the row below.
        BorderCase{"ABottomSideAloneDrawsOneLine",
                   L"bordercolor=\"#FFFF0000\" bordersize=\"0,0,0,2\"",
                   false,
                   kRed,
                   {{11, 40, 49, 41}},
                   {{0, 0, 60, 39}, {0, 42, 60, 60}, {0, 0, 9, 60}, {51, 0, 60, 60}}},
        BorderCase{"AUniformSizeAfterSideSizesClearsThem",
                   L"bordercolor=\"#FFFF0000\" bordersize=\"0,0,0,2\" bordersize=\"1\"",
                   false,
                   kRed,
                   {kLeftColumn, kTopRow, kRightColumn, kBottomRow},
                   {{11, 11, 49, 39}, {0, 40, 60, 60}}},
        BorderCase{"TheFocusColourFramesAFocusedControl",
                   L"bordercolor=\"#FFFF0000\" focusbordercolor=\"#FF0000FF\" bordersize=\"2\"",
                   true,
                   kBlue,
                   {{10, 10, 12, 40}, {10, 10, 50, 12}, {48, 10, 50, 40}, {10, 38, 50, 40}},
                   {kInside}},
        BorderCase{"WithoutFocusTheBorderColourFrames",
                   L"bordercolor=\"#FFFF0000\" focusbordercolor=\"#FF0000FF\" bordersize=\"2\"",
                   false,
                   kRed,
                   {{10, 10, 12, 40}, {48, 10, 50, 40}},
                   {kInside}},
        BorderCase{"SideLinesKeepTheBorderColourWhenFocused",
                   L"bordercolor=\"#FFFF0000\" focusbordercolor=\"#FF0000FF\" leftbordersize=\"1\" "
                   L"topbordersize=\"1\"",
                   true,
                   kRed,
                   {{10, 11, 11, 39}, {11, 10, 49, 11}},
                   {{12, 12, 50, 50}}},
        BorderCase{"AFocusColourAloneWithoutFocusDrawsNothing",
                   L"focusbordercolor=\"#FF0000FF\" bordersize=\"1\"",
                   false,
                   0,
                   {},
                   {{0, 0, 60, 60}}},
        BorderCase{"ARoundBorderTakesTheFocusColour",
                   L"bordercolor=\"#FFFF0000\" focusbordercolor=\"#FF0000FF\" bordersize=\"1\" borderround=\"6,6\"",
                   true,
                   kBlue,
                   {{20, 10, 40, 11}, {10, 20, 11, 30}},
                   {{10, 10, 11, 11}, {17, 17, 43, 33}}}),
    [](const ::testing::TestParamInfo<BorderCase>& info) { return info.param.name; });

// --- Which setters repaint ---

class SetterRepaints : public ::testing::Test {
 protected:
  void SetUp() override {
    static const bool registered = [] {
      WNDCLASSEXW wc = {};
      wc.cbSize = sizeof(wc);
      wc.lpfnWndProc = &DefWindowProcW;
      wc.lpszClassName = L"RenderPaintTestHost";
      wc.hInstance = GetModuleHandleW(nullptr);
      return RegisterClassExW(&wc) != 0;
    }();
    ASSERT_TRUE(registered);
    hwnd_ = CreateWindowExW(0, L"RenderPaintTestHost", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    manager_.Init(hwnd_);
    control_.SetManager(&manager_, nullptr, false);
    control_.SetPos(RECT{10, 10, 30, 30});
  }
  void TearDown() override {
    control_.SetManager(nullptr, nullptr, false);
    DestroyWindow(hwnd_);
  }
  bool Repainted(const std::function<void(SkinnedControl&)>& change) {
    ValidateRect(hwnd_, nullptr);
    change(control_);
    RECT rc = {0, 0, 0, 0};
    const bool pending = GetUpdateRect(hwnd_, &rc, FALSE) != FALSE;
    const RECT position = {10, 10, 30, 30};
    return pending && EqualRect(&rc, &position);
  }

  platform::headless::TestDriver driver_;
  HWND hwnd_ = nullptr;
  SkinUI::CWindowManagerUI manager_;
  SkinnedControl control_;
};

TEST_F(SetterRepaints, ValueSettersOnlyOnAChangeTheOthersAlways) {
  struct Case {
    const char* name;
    std::function<void(SkinnedControl&)> set;
    bool againRepaints;  // whether setting the same value a second time repaints
  } cases[] = {
      {"bkcolor", [](SkinnedControl& c) { c.SetBkColor(0xFF010101); }, false},
      {"bkcolor2", [](SkinnedControl& c) { c.SetBkColor2(0xFF010101); }, false},
      {"bkcolor3", [](SkinnedControl& c) { c.SetBkColor3(0xFF010101); }, false},
      {"bordercolor", [](SkinnedControl& c) { c.SetBorderColor(0xFF010101); }, false},
      {"focusbordercolor", [](SkinnedControl& c) { c.SetFocusBorderColor(0xFF010101); }, false},
      {"colorhsl", [](SkinnedControl& c) { c.SetColorHSL(true); }, false},
      {"bordersize", [](SkinnedControl& c) { c.SetBorderSize(2); }, false},
      {"bkimage", [](SkinnedControl& c) { c.SetBkImage(L"a.png"); }, false},
      {"bordersizes", [](SkinnedControl& c) { c.SetBorderSizes(1, 1, 1, 1); }, true},
      {"leftbordersize", [](SkinnedControl& c) { c.SetLeftBorderSize(1); }, true},
      {"bottombordersize", [](SkinnedControl& c) { c.SetBottomBorderSize(1); }, true},
      {"borderstyle", [](SkinnedControl& c) { c.SetBorderStyle(1); }, true},
      {"borderround", [](SkinnedControl& c) { c.SetBorderRound(2, 2); }, true},
      {"normalimage", [](SkinnedControl& c) { c.SetNormalImage(L"a.png"); }, true},
      {"hotimage", [](SkinnedControl& c) { c.SetHotImage(L"a.png"); }, true},
      {"foreimage", [](SkinnedControl& c) { c.SetForeImage(L"a.png"); }, true},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(Repainted(c.set)) << c.name << " first time";
    EXPECT_EQ(Repainted(c.set), c.againRepaints) << c.name << " same value again";
  }
}

}  // namespace
