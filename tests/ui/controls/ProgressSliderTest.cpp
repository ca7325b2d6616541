// Progress bars fill with their fore picture in proportion to the value; sliders set
// the value from the mouse and the wheel and report it.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "testing/ui/ControlHarness.h"
#include "tests/ui/controls/support/SkinFiles.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CProgressUI.h"
#include "ui/controls/CSliderUI.h"

namespace {

using controltest::ControlHarness;
using controltest::kWhite;
using controltest::SkinFiles;
using controltest::TestSkin;
using Lines = std::vector<std::string>;

const uint32_t kFill = 0xFF3070C0;

struct FillCase {
  const char* what;
  const wchar_t* attributes;
  int width;
  int height;
  RECT fill;  // within the bar
};

void PrintTo(const FillCase& c, std::ostream* os) { *os << c.what; }

class ProgressFill : public ::testing::TestWithParam<FillCase> {};

TEST_P(ProgressFill, FollowsTheValue) {
  const FillCase& c = GetParam();
  SkinFiles files;
  files.SolidPng("fill.png", kFill, 200, 100);  // as large as the bars: a cut picture is not stretched
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<HorizontalLayout height=\"" + std::to_wstring(c.height) +
                                    L"\"><Progress name=\"p\" foreimage=\"fill.png\" width=\"" +
                                    std::to_wstring(c.width) + L"\" height=\"" + std::to_wstring(c.height) + L"\" " +
                                    c.attributes + L"/><Control/></HorizontalLayout>"));
  ASSERT_TRUE(h.Created());
  const controltest::ControlPixels pixels = h.Pixels(L"p");
  RECT drawn = {0, 0, 0, 0};
  for (int y = 0; y < pixels.Height(); ++y) {
    for (int x = 0; x < pixels.Width(); ++x) {
      if (pixels.At(x, y) != kFill) continue;
      if (drawn.right == 0) drawn = RECT{x, y, x + 1, y + 1};
      drawn.right = std::max(drawn.right, LONG(x + 1));
      drawn.bottom = std::max(drawn.bottom, LONG(y + 1));
    }
  }
  EXPECT_EQ(drawn.left, c.fill.left);
  EXPECT_EQ(drawn.top, c.fill.top);
  EXPECT_EQ(drawn.right, c.fill.right);
  EXPECT_EQ(drawn.bottom, c.fill.bottom);
}

const FillCase kFillCases[] = {
    {"HorizontalQuarter", L"value=\"25\"", 200, 12, {0, 0, 50, 12}},
    {"HorizontalCut", L"value=\"25\" isstretchfore=\"false\"", 200, 12, {0, 0, 50, 12}},
    {"HorizontalFromTheMinimum", L"min=\"50\" max=\"150\" value=\"75\"", 200, 12, {0, 0, 50, 12}},
    {"VerticalFillsFromTheBottom", L"hor=\"false\" value=\"25\"", 20, 100, {0, 75, 20, 100}},
    {"Full", L"value=\"100\"", 200, 12, {0, 0, 200, 12}},
    {"Empty", L"", 200, 12, {0, 0, 0, 0}},
};

INSTANTIATE_TEST_SUITE_P(Progress, ProgressFill, ::testing::ValuesIn(kFillCases),
                         [](const ::testing::TestParamInfo<FillCase>& info) { return info.param.what; });

TEST(ProgressValue, OutsideTheRangeIsIgnored) {
  const struct {
    const wchar_t* attributes;
    int value;
  } cases[] = {{L"value=\"40\"", 40},
               {L"value=\"40\" value=\"150\"", 40},
               {L"value=\"40\" value=\"-1\"", 40},
               {L"min=\"10\" max=\"20\" value=\"5\"", 0},
               {L"max=\"20\" value=\"20\"", 20}};
  for (const auto& c : cases) {
    SkinUI::CProgressUI progress;
    progress.SetAttributeList(c.attributes);
    EXPECT_EQ(progress.GetValue(), c.value) << controltest::Narrow(c.attributes);
  }
}

