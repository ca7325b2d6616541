// A column header under the mouse: its separator dragged to resize the column, moving
// every row's cells with it but never below the minimum width, a negative separator
// width putting the grab area at the left edge; a press anywhere else reports
// "headerclick" at once, and the release nothing more.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "testing/ui/ControlHarness.h"
#include "testing/ui/ListFixture.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CListHeaderItemUI.h"

namespace {

using controltest::ControlHarness;
using controltest::ListFixture;
using controltest::TestSkin;
using Lines = std::vector<std::string>;

// Columns of 100, 50 and the rest; the middle one's separator is at its left edge.
std::wstring Skin(const std::wstring& firstColumn = L"width=\"100\"") {
  return TestSkin(ListFixture(3, L"ListContainerElement")
                      .Header(L"<ListHeader name=\"header\">"
                              L"<ListHeaderItem name=\"c0\" text=\"C0\" " + firstColumn + L"/>"
                              L"<ListHeaderItem name=\"c1\" text=\"C1\" width=\"50\" sepwidth=\"-4\"/>"
                              L"<ListHeaderItem name=\"c2\" text=\"C2\"/></ListHeader>")
                      .ListAttributes(L"height=\"200\"")
                      .RowAttributes(L"height=\"24\"")
                      .Cells(L"<Label name=\"a\"/><Label name=\"b\"/><Label name=\"c\"/>")
                      .Markup());
}

struct DragCase {
  const char* what;
  std::wstring firstColumn;
  LPCTSTR column;      // the column header pressed
  POINT press;         // where, from its top-left corner
  std::vector<int> moves;  // horizontal travel of each mouse move from the press
  std::vector<int> lefts;  // the three columns' left edges afterwards
  int lastRight;
  Lines sent;
};

void PrintTo(const DragCase& c, std::ostream* os) { *os << c.what; }

class HeaderItemDrag : public ::testing::TestWithParam<DragCase> {};

TEST_P(HeaderItemDrag, ResizesTheColumnAndEveryRowsCells) {
  const DragCase& c = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, Skin(c.firstColumn));
  ASSERT_TRUE(h.Created());
  const POINT start = h.ScreenPoint(c.column, c.press);
  driver.MoveMouse(start.x, start.y);
  driver.Press();
  for (int dx : c.moves) driver.MoveMouse(start.x + dx, start.y);
  driver.Release();
  driver.WaitIdle();

  EXPECT_EQ(h.Notifications().Lines(), c.sent);
  const std::vector<RECT> columns = ListFixture::ColumnRects(h);
  ASSERT_EQ(columns.size(), 3u);
  std::vector<int> lefts;
  for (const RECT& rc : columns) lefts.push_back(rc.left);
  EXPECT_EQ(lefts, c.lefts);
  EXPECT_EQ(columns[2].right, c.lastRight);
  for (int row = 0; row < 3; ++row) {
    const std::vector<RECT> cells = ListFixture::CellRects(h, row);
    ASSERT_EQ(cells.size(), 3u);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(cells[i].left, columns[i].left) << "row " << row << " cell " << i;
      EXPECT_EQ(cells[i].right, columns[i].right) << "row " << row << " cell " << i;
    }
  }
}

const DragCase kDragCases[] = {
    {"TheRightSeparatorWidensTheColumn", L"width=\"100\"", L"c0", {98, 10}, {10, 30}, {0, 130, 180}, 400, {}},
    {"AndNarrowsIt", L"width=\"100\"", L"c0", {98, 10}, {-40}, {0, 60, 110}, 400, {}},
    {"TheGrabAreaReachesFourPixelsIn", L"width=\"100\"", L"c0", {93, 10}, {20}, {0, 120, 170}, 400, {}},
    {"AMoveBelowTheMinimumWidthIsIgnored", L"width=\"40\"", L"c0", {38, 10}, {-30}, {0, 40, 90}, 400, {}},
    {"TheNextMoveCountsFromWhereTheLastOneTook", L"width=\"40\"", L"c0", {38, 10}, {-30, -20}, {0, 20, 70}, 400, {}},
    {"ANegativeSeparatorWidthGrabsAtTheLeftEdge", L"width=\"100\"", L"c1", {1, 10}, {20}, {0, 100, 130}, 400, {}},
    {"ThenTheRightEdgeDoesNotGrab", L"width=\"100\"", L"c1", {48, 10}, {20}, {0, 100, 150}, 400, {"headerclick:c1"}},
    {"AColumnThatIsNotDragable", L"width=\"100\" dragable=\"false\"", L"c0", {98, 10}, {30}, {0, 100, 150}, 400, {}},
    {"APressInsideTheColumnClicks", L"width=\"100\"", L"c0", {50, 10}, {30}, {0, 100, 150}, 400, {"headerclick:c0"}},
};

INSTANTIATE_TEST_SUITE_P(Separators, HeaderItemDrag, ::testing::ValuesIn(kDragCases),
                         [](const ::testing::TestParamInfo<DragCase>& info) { return info.param.what; });

TEST(HeaderItemClick, ReportedAtThePressAndNotAtTheRelease) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, Skin());
  ASSERT_TRUE(h.Created());
  h.Press(L"c2", h.CentreOffset(L"c2"));
  driver.WaitIdle();
  EXPECT_EQ(h.Notifications().Lines(), Lines{"headerclick:c2"});
  h.Release();
  driver.WaitIdle();
  EXPECT_EQ(h.Notifications().Lines(), Lines{"headerclick:c2"});
  h.OnGui([&] {
    SkinUI::CListHeaderItemUI* pColumn = h.Find<SkinUI::CListHeaderItemUI>(L"c2");
    pColumn->SetEnabled(false);
  });
  h.Click(L"c2");
  driver.WaitIdle();
  EXPECT_EQ(h.Notifications().Lines(), Lines{"headerclick:c2"}) << "a disabled column header reports nothing";
}

TEST(HeaderItemClick, TheSizingCursorOverTheGrabAreaOnly) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, Skin());
  ASSERT_TRUE(h.Created());
  const auto cursorAt = [&](LPCTSTR name, POINT offset) {
    h.MoveTo(name, offset);
    driver.WaitIdle();
    HCURSOR cursor = nullptr;
    h.OnGui([&] { cursor = ::GetCursor(); });
    return cursor;
  };
  HCURSOR sizing = nullptr;
  HCURSOR arrow = nullptr;
  h.OnGui([&] {
    sizing = ::LoadCursorW(nullptr, IDC_SIZEWE);
    arrow = ::LoadCursorW(nullptr, IDC_ARROW);
  });
  EXPECT_EQ(cursorAt(L"c0", POINT{97, 10}), sizing);
  EXPECT_EQ(cursorAt(L"c0", POINT{50, 10}), arrow);
  EXPECT_EQ(cursorAt(L"c1", POINT{2, 10}), sizing) << "the left edge of a negative separator";
  EXPECT_EQ(cursorAt(L"c1", POINT{48, 10}), arrow);
}

}  // namespace
