#include "platform/spreadsheet/WorksheetsObject.h"

#include "platform/spreadsheet/DispatchIds.h"
#include "platform/spreadsheet/WorksheetObject.h"

namespace platform::spreadsheet {
namespace {
// Before, After, Count, Type: only the omitted forms, one worksheet in front.
constexpr UINT kAddArguments = 4;

}  // namespace

HRESULT WorksheetsObject::Call(DispatchCall& call) {
  if (call.Id() != dispid::kAdd) return DISP_E_MEMBERNOTFOUND;
  HRESULT hr = call.Expect(DISPATCH_METHOD, 0, kAddArguments);
  if (FAILED(hr)) return hr;
  for (UINT i = 0; i < kAddArguments; ++i) {
    if (FAILED(hr = call.Omitted(i))) return hr;
  }
  return call.Return(new WorksheetObject(workbook_, workbook_->AddSheet()));
}

}  // namespace platform::spreadsheet
