#include "platform/spreadsheet/WorkbooksObject.h"

#include "platform/spreadsheet/DispatchIds.h"
#include "platform/spreadsheet/WorkbookObject.h"

namespace platform::spreadsheet {

HRESULT WorkbooksObject::Call(DispatchCall& call) {
  HRESULT hr = S_OK;
  switch (call.Id()) {
    case dispid::kAdd:
      // Template: only the omitted form, a blank workbook.
      if (FAILED(hr = call.Expect(DISPATCH_METHOD, 0, 1)) || FAILED(hr = call.Omitted(0))) return hr;
      return call.Return(new WorkbookObject(workbooks_, workbooks_->Add()));
    case dispid::kClose:
      if (FAILED(hr = call.Expect(DISPATCH_METHOD, 0, 0))) return hr;
      workbooks_->CloseAll();
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace platform::spreadsheet
