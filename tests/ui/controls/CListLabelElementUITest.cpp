// How rows look and what they report: the background and text colours of each state
// in the owner's look (selected beats hot, disabled beats selected, alternate rows
// coloured on even indices only), the line under each row; "itemclick" at every
// release of a press on an enabled row, "itemactivate" on a double click; the label
// row's measured size.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "testing/ui/ControlHarness.h"
#include "testing/ui/ListFixture.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CListLabelElementUI.h"
#include "ui/controls/CListUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

using controltest::ControlHarness;
using controltest::ListFixture;
using controltest::TestSkin;
using SkinUI::CListUI;
using Lines = std::vector<std::string>;

const uint32_t kBk = 0xFFE0E0E0;
const uint32_t kHotBk = 0xFFC0FFC0;
const uint32_t kSelectedBk = 0xFFC0C0FF;
const uint32_t kDisabledBk = 0xFFFFC0C0;
const uint32_t kText = 0xFF0000A0;
const uint32_t kHotText = 0xFF00A000;
const uint32_t kSelectedText = 0xFFA00000;
const uint32_t kDisabledText = 0xFF808000;
const uint32_t kLine = 0xFF3050F0;
const uint32_t kNone = controltest::kWhite;  // the window's background shows through

std::wstring Colors(bool alternate) {
  return std::wstring(L"itembkcolor=\"#FFE0E0E0\" itemhotbkcolor=\"#FFC0FFC0\" itemselectedbkcolor=\"#FFC0C0FF\" "
                      L"itemdisabledbkcolor=\"#FFFFC0C0\" itemtextcolor=\"#FF0000A0\" itemhottextcolor=\"#FF00A000\" "
                      L"itemselectedtextcolor=\"#FFA00000\" itemdisabledtextcolor=\"#FF808000\" "
                      L"itemlinecolor=\"#FF3050F0\" header=\"hidden\" itemaltbk=\"") +
         (alternate ? L"true" : L"false") + L"\"";
}

// Six rows of 24 pixels; container rows hold one cell that draws nothing.
std::wstring Skin(const std::wstring& rowElement, bool alternate) {
  ListFixture rows(6, rowElement);
  rows.ListAttributes(Colors(alternate)).RowAttributes(L"height=\"24\"");
  if (rowElement == L"ListContainerElement") rows.Cells(L"<Control/>");
  return TestSkin(rows.Markup());
}

struct LookCase {
  const char* what;
  bool alternate;
  int row;
  bool hot;
  bool selected;
  bool disabled;
  uint32_t background;
  uint32_t text;  // label rows only: container rows leave text to their cells
};

void PrintTo(const LookCase& c, std::ostream* os) { *os << c.what; }

class RowLook : public ::testing::TestWithParam<std::tuple<LookCase, const wchar_t*>> {};

TEST_P(RowLook, ColoursOfTheState) {
  const LookCase& c = std::get<0>(GetParam());
  const std::wstring rowElement = std::get<1>(GetParam());
  platform::headless::TestDriver driver;
  ControlHarness h(driver, Skin(rowElement, c.alternate));
  ASSERT_TRUE(h.Created());
  const std::wstring row = L"row" + std::to_wstring(c.row);
  h.OnGui([&] {
    CListUI* pList = h.Find<CListUI>(L"list");
    if (c.selected) {
      EXPECT_TRUE(pList->SelectItem(c.row));
    }
    if (c.disabled) pList->GetItemAt(c.row)->SetEnabled(false);
  });
  if (c.hot) h.MoveTo(row.c_str(), POINT{200, 12});

  const controltest::ControlPixels pixels = h.Pixels(row.c_str());
  EXPECT_EQ(pixels.At(390, 8), c.background) << "away from the text";
  EXPECT_EQ(pixels.At(390, 23), kLine) << "the line along the bottom";
  if (rowElement != std::wstring(L"ListLabelElement")) return;
  EXPECT_GT(pixels.Count(c.text), 0) << "the text's colour";
  for (uint32_t other : {kText, kHotText, kSelectedText, kDisabledText}) {
    if (other == c.text) continue;
    EXPECT_EQ(pixels.Count(other), 0) << std::hex << other;
  }
}

