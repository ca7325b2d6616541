#pragma once
// A rectangle of one sheet's cells. What Count counts depends on how the range was
// reached: cells, or rows for EntireRow, or columns for EntireColumn.
#include <memory>

#include "platform/spreadsheet/AutomationObject.h"
#include "platform/spreadsheet/CellRange.h"
#include "platform/spreadsheet/SheetModel.h"

namespace platform::spreadsheet {

class RangeObject : public AutomationObject {
 public:
  enum class Counting { Cells, Rows, Columns };

  RangeObject(std::shared_ptr<SheetModel> sheet, const CellRange& range, Counting counting)
      : sheet_(std::move(sheet)), range_(range), counting_(counting) {}

 protected:
  ~RangeObject() override;

  HRESULT Call(DispatchCall& call) override;

 private:
  HRESULT PutItem(DispatchCall& call);
  HRESULT GetCount(DispatchCall& call);
  HRESULT GetEntire(DispatchCall& call, Counting counting);
  HRESULT PutAlignment(DispatchCall& call, bool horizontal);
  HRESULT PutMergeCells(DispatchCall& call);
  HRESULT PutNumberFormat(DispatchCall& call);
  HRESULT AutoFit(DispatchCall& call);
  // Changes every cell's style, or rejects the call for a range too large to fill.
  HRESULT ChangeStyles(DispatchCall& call, const std::function<void(CellStyle&)>& change);

  std::shared_ptr<SheetModel> sheet_;
  CellRange range_;
  Counting counting_;
  // The EntireRow and EntireColumn ranges once asked for, each holding one reference: a
  // report asks for both before every cell it writes, and they never change.
  AutomationObject* entireRows_ = nullptr;
  AutomationObject* entireColumns_ = nullptr;
};

}  // namespace platform::spreadsheet
