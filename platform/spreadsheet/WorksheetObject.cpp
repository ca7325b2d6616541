#include "platform/spreadsheet/WorksheetObject.h"

#include "platform/spreadsheet/DispatchIds.h"
#include "platform/spreadsheet/RangeObject.h"

namespace platform::spreadsheet {

HRESULT WorksheetObject::Call(DispatchCall& call) {
  HRESULT hr = S_OK;
  switch (call.Id()) {
    case dispid::kName:
      return PutName(call);
    case dispid::kCells:
      if (FAILED(hr = call.Expect(DISPATCH_PROPERTYGET, 0, 0))) return hr;
      return call.Return(new RangeObject(sheet_, CellRange::Sheet(), RangeObject::Counting::Cells));
    case dispid::kRange:
      return GetRange(call);
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT WorksheetObject::PutName(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYPUT, 0, 0);
  if (FAILED(hr)) return hr;
  std::wstring name;
  if (FAILED(hr = call.PutText(&name))) return hr;
  if (!workbook_->RenameSheet(*sheet_, name)) return call.Reject(L"That name is already taken or not a sheet name.");
  return S_OK;
}

HRESULT WorksheetObject::GetRange(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYGET, 1, 2);
  if (FAILED(hr)) return hr;
  std::wstring cell1, cell2;
  if (FAILED(hr = call.Text(0, &cell1))) return hr;
  if (call.IsPresent(1) && FAILED(hr = call.Text(1, &cell2))) return hr;
  CellRange range;
  if (!CellRange::Parse(cell1, cell2, &range)) return call.Reject(L"Method 'Range' of object '_Worksheet' failed");
  return call.Return(new RangeObject(sheet_, range, RangeObject::Counting::Cells));
}

}  // namespace platform::spreadsheet
