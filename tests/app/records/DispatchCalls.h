#pragma once
// The dispatch calls of ExcelApp's operations as the recording stand-in writes them down:
// the blocks a report's call sequence is made of.
#include <initializer_list>
#include <string>
#include <vector>

namespace records_test {

using Calls = std::vector<std::string>;

inline Calls Join(std::initializer_list<Calls> parts) {
  Calls joined;
  for (const Calls& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

inline std::string I2(int value) { return "I2=" + std::to_string(value); }
inline std::string I4(int value) { return "I4=" + std::to_string(value); }

const Calls kInit = {"0x23c get", "0xb5 call omitted", "0x1ee get"};
const Calls kAddSheet = {"0xb5 call omitted omitted omitted omitted", "0x6e put BSTR", "0xee get"};
const Calls kRange = {"0xc5 get BSTR BSTR"};
// RowCount and ColumnCount: the range's entire rows or columns, counted.
const Calls kRowsCounted = {"0xf7 get", "0x76 get"};
const Calls kColumnsCounted = {"0xf6 get", "0x76 get"};
const Calls kCount = Join({kRowsCounted, kColumnsCounted});
const Calls kFit = {"0xee get", "0xf6 get", "0xed call"};
const Calls kSaveAs = {"0x11c call BSTR omitted omitted omitted omitted omitted " + I4(0) +
                       " omitted omitted omitted omitted"};
const Calls kClose = {"0x115 call " + I2(0) + " BSTR omitted", "0x115 call", "0x12e call"};

// SetCell inside the current range.
inline Calls Cell(int row, int column) {
  return Join({kCount, {"0xaa put " + I4(row) + " " + I4(column) + " BSTR"}});
}

// SetCell for every column of one row.
inline Calls RowOfCells(int row, int columns) {
  Calls calls;
  for (int column = 1; column <= columns; ++column) calls = Join({calls, Cell(row, column)});
  return calls;
}

// Merge of a one-row range: the other cells blanked, then merged.
inline Calls MergeRow(int columns) {
  Calls calls = kCount;
  for (int column = 2; column <= columns; ++column) calls = Join({calls, Cell(1, column)});
  return Join({calls, {"0xd0 put " + I2(1)}});
}

// A border drawn (not skipped), colour 0.
inline Calls Border(int index, int lineStyle, int weight) {
  return {"0x1b3 get", "0xaa get " + I4(index), "0x77 put " + I2(lineStyle), "0x63 put " + I4(0),
          "0x78 put " + I2(weight)};
}

// SetFont: ten properties in order, Name to Superscript.
inline Calls Font(int size, int colour, int bold, int shadow) {
  return {"0x92 get",          "0x6e put BSTR",          "0x67 put " + I2(shadow), "0x68 put " + I2(size),
          "0x6a put " + I2(-4142), "0x60 put " + I2(bold),  "0x63 put " + I4(colour), "0x65 put " + I2(0),
          "0x69 put " + I2(0),     "0xb3 put " + I2(0),     "0xb2 put " + I2(0)};
}

// Centred at the top, as text, in the font.
inline Calls Style(const Calls& font) {
  return Join({{"0x88 put " + I2(-4108), "0x89 put " + I2(-4160), "0xc1 put BSTR"}, font});
}

}  // namespace records_test