const LookCase kLookCases[] = {
    {"Plain", false, 1, false, false, false, kBk, kText},
    {"Hot", false, 1, true, false, false, kHotBk, kHotText},
    {"Selected", false, 1, false, true, false, kSelectedBk, kSelectedText},
    {"SelectedBeatsHot", false, 1, true, true, false, kSelectedBk, kSelectedText},
    {"Disabled", false, 1, false, false, true, kDisabledBk, kDisabledText},
    {"DisabledBeatsSelected", false, 1, false, true, true, kDisabledBk, kDisabledText},
    {"ADisabledRowIsNeverHot", false, 1, true, false, true, kDisabledBk, kDisabledText},
    {"AlternateRowsLeaveOddRowsBare", true, 1, false, false, false, kNone, kText},
    {"AlternateRowsColourEvenRows", true, 2, false, false, false, kBk, kText},
    {"AnOddRowIsStillHot", true, 3, true, false, false, kHotBk, kHotText},
};

INSTANTIATE_TEST_SUITE_P(States, RowLook,
                         ::testing::Combine(::testing::ValuesIn(kLookCases),
                                            ::testing::Values(L"ListLabelElement", L"ListContainerElement")),
                         [](const ::testing::TestParamInfo<std::tuple<LookCase, const wchar_t*>>& info) {
                           return std::string(std::get<0>(info.param).what) +
                                  (std::get<1>(info.param)[4] == L'L' ? "_Label" : "_Container");
                         });

TEST(RowLookAlternate, EvenRowsOnly) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, Skin(L"ListLabelElement", true));
  ASSERT_TRUE(h.Created());
  std::vector<uint32_t> backgrounds;
  for (int i = 0; i < 6; ++i) backgrounds.push_back(h.Pixel((L"row" + std::to_wstring(i)).c_str(), POINT{390, 8}));
  EXPECT_EQ(backgrounds, (std::vector<uint32_t>{kBk, kNone, kBk, kNone, kBk, kNone}));
}

// --- What rows report ---

struct ReportCase {
  const char* what;
  std::set<int> disabled;
  std::function<void(ControlHarness&)> input;
  Lines sent;
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.what; }

class RowReports : public ::testing::TestWithParam<std::tuple<ReportCase, const wchar_t*>> {};

TEST_P(RowReports, InOrder) {
  const ReportCase& c = std::get<0>(GetParam());
  platform::headless::TestDriver driver;
  ListFixture rows(5, std::get<1>(GetParam()));
  rows.Disabled(c.disabled).RowAttributes(L"height=\"24\"").ListAttributes(L"header=\"hidden\"");
  ControlHarness h(driver, TestSkin(rows.Markup()));
  ASSERT_TRUE(h.Created());
  c.input(h);
  driver.WaitIdle();
  EXPECT_EQ(h.Notifications().Lines(true), c.sent);
}

const ReportCase kReportCases[] = {
    {"AClickSelectsAtThePressAndClicksAtTheRelease", {}, [](ControlHarness& h) { h.Click(L"row1"); },
     {"itemselect:list(1,-1)", "itemclick:row1(0,0)"}},
    {"AReleaseAwayFromThePressedRowStillClicksIt", {},
     [](ControlHarness& h) {
       h.Press(L"row1", POINT{20, 12});
       h.MoveTo(L"row3", POINT{20, 12});
       h.Release();
     },
     {"itemselect:list(1,-1)", "itemclick:row1(0,0)"}},
    {"ARightPressSelectsToo", {},
     [](ControlHarness& h) {
       const POINT pt = h.ScreenPoint(L"row2", POINT{20, 12});
       h.Driver().Click(pt.x, pt.y, platform::backend::MouseButton::Right);
     },
     {"itemselect:list(2,-1)"}},
    {"ADoubleClickActivates", {},
     [](ControlHarness& h) {
       h.Click(L"row2");
       h.Click(L"row2");
     },
     {"itemselect:list(2,-1)", "itemclick:row2(0,0)", "itemactivate:row2(0,0)", "itemclick:row2(0,0)"}},
    {"ADisabledRowReportsNothing", {2},
     [](ControlHarness& h) {
       h.Click(L"row2");
       h.Click(L"row2");
     },
     {}},
};

