#pragma once
// Lists for control tests: the markup of a list of N rows of one row class, some of
// them disabled or hidden, or the same rows added to a list in code; and readers of
// what the list laid out: each row's rectangle, the column rectangles the rows align
// to, and the cells of a container row. Rows are named "row0", "row1", ... and show
// "Row 0", "Row 1", ...; read and fill on the window's thread only through the
// harness.
#include <set>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "testing/ui/ControlHarness.h"

namespace SkinUI {
class CListUI;
}

namespace controltest {

class ListFixture {
 public:
  // `rowElement` is a skin element name: "ListLabelElement", "ListTextElement",
  // "ListContainerElement", ...
  explicit ListFixture(int rows, std::wstring rowElement = L"ListLabelElement");

  ListFixture& Disabled(std::set<int> rows);
  ListFixture& Hidden(std::set<int> rows);
  // Written into the list's element as they are: `name="value" ...`.
  ListFixture& ListAttributes(std::wstring attributes);
  // Written into every row's element.
  ListFixture& RowAttributes(std::wstring attributes);
  // Markup placed inside the list ahead of the rows (a ListHeader, say).
  ListFixture& Header(std::wstring markup);
  // Markup placed inside every row (a container row's cells).
  ListFixture& Cells(std::wstring markup);

  // The list's element, named `name`, with every row.
  std::wstring Markup(const std::wstring& name = L"list") const;
  // Adds the same rows, without cells, to a list built elsewhere; on the window's
  // thread.
  void Fill(SkinUI::CListUI* pList) const;

  // On the test's thread, through the window's thread: the rows' rectangles in order
  // (hidden rows as they were last placed), and the list's column rectangles.
  static std::vector<RECT> RowRects(ControlHarness& h, LPCTSTR list = L"list");
  static std::vector<RECT> ColumnRects(ControlHarness& h, LPCTSTR list = L"list");
  // The rectangles of a container row's cells.
  static std::vector<RECT> CellRects(ControlHarness& h, int row, LPCTSTR list = L"list");
  static int CurSel(ControlHarness& h, LPCTSTR list = L"list");

 private:
  std::wstring RowMarkup(int i) const;

  int rows_;
  std::wstring rowElement_;
  std::set<int> disabled_;
  std::set<int> hidden_;
  std::wstring listAttributes_;
  std::wstring rowAttributes_;
  std::wstring header_;
  std::wstring cells_;
};

}  // namespace controltest
