#pragma once
// The workbooks one application instance has open, shared by the application object,
// its workbook collection and each workbook (which closes itself out of it).
#include <memory>
#include <vector>

#include "platform/spreadsheet/WorkbookModel.h"

namespace platform::spreadsheet {

class OpenWorkbooks {
 public:
  std::shared_ptr<WorkbookModel> Add();
  void Close(const WorkbookModel* workbook);
  void CloseAll();
  size_t Count() const { return workbooks_.size(); }
  // The cells of the workbooks closed since the last call.
  size_t TakeClosedCells();

 private:
  std::vector<std::shared_ptr<WorkbookModel>> workbooks_;
  size_t closedCells_ = 0;
};

}  // namespace platform::spreadsheet