INSTANTIATE_TEST_SUITE_P(Mouse, RowReports,
                         ::testing::Combine(::testing::ValuesIn(kReportCases),
                                            ::testing::Values(L"ListLabelElement", L"ListContainerElement")),
                         [](const ::testing::TestParamInfo<std::tuple<ReportCase, const wchar_t*>>& info) {
                           return std::string(std::get<0>(info.param).what) +
                                  (std::get<1>(info.param)[4] == L'L' ? "_Label" : "_Container");
                         });

TEST(ContainerRowReports, TimerAndContextMenu) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(ListFixture(2, L"ListContainerElement")
                                        .RowAttributes(L"height=\"24\" menu=\"true\"")
                                        .Cells(L"<Control/>")
                                        .Markup()));
  ASSERT_TRUE(h.Created());
  const POINT pt = h.ScreenPoint(L"row1", POINT{20, 12});
  h.Driver().Click(pt.x, pt.y, platform::backend::MouseButton::Right);
  h.OnGui([&] { h.Find(L"row1")->StartTimer(7, 10); });
  h.Advance(10);
  driver.WaitIdle();
  const std::vector<controltest::RecordedNotify> entries = h.Notifications().Entries();
  Lines lines;
  for (const auto& entry : entries) {
    if (entry.type == "menu" || entry.type == "timer") lines.push_back(entry.type + ":" + entry.sender);
  }
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "menu:row1");
  EXPECT_EQ(lines[1], "timer:row1");
}

// --- Measuring ---

TEST(LabelRowSize, FromTheOwnersFontAndPadding) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<List name=\"list\" header=\"hidden\" itemtextpadding=\"5,3,7,2\">"
                                    L"<ListLabelElement name=\"auto\" text=\"Row\"/>"
                                    L"<ListLabelElement name=\"fixed\" text=\"Row\" width=\"120\" height=\"30\"/>"
                                    L"</List>"));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    SkinUI::CControlUI* pAuto = h.Find(L"auto");
    const int cyFont = h.Manager().GetDefaultFontInfo()->tm.tmHeight;
    const SIZE szAuto = pAuto->MeasureSize(SIZE{400, 300});
    EXPECT_EQ(szAuto.cy, cyFont + 8 + 3 + 2);
    EXPECT_GT(szAuto.cx, 5 + 7) << "the text's width and the side paddings";
    const SIZE szFixed = h.Find(L"fixed")->MeasureSize(SIZE{400, 300});
    EXPECT_EQ(szFixed.cx, 120);
    EXPECT_EQ(szFixed.cy, 30);
    SkinUI::CListLabelElementUI orphan;
    orphan.SetText(L"Row");
    const SIZE szOrphan = orphan.MeasureSize(SIZE{400, 300});
    EXPECT_EQ(szOrphan.cx, 0) << "nothing to measure with without an owner";
    EXPECT_EQ(szOrphan.cy, 0);
  });
}

TEST(LabelRowSize, FollowsEveryChangeOfTheText) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<List name=\"list\" header=\"hidden\">"
                                    L"<ListLabelElement name=\"row\" text=\"Row\"/>"
                                    L"</List>"));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    SkinUI::CControlUI* row = h.Find(L"row");
    const int narrow = row->MeasureSize(SIZE{400, 300}).cx;
    EXPECT_EQ(row->MeasureSize(SIZE{400, 300}).cx, narrow) << "measured again, the same";
    const struct {
      const wchar_t* text;
      bool wider;
    } cases[] = {{L"Row and a much longer text", true}, {L"Row", false}, {L"Row 12345", true}, {L"Row", false}};
    for (size_t i = 0; i < std::size(cases); ++i) {
      const auto& c = cases[i];
      SCOPED_TRACE(i);
      row->SetText(c.text);
      const int width = row->MeasureSize(SIZE{400, 300}).cx;
      if (c.wider) {
        EXPECT_GT(width, narrow);
      } else {
        EXPECT_EQ(width, narrow) << "the first text again";
      }
    }
  });
}

}  // namespace
