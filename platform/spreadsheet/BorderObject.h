#pragma once
// One border of a range. Its line style, colour and weight go into the edges of the
// cells along it; inside lines of a range that has none (one row, one column) are
// refused, as the application refuses them.
#include <memory>

#include "platform/spreadsheet/AutomationObject.h"
#include "platform/spreadsheet/CellRange.h"
#include "platform/spreadsheet/SheetModel.h"

namespace platform::spreadsheet {

class BorderObject : public AutomationObject {
 public:
  BorderObject(std::shared_ptr<SheetModel> sheet, const CellRange& range, int index)
      : sheet_(std::move(sheet)), range_(range), index_(index) {}

 protected:
  HRESULT Call(DispatchCall& call) override;

 private:
  HRESULT PutLineStyle(DispatchCall& call);
  HRESULT PutColour(DispatchCall& call);
  HRESULT PutWeight(DispatchCall& call);
  HRESULT Change(DispatchCall& call, const wchar_t* property, const std::function<void(BorderEdge&)>& change);

  std::shared_ptr<SheetModel> sheet_;
  CellRange range_;
  int index_;
};

}  // namespace platform::spreadsheet
