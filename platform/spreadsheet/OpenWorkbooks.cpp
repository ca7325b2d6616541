#include "platform/spreadsheet/OpenWorkbooks.h"

#include <algorithm>

namespace platform::spreadsheet {

std::shared_ptr<WorkbookModel> OpenWorkbooks::Add() {
  workbooks_.push_back(std::make_shared<WorkbookModel>());
  return workbooks_.back();
}

void OpenWorkbooks::Close(const WorkbookModel* workbook) {
  workbooks_.erase(std::remove_if(workbooks_.begin(), workbooks_.end(),
                                  [&](const std::shared_ptr<WorkbookModel>& open) { return open.get() == workbook; }),
                   workbooks_.end());
}

}  // namespace platform::spreadsheet
