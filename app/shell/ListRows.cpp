#include "app/shell/ListRows.h"

#include <memory>

#include "app/shell/CListContainerElementUIEx.h"
#include "ui/controls/CButtonUI.h"
#include "ui/controls/CLabelUI.h"
#include "ui/controls/CListHeaderUI.h"
#include "ui/controls/CListUI.h"
#include "ui/core/control/CHorizontalLayoutUI.h"

namespace {

SkinUI::CContainerUI* AsContainer(SkinUI::CControlUI* control) {
  if (control == nullptr) return nullptr;
  return static_cast<SkinUI::CContainerUI*>(control->GetInterface(L"Container"));
}

// Puts the control into the cell; the control is dropped when there is no such cell.
void PlaceInCell(SkinUI::CListUI* pList, int row, int column, std::unique_ptr<SkinUI::CControlUI> control) {
  if (pList == nullptr) return;
  SkinUI::CContainerUI* rowItem = AsContainer(pList->GetItemAt(row));
  if (rowItem == nullptr) return;
  SkinUI::CContainerUI* cell = AsContainer(rowItem->GetItemAt(column));
  if (cell == nullptr) return;
  cell->SetAttribute(L"inset", L"0,1,1,1");
  if (cell->Add(control.get())) control.release();
}

std::unique_ptr<SkinUI::CLabelUI> CellLabel(const std::wstring& text, const std::wstring& name, LPCTSTR font,
                                            LPCTSTR textColor) {
  auto label = std::make_unique<SkinUI::CLabelUI>();
  label->SetText(text.c_str());
  const std::wstring attributes = std::wstring(L"endellipsis=\"true\" align=\"center\" font=\"") + font +
                                  L"\" textcolor=\"" + textColor + L"\"";
  label->SetAttributeList(attributes.c_str());
  label->SetName(name.c_str());
  return label;
}

}  // namespace

int ListInsertRow(SkinUI::CListUI* pList, int index, int height) {
  if (pList == nullptr) return -1;
  auto row = std::make_unique<CListContainerElementUIEx>();
  row->SetFixedHeight(height);
  SkinUI::CListHeaderUI* header = pList->GetHeader();
  const int columns = header != nullptr ? header->GetCount() : 0;
  for (int i = 0; i < columns; ++i) row->Add(new SkinUI::CHorizontalLayoutUI);
  if (!pList->AddAt(row.get(), index)) return -1;
  row.release();
  return index;
}

void ListSetIdCell(SkinUI::CListUI* pList, int row, const std::wstring& text, const std::wstring& name) {
  PlaceInCell(pList, row, 0, CellLabel(text, name, L"2", L"#ffffffff"));
}

void ListSetTextCell(SkinUI::CListUI* pList, int row, int column, const std::wstring& text,
                     const std::wstring& name, const SkinUI::CUIString& textColor) {
  std::unique_ptr<SkinUI::CLabelUI> label = CellLabel(text, name, L"7", textColor.GetData());
  label->SetToolTip(text.c_str());
  PlaceInCell(pList, row, column, std::move(label));
}

void ListSetButtonCell(SkinUI::CListUI* pList, int row, int column, int width, int height, const std::wstring& pos,
                       const std::wstring& name, const std::wstring& hotImage, const std::wstring& normalImage,
                       const std::wstring& text, const std::wstring& userData, int withText) {
  auto button = std::make_unique<SkinUI::CButtonUI>();
  button->SetFixedWidth(width);
  button->SetFixedHeight(height);
  button->SetFloat(true);
  button->SetAttribute(L"name", name.c_str());
  button->SetAttribute(L"pos", pos.c_str());
  button->SetAttribute(L"hotimage", hotImage.c_str());
  button->SetAttribute(L"normalimage", normalImage.c_str());
  button->SetAttribute(L"pushedimage", hotImage.c_str());
  button->SetTextColor(0xFFFFFFFF);
  if (withText != 0) {
    button->SetAttribute(L"endellipsis", L"true");
    button->SetText(text.c_str());
    button->SetTextPadding(RECT{20, 0, 0, 0});
  }
  button->SetToolTip(text.c_str());
  button->SetFont(10);
  button->SetUserData(userData.c_str());
  PlaceInCell(pList, row, column, std::move(button));
}
