#include "platform/spreadsheet/WorkbookModel.h"

#include <cwctype>

namespace platform::spreadsheet {
namespace {

constexpr size_t kMaxSheetName = 31;

bool SameName(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) return false;
  }
  return true;
}

}  // namespace

std::shared_ptr<SheetModel> WorkbookModel::AddSheet() {
  int number = 1;
  while (NameInUse(L"Sheet" + std::to_wstring(number), nullptr)) ++number;
  auto sheet = std::make_shared<SheetModel>(L"Sheet" + std::to_wstring(number));
  sheets_.insert(sheets_.begin(), sheet);
  return sheet;
}

bool WorkbookModel::RenameSheet(SheetModel& sheet, const std::wstring& name) {
  if (name.empty() || name.size() > kMaxSheetName) return false;
  if (name.find_first_of(L":\\/?*[]") != std::wstring::npos) return false;
  if (NameInUse(name, &sheet)) return false;
  sheet.SetName(name);
  return true;
}

bool WorkbookModel::NameInUse(const std::wstring& name, const SheetModel* except) const {
  for (const auto& sheet : sheets_) {
    if (sheet.get() != except && SameName(sheet->Name(), name)) return true;
  }
  return false;
}

size_t WorkbookModel::CellCount() const {
  size_t count = 0;
  for (const auto& sheet : sheets_) count += sheet->CellCount();
  return count;
}

}  // namespace platform::spreadsheet
