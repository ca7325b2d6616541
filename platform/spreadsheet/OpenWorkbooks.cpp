#include "platform/spreadsheet/OpenWorkbooks.h"

#include <algorithm>

namespace platform::spreadsheet {

std::shared_ptr<WorkbookModel> OpenWorkbooks::Add() {
  workbooks_.push_back(std::make_shared<WorkbookModel>());
  return workbooks_.back();
}

void OpenWorkbooks::Close(const WorkbookModel* workbook) {
  const auto closing = std::remove_if(workbooks_.begin(), workbooks_.end(),
                                      [&](const std::shared_ptr<WorkbookModel>& open) { return open.get() == workbook; });
  for (auto it = closing; it != workbooks_.end(); ++it) closedCells_ += (*it)->CellCount();
  workbooks_.erase(closing, workbooks_.end());
}

void OpenWorkbooks::CloseAll() {
  for (const auto& workbook : workbooks_) closedCells_ += workbook->CellCount();
  workbooks_.clear();
}

size_t OpenWorkbooks::TakeClosedCells() {
  const size_t cells = closedCells_;
  closedCells_ = 0;
  return cells;
}

}  // namespace platform::spreadsheet
