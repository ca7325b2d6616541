#pragma once
// A workbook's sheet collection: Add puts a new sheet before the others.
#include <memory>

#include "platform/spreadsheet/AutomationObject.h"
#include "platform/spreadsheet/WorkbookModel.h"

namespace platform::spreadsheet {

class WorksheetsObject : public AutomationObject {
 public:
  explicit WorksheetsObject(std::shared_ptr<WorkbookModel> workbook) : workbook_(std::move(workbook)) {}

 protected:
  HRESULT Call(DispatchCall& call) override;

 private:
  std::shared_ptr<WorkbookModel> workbook_;
};

}  // namespace platform::spreadsheet
