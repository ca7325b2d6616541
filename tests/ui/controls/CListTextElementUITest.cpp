// The multi-column text row: each cell shows what the list's text callback gives for
// it, under its column whether the header shows or not; with markup on, the cells'
// links (eight at most in a row) take the hand cursor and report "link".
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "testing/ui/ControlHarness.h"
#include "testing/ui/ListFixture.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CListTextElementUI.h"
#include "ui/controls/CListUI.h"
#include "ui/controls/IListTextCallbackUI.h"

namespace {

using controltest::ControlHarness;
using controltest::ListFixture;
using controltest::TestSkin;
using Lines = std::vector<std::string>;

const uint32_t kTextColor = 0xFF0000A0;

// The text of each (row, column) that has one.
class CellTexts : public SkinUI::IListTextCallbackUI {
 public:
  LPCTSTR GetItemText(SkinUI::CControlUI*, int iItem, int iSubItem) override {
    ++asked[std::make_pair(iItem, iSubItem)];
    auto it = texts.find(std::make_pair(iItem, iSubItem));
    return it != texts.end() ? it->second.c_str() : L"";
  }

  std::map<std::pair<int, int>, std::wstring> texts;
  std::map<std::pair<int, int>, int> asked;
};

std::wstring Skin(const std::wstring& listAttributes) {
  return TestSkin(ListFixture(3, L"ListTextElement")
                      .Header(L"<ListHeader><ListHeaderItem name=\"c0\" width=\"100\"/>"
                              L"<ListHeaderItem name=\"c1\" width=\"150\"/><ListHeaderItem name=\"c2\"/></ListHeader>")
                      .ListAttributes(L"itemtextcolor=\"#FF0000A0\" itemselectedtextcolor=\"#FF0000A0\" " +
                                      listAttributes)
                      .RowAttributes(L"height=\"24\"")
                      .Markup());
}

void UseCallback(ControlHarness& h, CellTexts& texts) {
  h.OnGui([&] {
    SkinUI::CListUI* pList = h.Find<SkinUI::CListUI>(L"list");
    pList->SetTextCallback(&texts);
    pList->Invalidate();
  });
  h.Driver().WaitIdle();
}

class TextRowCells : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(TextRowCells, ShowTheCallbacksTextUnderTheirColumn) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, Skin(GetParam()));
  ASSERT_TRUE(h.Created());
  CellTexts texts;
  texts.texts[{1, 1}] = L"Middle";
  texts.texts[{2, 2}] = L"Last";
  UseCallback(h, texts);

  EXPECT_GT(texts.asked[std::make_pair(0, 2)], 0) << "every cell is asked for";
  const controltest::ControlPixels row0 = h.Pixels(L"row0");
  EXPECT_EQ(row0.Count(kTextColor), 0) << "cells without text stay empty";
  const RECT inkMiddle = h.Pixels(L"row1").InkBox(controltest::kWhite);
  EXPECT_GE(inkMiddle.left, 100);
  EXPECT_LT(inkMiddle.right, 250);
  const RECT inkLast = h.Pixels(L"row2").InkBox(controltest::kWhite);
  EXPECT_GE(inkLast.left, 250);
}

INSTANTIATE_TEST_SUITE_P(Header, TextRowCells, ::testing::Values(L"", L"header=\"hidden\""),
                         [](const ::testing::TestParamInfo<const wchar_t*>& info) {
                           return std::wstring(info.param).empty() ? "Shown" : "Hidden";
                         });

TEST(TextRowCells, WithoutACallbackNothingShows) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, Skin(L""));
  ASSERT_TRUE(h.Created());
  EXPECT_EQ(h.Pixels(L"row1").Count(kTextColor), 0) << "the row's own text is no cell";
}

