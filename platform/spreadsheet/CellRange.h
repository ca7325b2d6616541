#pragma once
// A rectangle of cells, 1-based, first corner top-left, as the spreadsheet's A1 texts
// name them ("A1", "$G$2", "A1:G3").
#include <cstdint>
#include <string>

namespace platform::spreadsheet {

constexpr int kSheetRows = 1048576;
constexpr int kSheetColumns = 16384;

struct CellRange {
  int firstRow = 1;
  int firstColumn = 1;
  int lastRow = 1;
  int lastColumn = 1;

  // Every cell of a sheet.
  static CellRange Sheet();
  // The rectangle spanned by two cell texts, whatever corners they name; an empty second
  // text takes the first alone, which may itself be a range ("A1:G3").
  static bool Parse(const std::wstring& cell1, const std::wstring& cell2, CellRange* range);
  static bool ParseCell(const std::wstring& text, int* row, int* column);
  // "A" for 1, "Z" for 26, "AA" for 27.
  static std::wstring ColumnName(int column);

  int Rows() const { return lastRow - firstRow + 1; }
  int Columns() const { return lastColumn - firstColumn + 1; }
  int64_t CellCount() const { return static_cast<int64_t>(Rows()) * Columns(); }
  bool Contains(int row, int column) const {
    return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
  }
  bool Intersects(const CellRange& other) const;
  bool CoversAllRows() const { return firstRow == 1 && lastRow == kSheetRows; }
  std::wstring Text() const;
};

bool operator==(const CellRange& a, const CellRange& b);

}  // namespace platform::spreadsheet
