#include "ui/controls/CMenuUI.h"

#include <algorithm>
#include <cwchar>

#include "ui/controls/CListHeaderUI.h"
#include "ui/core/control/IContainerUI.h"

namespace SkinUI {

CMenuUI::CMenuUI() {
  if (GetHeader() != nullptr) GetHeader()->SetVisible(false);
}

CMenuUI::~CMenuUI() = default;

LPCTSTR CMenuUI::GetClassName() const { return L"MenuUI"; }

LPVOID CMenuUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && _wcsicmp(pstrName, L"Menu") == 0) return static_cast<CMenuUI*>(this);
  return CListUI::GetInterface(pstrName);
}

bool CMenuUI::IsMenuItem(CControlUI* pControl) {
  return pControl != nullptr && pControl->GetInterface(L"MenuElement") != nullptr;
}

void CMenuUI::HideSubItems(CControlUI* pItem) {
  IContainerUI* pContainer = static_cast<IContainerUI*>(pItem->GetInterface(L"IContainer"));
  if (pContainer == nullptr) return;
  for (int i = 0; i < pContainer->GetCount(); ++i) {
    CControlUI* pChild = pContainer->GetItemAt(i);
    if (IsMenuItem(pChild)) pChild->SetParentVisible(false);
  }
}

SIZE CMenuUI::MeasureSize(SIZE szAvailable) {
  SIZE sz = {0, 0};
  for (int i = 0; i < GetCount(); ++i) {
    CControlUI* pItem = GetItemAt(i);
    if (!pItem->IsVisible()) continue;
    const SIZE szItem = pItem->MeasureSize(szAvailable);
    sz.cx = std::max(sz.cx, szItem.cx);
    sz.cy += szItem.cy;
  }
  return sz;
}

int CMenuUI::GetItemIndex(CControlUI* pControl) const {
  if (!IsMenuItem(pControl)) return -1;
  return CListUI::GetItemIndex(pControl);
}

bool CMenuUI::SetItemIndex(CControlUI* pControl, int iIndex) {
  if (!IsMenuItem(pControl)) return false;
  return CListUI::SetItemIndex(pControl, iIndex);
}

bool CMenuUI::Add(CControlUI* pControl) {
  if (!IsMenuItem(pControl)) return false;
  HideSubItems(pControl);
  return CListUI::Add(pControl);
}

bool CMenuUI::AddAt(CControlUI* pControl, int iIndex) {
  if (!IsMenuItem(pControl)) return false;
  HideSubItems(pControl);
  return CListUI::AddAt(pControl, iIndex);
}

bool CMenuUI::Remove(CControlUI* pControl) {
  if (!IsMenuItem(pControl)) return false;
  return CListUI::Remove(pControl);
}

}  // namespace SkinUI
