#pragma once
// Column widths for the columns a sheet marked for fitting, as the spreadsheet
// application's AutoFit gives them: the widest text of the column's cells outside merged
// ranges, measured with the layer's own text at each cell's font (so through the font
// substitution every window uses), in the file's character units. A fitted column with
// no such text keeps the default width.
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/base/WinTypes.h"
#include "platform/spreadsheet/CellStyle.h"
#include "platform/spreadsheet/SheetModel.h"

namespace platform::spreadsheet {

class ColumnFitter {
 public:
  ColumnFitter();
  ~ColumnFitter();
  ColumnFitter(const ColumnFitter&) = delete;
  ColumnFitter& operator=(const ColumnFitter&) = delete;

  // Column (1-based) to width in characters, for the fitted columns that hold text.
  std::map<int, double> Widths(const SheetModel& sheet);
  // The pixel width of the widest line of `text` at 96 dots per inch.
  int TextPixels(const CellFont& font, std::wstring_view text);
  // Pixels of a fitted column to the file's width unit (characters of the default font).
  static double CharactersFromPixels(int pixels);

 private:
  struct FontKey {
    std::wstring name;
    int size;
    bool bold;
    bool italic;
    bool operator<(const FontKey& other) const;
  };
  struct FontHandle {
    HFONT font = nullptr;
    ~FontHandle();
  };

  HFONT FontFor(const CellFont& font);
  int TextPixels(HFONT font, std::wstring_view text);

  HDC dc_ = nullptr;
  std::map<FontKey, std::unique_ptr<FontHandle>> fonts_;
};

}  // namespace platform::spreadsheet
