#pragma once
// One sheet: its name, all its cells, and a range by A1 texts.
#include <memory>

#include "platform/spreadsheet/AutomationObject.h"
#include "platform/spreadsheet/WorkbookModel.h"

namespace platform::spreadsheet {

class WorksheetObject : public AutomationObject {
 public:
  WorksheetObject(std::shared_ptr<WorkbookModel> workbook, std::shared_ptr<SheetModel> sheet)
      : workbook_(std::move(workbook)), sheet_(std::move(sheet)) {}

 protected:
  HRESULT Call(DispatchCall& call) override;

 private:
  HRESULT PutName(DispatchCall& call);
  HRESULT GetRange(DispatchCall& call);

  std::shared_ptr<WorkbookModel> workbook_;
  std::shared_ptr<SheetModel> sheet_;
};

}  // namespace platform::spreadsheet
