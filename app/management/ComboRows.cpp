#include "app/management/ComboRows.h"

#include <memory>

#include "ui/controls/CComboUI.h"
#include "ui/controls/CListLabelElementUI.h"

void ComboRows::Add(SkinUI::CComboUI* pCombo, const std::wstring& text, const std::wstring& userData) {
  if (pCombo == nullptr) return;
  auto row = std::make_unique<SkinUI::CListLabelElementUI>();
  row->SetAttribute(L"align", L"center");
  row->SetAttribute(L"textcolor", L"#EFFFFF");
  row->SetText(text.c_str());
  row->SetToolTip(text.c_str());
  if (!userData.empty()) row->SetUserData(userData.c_str());
  if (pCombo->Add(row.get())) row.release();
}
