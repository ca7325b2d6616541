// What buttons and options draw in each state: which state picture or colour fill,
// which fore picture over it, and which text colour wins when several apply.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "testing/ui/ControlHarness.h"
#include "tests/ui/controls/support/SkinFiles.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/COptionUI.h"

namespace {

using controltest::ControlHarness;
using controltest::SkinFiles;
using controltest::TestSkin;

enum Look : uint32_t {
  kNormal = 0xFF808080,
  kHot = 0xFF00A000,
  kPushed = 0xFF0000C0,
  kFocused = 0xFFC0C000,
  kDisabled = 0xFF404040,
  kFore = 0xFFFF8000,
  kHotFore = 0xFF00FFFF,
  kPushedFore = 0xFFFF00FF,
  kSelected = 0xFFA00000,
  kSelectedHot = 0xFFA000A0,
  kSelectedPushed = 0xFF00A0A0,
  kSelectedFore = 0xFF202080,
  kHotBk = 0xFF70E070,
  kSelectedBk = 0xFFE07070,
};

enum class State { Normal, Hot, Pushed, Focused, FocusedAndHot, Disabled };

// Puts the control "c" in the state; the mouse rests on "away" unless the state
// needs it over the control, and no control has the focus (a window gives it to its
// first button when it opens) unless the state needs it. Returns with the left
// button still down for Pushed.
void Enter(ControlHarness& h, State state) {
  h.MoveTo(L"away", POINT{5, 5});
  h.OnGui([&] { h.Manager().SetFocus(nullptr); });
  switch (state) {
    case State::Normal:
      return;
    case State::Hot:
      h.MoveTo(L"c", h.CentreOffset(L"c"));
      return;
    case State::Pushed:
      h.Press(L"c", h.CentreOffset(L"c"));
      return;
    case State::Focused:
      h.OnGui([&] { h.Find(L"c")->SetFocus(); });
      return;
    case State::FocusedAndHot:
      h.OnGui([&] { h.Find(L"c")->SetFocus(); });
      h.MoveTo(L"c", h.CentreOffset(L"c"));
      return;
    case State::Disabled:
      h.OnGui([&] { h.Find(L"c")->SetEnabled(false); });
      return;
  }
}

struct ImageCase {
  const char* what;
  const wchar_t* element;
  const wchar_t* attributes;
  State state;
  uint32_t look;  // the state picture or fill, away from the fore picture
  uint32_t fore;  // what shows where the fore picture goes
};

void PrintTo(const ImageCase& c, std::ostream* os) { *os << c.what; }

class StateImages : public ::testing::TestWithParam<ImageCase> {};

TEST_P(StateImages, FirstMatchingStateDecides) {
  const ImageCase& c = GetParam();
  SkinFiles files;
  const struct {
    const char* file;
    uint32_t colour;
  } pictures[] = {{"normal.png", kNormal},         {"hot.png", kHot},
                  {"pushed.png", kPushed},         {"focused.png", kFocused},
                  {"disabled.png", kDisabled},     {"fore.png", kFore},
                  {"hotfore.png", kHotFore},       {"pushedfore.png", kPushedFore},
                  {"selected.png", kSelected},     {"selectedhot.png", kSelectedHot},
                  {"selectedpushed.png", kSelectedPushed}, {"selectedfore.png", kSelectedFore}};
  for (const auto& picture : pictures) files.SolidPng(picture.file, picture.colour);

  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(std::wstring(L"<HorizontalLayout height=\"40\"><") + c.element +
                                    L" name=\"c\" width=\"120\" " + c.attributes +
                                    L"/><Control/></HorizontalLayout><Control name=\"away\"/>"));
  ASSERT_TRUE(h.Created());
  Enter(h, c.state);
  const controltest::ControlPixels pixels = h.Pixels(L"c");
  EXPECT_EQ(pixels.At(100, 30), c.look) << std::hex << pixels.At(100, 30);
  EXPECT_EQ(pixels.At(2, 2), c.fore) << std::hex << pixels.At(2, 2);
  h.Release();
}

#define ALL_BUTTON_IMAGES                                                                                         \
  L"normalimage=\"normal.png\" hotimage=\"hot.png\" pushedimage=\"pushed.png\" focusedimage=\"focused.png\" " \
  L"disabledimage=\"disabled.png\" "
#define FORE L"foreimage=\"file='fore.png' dest='0,0,6,6'\" "

