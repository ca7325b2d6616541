#pragma once
// The application's workbook collection: Add opens a new, empty workbook; Close closes
// them all without saving.
#include <memory>

#include "platform/spreadsheet/AutomationObject.h"
#include "platform/spreadsheet/OpenWorkbooks.h"

namespace platform::spreadsheet {

class WorkbooksObject : public AutomationObject {
 public:
  explicit WorkbooksObject(std::shared_ptr<OpenWorkbooks> workbooks) : workbooks_(std::move(workbooks)) {}

 protected:
  HRESULT Call(DispatchCall& call) override;

 private:
  std::shared_ptr<OpenWorkbooks> workbooks_;
};

}  // namespace platform::spreadsheet
