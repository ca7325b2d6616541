#pragma once
// What a test reads back from a saved .xlsx file: the sheet names and, for the first
// sheet, each cell's text and look, the merged ranges and the column widths. Texts are
// UTF-8, as the file holds them.
#include <map>
#include <string>
#include <vector>

namespace test_support {

struct XlsxFont {
  std::string name;
  double size = 0;
  bool bold = false;
  bool italic = false;
  bool shadow = false;
  std::string colour;  // "FFRRGGBB" as written, "" when the font has none
};

// A border edge's style as the file names it ("thin", "dotted", ...), "" for none.
struct XlsxBorders {
  std::string left;
  std::string top;
  std::string bottom;
  std::string right;
};

struct XlsxCell {
  std::string text;
  XlsxFont font;
  std::string horizontal;  // "" is the default (general)
  std::string vertical;    // "" is the default (bottom)
  std::string numberFormat = "General";
  XlsxBorders borders;
};

class XlsxWorkbook {
 public:
  // False, with the reason in error(), when the file is not a workbook this reader reads.
  bool Read(const std::string& path);
  const std::string& error() const { return error_; }

  const std::vector<std::string>& sheetNames() const { return sheetNames_; }
  // The first sheet's cells by reference ("A1"); cells the file does not hold are absent.
  const std::map<std::string, XlsxCell>& cells() const { return cells_; }
  // The cell, or an empty default cell when the file holds none.
  const XlsxCell& cell(const std::string& reference) const;
  const std::vector<std::string>& merges() const { return merges_; }
  // Widths of the columns the sheet sets, by 1-based column; other columns have the
  // default width.
  const std::map<int, double>& columnWidths() const { return columnWidths_; }
  // The highest row number that holds a cell.
  int lastRow() const { return lastRow_; }
  // Distinct cell formats the file defines, its default one included.
  size_t formatCount() const { return formats_.size(); }

 private:
  struct CellFormat {
    size_t font = 0;
    size_t border = 0;
    std::string numberFormat = "General";
    std::string horizontal;
    std::string vertical;
  };

  bool Fail(const std::string& reason);
  bool ReadSheetNames(const std::string& workbookXml, std::vector<std::string>* targets);
  bool ReadSharedStrings(const std::string& xml);
  bool ReadStyles(const std::string& xml);
  bool ReadSheet(const std::string& xml);

  std::string error_;
  std::vector<std::string> sheetNames_;
  std::vector<std::string> sharedStrings_;
  std::vector<XlsxFont> fonts_;
  std::vector<XlsxBorders> borders_;
  std::vector<CellFormat> formats_;
  std::map<std::string, XlsxCell> cells_;
  std::vector<std::string> merges_;
  std::map<int, double> columnWidths_;
  int lastRow_ = 0;
};

}  // namespace test_support
