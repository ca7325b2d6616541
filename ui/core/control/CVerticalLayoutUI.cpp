#include "ui/core/control/CVerticalLayoutUI.h"

#include <cwchar>

namespace SkinUI {

CVerticalLayoutUI::CVerticalLayoutUI() = default;

CVerticalLayoutUI::~CVerticalLayoutUI() = default;

LPCTSTR CVerticalLayoutUI::GetClassName() const { return L"VerticalLayoutUI"; }

LPVOID CVerticalLayoutUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"VerticalLayout") == 0) return static_cast<CVerticalLayoutUI*>(this);
  return CContainerUI::GetInterface(pstrName);
}

void CVerticalLayoutUI::SetSepHeight(int iHeight) { SetSepSize(iHeight); }

int CVerticalLayoutUI::GetSepHeight() const { return GetSepSize(); }

}  // namespace SkinUI
