#include "platform/spreadsheet/CellRange.h"

#include <algorithm>

namespace platform::spreadsheet {
namespace {

bool IsLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
int LetterValue(wchar_t c) { return (c >= L'a' ? c - L'a' : c - L'A') + 1; }

}  // namespace

CellRange CellRange::Sheet() { return CellRange{1, 1, kSheetRows, kSheetColumns}; }

bool CellRange::ParseCell(const std::wstring& text, int* row, int* column) {
  size_t i = 0;
  if (i < text.size() && text[i] == L'$') ++i;
  int col = 0;
  const size_t lettersStart = i;
  for (; i < text.size() && IsLetter(text[i]); ++i) {
    if (i - lettersStart >= 3) return false;
    col = col * 26 + LetterValue(text[i]);
  }
  if (i == lettersStart || col > kSheetColumns) return false;
  if (i < text.size() && text[i] == L'$') ++i;
  const size_t digitsStart = i;
  int64_t r = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    r = r * 10 + (text[i] - L'0');
    if (r > kSheetRows) return false;
  }
  if (i == digitsStart || i != text.size() || r < 1) return false;
  *row = static_cast<int>(r);
  *column = col;
  return true;
}

bool CellRange::Parse(const std::wstring& cell1, const std::wstring& cell2, CellRange* range) {
  std::wstring first = cell1, second = cell2;
  const size_t colon = cell1.find(L':');
  if (colon != std::wstring::npos) {
    if (!cell2.empty()) return false;
    first = cell1.substr(0, colon);
    second = cell1.substr(colon + 1);
  }
  if (second.empty()) second = first;
  int r1 = 0, c1 = 0, r2 = 0, c2 = 0;
  if (!ParseCell(first, &r1, &c1) || !ParseCell(second, &r2, &c2)) return false;
  *range = CellRange{std::min(r1, r2), std::min(c1, c2), std::max(r1, r2), std::max(c1, c2)};
  return true;
}

std::wstring CellRange::ColumnName(int column) {
  std::wstring name;
  for (; column > 0; column = (column - 1) / 26) name.insert(name.begin(), static_cast<wchar_t>(L'A' + (column - 1) % 26));
  return name;
}

bool CellRange::Intersects(const CellRange& other) const {
  return firstRow <= other.lastRow && other.firstRow <= lastRow && firstColumn <= other.lastColumn &&
         other.firstColumn <= lastColumn;
}

std::wstring CellRange::Text() const {
  std::wstring text = ColumnName(firstColumn) + std::to_wstring(firstRow);
  if (Rows() == 1 && Columns() == 1) return text;
  return text + L":" + ColumnName(lastColumn) + std::to_wstring(lastRow);
}

bool operator==(const CellRange& a, const CellRange& b) {
  return a.firstRow == b.firstRow && a.firstColumn == b.firstColumn && a.lastRow == b.lastRow &&
         a.lastColumn == b.lastColumn;
}

}  // namespace platform::spreadsheet