// Five links in each of the first two cells of row 0.
CellTexts Links() {
  CellTexts texts;
  texts.texts[{0, 0}] = L"{a a0}A0{/a} {a a1}A1{/a} {a a2}A2{/a} {a a3}A3{/a} {a a4}A4{/a}";
  texts.texts[{0, 1}] = L"{a b0}B0{/a} {a b1}B1{/a} {a b2}B2{/a} {a b3}B3{/a} {a b4}B4{/a}";
  return texts;
}

TEST(TextRowLinks, EightAreKept) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, Skin(L"itemshowhtml=\"true\""));
  ASSERT_TRUE(h.Created());
  CellTexts texts = Links();
  UseCallback(h, texts);
  h.OnGui([&] {
    auto* pRow = h.Find<SkinUI::CListTextElementUI>(L"row0");
    ASSERT_EQ(pRow->GetLinkCount(), SkinUI::CListTextElementUI::kMaxLinks);
    const std::vector<std::string> expected = {"a0", "a1", "a2", "a3", "a4", "b0", "b1", "b2"};
    for (int i = 0; i < pRow->GetLinkCount(); ++i) {
      EXPECT_EQ(controltest::Narrow(pRow->GetLinkText(i)), expected[i]);
      const RECT rc = pRow->GetLinkRect(i);
      EXPECT_LT(rc.left, rc.right);
      EXPECT_GE(rc.left, i < 5 ? 0 : 100) << "under its own column";
    }
    EXPECT_EQ(pRow->GetLinkText(8), L"");
    EXPECT_EQ(pRow->GetBehaviorFlags() & SkinUI::UIFLAG_SETCURSOR, UINT(SkinUI::UIFLAG_SETCURSOR))
        << "the hand over links";
    EXPECT_EQ(h.Find<SkinUI::CListTextElementUI>(L"row1")->GetBehaviorFlags() & SkinUI::UIFLAG_SETCURSOR, 0u);
  });
}

TEST(TextRowLinks, AClickOnALinkReportsIt) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, Skin(L"itemshowhtml=\"true\""));
  ASSERT_TRUE(h.Created());
  CellTexts texts = Links();
  UseCallback(h, texts);
  RECT rcLink = {0, 0, 0, 0};
  RECT rcRow = {0, 0, 0, 0};
  h.OnGui([&] {
    auto* pRow = h.Find<SkinUI::CListTextElementUI>(L"row0");
    rcLink = pRow->GetLinkRect(6);
    rcRow = pRow->GetPos();
  });
  h.Notifications().Clear();
  const POINT linkCentre = {(rcLink.left + rcLink.right) / 2 - rcRow.left,
                            (rcLink.top + rcLink.bottom) / 2 - rcRow.top};
  h.ClickAt(L"row0", linkCentre);
  h.ClickAt(L"row0", POINT{390, 12});
  driver.WaitIdle();
  EXPECT_EQ(h.Notifications().Lines(true),
            (Lines{"itemselect:list(0,-1)", "link:row0(6,0)", "itemclick:row0(0,0)"}))
      << "a release over a link reports the link instead of the click";
}

TEST(TextRowSize, FromTheListsFontWithAnOwnerAndFixedWithout) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<List name=\"list\" itemtextpadding=\"0,4,0,6\">"
                                    L"<ListTextElement name=\"row\"/></List>"));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    const int cyFont = h.Manager().GetDefaultFontInfo()->tm.tmHeight;
    const SIZE sz = h.Find(L"row")->MeasureSize(SIZE{400, 300});
    EXPECT_EQ(sz.cx, 0);
    EXPECT_EQ(sz.cy, cyFont + 8 + 4 + 6);
    SkinUI::CListTextElementUI orphan;
    orphan.SetFixedWidth(70);
    orphan.SetFixedHeight(20);
    const SIZE szOrphan = orphan.MeasureSize(SIZE{400, 300});
    EXPECT_EQ(szOrphan.cx, 70);
    EXPECT_EQ(szOrphan.cy, 20);
  });
}

}  // namespace
