#include "platform/spreadsheet/ApplicationObject.h"

#include <malloc.h>

#include "platform/spreadsheet/WorkbooksObject.h"

namespace platform::spreadsheet {
namespace {

constexpr DISPID kWorkbooks = 0x23c;
constexpr DISPID kQuit = 0x12e;

}  // namespace

HRESULT ApplicationObject::Call(DispatchCall& call) {
  HRESULT hr = S_OK;
  switch (call.Id()) {
    case kWorkbooks:
      if (FAILED(hr = call.Expect(DISPATCH_PROPERTYGET, 0, 0))) return hr;
      return call.Return(new WorkbooksObject(workbooks_));
    case kQuit:
      if (FAILED(hr = call.Expect(DISPATCH_METHOD, 0, 0))) return hr;
      workbooks_->CloseAll();
      // A large report's cells were freed just now; without this the process would keep
      // their hundreds of megabytes long after the export.
      malloc_trim(0);
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace platform::spreadsheet
