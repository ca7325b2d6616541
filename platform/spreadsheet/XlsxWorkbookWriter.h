#pragma once
// Writes a workbook model as an .xlsx file (whatever the name's extension). The file is
// built under a temporary name in the target's folder and renamed over the target once
// complete, so a failed save leaves an earlier file of that name as it was.
#include <map>
#include <string>

#include "platform/spreadsheet/CellStyle.h"
#include "platform/spreadsheet/WorkbookModel.h"

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace platform::spreadsheet {

class XlsxWorkbookWriter {
 public:
  explicit XlsxWorkbookWriter(const WorkbookModel& workbook) : workbook_(workbook) {}

  // False with a description in *error when the file could not be written.
  bool Save(const std::string& nativePath, std::wstring* error);

 private:
  bool WriteSheet(lxw_workbook* file, const SheetModel& sheet, std::wstring* error);
  bool WriteCells(lxw_worksheet* worksheet, const SheetModel& sheet);
  bool WriteMerges(lxw_worksheet* worksheet, const SheetModel& sheet);
  bool WriteWidths(lxw_worksheet* worksheet, const SheetModel& sheet);
  // The file's format for a style, one per distinct style; null for the default style.
  lxw_format* FormatFor(const CellStyle& style);
  // The same, without looking at the style met last.
  lxw_format* FindOrMakeFormat(const CellStyle& style);

  const WorkbookModel& workbook_;
  lxw_workbook* file_ = nullptr;
  std::map<CellStyle, lxw_format*> formats_;
  // The style met last and its format: the cells of a row, and the rows of a report,
  // mostly share it. A sheet's styles stay where they are while it is written.
  const CellStyle* lastStyle_ = nullptr;
  lxw_format* lastFormat_ = nullptr;
  std::string text_;  // a cell's text in UTF-8, one buffer for them all
};

}  // namespace platform::spreadsheet
