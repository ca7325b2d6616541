// What labels and texts draw: the window's default colours, taken at the first paint
// and kept; one line for a label whatever its style, wrapped lines for a text, the
// text's shadow; and the text's links: where they are, what a click on one sends,
// the hand over them and the repaints as the mouse moves between them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>

#include "testing/ui/ControlHarness.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CLabelUI.h"
#include "ui/controls/CTextUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

using controltest::ControlHarness;
using controltest::kWhite;
using controltest::TestSkin;

// A full block in the big bold font: its middle is pure text colour.
const wchar_t kBlock[] = L"█";

struct ColourCase {
  const char* what;
  const wchar_t* element;
  const wchar_t* windowAttributes;
  const wchar_t* attributes;
  uint32_t drawn;
  DWORD textColor;  // read back after the paint
  DWORD disabledTextColor;
};

void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.what; }

class DefaultColours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(DefaultColours, AreTakenAtTheFirstPaint) {
  const ColourCase& c = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(std::wstring(L"<") + c.element + L" name=\"c\" font=\"1\" height=\"40\" text=\"" +
                                        kBlock + L"\" " + c.attributes + L"/>",
                                    400, 300, c.windowAttributes));
  ASSERT_TRUE(h.Created());
  EXPECT_GT(h.Pixels(L"c").Count(c.drawn), 20) << std::hex << c.drawn;
  h.OnGui([&] {
    auto* label = h.Find<SkinUI::CLabelUI>(L"c");
    EXPECT_EQ(label->GetTextColor(), c.textColor);
    EXPECT_EQ(label->GetDisabledTextColor(), c.disabledTextColor);
  });
}

const ColourCase kColourCases[] = {
    {"WindowDefault", L"Label", L"", L"", 0xFF000001, 0xFF000001, 0xFFA7A6AA},
    {"WindowDefaultDisabled", L"Label", L"", L"enabled=\"false\"", 0xFFA7A6AA, 0xFF000001, 0xFFA7A6AA},
    {"TextWindowDefault", L"Text", L"", L"", 0xFF000001, 0xFF000001, 0xFFA7A6AA},
    {"ButtonWindowDefaultDisabled", L"Button", L"", L"enabled=\"false\"", 0xFFA7A6AA, 0xFF000001, 0xFFA7A6AA},
    {"SkinDefault", L"Label", L"defaultfontcolor=\"#FF204080\"", L"", 0xFF204080, 0xFF204080, 0xFFA7A6AA},
    {"SkinDisabledDefault", L"Text", L"disabledfontcolor=\"#FF808000\"", L"enabled=\"false\"", 0xFF808000, 0xFF000001,
     0xFF808000},
    {"OwnColour", L"Label", L"defaultfontcolor=\"#FF204080\"", L"textcolor=\"#FFC00000\"", 0xFFC00000, 0xFFC00000,
     0xFFA7A6AA},
};

INSTANTIATE_TEST_SUITE_P(Label, DefaultColours, ::testing::ValuesIn(kColourCases),
                         [](const ::testing::TestParamInfo<ColourCase>& info) { return info.param.what; });

TEST(DefaultColours, AreKeptWhenTheWindowsDefaultChangesLater) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(std::wstring(L"<Label name=\"c\" font=\"1\" height=\"40\" text=\"") + kBlock +
                                    L"\"/>"));
  ASSERT_TRUE(h.Created());
  ASSERT_GT(h.Pixels(L"c").Count(0xFF000001), 20);
  h.OnGui([&] {
    h.Manager().SetDefaultFontColor(0xFF00A000);
    h.Find(L"c")->Invalidate();
  });
  EXPECT_GT(h.Pixels(L"c").Count(0xFF000001), 20);
  EXPECT_EQ(h.Pixels(L"c").Count(0xFF00A000), 0);
}

struct LinesCase {
  const char* what;
  const wchar_t* element;
  const wchar_t* attributes;
  const wchar_t* text;
  bool wraps;
};

void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.what; }

class TextLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(TextLines, OneForALabelWrappedForAText) {
  const LinesCase& c = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(std::wstring(L"<HorizontalLayout height=\"120\"><") + c.element +
                                    L" name=\"c\" width=\"130\" text=\"" + c.text + L"\" " + c.attributes +
                                    L"/><Control/></HorizontalLayout>"));
  ASSERT_TRUE(h.Created());
  int lineHeight = 0;
  h.OnGui([&] { lineHeight = h.Manager().GetFontInfo(-1)->tm.tmHeight; });
  const RECT ink = h.Pixels(L"c").InkBox(kWhite);
  ASSERT_GT(ink.right, ink.left) << "nothing drawn";
  EXPECT_LE(ink.right, 130);
  if (c.wraps) {
    EXPECT_GT(ink.bottom - ink.top, lineHeight * 3 / 2) << "more than one line";
  } else {
    EXPECT_LE(ink.bottom - ink.top, lineHeight) << "one line";
  }
}

