// How the skin's attributes of labels, texts and buttons become text-format flags
// ("align" and "valign" words and their order, "multiline", "endellipsis"), and the
// size each asks for in its layout.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "testing/ui/ControlHarness.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CLabelUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

using controltest::ControlHarness;
using controltest::TestSkin;

struct StyleCase {
  const char* what;
  const wchar_t* element;
  const wchar_t* attributes;
  UINT style;
};

void PrintTo(const StyleCase& c, std::ostream* os) { *os << c.what; }

class TextStyle : public ::testing::TestWithParam<StyleCase> {};

TEST_P(TextStyle, FollowsTheAttributesInTheirOrder) {
  const StyleCase& c = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(std::wstring(L"<") + c.element + L" name=\"c\" " + c.attributes + L"/>"));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    auto* label = h.Find<SkinUI::CLabelUI>(L"c");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetTextStyle(), c.style) << std::hex << label->GetTextStyle();
  });
}

const StyleCase kStyleCases[] = {
    {"LabelByDefault", L"Label", L"", DT_VCENTER},
    {"TextByDefaultWraps", L"Text", L"", DT_WORDBREAK},
    {"ButtonByDefault", L"Button", L"", DT_CENTER | DT_VCENTER | DT_SINGLELINE},
    {"RightThenCenterKeepsSingleLine", L"Button", L"align=\"right\" valign=\"center\"",
     DT_RIGHT | DT_VCENTER | DT_SINGLELINE},
    {"CenterThenRightDropsSingleLine", L"Button", L"valign=\"center\" align=\"right\"", DT_RIGHT | DT_VCENTER},
    {"LeftDropsCenterAndSingleLine", L"Button", L"align=\"left\"", DT_VCENTER},
    {"WordsActInAFixedOrder", L"Label", L"align=\"right center\"", DT_RIGHT | DT_VCENTER},
    {"TopSetsSingleLine", L"Label", L"valign=\"top\"", DT_SINGLELINE},
    {"BottomSetsSingleLine", L"Text", L"valign=\"bottom\"", DT_WORDBREAK | DT_BOTTOM | DT_SINGLELINE},
    {"TextCentredBothWays", L"Text", L"align=\"center\" valign=\"center\"",
     DT_WORDBREAK | DT_CENTER | DT_VCENTER | DT_SINGLELINE},
    {"EndEllipsis", L"Label", L"endellipsis=\"true\"", DT_VCENTER | DT_END_ELLIPSIS},
    {"EndEllipsisOnlyForTrue", L"Label", L"endellipsis=\"true\" endellipsis=\"yes\"", DT_VCENTER},
    {"MultilineButtonWraps", L"Button", L"multiline=\"true\"", DT_CENTER | DT_VCENTER | DT_WORDBREAK},
    {"MultilineOffIsOneLine", L"Button", L"multiline=\"true\" multiline=\"false\"",
     DT_CENTER | DT_VCENTER | DT_SINGLELINE},
    {"MultilineIsTheButtons", L"Text", L"multiline=\"false\"", DT_WORDBREAK},
    {"OptionsAreButtons", L"Option", L"multiline=\"true\"", DT_CENTER | DT_VCENTER | DT_WORDBREAK},
};

INSTANTIATE_TEST_SUITE_P(Attributes, TextStyle, ::testing::ValuesIn(kStyleCases),
                         [](const ::testing::TestParamInfo<StyleCase>& info) { return info.param.what; });

struct MeasureCase {
  const char* what;
  const wchar_t* element;
  const wchar_t* attributes;
  bool widthFromText;   // the width is the text's plus `width` (the padding), else `width`
  int width;
  bool heightFromFont;  // the height is the font's plus `height`, else `height`
  int height;
};

void PrintTo(const MeasureCase& c, std::ostream* os) { *os << c.what; }

class MeasuredSize : public ::testing::TestWithParam<MeasureCase> {};

TEST_P(MeasuredSize, FollowsTheTextAndTheFont) {
  const MeasureCase& c = GetParam();
  const std::wstring text = L"巡更 Patrol";
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(std::wstring(L"<HorizontalLayout height=\"60\"><") + c.element +
                                    L" name=\"c\" text=\"" + text + L"\" " + c.attributes +
                                    L"/><Control/></HorizontalLayout>"));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    SkinUI::CWindowManagerUI& pm = h.Manager();
    SIZE extent = {0, 0};
    HDC dc = pm.GetPaintDC();
    HGDIOBJ old = ::SelectObject(dc, pm.GetFont(-1));
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SelectObject(dc, old);
    const int fontHeight = pm.GetFontInfo(-1)->tm.tmHeight;
    ASSERT_GT(fontHeight, 0);

    const SIZE size = h.Find(L"c")->MeasureSize(SIZE{400, 60});
    EXPECT_EQ(size.cx, c.widthFromText ? extent.cx + c.width : c.width);
    EXPECT_EQ(size.cy, c.heightFromFont ? fontHeight + c.height : c.height);
  });
}

const MeasureCase kMeasureCases[] = {
    {"LabelAutomaticWidthWithPadding", L"Label", L"autocalcwidth=\"true\" textpadding=\"5,0,7,0\"", true, 12, true, 4},
    {"LabelFixedSize", L"Label", L"width=\"80\" height=\"30\"", false, 80, false, 30},
    {"LabelFontHeight", L"Label", L"", false, 0, true, 4},
    {"ButtonFontHeight", L"Button", L"width=\"70\"", false, 70, true, 8},
    {"ButtonTakesNoAutomaticWidth", L"Button", L"autocalcwidth=\"true\"", false, 0, true, 8},
    {"ButtonFixedHeight", L"Button", L"height=\"26\"", false, 0, false, 26},
    {"TextAutomaticWidthHasItsOwnPadding", L"Text", L"autocalcwidth=\"true\" height=\"40\"", true, 4, false, 40},
    {"TextAutomaticWidthWithPadding", L"Text", L"autocalcwidth=\"true\" textpadding=\"5,0,7,0\"", true, 12, false, 0},
    {"TextKeepsTheSkinsSize", L"Text", L"width=\"90\"", false, 90, false, 0},
};

INSTANTIATE_TEST_SUITE_P(Layout, MeasuredSize, ::testing::ValuesIn(kMeasureCases),
                         [](const ::testing::TestParamInfo<MeasureCase>& info) { return info.param.what; });

}  // namespace
