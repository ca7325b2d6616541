#include "platform/spreadsheet/SheetModel.h"

#include <algorithm>
#include <utility>

namespace platform::spreadsheet {

const std::shared_ptr<const CellStyle>& Cell::DefaultStyle() {
  static const std::shared_ptr<const CellStyle> style = std::make_shared<const CellStyle>();
  return style;
}

void SheetModel::SetText(int row, int column, std::wstring text) {
  if (text.empty()) {
    // An emptied cell keeps its style; one that never had any is dropped.
    const auto found = cells_.find(Key(row, column));
    if (found == cells_.end()) return;
    found->second.text.clear();
    if (found->second.style->IsDefault()) cells_.erase(found);
    return;
  }
  At(row, column).text = std::move(text);
}

template <typename Visit>
void SheetModel::EachCell(const CellRange& cells, Visit visit) {
  for (int row = cells.firstRow; row <= cells.lastRow; ++row) {
    auto at = cells_.lower_bound(Key(row, cells.firstColumn));
    for (int column = cells.firstColumn; column <= cells.lastColumn; ++column, ++at) {
      const int64_t key = Key(row, column);
      // The first cell at or after the key: a missing cell goes in just before it.
      if (at == cells_.end() || at->first != key) at = cells_.emplace_hint(at, key, Cell());
      visit(at->second);
    }
  }
}

std::shared_ptr<const CellStyle> SheetModel::Intern(CellStyle style) {
  const auto found = styles_.find(style);
  if (found != styles_.end()) return found->second;
  auto shared = std::make_shared<const CellStyle>(style);
  styles_.emplace(std::move(style), shared);
  return shared;
}

// The styles a range's cells point at are the default or the sheet's own, all alive
// while the sheet is: a style's address names it for the length of one change.
void SheetModel::Restyle(const CellRange& cells, const std::function<void(CellStyle&)>& change) {
  std::map<const CellStyle*, std::shared_ptr<const CellStyle>> changed;
  EachCell(cells, [&](Cell& cell) {
    std::shared_ptr<const CellStyle>& made = changed[cell.style.get()];
    if (!made) {
      CellStyle style = *cell.style;
      change(style);
      made = Intern(std::move(style));
    }
    cell.style = made;
  });
}

bool SheetModel::ChangeStyles(const CellRange& range, const std::function<void(CellStyle&)>& change) {
  if (range.CellCount() > kMaxCellsPerOperation) return false;
  Restyle(range, change);
  return true;
}

void SheetModel::ChangeEdges(const CellRange& cells, Edge edge, const std::function<void(BorderEdge&)>& change) {
  Restyle(cells, [&change, edge](CellStyle& style) { change(style.EdgeAt(edge)); });
}

bool SheetModel::ChangeBorder(const CellRange& range, int index, const std::function<void(BorderEdge&)>& change) {
  if (range.CellCount() > kMaxCellsPerOperation) return false;
  const CellRange& r = range;
  switch (index) {
    case kEdgeLeft:
      ChangeEdges({r.firstRow, r.firstColumn, r.lastRow, r.firstColumn}, Edge::Left, change);
      return true;
    case kEdgeTop:
      ChangeEdges({r.firstRow, r.firstColumn, r.firstRow, r.lastColumn}, Edge::Top, change);
      return true;
    case kEdgeBottom:
      ChangeEdges({r.lastRow, r.firstColumn, r.lastRow, r.lastColumn}, Edge::Bottom, change);
      return true;
    case kEdgeRight:
      ChangeEdges({r.firstRow, r.lastColumn, r.lastRow, r.lastColumn}, Edge::Right, change);
      return true;
    case kInsideVertical:
      if (r.Columns() < 2) return false;
      ChangeEdges({r.firstRow, r.firstColumn, r.lastRow, r.lastColumn - 1}, Edge::Right, change);
      ChangeEdges({r.firstRow, r.firstColumn + 1, r.lastRow, r.lastColumn}, Edge::Left, change);
      return true;
    case kInsideHorizontal:
      if (r.Rows() < 2) return false;
      ChangeEdges({r.firstRow, r.firstColumn, r.lastRow - 1, r.lastColumn}, Edge::Bottom, change);
      ChangeEdges({r.firstRow + 1, r.firstColumn, r.lastRow, r.lastColumn}, Edge::Top, change);
      return true;
    default:
      return false;
  }
}

void SheetModel::Merge(const CellRange& range) {
  Unmerge(range);
  if (range.CellCount() < 2) return;
  merges_.push_back(range);
}

void SheetModel::Unmerge(const CellRange& range) {
  merges_.erase(std::remove_if(merges_.begin(), merges_.end(), [&](const CellRange& m) { return m.Intersects(range); }),
                merges_.end());
}

void SheetModel::FitColumns(int firstColumn, int lastColumn) {
  fitted_.push_back(CellRange{1, firstColumn, 1, lastColumn});
}

bool SheetModel::IsFitted(int column) const {
  return std::any_of(fitted_.begin(), fitted_.end(),
                     [&](const CellRange& span) { return column >= span.firstColumn && column <= span.lastColumn; });
}

const CellRange* SheetModel::MergeAt(int row, int column) const {
  for (const CellRange& merge : merges_) {
    if (merge.Contains(row, column)) return &merge;
  }
  return nullptr;
}

const Cell* SheetModel::Find(int row, int column) const {
  const auto found = cells_.find(Key(row, column));
  return found == cells_.end() ? nullptr : &found->second;
}

}  // namespace platform::spreadsheet
