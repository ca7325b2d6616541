// Scroll bars of the layouts: when they appear and with which range, how scrolling
// moves the children, which keys and wheel turns scroll, and what the mouse hits
// in a scrolled container.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/ui/core/support/SkinTestSupport.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/control/UIEventRecord.h"

namespace {

using SkinUI::CContainerUI;
using SkinUI::CControlUI;
using SkinUI::CScrollBarUI;

struct ScrollCase {
  const char* what;
  const wchar_t* skin;
  SIZE client;
  std::vector<std::pair<const wchar_t*, RECT>> expected;
  bool vertical;  // which bar of the root is checked
  bool barShown;
  RECT barPos;  // checked only when shown
  int range;
};

// Test output names a case by what it checks.
void PrintTo(const ScrollCase& c, std::ostream* os) { *os << c.what; }

std::string CaseName(const ::testing::TestParamInfo<ScrollCase>& info) { return info.param.what; }

class ScrollBars : public skintest::SkinTest, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(ScrollBars, AppearWithTheRangeTheContentNeeds) {
  const ScrollCase& c = GetParam();
  OnGui([&] {
    auto* root = static_cast<CContainerUI*>(Load(c.skin, c.client));
    ASSERT_NE(root, nullptr);
    for (const auto& e : c.expected) EXPECT_EQ(e.second, PosOf(e.first)) << uitest::Narrow(e.first);
    CScrollBarUI* bar = c.vertical ? root->GetVerticalScrollBar() : root->GetHorizontalScrollBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(c.barShown, bar->IsVisible());
    EXPECT_EQ(c.range, bar->GetScrollRange());
    if (c.barShown) {
      EXPECT_EQ(c.barPos, bar->GetPos());
    }
  });
}

const ScrollCase kScrollCases[] = {
    {"VerticalOverflowShowsTheBarBesideTheContent",
     L"<Window><VerticalLayout vscrollbar=\"true\"><Control name=\"a\" height=\"50\"/>"
     L"<Control name=\"b\" height=\"50\"/><Control name=\"c\" height=\"50\"/></VerticalLayout></Window>",
     {100, 100},
     {{L"a", {0, 0, 84, 50}}, {L"b", {0, 50, 84, 100}}, {L"c", {0, 100, 84, 150}}},
     true, true, {84, 0, 100, 100}, 50},
    {"VerticalContentThatFitsHidesTheBar",
     L"<Window><VerticalLayout vscrollbar=\"true\"><Control name=\"a\" height=\"30\"/>"
     L"<Control name=\"b\" height=\"30\"/></VerticalLayout></Window>",
     {100, 100},
     {{L"a", {0, 0, 100, 30}}, {L"b", {0, 30, 100, 60}}},
     true, false, {}, 0},
    {"VerticalRangeCountsInsetAndChildPadding",
     L"<Window><VerticalLayout vscrollbar=\"true\" inset=\"0,10,0,10\" childpadding=\"5\">"
     L"<Control name=\"a\" height=\"50\"/><Control name=\"b\" height=\"50\"/></VerticalLayout></Window>",
     {100, 100},
     {{L"a", {0, 10, 84, 60}}, {L"b", {0, 65, 84, 115}}},
     true, true, {84, 10, 100, 90}, 25},
    {"HorizontalOverflowShowsTheBarUnderTheContent",
     L"<Window><HorizontalLayout hscrollbar=\"true\"><Control name=\"a\" width=\"250\"/>"
     L"<Control name=\"b\" width=\"250\"/></HorizontalLayout></Window>",
     {300, 100},
     {{L"a", {0, 0, 250, 84}}, {L"b", {250, 0, 500, 84}}},
     false, true, {0, 84, 300, 100}, 200},
    {"HorizontalContentThatFitsGetsTheFullHeightBack",
     L"<Window><HorizontalLayout hscrollbar=\"true\"><Control name=\"a\" width=\"100\"/></HorizontalLayout>"
     L"</Window>",
     {300, 100},
     {{L"a", {0, 0, 100, 100}}},
     false, false, {}, 0},
    {"EmptyVerticalLayoutKeepsTheBarInside",
     L"<Window><VerticalLayout hscrollbar=\"true\"/></Window>",
     {100, 100},
     {},
     false, true, {0, 84, 100, 100}, 100},
    {"EmptyHorizontalLayoutLeavesTheBarBelowItself",
     L"<Window><HorizontalLayout hscrollbar=\"true\"/></Window>",
     {100, 100},
     {},
     false, true, {0, 100, 100, 116}, 100},
    {"TileRowsBeyondTheHeightShowTheBar",
     L"<Window><TileLayout vscrollbar=\"true\" columns=\"2\"><Control name=\"a\" height=\"60\"/>"
     L"<Control name=\"b\" height=\"60\"/><Control name=\"c\" height=\"60\"/></TileLayout></Window>",
     {116, 100},
     {{L"a", {0, 0, 50, 60}}, {L"b", {50, 0, 100, 60}}, {L"c", {0, 60, 50, 120}}},
     true, true, {100, 0, 116, 100}, 20},
};

INSTANTIATE_TEST_SUITE_P(Layouts, ScrollBars, ::testing::ValuesIn(kScrollCases), CaseName);

// A vertical list of three 50-pixel rows in a 100 x 100 window, 10 pixels of inset
// at the top, so 60 pixels to scroll.
const wchar_t kScrolledList[] =
    L"<Window><VerticalLayout name=\"list\" vscrollbar=\"true\" inset=\"0,10,0,0\">"
    L"<Control name=\"a\" height=\"50\"/><Control name=\"b\" height=\"50\"/><Control name=\"c\" height=\"50\"/>"
    L"<Control name=\"badge\" float=\"true\" pos=\"0,0,20,8\"/></VerticalLayout></Window>";

class Scrolling : public skintest::SkinTest {
 protected:
  CContainerUI* LoadList() { return static_cast<CContainerUI*>(Load(kScrolledList, SIZE{100, 100})); }
  std::string Hit(int x, int y) {
    CControlUI* control = Manager().FindControlAt(POINT{x, y});
    return control == nullptr ? "none" : uitest::Narrow(control->GetName());
  }
};

TEST_F(Scrolling, MovesChildrenByTheClampedAmountAndNotFloatChildren) {
  OnGui([&] {
    CContainerUI* list = LoadList();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(60, list->GetScrollRange().cy);
    list->SetScrollPos(SIZE{0, 500});
    EXPECT_EQ(60, list->GetScrollPos().cy);
    EXPECT_EQ((RECT{0, -50, 84, 0}), PosOf(L"a"));
    EXPECT_EQ((RECT{0, 50, 84, 100}), PosOf(L"c"));
    EXPECT_EQ((RECT{0, 0, 20, 8}), PosOf(L"badge"));
    // A relayout keeps the scrolled place.
    LayOut(RECT{0, 0, 100, 100});
    EXPECT_EQ((RECT{0, -50, 84, 0}), PosOf(L"a"));
  });
}

TEST_F(Scrolling, NothingMovedMeansNothingRepainted) {
  OnGui([&] {
    CContainerUI* list = LoadList();
    ASSERT_NE(list, nullptr);
    list->SetScrollPos(SIZE{0, 60});
    host->TakeUpdateRect();
    // Only the bar, asked for a place beyond its range, lays itself out again.
    list->SetScrollPos(SIZE{0, 90});
    EXPECT_EQ((RECT{84, 10, 100, 100}), host->TakeUpdateRect());
    list->SetScrollPos(SIZE{0, 0});
    EXPECT_EQ((RECT{0, 0, 100, 100}), host->TakeUpdateRect());
  });
}

TEST_F(Scrolling, HitTestingFindsBarsFirstAndNoChildOutsideTheInnerRectangle) {
  OnGui([&] {
    CContainerUI* list = LoadList();
    ASSERT_NE(list, nullptr);
    list->SetScrollPos(SIZE{0, 20});  // a now spans -10..40, under the inset at the top
    EXPECT_EQ("a", Hit(40, 20));
    EXPECT_EQ("list", Hit(40, 9)) << "a is scrolled out of view there";
    EXPECT_EQ("badge", Hit(5, 5)) << "a float child sticks out of the inner rectangle";
    EXPECT_EQ("", Hit(90, 50)) << "the bar, which has no name, lies over the content";
    EXPECT_EQ("ScrollBarUI", std::string(uitest::Narrow(Manager().FindControlAt(POINT{90, 50})->GetClassName())));
    list->SetMouseChildEnabled(false);
    EXPECT_EQ("list", Hit(40, 20));
    EXPECT_EQ("ScrollBarUI", std::string(uitest::Narrow(Manager().FindControlAt(POINT{90, 50})->GetClassName())));
  });
}

// Across its axis the vertical layout follows the horizontal bar: the bar's range
// widens what stretched children get and its position shifts them.
TEST_F(Scrolling, VerticalLayoutTakesTheHorizontalBarAcrossItsAxis) {
  OnGui([&] {
    auto* list = static_cast<CContainerUI*>(Load(
        L"<Window><VerticalLayout hscrollbar=\"true\"><Control name=\"a\" height=\"30\"/></VerticalLayout></Window>",
        SIZE{100, 100}));
    ASSERT_NE(list, nullptr);
    CScrollBarUI* bar = list->GetHorizontalScrollBar();
    ASSERT_TRUE(bar->IsVisible()) << "only the horizontal layout hides its horizontal bar";
    EXPECT_EQ((RECT{0, 0, 200, 30}), PosOf(L"a")) << "a new bar's range of 100 widens the child";
    bar->SetScrollRange(40);
    list->SetScrollPos(SIZE{10, 0});
    LayOut(RECT{0, 0, 100, 100});
    EXPECT_EQ((RECT{-10, 0, 130, 30}), PosOf(L"a"));
  });
}

// The horizontal layout never shifts its children by the vertical bar. An inset
// taller than the layout is the one way it keeps that bar: the bar then scrolls the
// children, and the next layout pass puts them back at the top.
TEST_F(Scrolling, HorizontalLayoutIgnoresTheVerticalBarsPosition) {
  OnGui([&] {
    auto* row = static_cast<CContainerUI*>(Load(L"<Window><HorizontalLayout vscrollbar=\"true\" inset=\"0,30,0,0\">"
                                                L"<Control name=\"a\" width=\"50\"/></HorizontalLayout></Window>",
                                                SIZE{100, 20}));
    ASSERT_NE(row, nullptr);
    ASSERT_TRUE(row->GetVerticalScrollBar()->IsVisible());
    EXPECT_EQ((RECT{0, 30, 50, 30}), PosOf(L"a"));
    row->SetScrollPos(SIZE{0, 5});
    EXPECT_EQ((RECT{0, 25, 50, 25}), PosOf(L"a"));
    LayOut(RECT{0, 0, 100, 20});
    EXPECT_EQ(5, row->GetScrollPos().cy);
    EXPECT_EQ((RECT{0, 30, 50, 30}), PosOf(L"a"));
  });
}

struct KeyCase {
  const char* what;
  int type;
  WORD key;
  WPARAM wParam;
  int expectedPos;  // starting from 30
};

// Test output names a case by what it checks.
void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.what; }

