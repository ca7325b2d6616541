// The list's columns: how the header shares its width among the column headers, the
// column rectangles the list records for its rows (at most 32), and the cells of
// container rows lined up under them, with the header shown, hidden and scrolled
// sideways.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "testing/ui/ControlHarness.h"
#include "testing/ui/ListFixture.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CListUI.h"
#include "ui/core/control/CScrollBarUI.h"

namespace {

using controltest::ControlHarness;
using controltest::ListFixture;
using controltest::TestSkin;

// A column's left and right edge.
struct Span {
  int left;
  int right;
  bool operator==(const Span& other) const { return left == other.left && right == other.right; }
};

void PrintTo(const Span& s, std::ostream* os) { *os << "[" << s.left << "," << s.right << ")"; }

std::vector<Span> Spans(const std::vector<RECT>& rects) {
  std::vector<Span> spans;
  for (const RECT& rc : rects) spans.push_back(Span{rc.left, rc.right});
  return spans;
}

// Column headers of the given widths (0: none); `extra` goes into every one.
std::wstring Header(const std::vector<int>& widths, const std::wstring& extra = L"") {
  std::wstring markup = L"<ListHeader name=\"header\">";
  for (size_t i = 0; i < widths.size(); ++i) {
    markup += L"<ListHeaderItem name=\"c" + std::to_wstring(i) + L"\" text=\"C" + std::to_wstring(i) + L"\" ";
    if (widths[i] != 0) markup += L"width=\"" + std::to_wstring(widths[i]) + L"\" ";
    markup += extra + L"/>";
  }
  return markup + L"</ListHeader>";
}

std::wstring ScaledHeader(const std::vector<int>& scales) {
  std::wstring markup = L"<ListHeader name=\"header\" scaleheader=\"true\">";
  for (size_t i = 0; i < scales.size(); ++i) {
    markup += L"<ListHeaderItem name=\"c" + std::to_wstring(i) + L"\" scale=\"" + std::to_wstring(scales[i]) + L"\"/>";
  }
  return markup + L"</ListHeader>";
}

const wchar_t kThreeCells[] =
    L"<Label name=\"a\" text=\"a\"/><Label name=\"b\" text=\"b\"/><Label name=\"c\" text=\"c\"/>";

std::vector<Span> Sequence(int count, int width, int start = 0) {
  std::vector<Span> spans;
  for (int i = 0; i < count; ++i) spans.push_back(Span{start + i * width, start + (i + 1) * width});
  return spans;
}

struct ColumnCase {
  const char* what;
  std::wstring header;
  std::wstring listAttributes;
  int scrollX;                 // the body is scrolled this far sideways
  std::vector<Span> columns;   // the list's column rectangles
  std::vector<Span> cells;     // the first container row's three cells
};

void PrintTo(const ColumnCase& c, std::ostream* os) { *os << c.what; }

class ListColumns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(ListColumns, LineTheCellsUp) {
  const ColumnCase& c = GetParam();
  platform::headless::TestDriver driver;
  const std::wstring list = ListFixture(3, L"ListContainerElement")
                                .Header(c.header)
                                .ListAttributes(L"height=\"200\" " + c.listAttributes)
                                .RowAttributes(L"height=\"24\"")
                                .Cells(kThreeCells)
                                .Markup();
  ControlHarness h(driver, TestSkin(list));
  ASSERT_TRUE(h.Created());
  if (c.scrollX != 0) {
    h.OnGui([&] { h.Find<SkinUI::CListUI>(L"list")->SetScrollPos(SIZE{c.scrollX, 0}); });
    driver.WaitIdle();
  }
  EXPECT_EQ(Spans(ListFixture::ColumnRects(h)), c.columns);
  for (int row = 0; row < 3; ++row) EXPECT_EQ(Spans(ListFixture::CellRects(h, row)), c.cells) << "row " << row;
}

const ColumnCase kColumnCases[] = {
    {"TheLastColumnWithoutAWidthTakesTheRest", Header({100, 50, 0}), L"", 0,
     {{0, 100}, {100, 150}, {150, 400}}, {{0, 100}, {100, 150}, {150, 400}}},
    {"ColumnsWithoutWidthsShareWhatIsLeft", Header({100, 0, 0}), L"", 0, {{0, 100}, {100, 250}, {250, 400}},
     {{0, 100}, {100, 250}, {250, 400}}},
    {"TheLastAdjustableColumnTakesTheRemainder", Header({0, 0, 0}), L"", 0, {{0, 133}, {133, 266}, {266, 400}},
     {{0, 133}, {133, 266}, {266, 400}}},
    {"NarrowColumnsKeepTheirMinimumWidth", Header({10, 50, 0}), L"", 0, {{0, 16}, {16, 66}, {66, 400}},
     {{0, 16}, {16, 66}, {66, 400}}},
    {"ScaledColumnsTakeTheirShareOfTheWidthLessTheBar", ScaledHeader({25, 25, 50}), L"vscrollbar=\"true\"", 0,
     {{0, 96}, {96, 192}, {192, 384}}, {{0, 96}, {96, 192}, {192, 384}}},
    {"FortyColumnsUseThirtyTwo", Header(std::vector<int>(40, 20)), L"", 0, Sequence(32, 20), Sequence(3, 20)},
    {"AHiddenHeaderStillGivesTheColumns", Header({100, 50, 0}), L"header=\"hidden\"", 0,
     {{0, 100}, {100, 150}, {150, 400}}, {{0, 133}, {133, 266}, {266, 399}}},
    {"ScrollingSidewaysMovesColumnsAndCells", Header({300, 300}), L"hscrollbar=\"true\"", 50,
     {{-50, 250}, {250, 550}}, {{-50, 250}, {250, 550}, {350, 550}}},
    {"AHiddenHeaderScrolledSideways", Header({300, 300}), L"hscrollbar=\"true\" header=\"hidden\"", 50,
     {{-50, 250}, {250, 550}}, {{-50, 150}, {150, 350}, {350, 550}}},
};

INSTANTIATE_TEST_SUITE_P(Headers, ListColumns, ::testing::ValuesIn(kColumnCases),
                         [](const ::testing::TestParamInfo<ColumnCase>& info) { return info.param.what; });

TEST(ListColumnsHeader, RowsOfAWideHeaderScrollSideways) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(ListFixture(3, L"ListContainerElement")
                                        .Header(Header({300, 300}))
                                        .ListAttributes(L"height=\"200\" hscrollbar=\"true\"")
                                        .RowAttributes(L"height=\"24\"")
                                        .Cells(kThreeCells)
                                        .Markup()));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    SkinUI::CListUI* pList = h.Find<SkinUI::CListUI>(L"list");
    SkinUI::CScrollBarUI* pBar = pList->GetHorizontalScrollBar();
    ASSERT_NE(pBar, nullptr);
    EXPECT_TRUE(pBar->IsVisible());
    EXPECT_EQ(pBar->GetScrollRange(), 200);
    const RECT rcRow = pList->GetItemAt(0)->GetPos();
    EXPECT_EQ(rcRow.right - rcRow.left, 600) << "rows as wide as the header";
    pList->ScrollToRight();
  });
  driver.WaitIdle();
  const std::vector<Span> scrolled = {{-200, 100}, {100, 400}};
  EXPECT_EQ(Spans(ListFixture::ColumnRects(h)), scrolled);
  EXPECT_EQ(Spans(ListFixture::CellRects(h, 2)).front(), scrolled.front());

  // Laid out again where it is, the list keeps the scrolled columns under a header
  // that starts as far left.
  h.OnGui([&] {
    SkinUI::CListUI* pList = h.Find<SkinUI::CListUI>(L"list");
    pList->SetPos(pList->GetPos());
  });
  EXPECT_EQ(Spans(ListFixture::ColumnRects(h)), scrolled);
  EXPECT_EQ(h.ControlRect(L"header").left, -200);
}

TEST(ListColumnsHeader, BothBarsAndTheirStylesGoToTheBody) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(ListFixture(30)
                                        .Header(Header({300, 300}))
                                        .ListAttributes(L"height=\"200\" vscrollbar=\"true\" hscrollbar=\"true\" "
                                                        L"vscrollbarstyle=\"width=&quot;12&quot;\"")
                                        .RowAttributes(L"height=\"24\"")
                                        .Markup()));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    SkinUI::CListUI* pList = h.Find<SkinUI::CListUI>(L"list");
    SkinUI::CScrollBarUI* pVertical = pList->GetVerticalScrollBar();
    SkinUI::CScrollBarUI* pHorizontal = pList->GetHorizontalScrollBar();
    ASSERT_NE(pVertical, nullptr);
    ASSERT_NE(pHorizontal, nullptr);
    EXPECT_EQ(pVertical->GetFixedWidth(), 12);
    EXPECT_TRUE(pVertical->IsVisible());
    EXPECT_TRUE(pHorizontal->IsVisible());
    EXPECT_EQ(pList->GetList()->GetVerticalScrollBar(), pVertical);
  });
}

}  // namespace
