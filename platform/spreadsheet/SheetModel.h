#pragma once
// One worksheet as the automation calls build it: its name, the cells that were written
// or styled (text and style each), the merged ranges and the columns marked for fitting.
// Range operations write into every cell of the range, so the last write to a cell wins.
//
// A report writes hundreds of thousands of cells, so the sheet keeps them compact: its
// rows in one vector by row number, each row's cells in one vector by column, every
// text in one buffer of the sheet and every style once in a table of the sheet, a cell
// naming both by position. Writing a cell allocates nothing of its own: a new row takes
// one vector for its cells, and the texts take a new block now and then.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/spreadsheet/CellRange.h"
#include "platform/spreadsheet/CellStyle.h"

namespace platform::spreadsheet {

// A cell as the sheet hands it out: valid until the sheet next changes.
struct CellView {
  int row = 0;
  int column = 0;
  std::wstring_view text;
  const CellStyle* style = nullptr;  // never null
};

class SheetModel {
 public:
  // The most cells one range operation touches; a larger range (a whole sheet or a whole
  // column's worth of rows) is refused rather than filled cell by cell.
  static constexpr int64_t kMaxCellsPerOperation = 1 << 20;

  explicit SheetModel(std::wstring name);

  const std::wstring& Name() const { return name_; }
  void SetName(std::wstring name) { name_ = std::move(name); }

  void SetText(int row, int column, std::wstring_view text);
  // Runs `change` on the style of every cell of the range; false, changing nothing,
  // when the range holds more than kMaxCellsPerOperation cells.
  bool ChangeStyles(const CellRange& range, const std::function<void(CellStyle&)>& change);
  // Runs `change` on one edge of the cells along a range's border index (left, top,
  // bottom, right: the outer cells; inside lines: the cells on both sides of each).
  bool ChangeBorder(const CellRange& range, int index, const std::function<void(BorderEdge&)>& change);

  // A merge replaces the merges it overlaps; merging one cell records nothing.
  void Merge(const CellRange& range);
  void Unmerge(const CellRange& range);
  void FitColumns(int firstColumn, int lastColumn);

  // Visits the cells in row order, then column order.
  template <typename Visit>
  void ForEachCell(Visit visit) const;
  const std::vector<CellRange>& Merges() const { return merges_; }
  bool IsFitted(int column) const;
  // The merge a cell lies in, or null.
  const CellRange* MergeAt(int row, int column) const;
  // False when the cell was never written or styled.
  bool Find(int row, int column, CellView* cell) const;
  // The cells written or styled.
  size_t CellCount() const;

 private:
  // Where a cell's text lies in the sheet's text buffer, and its style's place in the
  // sheet's table (0, the default look).
  struct Cell {
    int column;
    uint32_t style;
    size_t offset;
    size_t length;
  };
  struct Row {
    int row;
    std::vector<Cell> cells;
  };

  CellView ViewOf(int row, const Cell& cell) const;
  // The row, made when missing.
  Row& RowAt(int row);
  const Row* FindRow(int row) const;
  // Visits every cell of the range, made when missing, row by row.
  template <typename Visit>
  void EachCell(const CellRange& cells, Visit visit);
  void ChangeEdges(const CellRange& cells, Edge edge, const std::function<void(BorderEdge&)>& change);
  // Gives every cell of the range its style as `change` leaves it; each distinct style of
  // the range is changed once.
  void Restyle(const CellRange& cells, const std::function<void(CellStyle&)>& change);
  // The place of the sheet's one copy of a style.
  uint32_t Intern(const CellStyle& style);
  void StoreText(Cell& cell, std::wstring_view text);
  std::wstring_view TextOf(const Cell& cell) const;
  size_t StoredText() const;
  // Rewrites the text buffer without the texts no cell holds any longer, once they are
  // most of it.
  void CompactTexts();

  std::wstring name_;
  std::vector<Row> rows_;  // by row number
  // The texts in blocks that never move once made, so a growing sheet copies none of
  // them; a cell's offset counts through the blocks, each kTextBlock long (a longer text
  // has a block of its own size).
  std::vector<std::wstring> texts_;
  size_t unusedText_ = 0;  // characters that no cell holds any longer
  std::vector<CellStyle> styles_;
  std::map<CellStyle, uint32_t> styleIndex_;
  std::vector<CellRange> merges_;
  std::vector<CellRange> fitted_;  // column spans, rows unused
};

template <typename Visit>
void SheetModel::ForEachCell(Visit visit) const {
  for (const Row& row : rows_) {
    for (const Cell& cell : row.cells) visit(ViewOf(row.row, cell));
  }
}

}  // namespace platform::spreadsheet