class ScrollKeys : public Scrolling, public ::testing::WithParamInterface<KeyCase> {};

std::string KeyName(const ::testing::TestParamInfo<KeyCase>& info) { return info.param.what; }

TEST_P(ScrollKeys, MoveTheVerticalBar) {
  const KeyCase& c = GetParam();
  OnGui([&] {
    CContainerUI* list = LoadList();
    ASSERT_NE(list, nullptr);
    list->SetScrollStepSize(7);
    list->SetScrollPos(SIZE{0, 30});
    SkinUI::UIEventRecord event;
    event.Type = c.type;
    event.chKey = c.key;
    event.wParam = c.wParam;
    event.pSender = list;
    list->HandleEvent(event);
    EXPECT_EQ(c.expectedPos, list->GetScrollPos().cy);
  });
}

const KeyCase kKeyCases[] = {
    {"LineDownByTheStep", SkinUI::UIEVENT_KEYDOWN, VK_DOWN, 0, 37},
    {"LineUpByTheStep", SkinUI::UIEVENT_KEYDOWN, VK_UP, 0, 23},
    {"PageDownByTheInnerHeight", SkinUI::UIEVENT_KEYDOWN, VK_NEXT, 0, 60},
    {"PageUpByTheInnerHeight", SkinUI::UIEVENT_KEYDOWN, VK_PRIOR, 0, 0},
    {"HomeToTheTop", SkinUI::UIEVENT_KEYDOWN, VK_HOME, 0, 0},
    {"EndToTheBottom", SkinUI::UIEVENT_KEYDOWN, VK_END, 0, 60},
    {"LeftNeverScrolls", SkinUI::UIEVENT_KEYDOWN, VK_LEFT, 0, 30},
    {"RightNeverScrolls", SkinUI::UIEVENT_KEYDOWN, VK_RIGHT, 0, 30},
    {"WheelLineUp", SkinUI::UIEVENT_SCROLLWHEEL, 0, 0, 23},
    {"WheelLineDown", SkinUI::UIEVENT_SCROLLWHEEL, 0, 1, 37},
};

