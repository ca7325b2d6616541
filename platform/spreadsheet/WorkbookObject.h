#pragma once
// One open workbook: its sheet collection, SaveAs (always the .xlsx format) and Close.
#include <memory>

#include "platform/spreadsheet/AutomationObject.h"
#include "platform/spreadsheet/OpenWorkbooks.h"

namespace platform::spreadsheet {

class WorkbookObject : public AutomationObject {
 public:
  WorkbookObject(std::shared_ptr<OpenWorkbooks> workbooks, std::shared_ptr<WorkbookModel> workbook)
      : workbooks_(std::move(workbooks)), workbook_(std::move(workbook)) {}

 protected:
  HRESULT Call(DispatchCall& call) override;

 private:
  HRESULT SaveAs(DispatchCall& call);
  HRESULT Close(DispatchCall& call);
  HRESULT Save(DispatchCall& call, const std::wstring& path);

  std::shared_ptr<OpenWorkbooks> workbooks_;
  std::shared_ptr<WorkbookModel> workbook_;
};

}  // namespace platform::spreadsheet
