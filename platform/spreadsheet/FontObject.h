#pragma once
// The font of a range: each property written goes into every cell of the range.
#include <memory>

#include "platform/spreadsheet/AutomationObject.h"
#include "platform/spreadsheet/CellRange.h"
#include "platform/spreadsheet/SheetModel.h"

namespace platform::spreadsheet {

class FontObject : public AutomationObject {
 public:
  FontObject(std::shared_ptr<SheetModel> sheet, const CellRange& range) : sheet_(std::move(sheet)), range_(range) {}

 protected:
  HRESULT Call(DispatchCall& call) override;

 private:
  HRESULT PutName(DispatchCall& call);
  HRESULT PutColour(DispatchCall& call);
  HRESULT PutSize(DispatchCall& call);
  HRESULT PutUnderline(DispatchCall& call);
  HRESULT PutFlag(DispatchCall& call);
  HRESULT Change(DispatchCall& call, const std::function<void(CellFont&)>& change);

  std::shared_ptr<SheetModel> sheet_;
  CellRange range_;
};

}  // namespace platform::spreadsheet
