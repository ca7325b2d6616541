#pragma once
// The borders of a range, by index: the four outer edges and the two sets of inside
// lines.
#include <memory>

#include "platform/spreadsheet/AutomationObject.h"
#include "platform/spreadsheet/CellRange.h"
#include "platform/spreadsheet/SheetModel.h"

namespace platform::spreadsheet {

class BordersObject : public AutomationObject {
 public:
  BordersObject(std::shared_ptr<SheetModel> sheet, const CellRange& range) : sheet_(std::move(sheet)), range_(range) {}

 protected:
  HRESULT Call(DispatchCall& call) override;

 private:
  std::shared_ptr<SheetModel> sheet_;
  CellRange range_;
};

}  // namespace platform::spreadsheet