const ImageCase kImageCases[] = {
    {"Normal", L"Button", ALL_BUTTON_IMAGES FORE, State::Normal, kNormal, kFore},
    {"Hot", L"Button", ALL_BUTTON_IMAGES FORE, State::Hot, kHot, kFore},
    {"HotForeImage", L"Button", ALL_BUTTON_IMAGES FORE L"hotforeimage=\"file='hotfore.png' dest='0,0,6,6'\"",
     State::Hot, kHot, kHotFore},
    {"HotColourWithoutHotImage", L"Button", L"normalimage=\"normal.png\" hotbkcolor=\"#FF70E070\" " FORE, State::Hot,
     kHotBk, kHotBk},
    {"HotWithNeitherLooksNormal", L"Button", L"normalimage=\"normal.png\" " FORE, State::Hot, kNormal, kFore},
    {"Pushed", L"Button", ALL_BUTTON_IMAGES FORE, State::Pushed, kPushed, kFore},
    {"PushedForeImage", L"Button",
     ALL_BUTTON_IMAGES FORE L"pushedforeimage=\"file='pushedfore.png' dest='0,0,6,6'\"", State::Pushed, kPushed,
     kPushedFore},
    {"PushedWithoutPushedImageLooksHot", L"Button", L"normalimage=\"normal.png\" hotimage=\"hot.png\" " FORE,
     State::Pushed, kHot, kFore},
    {"FocusedImageAlone", L"Button", ALL_BUTTON_IMAGES FORE, State::Focused, kFocused, kFocused},
    {"Disabled", L"Button", ALL_BUTTON_IMAGES FORE, State::Disabled, kDisabled, kFore},
    {"DisabledWithoutDisabledImageLooksNormal", L"Button", L"normalimage=\"normal.png\" " FORE, State::Disabled,
     kNormal, kFore},
    {"SelectedImage", L"Option", L"selected=\"true\" normalimage=\"normal.png\" selectedimage=\"selected.png\" " FORE,
     State::Normal, kSelected, kFore},
    {"SelectedForeImage", L"Option",
     L"selected=\"true\" selectedimage=\"selected.png\" "
     L"selectedforeimage=\"file='selectedfore.png' dest='0,0,6,6'\" " FORE,
     State::Normal, kSelected, kSelectedFore},
    {"SelectedHotImage", L"Option",
     L"selected=\"true\" selectedimage=\"selected.png\" selectedhotimage=\"selectedhot.png\" " FORE, State::Hot,
     kSelectedHot, kFore},
    {"SelectedColourWithoutSelectedImage", L"Option",
     L"selected=\"true\" normalimage=\"normal.png\" selectedbkcolor=\"#FFE07070\" " FORE, State::Normal, kSelectedBk,
     kSelectedBk},
    {"SelectedWithNeitherLooksLikeAButton", L"Option",
     L"selected=\"true\" normalimage=\"normal.png\" hotimage=\"hot.png\" " FORE, State::Hot, kHot, kFore},
    {"NotSelectedLooksLikeAButton", L"Option", L"normalimage=\"normal.png\" selectedimage=\"selected.png\" " FORE,
     State::Normal, kNormal, kFore},
    // The selected picture goes over the pressed one.
    {"PushedSelectedShowsTheSelectedImageOnTop", L"Option",
     L"selected=\"true\" selectedimage=\"selected.png\" selectedpushedimage=\"selectedpushed.png\" " FORE,
     State::Pushed, kSelected, kFore},
};

INSTANTIATE_TEST_SUITE_P(Look, StateImages, ::testing::ValuesIn(kImageCases),
                         [](const ::testing::TestParamInfo<ImageCase>& info) { return info.param.what; });

struct ColourCase {
  const char* what;
  const wchar_t* element;
  const wchar_t* attributes;
  State state;
  uint32_t text;
};

void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.what; }

class TextColours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(TextColours, PushedThenHotThenFocused) {
  const ColourCase& c = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(std::wstring(L"<") + c.element +
                                    L" name=\"c\" height=\"40\" font=\"1\" text=\"█\" textcolor=\"#FF100000\" "
                                    L"disabledtextcolor=\"#FF500000\" " +
                                    c.attributes + L"/><Control name=\"away\"/>"));
  ASSERT_TRUE(h.Created());
  Enter(h, c.state);
  const uint32_t text = h.Pixel(L"c", h.CentreOffset(L"c"));
  EXPECT_EQ(text, c.text) << std::hex << text;
  h.Release();
}

#define STATE_COLOURS L"hottextcolor=\"#FF200000\" pushedtextcolor=\"#FF300000\" focusedtextcolor=\"#FF400000\" "

const ColourCase kColourCases[] = {
    {"Normal", L"Button", STATE_COLOURS, State::Normal, 0xFF100000},
    {"Hot", L"Button", STATE_COLOURS, State::Hot, 0xFF200000},
    {"Pushed", L"Button", STATE_COLOURS, State::Pushed, 0xFF300000},
    {"PushedWithoutItsColourIsHot", L"Button", L"hottextcolor=\"#FF200000\"", State::Pushed, 0xFF200000},
    {"Focused", L"Button", STATE_COLOURS, State::Focused, 0xFF400000},
    {"HotBeforeFocused", L"Button", STATE_COLOURS, State::FocusedAndHot, 0xFF200000},
    {"Disabled", L"Button", STATE_COLOURS, State::Disabled, 0xFF500000},
    {"SelectedOption", L"Option", STATE_COLOURS L"selected=\"true\" selectedtextcolor=\"#FF600000\"", State::Normal,
     0xFF600000},
    {"SelectedOptionTakesNoHotColour", L"Option", STATE_COLOURS L"selected=\"true\" selectedtextcolor=\"#FF600000\"",
     State::Hot, 0xFF600000},
    {"SelectedOptionWithoutItsColour", L"Option", STATE_COLOURS L"selected=\"true\"", State::Hot, 0xFF100000},
};

INSTANTIATE_TEST_SUITE_P(Text, TextColours, ::testing::ValuesIn(kColourCases),
                         [](const ::testing::TestParamInfo<ColourCase>& info) { return info.param.what; });

TEST(TextColours, ADeselectedOptionTakesItsOwnColourAgain) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<Option name=\"o1\" group=\"g\" selected=\"true\" height=\"40\" font=\"1\" "
                                    L"text=\"█\" textcolor=\"#FF100000\" selectedtextcolor=\"#FF600000\"/>"
                                    L"<Option name=\"o2\" group=\"g\" height=\"40\" text=\"2\"/>"));
  ASSERT_TRUE(h.Created());
  EXPECT_EQ(h.Pixel(L"o1", h.CentreOffset(L"o1")), 0xFF600000u);
  h.Click(L"o2");
  EXPECT_EQ(h.Pixel(L"o1", h.CentreOffset(L"o1")), 0xFF100000u);
}

}  // namespace