const wchar_t kChinese[] = L"巡更计划巡更路线巡更记录巡更人员";
const wchar_t kLatin[] = L"Patrol plans routes checkpoints readers";

const LinesCase kLinesCases[] = {
    {"LabelChinese", L"Label", L"", kChinese, false},
    {"LabelWithoutSingleLineStyle", L"Label", L"align=\"left\"", kLatin, false},
    {"TextChinese", L"Text", L"", kChinese, true},
    {"TextLatin", L"Text", L"", kLatin, true},
};

INSTANTIATE_TEST_SUITE_P(Draw, TextLines, ::testing::ValuesIn(kLinesCases),
                         [](const ::testing::TestParamInfo<LinesCase>& info) { return info.param.what; });

// Pixels more than half shadow (red) or half text (black): the smoothed edges of the
// two shapes then sit one pixel apart as the shapes themselves do.
bool IsReddish(uint32_t argb) { return (argb >> 16 & 0xFF) >= 128 && (argb >> 8 & 0xFF) < 128 && (argb & 0xFF) < 128; }
bool IsDark(uint32_t argb) { return (argb >> 16 & 0xFF) < 128 && (argb >> 8 & 0xFF) < 128 && (argb & 0xFF) < 128; }

// The rightmost column and lowest row holding a pixel of the kind, past the end.
POINT FarCorner(const controltest::ControlPixels& pixels, bool (*kind)(uint32_t)) {
  POINT corner = {0, 0};
  for (int y = 0; y < pixels.Height(); ++y) {
    for (int x = 0; x < pixels.Width(); ++x) {
      if (!kind(pixels.At(x, y))) continue;
      corner.x = std::max(corner.x, LONG(x + 1));
      corner.y = std::max(corner.y, LONG(y + 1));
    }
  }
  return corner;
}

TEST(TextShadow, FallsOnePixelRightAndDown) {
  const struct {
    const wchar_t* element;
    const wchar_t* shadow;
    bool shadowed;
  } cases[] = {{L"Text", L"#FFFF0000", true}, {L"Text", L"#00000000", false}, {L"Label", L"#FFFF0000", false}};
  for (const auto& c : cases) {
    platform::headless::TestDriver driver;
    ControlHarness h(driver, TestSkin(std::wstring(L"<") + c.element + L" name=\"c\" font=\"1\" height=\"40\" text=\"" +
                                      kBlock + L"\" shadowcolor=\"" + c.shadow + L"\"/>"));
    ASSERT_TRUE(h.Created());
    const controltest::ControlPixels pixels = h.Pixels(L"c");
    const POINT text = FarCorner(pixels, &IsDark);
    const POINT shadow = FarCorner(pixels, &IsReddish);
    ASSERT_GT(text.x, 0);
    if (!c.shadowed) {
      EXPECT_EQ(shadow.x, 0) << "no shadow";
      continue;
    }
    EXPECT_EQ(shadow.x, text.x + 1);
    EXPECT_EQ(shadow.y, text.y + 1);
  }
}

TEST(TextContent, TheSameTextAgainAsksForNoLayout) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<Text name=\"t\" text=\"巡更\" height=\"40\"/>"));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    SkinUI::CControlUI* text = h.Find(L"t");
    SkinUI::CControlUI* parent = text->GetParent();
    ASSERT_FALSE(parent->IsUpdateNeeded());
    text->SetText(L"巡更");
    EXPECT_FALSE(parent->IsUpdateNeeded());
    text->SetText(L"巡更计划");
    EXPECT_TRUE(parent->IsUpdateNeeded()) << "a new text may wrap otherwise";
  });
}

// Nine links on one line; a text control keeps the first eight.
std::wstring NineLinks() {
  std::wstring markup;
  for (int i = 0; i < 9; ++i) markup += L"{a l" + std::to_wstring(i) + L"}L" + std::to_wstring(i) + L"{/a} ";
  return markup;
}

