#include "ui/core/control/CTabLayoutUI.h"

#include <algorithm>
#include <cwchar>

#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

CTabLayoutUI::CTabLayoutUI() : m_iCurSel(-1) {}

CTabLayoutUI::~CTabLayoutUI() = default;

LPCTSTR CTabLayoutUI::GetClassName() const { return L"TabLayoutUI"; }

LPVOID CTabLayoutUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"TabLayout") == 0) return static_cast<CTabLayoutUI*>(this);
  return CContainerUI::GetInterface(pstrName);
}

int CTabLayoutUI::GetCurrentIndex() const { return m_iCurSel; }

bool CTabLayoutUI::Add(CControlUI* pControl) {
  if (!CContainerUI::Add(pControl)) return false;
  if (m_iCurSel == -1 && pControl->IsVisible()) {
    m_iCurSel = GetItemIndex(pControl);
  } else {
    pControl->SetVisible(false);
  }
  return true;
}

bool CTabLayoutUI::AddAt(CControlUI* pControl, int iIndex) {
  if (!CContainerUI::AddAt(pControl, iIndex)) return false;
  if (m_iCurSel == -1 && pControl->IsVisible()) {
    m_iCurSel = GetItemIndex(pControl);
    return true;
  }
  pControl->SetVisible(false);
  // The current index keeps naming the same page.
  if (m_iCurSel != -1 && iIndex <= m_iCurSel) m_iCurSel += 1;
  return true;
}

bool CTabLayoutUI::Remove(CControlUI* pControl) {
  const int iIndex = GetItemIndex(pControl);
  if (!CContainerUI::Remove(pControl)) return false;
  if (m_iCurSel == iIndex) {
    if (GetCount() > 0) {
      m_iCurSel = 0;
      GetItemAt(0)->SetVisible(true);
    } else {
      m_iCurSel = -1;
    }
    RequestParentLayout();
  } else if (m_iCurSel > iIndex) {
    m_iCurSel -= 1;
  }
  return true;
}

void CTabLayoutUI::RemoveAll() {
  m_iCurSel = -1;
  CContainerUI::RemoveAll();
  RequestParentLayout();
}

bool CTabLayoutUI::SelectItem(int iIndex) {
  if (iIndex < 0 || iIndex >= m_items.GetSize()) return false;
  if (iIndex == m_iCurSel) return true;
  const int iOldSel = m_iCurSel;
  m_iCurSel = iIndex;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    if (i == iIndex) {
      pControl->SetVisible(true);
      pControl->SetFocus();
      SetPos(m_rcItem);
    } else {
      pControl->SetVisible(false);
    }
  }
  RequestParentLayout();
  if (m_pManager != nullptr) {
    m_pManager->SetNextTabControl(true);
    m_pManager->SendNotify(this, L"tabselect", static_cast<WPARAM>(m_iCurSel), static_cast<LPARAM>(iOldSel));
  }
  return true;
}

bool CTabLayoutUI::SelectItemByControl(CControlUI* pControl) {
  const int iIndex = GetItemIndex(pControl);
  if (iIndex < 0) return false;
  return SelectItem(iIndex);
}

void CTabLayoutUI::SetPos(RECT rc) {
  CControlUI::SetPos(rc);
  rc = m_rcItem;
  rc.left += m_rcInset.left;
  rc.top += m_rcInset.top;
  rc.right -= m_rcInset.right;
  rc.bottom -= m_rcInset.bottom;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    if (!pControl->IsVisible()) continue;
    if (pControl->IsFloat()) {
      SetFloatPos(i);
      continue;
    }
    if (i != m_iCurSel) continue;
    const RECT rcPadding = pControl->GetPadding();
    rc.left += rcPadding.left;
    rc.top += rcPadding.top;
    rc.right -= rcPadding.right;
    rc.bottom -= rcPadding.bottom;
    const SIZE szAvailable = {rc.right - rc.left, rc.bottom - rc.top};
    SIZE sz = pControl->MeasureSize(szAvailable);
    if (sz.cx == 0) sz.cx = std::max<int>(0, szAvailable.cx);
    sz.cx = std::min(std::max<int>(sz.cx, pControl->GetMinWidth()), pControl->GetMaxWidth());
    if (sz.cy == 0) sz.cy = std::max<int>(0, szAvailable.cy);
    sz.cy = std::min(std::max<int>(sz.cy, pControl->GetMinHeight()), pControl->GetMaxHeight());
    pControl->SetPos(RECT{rc.left, rc.top, rc.left + sz.cx, rc.top + sz.cy});
  }
}

void CTabLayoutUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"selectedid") == 0) SelectItem(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  CContainerUI::SetAttribute(pstrName, pstrValue);
}

}  // namespace SkinUI
