#pragma once
// The application object "Excel.Application" creates: its workbook collection and Quit.
// It never shows a window.
#include <memory>

#include "platform/spreadsheet/AutomationObject.h"
#include "platform/spreadsheet/OpenWorkbooks.h"

namespace platform::spreadsheet {

class ApplicationObject : public AutomationObject {
 public:
  ApplicationObject() : workbooks_(std::make_shared<OpenWorkbooks>()) {}

 protected:
  HRESULT Call(DispatchCall& call) override;

 private:
  std::shared_ptr<OpenWorkbooks> workbooks_;
};

}  // namespace platform::spreadsheet