INSTANTIATE_TEST_SUITE_P(Container, ScrollKeys, ::testing::ValuesIn(kKeyCases), KeyName);

TEST_F(Scrolling, LineStepComesFromTheStepSizeOrTheDefaultFont) {
  OnGui([&] {
    CContainerUI loose;
    loose.EnableScrollBar(true, false);
    loose.GetVerticalScrollBar()->SetScrollRange(100);
    loose.ScrollLineDown();
    EXPECT_EQ(8, loose.GetScrollPos().cy) << "without a manager";

    CContainerUI* list = LoadList();
    ASSERT_NE(list, nullptr);
    list->ScrollLineDown();
    const int fontHeight = Manager().GetDefaultFontInfo()->tm.tmHeight;
    ASSERT_GT(fontHeight, 0);
    EXPECT_EQ(8 + fontHeight, list->GetScrollPos().cy);

    list->SetAttribute(L"scrollstepsize", L"30");
    list->SetScrollPos(SIZE{0, 0});
    list->ScrollLineDown();
    EXPECT_EQ(30, list->GetScrollPos().cy);
    list->SetAttribute(L"scrollstepsize", L"0");
    EXPECT_EQ(30, list->GetScrollStepSize()) << "a step of 0 is ignored";
  });
}

TEST_F(Scrolling, BarsTakeTheSkinsDefaultListsAndTheContainersStyles) {
  OnGui([&] {
    auto* root = static_cast<CContainerUI*>(
        Load(L"<Window><Default name=\"VScrollBar\" value=\"linesize=&quot;5&quot;\"/>"
             L"<Default name=\"HScrollBar\" value=\"linesize=&quot;6&quot; showbutton1=&quot;false&quot;\"/>"
             L"<VerticalLayout vscrollbar=\"true\" hscrollbarstyle=\"linesize=&quot;3&quot;\"/></Window>"));
    ASSERT_NE(nullptr, root);
    EXPECT_EQ(5, root->GetVerticalScrollBar()->GetLineSize());
    CScrollBarUI* horizontal = root->GetHorizontalScrollBar();
    ASSERT_NE(nullptr, horizontal);
    EXPECT_TRUE(horizontal->IsHorizontal());
    EXPECT_FALSE(horizontal->GetShowButton1()) << "the default list comes first";
    EXPECT_EQ(3, horizontal->GetLineSize()) << "the style is applied over it";
  });
}

}  // namespace
