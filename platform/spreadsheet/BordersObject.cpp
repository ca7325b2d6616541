#include "platform/spreadsheet/BordersObject.h"

#include "platform/spreadsheet/BorderObject.h"

#include "platform/spreadsheet/DispatchIds.h"

namespace platform::spreadsheet {

HRESULT BordersObject::Call(DispatchCall& call) {
  if (call.Id() != dispid::kItem) return DISP_E_MEMBERNOTFOUND;
  HRESULT hr = call.Expect(DISPATCH_PROPERTYGET, 1, 1);
  if (FAILED(hr)) return hr;
  LONG index = 0;
  if (FAILED(hr = call.Int32(0, &index))) return hr;
  if (index < kEdgeLeft || index > kInsideHorizontal) {
    return call.Reject(L"Unable to get the Item property of the Borders class");
  }
  return call.Return(new BorderObject(sheet_, range_, static_cast<int>(index)));
}

}  // namespace platform::spreadsheet
