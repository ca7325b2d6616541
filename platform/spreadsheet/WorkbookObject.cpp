#include "platform/spreadsheet/WorkbookObject.h"

#include "platform/base/Path.h"
#include "platform/spreadsheet/DispatchIds.h"
#include "platform/spreadsheet/WorksheetsObject.h"
#include "platform/spreadsheet/XlsxWorkbookWriter.h"

namespace platform::spreadsheet {
namespace {

// SaveAs: Filename, FileFormat, Password, WriteResPassword, ReadOnlyRecommended,
// CreateBackup, AccessMode, ConflictResolution, AddToMru, TextCodepage,
// TextVisualLayout, Local. Only the name and the access mode are taken.
constexpr UINT kSaveAsArguments = 12;
constexpr UINT kAccessMode = 6;

}  // namespace

HRESULT WorkbookObject::Call(DispatchCall& call) {
  HRESULT hr = S_OK;
  switch (call.Id()) {
    case dispid::kWorksheets:
      if (FAILED(hr = call.Expect(DISPATCH_PROPERTYGET, 0, 0))) return hr;
      return call.Return(new WorksheetsObject(workbook_));
    case dispid::kSaveAs:
      return SaveAs(call);
    case dispid::kClose:
      return Close(call);
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT WorkbookObject::SaveAs(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_METHOD, 1, kSaveAsArguments);
  if (FAILED(hr)) return hr;
  std::wstring path;
  if (FAILED(hr = call.Text(0, &path))) return hr;
  for (UINT i = 1; i < kSaveAsArguments; ++i) {
    LONG accessMode = 0;
    hr = i == kAccessMode && call.IsPresent(i) ? call.Int32(i, &accessMode) : call.Omitted(i);
    if (FAILED(hr)) return hr;
  }
  return Save(call, path);
}

HRESULT WorkbookObject::Close(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_METHOD, 0, 3);
  if (FAILED(hr)) return hr;
  SHORT saveChanges = 0;
  std::wstring path;
  if (call.IsPresent(0) && FAILED(hr = call.Int16(0, &saveChanges))) return hr;
  if (call.IsPresent(1) && FAILED(hr = call.Text(1, &path))) return hr;
  if (FAILED(hr = call.Omitted(2))) return hr;
  if (saveChanges && FAILED(hr = Save(call, path))) return hr;
  workbooks_->Close(workbook_.get());
  return S_OK;
}

HRESULT WorkbookObject::Save(DispatchCall& call, const std::wstring& path) {
  if (path.empty()) return call.Reject(L"The workbook has no file name.");
  std::wstring error;
  if (!XlsxWorkbookWriter(*workbook_).Save(platform::NativePath(path), &error)) return call.Reject(error);
  return S_OK;
}

}  // namespace platform::spreadsheet
