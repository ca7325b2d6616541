#include "testing/ui/ListFixture.h"

#include <utility>

#include "ui/controls/CListUI.h"
#include "ui/core/builder/CControlClassTable.h"
#include "ui/core/control/CContainerUI.h"

namespace controltest {

ListFixture::ListFixture(int rows, std::wstring rowElement) : rows_(rows), rowElement_(std::move(rowElement)) {}

ListFixture& ListFixture::Disabled(std::set<int> rows) {
  disabled_ = std::move(rows);
  return *this;
}

ListFixture& ListFixture::Hidden(std::set<int> rows) {
  hidden_ = std::move(rows);
  return *this;
}

ListFixture& ListFixture::ListAttributes(std::wstring attributes) {
  listAttributes_ = std::move(attributes);
  return *this;
}

ListFixture& ListFixture::RowAttributes(std::wstring attributes) {
  rowAttributes_ = std::move(attributes);
  return *this;
}

ListFixture& ListFixture::Header(std::wstring markup) {
  header_ = std::move(markup);
  return *this;
}

ListFixture& ListFixture::Cells(std::wstring markup) {
  cells_ = std::move(markup);
  return *this;
}

std::wstring ListFixture::RowMarkup(int i) const {
  std::wstring row = L"<" + rowElement_ + L" name=\"row" + std::to_wstring(i) + L"\" text=\"Row " + std::to_wstring(i) +
                     L"\" " + rowAttributes_;
  if (disabled_.count(i) != 0) row += L" enabled=\"false\"";
  if (hidden_.count(i) != 0) row += L" visible=\"false\"";
  if (cells_.empty()) return row + L"/>";
  return row + L">" + cells_ + L"</" + rowElement_ + L">";
}

std::wstring ListFixture::Markup(const std::wstring& name) const {
  std::wstring markup = L"<List name=\"" + name + L"\" " + listAttributes_ + L">" + header_;
  for (int i = 0; i < rows_; ++i) markup += RowMarkup(i);
  return markup + L"</List>";
}

void ListFixture::Fill(SkinUI::CListUI* pList) const {
  for (int i = 0; i < rows_; ++i) {
    SkinUI::CControlUI* pRow = SkinUI::CControlClassTable::Create(rowElement_.c_str());
    if (pRow == nullptr) return;
    pRow->SetName((L"row" + std::to_wstring(i)).c_str());
    pRow->SetText((L"Row " + std::to_wstring(i)).c_str());
    if (!rowAttributes_.empty()) pRow->SetAttributeList(rowAttributes_.c_str());
    if (disabled_.count(i) != 0) pRow->SetEnabled(false);
    if (hidden_.count(i) != 0) pRow->SetVisible(false);
    pList->Add(pRow);
  }
}

std::vector<RECT> ListFixture::RowRects(ControlHarness& h, LPCTSTR list) {
  std::vector<RECT> rects;
  h.OnGui([&] {
    SkinUI::CListUI* pList = h.Find<SkinUI::CListUI>(list);
    if (pList == nullptr) return;
    for (int i = 0; i < pList->GetCount(); ++i) rects.push_back(pList->GetItemAt(i)->GetPos());
  });
  return rects;
}

std::vector<RECT> ListFixture::ColumnRects(ControlHarness& h, LPCTSTR list) {
  std::vector<RECT> rects;
  h.OnGui([&] {
    SkinUI::CListUI* pList = h.Find<SkinUI::CListUI>(list);
    if (pList == nullptr) return;
    const SkinUI::ListItemInfo* pInfo = pList->GetListInfo();
    rects.assign(pInfo->rcColumn, pInfo->rcColumn + pInfo->nColumns);
  });
  return rects;
}

std::vector<RECT> ListFixture::CellRects(ControlHarness& h, int row, LPCTSTR list) {
  std::vector<RECT> rects;
  h.OnGui([&] {
    SkinUI::CListUI* pList = h.Find<SkinUI::CListUI>(list);
    SkinUI::CControlUI* pRow = pList != nullptr ? pList->GetItemAt(row) : nullptr;
    auto* pCells = pRow != nullptr ? static_cast<SkinUI::CContainerUI*>(pRow->GetInterface(L"Container")) : nullptr;
    if (pCells == nullptr) return;
    for (int i = 0; i < pCells->GetCount(); ++i) rects.push_back(pCells->GetItemAt(i)->GetPos());
  });
  return rects;
}

int ListFixture::CurSel(ControlHarness& h, LPCTSTR list) {
  int iCurSel = -2;
  h.OnGui([&] {
    SkinUI::CListUI* pList = h.Find<SkinUI::CListUI>(list);
    if (pList != nullptr) iCurSel = pList->GetCurSel();
  });
  return iCurSel;
}

}  // namespace controltest
