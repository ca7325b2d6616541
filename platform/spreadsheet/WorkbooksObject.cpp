#include "platform/spreadsheet/WorkbooksObject.h"

#include "platform/spreadsheet/WorkbookObject.h"

namespace platform::spreadsheet {
namespace {

constexpr DISPID kAdd = 0xb5;
constexpr DISPID kClose = 0x115;

}  // namespace

HRESULT WorkbooksObject::Call(DispatchCall& call) {
  HRESULT hr = S_OK;
  switch (call.Id()) {
    case kAdd:
      // Template: only the omitted form, a blank workbook.
      if (FAILED(hr = call.Expect(DISPATCH_METHOD, 0, 1)) || FAILED(hr = call.Omitted(0))) return hr;
      return call.Return(new WorkbookObject(workbooks_, workbooks_->Add()));
    case kClose:
      if (FAILED(hr = call.Expect(DISPATCH_METHOD, 0, 0))) return hr;
      workbooks_->CloseAll();
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace platform::spreadsheet