// A horizontal slider 200 wide from 0 to 100 with a 10-pixel thumb: between half a
// thumb from either end the value is 100 x (x - 5) / 190.
const wchar_t kSlider[] =
    L"<HorizontalLayout height=\"20\"><Slider name=\"s\" width=\"200\" height=\"20\" %s/><Control/>"
    L"</HorizontalLayout><Control name=\"away\"/>";

std::wstring SliderSkin(const std::wstring& attributes) {
  std::wstring skin = kSlider;
  skin.replace(skin.find(L"%s"), 2, attributes);
  return TestSkin(skin);
}

int SliderValue(ControlHarness& h) {
  int value = 0;
  h.OnGui([&] { value = h.Find<SkinUI::CSliderUI>(L"s")->GetValue(); });
  return value;
}

TEST(SliderClick, SetsTheValueOfThePoint) {
  const struct {
    int x;
    int value;
  } cases[] = {{0, 0}, {5, 0}, {6, 0}, {24, 10}, {105, 52}, {194, 99}, {195, 100}, {199, 100}};
  platform::headless::TestDriver driver;
  ControlHarness h(driver, SliderSkin(L"value=\"30\""));
  ASSERT_TRUE(h.Created());
  for (const auto& c : cases) {
    h.Notifications().Clear();
    h.ClickAt(L"s", POINT{c.x, 10});
    EXPECT_EQ(SliderValue(h), c.value) << c.x;
    EXPECT_EQ(h.Notifications().Lines(), Lines{"valuechanged:s"}) << c.x;
  }
}

TEST(SliderDrag, ReportsMovesOnlyWhenAskedAndTheValueAtTheRelease) {
  for (bool sendMove : {true, false}) {
    platform::headless::TestDriver driver;
    ControlHarness h(driver, SliderSkin(sendMove ? L"sendmove=\"true\"" : L""));
    ASSERT_TRUE(h.Created());
    h.Drag(L"s", POINT{5, 10}, POINT{105, 10});
    EXPECT_EQ(SliderValue(h), 52);
    const Lines moving = {"movevaluechanged:s", "movevaluechanged:s", "movevaluechanged:s", "movevaluechanged:s"};
    Lines expected = sendMove ? moving : Lines{};
    expected.push_back("valuechanged:s");
    EXPECT_EQ(h.Notifications().Lines(), expected) << (sendMove ? "sendmove" : "no sendmove");
  }
}

TEST(SliderWheel, ReportsEveryNotchEvenAtTheEnd) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, SliderSkin(L"value=\"95\" step=\"3\""));
  ASSERT_TRUE(h.Created());
  const struct {
    int delta;
    int value;
  } notches[] = {{120, 98}, {120, 98}, {-120, 95}, {-120, 92}};
  for (const auto& notch : notches) {
    h.Wheel(L"s", notch.delta);
    EXPECT_EQ(SliderValue(h), notch.value);
  }
  EXPECT_EQ(h.Notifications().Count("valuechanged"), 4) << "the refused step reports the value all the same";
}

TEST(SliderRange, AnEmptyRangeBeforeTheFirstPaintDividesByOne) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, SliderSkin(L""));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    auto* slider = h.Find<SkinUI::CSliderUI>(L"s");
    slider->SetMinValue(50);
    slider->SetMaxValue(50);
    // The mouse over it before the paint that repairs the range.
    SkinUI::UIEventRecord move;
    move.Type = SkinUI::UIEVENT_MOUSEMOVE;
    move.ptMouse = POINT{slider->GetPos().left + 100, slider->GetPos().top + 10};
    slider->HandleEvent(move);
    const RECT thumb = slider->GetThumbRect();
    EXPECT_EQ(thumb.right - thumb.left, 10);
  });
  h.MoveTo(L"s", POINT{100, 10});
  h.OnGui([&] { EXPECT_EQ(h.Find<SkinUI::CSliderUI>(L"s")->GetMaxValue(), 51) << "the paint repaired it"; });
}

}  // namespace