class TextLinks : public ::testing::Test {
 protected:
  void Build(const std::wstring& attributes) {
    harness_.reset(new ControlHarness(driver_, TestSkin(L"<Text name=\"t\" showhtml=\"true\" height=\"40\" text=\"" +
                                                        NineLinks() + L"\" " + attributes + L"/><Control name=\"below\"/>")));
    ASSERT_TRUE(harness_->Created());
    harness_->OnGui([&] {
      auto* text = harness_->Find<SkinUI::CTextUI>(L"t");
      links_ = text->GetLinkCount();
      for (int i = 0; i < links_; ++i) rects_[i] = text->GetLinkRect(i);
      origin_ = POINT{text->GetPos().left, text->GetPos().top};
    });
  }
  // The middle of link i, from the text's corner; the ninth follows the eighth.
  POINT LinkPoint(int i) {
    RECT rc = i < 8 ? rects_[i] : rects_[7];
    if (i == 8) ::OffsetRect(&rc, rects_[7].left - rects_[6].left, 0);
    return POINT{(rc.left + rc.right) / 2 - origin_.x, (rc.top + rc.bottom) / 2 - origin_.y};
  }
  platform::headless::TestDriver driver_;
  std::unique_ptr<ControlHarness> harness_;
  int links_ = 0;
  RECT rects_[8] = {};
  POINT origin_ = {0, 0};
};

TEST_F(TextLinks, NineInTheMarkupKeepEightAndAReleaseOverOneSendsItsIndex) {
  Build(L"");
  ControlHarness& h = *harness_;
  ASSERT_EQ(links_, 8);
  h.OnGui([&] { EXPECT_EQ(controltest::Narrow(h.Find<SkinUI::CTextUI>(L"t")->GetLinkContent(7)), "l7"); });
  for (int i : {0, 3, 7, 8}) h.ClickAt(L"t", LinkPoint(i));
  EXPECT_EQ(h.Notifications().Lines(true),
            (std::vector<std::string>{"link:t(0,0)", "link:t(3,0)", "link:t(7,0)"}))
      << "the ninth link takes no click";
}

TEST_F(TextLinks, ADisabledTextSendsNothing) {
  Build(L"enabled=\"false\"");
  ControlHarness& h = *harness_;
  ASSERT_EQ(links_, 8) << "its links are drawn all the same";
  h.ClickAt(L"t", LinkPoint(2));
  EXPECT_TRUE(h.Notifications().Lines().empty());
}

TEST_F(TextLinks, PlainTextKeepsNoLinksOfAnEarlierMarkup) {
  Build(L"");
  ControlHarness& h = *harness_;
  ASSERT_EQ(links_, 8);
  h.OnGui([&] { h.Find<SkinUI::CTextUI>(L"t")->SetShowHtml(false); });
  h.ClickAt(L"t", LinkPoint(2));
  h.OnGui([&] { EXPECT_EQ(h.Find<SkinUI::CTextUI>(L"t")->GetLinkCount(), 0); });
  EXPECT_TRUE(h.Notifications().Lines().empty()) << "no click on a link that is no longer drawn";
}

TEST_F(TextLinks, TheHandShowsOverALink) {
  Build(L"");
  ControlHarness& h = *harness_;
  h.MoveTo(L"t", LinkPoint(1));
  EXPECT_EQ(h.Driver().Backend().CursorShape(), platform::backend::CursorShape::Hand);
  h.MoveTo(L"below", POINT{5, 5});
  h.MoveTo(L"t", POINT{LinkPoint(1).x, 38});
  EXPECT_EQ(h.Driver().Backend().CursorShape(), platform::backend::CursorShape::Arrow) << "below the line of links";
}

TEST_F(TextLinks, HoverRepaintsOnlyWhenTheLinkUnderTheMouseChanges) {
  Build(L"");
  ControlHarness& h = *harness_;
  const POINT link1 = LinkPoint(1);
  const POINT offLinks = POINT{link1.x, 38};
  h.MoveTo(L"t", offLinks);
  const struct {
    const char* what;
    POINT at;
    bool repaints;
    int hover;
  } steps[] = {{"onto link 1", link1, true, 1},
               {"within link 1", POINT{link1.x + 1, link1.y}, false, 1},
               {"onto link 2", LinkPoint(2), true, 2},
               {"off the links", offLinks, true, -1},
               {"still off them", POINT{offLinks.x + 3, offLinks.y}, false, -1}};
  for (const auto& step : steps) {
    const int before = h.PresentCount();
    h.MoveTo(L"t", step.at);
    EXPECT_EQ(h.PresentCount() > before, step.repaints) << step.what;
    h.OnGui([&] { EXPECT_EQ(h.Find<SkinUI::CTextUI>(L"t")->GetHoverLink(), step.hover) << step.what; });
  }
}

}  // namespace
