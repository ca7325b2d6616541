#include "platform/spreadsheet/SheetModel.h"

#include <algorithm>
#include <utility>

namespace platform::spreadsheet {
namespace {

// Below this much unused text a rewrite of the texts saves too little to be worth it.
constexpr size_t kCompactAbove = 1 << 16;
constexpr size_t kTextBlock = 1 << 16;

template <typename Items, typename Number>
auto FirstAtOrAfter(Items& items, int key, Number number) {
  return std::lower_bound(items.begin(), items.end(), key,
                          [&](const auto& item, int wanted) { return number(item) < wanted; });
}

// Makes items numbered first..last all present, in order, keeping the ones there; the
// missing ones are made by `make`. Returns the position of the first.
template <typename Item, typename Number, typename Make>
size_t Fill(std::vector<Item>& items, int first, int last, Number number, Make make) {
  auto begin = FirstAtOrAfter(items, first, number);
  const size_t at = static_cast<size_t>(begin - items.begin());
  const auto end = FirstAtOrAfter(items, last + 1, number);
  const size_t wanted = static_cast<size_t>(last - first) + 1;
  if (static_cast<size_t>(end - begin) == wanted) return at;
  std::vector<Item> span;
  span.reserve(wanted);
  for (int n = first; n <= last; ++n) {
    if (begin != end && number(*begin) == n) {
      span.push_back(std::move(*begin++));
    } else {
      span.push_back(make(n));
    }
  }
  const auto gone = items.erase(items.begin() + static_cast<std::ptrdiff_t>(at), end);
  items.insert(gone, std::make_move_iterator(span.begin()), std::make_move_iterator(span.end()));
  return at;
}

}  // namespace

SheetModel::SheetModel(std::wstring name) : name_(std::move(name)) {
  styles_.emplace_back();
  styleIndex_.emplace(styles_.front(), 0);
}

CellView SheetModel::ViewOf(int row, const Cell& cell) const {
  return CellView{row, cell.column, TextOf(cell), &styles_[cell.style]};
}

std::wstring_view SheetModel::TextOf(const Cell& cell) const {
  if (cell.length == 0) return std::wstring_view();
  const std::wstring& block = texts_[cell.offset / kTextBlock];
  return std::wstring_view(block.data() + cell.offset % kTextBlock, cell.length);
}

size_t SheetModel::StoredText() const {
  return texts_.empty() ? 0 : (texts_.size() - 1) * kTextBlock + texts_.back().size();
}

SheetModel::Row& SheetModel::RowAt(int row) {
  // Reports write row after row: the common case is a new last row, as wide as the one
  // before it, so it takes that room at once rather than growing into it cell by cell.
  if (rows_.empty() || rows_.back().row < row) {
    std::vector<Cell> cells;
    if (!rows_.empty()) cells.reserve(rows_.back().cells.size());
    return rows_.emplace_back(Row{row, std::move(cells)});
  }
  const auto found = FirstAtOrAfter(rows_, row, [](const Row& r) { return r.row; });
  if (found != rows_.end() && found->row == row) return *found;
  return *rows_.insert(found, Row{row, {}});
}

const SheetModel::Row* SheetModel::FindRow(int row) const {
  const auto found = FirstAtOrAfter(rows_, row, [](const Row& r) { return r.row; });
  return found != rows_.end() && found->row == row ? &*found : nullptr;
}

void SheetModel::StoreText(Cell& cell, std::wstring_view text) {
  unusedText_ += cell.length;
  // A text starts a new block when the last one has no room for it whole; a longer text
  // than a block is that block alone.
  if (texts_.empty() || texts_.back().size() + text.size() > kTextBlock) {
    texts_.emplace_back().reserve(std::max(kTextBlock, text.size()));
  }
  cell.offset = (texts_.size() - 1) * kTextBlock + texts_.back().size();
  cell.length = text.size();
  texts_.back().append(text);
  if (text.size() > kTextBlock) texts_.emplace_back().reserve(kTextBlock);
  if (unusedText_ > kCompactAbove && unusedText_ * 2 > StoredText()) CompactTexts();
}

void SheetModel::CompactTexts() {
  std::vector<std::wstring> stored;
  stored.swap(texts_);
  unusedText_ = 0;
  for (Row& row : rows_) {
    for (Cell& cell : row.cells) {
      if (cell.length == 0) continue;
      const std::wstring& block = stored[cell.offset / kTextBlock];
      const std::wstring_view text(block.data() + cell.offset % kTextBlock, cell.length);
      cell.length = 0;  // moved, not dropped
      StoreText(cell, text);
    }
  }
}

void SheetModel::SetText(int row, int column, std::wstring_view text) {
  const auto byColumn = [](const Cell& c) { return c.column; };
  if (text.empty()) {
    // An emptied cell keeps its style; one that never had any is dropped.
    const auto found = FirstAtOrAfter(rows_, row, [](const Row& r) { return r.row; });
    if (found == rows_.end() || found->row != row) return;
    std::vector<Cell>& cells = found->cells;
    const auto cell = FirstAtOrAfter(cells, column, byColumn);
    if (cell == cells.end() || cell->column != column) return;
    unusedText_ += cell->length;
    cell->length = 0;
    if (cell->style == 0) cells.erase(cell);
    return;
  }
  std::vector<Cell>& cells = RowAt(row).cells;
  auto cell = cells.end();
  if (cells.empty() || cells.back().column < column) {
    cell = cells.insert(cells.end(), Cell{column, 0, 0, 0});
  } else {
    cell = FirstAtOrAfter(cells, column, byColumn);
    if (cell->column != column) cell = cells.insert(cell, Cell{column, 0, 0, 0});
  }
  StoreText(*cell, text);
}

template <typename Visit>
void SheetModel::EachCell(const CellRange& cells, Visit visit) {
  const size_t firstRow = Fill(
      rows_, cells.firstRow, cells.lastRow, [](const Row& r) { return r.row; },
      [](int row) { return Row{row, {}}; });
  const size_t rowCount = static_cast<size_t>(cells.Rows());
  for (size_t r = firstRow; r < firstRow + rowCount; ++r) {
    std::vector<Cell>& row = rows_[r].cells;
    const size_t first = Fill(
        row, cells.firstColumn, cells.lastColumn, [](const Cell& c) { return c.column; },
        [](int column) { return Cell{column, 0, 0, 0}; });
    const size_t columnCount = static_cast<size_t>(cells.Columns());
    for (size_t c = first; c < first + columnCount; ++c) visit(row[c]);
  }
}

uint32_t SheetModel::Intern(const CellStyle& style) {
  const auto found = styleIndex_.find(style);
  if (found != styleIndex_.end()) return found->second;
  const uint32_t index = static_cast<uint32_t>(styles_.size());
  styles_.push_back(style);
  styleIndex_.emplace(style, index);
  return index;
}

void SheetModel::Restyle(const CellRange& cells, const std::function<void(CellStyle&)>& change) {
  // A cell's old style is one the sheet had before this change began.
  constexpr uint32_t kUnchanged = UINT32_MAX;
  std::vector<uint32_t> changed(styles_.size(), kUnchanged);
  EachCell(cells, [&](Cell& cell) {
    uint32_t& made = changed[cell.style];
    if (made == kUnchanged) {
      CellStyle style = styles_[cell.style];
      change(style);
      made = Intern(style);
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

bool SheetModel::Find(int row, int column, CellView* cell) const {
  const Row* found = FindRow(row);
  if (found == nullptr) return false;
  const auto at = FirstAtOrAfter(found->cells, column, [](const Cell& c) { return c.column; });
  if (at == found->cells.end() || at->column != column) return false;
  *cell = ViewOf(row, *at);
  return true;
}

size_t SheetModel::CellCount() const {
  size_t count = 0;
  for (const Row& row : rows_) count += row.cells.size();
  return count;
}

}  // namespace platform::spreadsheet
