#include "platform/spreadsheet/ApplicationObject.h"

#include <malloc.h>

#include "platform/spreadsheet/DispatchIds.h"
#include "platform/spreadsheet/WorkbooksObject.h"

namespace platform::spreadsheet {
namespace {

// About 20 MB of a sheet's cells and of the writer's own cells for the file.
constexpr size_t kTrimAfterCells = 200000;

}  // namespace

HRESULT ApplicationObject::Call(DispatchCall& call) {
  HRESULT hr = S_OK;
  switch (call.Id()) {
    case dispid::kWorkbooks:
      if (FAILED(hr = call.Expect(DISPATCH_PROPERTYGET, 0, 0))) return hr;
      return call.Return(new WorkbooksObject(workbooks_));
    case dispid::kQuit:
      if (FAILED(hr = call.Expect(DISPATCH_METHOD, 0, 0))) return hr;
      workbooks_->CloseAll();
      // A large report's cells were freed just now; without this the process would keep
      // their hundreds of megabytes long after the export. A small report's few megabytes
      // are not worth it: giving them back costs more than the report took to write, and
      // the next allocations would take them again.
      if (workbooks_->TakeClosedCells() >= kTrimAfterCells) malloc_trim(0);
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace platform::spreadsheet
