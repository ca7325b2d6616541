#pragma once
// One workbook: its sheets in tab order. A new workbook has none; each sheet is added by
// the caller, so a saved file holds exactly the sheets that were asked for.
#include <memory>
#include <string>
#include <vector>

#include "platform/spreadsheet/SheetModel.h"

namespace platform::spreadsheet {

class WorkbookModel {
 public:
  // A new sheet before the others, named "Sheet<n>" with the first n not in use.
  std::shared_ptr<SheetModel> AddSheet();
  // False, renaming nothing, for a name the application refuses: empty, longer than 31
  // characters, holding one of : \ / ? * [ ], or the name of another sheet (ASCII case
  // ignored).
  bool RenameSheet(SheetModel& sheet, const std::wstring& name);

  const std::vector<std::shared_ptr<SheetModel>>& Sheets() const { return sheets_; }
  // The cells of all its sheets.
  size_t CellCount() const;

 private:
  bool NameInUse(const std::wstring& name, const SheetModel* except) const;

  std::vector<std::shared_ptr<SheetModel>> sheets_;
};

}  // namespace platform::spreadsheet
