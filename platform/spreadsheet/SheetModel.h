#pragma once
// One worksheet as the automation calls build it: its name, the cells that were written
// or styled (text and style each), the merged ranges and the columns marked for fitting.
// Range operations write into every cell of the range, so the last write to a cell wins.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/spreadsheet/CellRange.h"
#include "platform/spreadsheet/CellStyle.h"

namespace platform::spreadsheet {

struct Cell {
  std::wstring text;
  // Shared by the cells of one look: a report's cells would otherwise each hold a
  // style's strings and edges. Never null; a sheet's styles live as long as it does.
  std::shared_ptr<const CellStyle> style = DefaultStyle();

  static const std::shared_ptr<const CellStyle>& DefaultStyle();
};

class SheetModel {
 public:
  // The most cells one range operation touches; a larger range (a whole sheet or a whole
  // column's worth of rows) is refused rather than filled cell by cell.
  static constexpr int64_t kMaxCellsPerOperation = 1 << 20;

  explicit SheetModel(std::wstring name) : name_(std::move(name)) {}

  const std::wstring& Name() const { return name_; }
  void SetName(std::wstring name) { name_ = std::move(name); }

  void SetText(int row, int column, std::wstring text);
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

  // Cells in row order, then column order.
  const std::map<int64_t, Cell>& Cells() const { return cells_; }
  const std::vector<CellRange>& Merges() const { return merges_; }
  bool IsFitted(int column) const;
  // The merge a cell lies in, or null.
  const CellRange* MergeAt(int row, int column) const;
  const Cell* Find(int row, int column) const;

  static int64_t Key(int row, int column) { return static_cast<int64_t>(row - 1) * kSheetColumns + (column - 1); }
  static int RowOf(int64_t key) { return static_cast<int>(key / kSheetColumns) + 1; }
  static int ColumnOf(int64_t key) { return static_cast<int>(key % kSheetColumns) + 1; }

 private:
  Cell& At(int row, int column) { return cells_[Key(row, column)]; }
  // Visits every cell of the range, made when missing, walking each row from one lookup:
  // a border or style put on a block of a report's size is a walk, not a search a cell.
  template <typename Visit>
  void EachCell(const CellRange& cells, Visit visit);
  void ChangeEdges(const CellRange& cells, Edge edge, const std::function<void(BorderEdge&)>& change);
  // Gives every cell of the range its style as `change` leaves it; each distinct style of
  // the range is changed once.
  void Restyle(const CellRange& cells, const std::function<void(CellStyle&)>& change);
  // The sheet's one copy of a style.
  std::shared_ptr<const CellStyle> Intern(CellStyle style);

  std::wstring name_;
  std::map<int64_t, Cell> cells_;
  std::map<CellStyle, std::shared_ptr<const CellStyle>> styles_;
  std::vector<CellRange> merges_;
  std::vector<CellRange> fitted_;  // column spans, rows unused
};

}  // namespace platform::spreadsheet
