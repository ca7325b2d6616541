#include "platform/spreadsheet/RangeObject.h"

#include <climits>
#include <utility>

#include "platform/spreadsheet/BordersObject.h"
#include "platform/spreadsheet/DispatchIds.h"
#include "platform/spreadsheet/FontObject.h"

namespace platform::spreadsheet {
namespace {

bool IsHorizontalAlignment(int value) {
  switch (value) {
    case kAlignGeneral:
    case kAlignLeft:
    case kAlignCenter:
    case kAlignRight:
    case kAlignFill:
    case kAlignJustify:
    case kAlignCenterAcrossSelection:
    case kAlignDistributed:
      return true;
    default:
      return false;
  }
}

bool IsVerticalAlignment(int value) {
  return value == kAlignTop || value == kAlignCenter || value == kAlignBottom || value == kAlignJustify ||
         value == kAlignDistributed;
}

}  // namespace

RangeObject::~RangeObject() {
  if (entireRows_ != nullptr) entireRows_->Release();
  if (entireColumns_ != nullptr) entireColumns_->Release();
}

HRESULT RangeObject::Call(DispatchCall& call) {
  HRESULT hr = S_OK;
  switch (call.Id()) {
    case dispid::kItem:
      return PutItem(call);
    case dispid::kEntireRow:
      return GetEntire(call, Counting::Rows);
    case dispid::kEntireColumn:
      return GetEntire(call, Counting::Columns);
    case dispid::kCount:
      return GetCount(call);
    case dispid::kFont:
      if (FAILED(hr = call.Expect(DISPATCH_PROPERTYGET, 0, 0))) return hr;
      return call.Return(new FontObject(sheet_, range_));
    case dispid::kHorizontalAlignment:
      return PutAlignment(call, true);
    case dispid::kVerticalAlignment:
      return PutAlignment(call, false);
    case dispid::kMergeCells:
      return PutMergeCells(call);
    case dispid::kBorders:
      if (FAILED(hr = call.Expect(DISPATCH_PROPERTYGET, 0, 0))) return hr;
      return call.Return(new BordersObject(sheet_, range_));
    case dispid::kNumberFormat:
      return PutNumberFormat(call);
    case dispid::kAutoFit:
      return AutoFit(call);
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT RangeObject::PutItem(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYPUT, 2, 2);
  if (FAILED(hr)) return hr;
  LONG row = 0, column = 0;
  std::wstring_view text;
  if (FAILED(hr = call.Int32(0, &row)) || FAILED(hr = call.Int32(1, &column)) || FAILED(hr = call.PutText(&text))) {
    return hr;
  }
  // Relative to the range's top-left cell, and free to reach beyond the range.
  const int64_t sheetRow = static_cast<int64_t>(range_.firstRow) + row - 1;
  const int64_t sheetColumn = static_cast<int64_t>(range_.firstColumn) + column - 1;
  if (sheetRow < 1 || sheetRow > kSheetRows || sheetColumn < 1 || sheetColumn > kSheetColumns) {
    return call.Reject(L"Unable to set the Item property of the Range class");
  }
  sheet_->SetText(static_cast<int>(sheetRow), static_cast<int>(sheetColumn), text);
  return S_OK;
}

HRESULT RangeObject::GetCount(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYGET, 0, 0);
  if (FAILED(hr)) return hr;
  switch (counting_) {
    case Counting::Rows:
      return call.Return(static_cast<LONG>(range_.Rows()));
    case Counting::Columns:
      return call.Return(static_cast<LONG>(range_.Columns()));
    case Counting::Cells:
      break;
  }
  if (range_.CellCount() > INT32_MAX) return call.Reject(L"Overflow");
  return call.Return(static_cast<LONG>(range_.CellCount()));
}

HRESULT RangeObject::GetEntire(DispatchCall& call, Counting counting) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYGET, 0, 0);
  if (FAILED(hr)) return hr;
  AutomationObject*& made = counting == Counting::Rows ? entireRows_ : entireColumns_;
  if (made == nullptr) {
    CellRange entire = range_;
    if (counting == Counting::Rows) {
      entire.firstColumn = 1;
      entire.lastColumn = kSheetColumns;
    } else {
      entire.firstRow = 1;
      entire.lastRow = kSheetRows;
    }
    made = new RangeObject(sheet_, entire, counting);
  }
  made->AddRef();
  return call.Return(made);
}

HRESULT RangeObject::PutAlignment(DispatchCall& call, bool horizontal) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYPUT, 0, 0);
  if (FAILED(hr)) return hr;
  SHORT value = 0;
  if (FAILED(hr = call.PutInt16(&value))) return hr;
  if (horizontal && !IsHorizontalAlignment(value)) {
    return call.Reject(L"Unable to set the HorizontalAlignment property of the Range class");
  }
  if (!horizontal && !IsVerticalAlignment(value)) {
    return call.Reject(L"Unable to set the VerticalAlignment property of the Range class");
  }
  return ChangeStyles(call, [&](CellStyle& style) { (horizontal ? style.horizontal : style.vertical) = value; });
}

HRESULT RangeObject::PutMergeCells(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYPUT, 0, 0);
  if (FAILED(hr)) return hr;
  SHORT merge = 0;
  if (FAILED(hr = call.PutInt16(&merge))) return hr;
  if (merge) {
    sheet_->Merge(range_);
  } else {
    sheet_->Unmerge(range_);
  }
  return S_OK;
}

HRESULT RangeObject::PutNumberFormat(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_PROPERTYPUT, 0, 0);
  if (FAILED(hr)) return hr;
  std::wstring format;
  if (FAILED(hr = call.PutText(&format))) return hr;
  if (format.empty()) return call.Reject(L"Unable to set the NumberFormat property of the Range class");
  return ChangeStyles(call, [&](CellStyle& style) { style.numberFormat = format; });
}

HRESULT RangeObject::AutoFit(DispatchCall& call) {
  HRESULT hr = call.Expect(DISPATCH_METHOD, 0, 0);
  if (FAILED(hr)) return hr;
  // Only whole columns (or whole rows, whose heights the file leaves to the reader)
  // can be fitted.
  if (range_.CoversAllRows()) {
    sheet_->FitColumns(range_.firstColumn, range_.lastColumn);
    return S_OK;
  }
  if (range_.firstColumn == 1 && range_.lastColumn == kSheetColumns) return S_OK;
  return call.Reject(L"AutoFit method of Range class failed");
}

HRESULT RangeObject::ChangeStyles(DispatchCall& call, const std::function<void(CellStyle&)>& change) {
  if (!sheet_->ChangeStyles(range_, change)) return call.Reject(L"The range is too large for this change.");
  return S_OK;
}

}  // namespace platform::spreadsheet
