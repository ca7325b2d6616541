// The tile and tab layouts as skins use them, and the tab layout's page selection.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/ui/core/support/SkinTestSupport.h"
#include "ui/core/control/CTabLayoutUI.h"
#include "ui/core/control/CTileLayoutUI.h"

namespace {

using SkinUI::CControlUI;
using SkinUI::CTabLayoutUI;

struct GridCase {
  const char* what;
  const wchar_t* skin;
  SIZE client;
  std::vector<std::pair<const wchar_t*, RECT>> expected;
};

// Test output names a case by what it checks.
void PrintTo(const GridCase& c, std::ostream* os) { *os << c.what; }

std::string CaseName(const ::testing::TestParamInfo<GridCase>& info) { return info.param.what; }

class TileAndTab : public skintest::SkinTest, public ::testing::WithParamInterface<GridCase> {};

TEST_P(TileAndTab, PlacesEveryChild) {
  const GridCase& c = GetParam();
  OnGui([&] {
    ASSERT_NE(Load(c.skin, c.client), nullptr);
    for (const auto& e : c.expected) EXPECT_EQ(e.second, PosOf(e.first)) << uitest::Narrow(e.first);
  });
}

const GridCase kTileCases[] = {
    {"ItemWidthDecidesTheColumnsAndAFourthChildWraps",
     L"<Window><TileLayout name=\"grid\" itemsize=\"130,0\" columns=\"5\"><Control name=\"a\" height=\"40\"/>"
     L"<Control name=\"b\" height=\"40\"/><Control name=\"c\" height=\"40\"/><Control name=\"d\" height=\"40\"/>"
     L"</TileLayout></Window>",
     {400, 200},
     {{L"a", {0, 0, 133, 40}}, {L"b", {133, 0, 266, 40}}, {L"c", {266, 0, 399, 40}}, {L"d", {0, 40, 133, 80}}}},
    {"ChildPaddingIsHalvedAtTheOuterEdges",
     L"<Window><TileLayout columns=\"3\" childpadding=\"10\"><Control name=\"a\" height=\"40\"/>"
     L"<Control name=\"b\" height=\"40\"/><Control name=\"c\" height=\"40\"/><Control name=\"d\" height=\"40\"/>"
     L"</TileLayout></Window>",
     {300, 200},
     {{L"a", {0, 0, 95, 40}}, {L"b", {105, 0, 195, 40}}, {L"c", {205, 0, 300, 40}}, {L"d", {0, 50, 95, 90}}}},
    {"RowIsAsHighAsItsTallestAndChildrenAreCentred",
     L"<Window><TileLayout columns=\"3\"><Control name=\"a\" width=\"50\" height=\"40\"/>"
     L"<Control name=\"b\" height=\"60\"/><Control name=\"c\" height=\"50\"/><Control name=\"d\" height=\"10\"/>"
     L"</TileLayout></Window>",
     {300, 200},
     {{L"a", {25, 10, 75, 50}}, {L"b", {100, 0, 200, 60}}, {L"c", {200, 5, 300, 55}}, {L"d", {0, 60, 100, 70}}}},
    {"InsetAndPaddingShrinkTheCell",
     L"<Window><TileLayout columns=\"2\" inset=\"10,10,10,10\"><Control name=\"a\" height=\"20\" padding=\"4,2,6,0\"/>"
     L"<Control name=\"b\" height=\"20\"/></TileLayout></Window>",
     {220, 100},
     {{L"a", {14, 12, 104, 32}}, {L"b", {110, 11, 210, 31}}}},
    {"HiddenAndFloatChildrenTakeNoCell",
     L"<Window><TileLayout columns=\"2\"><Control name=\"h\" height=\"20\" visible=\"false\"/>"
     L"<Control name=\"f\" float=\"true\" pos=\"1,2,11,12\"/><Control name=\"a\" height=\"20\"/>"
     L"<Control name=\"b\" height=\"20\"/></TileLayout></Window>",
     {200, 100},
     {{L"h", {0, 0, 0, 0}}, {L"f", {1, 2, 11, 12}}, {L"a", {0, 0, 100, 20}}, {L"b", {100, 0, 200, 20}}}},
};

INSTANTIATE_TEST_SUITE_P(Tile, TileAndTab, ::testing::ValuesIn(kTileCases), CaseName);

const GridCase kTabCases[] = {
    {"OnlyTheFirstPageIsPlacedOverTheInnerRectangle",
     L"<Window><TabLayout inset=\"5,5,5,5\"><Control name=\"p0\"/><Control name=\"p1\"/><Control name=\"p2\"/>"
     L"</TabLayout></Window>",
     {100, 80},
     {{L"p0", {5, 5, 95, 75}}, {L"p1", {0, 0, 0, 0}}, {L"p2", {0, 0, 0, 0}}}},
    {"SelectedIdInTheMarkupPicksThePage",
     L"<Window><TabLayout selectedid=\"1\"><Control name=\"p0\"/><Control name=\"p1\" padding=\"1,2,3,4\"/>"
     L"</TabLayout></Window>",
     {100, 80},
     {{L"p1", {1, 2, 97, 76}}}},
    {"PageKeepsItsFixedSizeAndLimits",
     L"<Window><TabLayout><Control name=\"p0\" width=\"40\" maxheight=\"30\"/></TabLayout></Window>",
     {100, 80},
     {{L"p0", {0, 0, 40, 30}}}},
};

INSTANTIATE_TEST_SUITE_P(Tab, TileAndTab, ::testing::ValuesIn(kTabCases), CaseName);

const wchar_t kThreePages[] =
    L"<Window><TabLayout name=\"tabs\"><Control name=\"p0\"/><Control name=\"p1\"/><Control name=\"p2\"/>"
    L"</TabLayout></Window>";

class TabPages : public skintest::SkinTest {
 protected:
  CTabLayoutUI* LoadTabs() { return static_cast<CTabLayoutUI*>(Load(kThreePages, SIZE{100, 80})); }
  // "1" for a page that shows, "0" for a hidden one, in order.
  std::string Shown(CTabLayoutUI* tabs) {
    std::string shown;
    for (int i = 0; i < tabs->GetCount(); ++i) shown += tabs->GetItemAt(i)->IsVisible() ? '1' : '0';
    return shown;
  }
};

// The "tabselect" notifications a listener received, as "new,old" pairs.
std::vector<std::string> TabSelects(const uitest::LogListener& listener, CTabLayoutUI* tabs) {
  std::vector<std::string> selects;
  for (const auto& record : listener.records) {
    if (record.sType != L"tabselect") continue;
    EXPECT_EQ(tabs, record.pSender);
    selects.push_back(std::to_string(record.wParam) + "," + std::to_string(record.lParam));
  }
  return selects;
}

TEST_F(TabPages, SelectingShowsFocusesAndNotifiesOnce) {
  uitest::Lines log;
  uitest::LogListener listener(&log);
  OnGui([&] {
    CTabLayoutUI* tabs = LoadTabs();
    ASSERT_NE(tabs, nullptr);
    Manager().AddNotifier(&listener);
    EXPECT_EQ(0, tabs->GetCurrentIndex());
    EXPECT_EQ("100", Shown(tabs));

    EXPECT_TRUE(tabs->SelectItem(2));
    EXPECT_EQ("001", Shown(tabs));
    EXPECT_EQ(Find(L"p2"), Manager().GetFocus());
    EXPECT_EQ((RECT{0, 0, 100, 80}), PosOf(L"p2"));
    EXPECT_EQ(std::vector<std::string>{"2,0"}, TabSelects(listener, tabs));

    EXPECT_TRUE(tabs->SelectItem(2));
    EXPECT_FALSE(tabs->SelectItem(3));
    EXPECT_FALSE(tabs->SelectItem(-1));
    EXPECT_EQ(std::vector<std::string>{"2,0"}, TabSelects(listener, tabs));
    EXPECT_TRUE(tabs->SelectItemByControl(Find(L"p1")));
    EXPECT_EQ(1, tabs->GetCurrentIndex());
    EXPECT_FALSE(tabs->SelectItemByControl(tabs));
    Manager().RemoveNotifier(&listener);
  });
}

TEST_F(TabPages, CurrentIndexFollowsItsPageThroughInsertsAndRemovals) {
  OnGui([&] {
    CTabLayoutUI* tabs = LoadTabs();
    ASSERT_NE(tabs, nullptr);
    tabs->SelectItem(1);
    CControlUI* current = tabs->GetItemAt(1);

    auto* front = new CControlUI;
    ASSERT_TRUE(tabs->AddAt(front, 0));
    EXPECT_FALSE(front->IsVisible());
    EXPECT_EQ(2, tabs->GetCurrentIndex());
    EXPECT_EQ(current, tabs->GetItemAt(tabs->GetCurrentIndex()));

    ASSERT_TRUE(tabs->Remove(front));
    EXPECT_EQ(1, tabs->GetCurrentIndex());
    EXPECT_EQ(current, tabs->GetItemAt(tabs->GetCurrentIndex()));

    // Removing the current last page falls back to page 0.
    tabs->SelectItem(2);
    ASSERT_TRUE(tabs->RemoveAt(2));
    EXPECT_EQ(0, tabs->GetCurrentIndex());
    EXPECT_EQ("10", Shown(tabs));

    tabs->RemoveAll();
    EXPECT_EQ(-1, tabs->GetCurrentIndex());
    auto* page = new CControlUI;
    ASSERT_TRUE(tabs->Add(page));
    EXPECT_EQ(0, tabs->GetCurrentIndex());
    EXPECT_TRUE(page->IsVisible());
  });
}

TEST_F(TabPages, SelectedIdSetInCodeOnAnEmptyTabSelectsNothing) {
  OnGui([&] {
    CTabLayoutUI tabs;
    tabs.SetAttribute(L"selectedid", L"1");
    EXPECT_EQ(-1, tabs.GetCurrentIndex());
  });
}

}  // namespace
