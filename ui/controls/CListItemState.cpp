#include "ui/controls/CListItemState.h"

#include "ui/controls/IListItemUI.h"
#include "ui/controls/IListOwnerUI.h"
#include "ui/controls/ListItemInfo.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

void CListItemState::SetOwner(CControlUI* pOwner) {
  m_pOwner = pOwner != nullptr ? static_cast<IListOwnerUI*>(pOwner->GetInterface(L"IListOwner")) : nullptr;
  m_pOwnerControl = m_pOwner != nullptr ? pOwner : nullptr;
}

bool CListItemState::Select(CControlUI& row, bool bSelect) {
  if (!row.IsEnabled()) return false;
  if (m_bSelected == bSelect) return true;
  m_bSelected = bSelect;
  // Repainted before the owner hears of it: its "itemselect" handler may remove the row.
  InvalidateVisiblePart(row);
  if (bSelect && m_pOwner != nullptr) m_pOwner->SelectItem(m_iIndex, false);
  return true;
}

void CListItemState::AfterVisibilityChange(CControlUI& row) {
  if (row.IsVisible() || !m_bSelected) return;
  m_bSelected = false;
  if (m_pOwner != nullptr) m_pOwner->SelectItem(-1, false);
}

void CListItemState::ApplySelectedAttribute(CControlUI& row, LPCTSTR pstrValue) {
  if (CUIValueParser::IsTrue(pstrValue)) {
    Select(row, true);
    return;
  }
  // The owner's selection goes with the row's, so that the two never disagree.
  if (m_pOwner != nullptr && m_bSelected && m_pOwner->GetCurSel() == m_iIndex) {
    m_pOwner->SelectItem(-1, false);
    return;
  }
  Select(row, false);
}

bool CListItemState::HandleMouse(CControlUI& row, IListItemUI& item, UIEventRecord& event) {
  switch (event.Type) {
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_RBUTTONDOWN:
      if (row.IsEnabled()) {
        InvalidateVisiblePart(row);
        item.Select(true);
      }
      return true;
    case UIEVENT_BUTTONUP:
      // Wherever the press began: selection happened at the press, and a press on
      // another row with the release here is a click here.
      if (row.IsEnabled() && row.GetManager() != nullptr) row.GetManager()->SendNotify(&row, L"itemclick");
      return true;
    case UIEVENT_MOUSEMOVE:
      return true;
    case UIEVENT_MOUSEENTER:
      if (row.IsEnabled()) {
        SetHot(true);
        InvalidateVisiblePart(row);
      }
      return true;
    case UIEVENT_MOUSELEAVE:
      if (IsHot()) {
        SetHot(false);
        InvalidateVisiblePart(row);
      }
      return true;
    default:
      return false;
  }
}

ListItemInfo* CListItemState::GetInfo() const { return m_pOwner != nullptr ? m_pOwner->GetListInfo() : nullptr; }

DWORD CListItemState::GetTextColor(const ListItemInfo& info, bool bEnabled) const {
  DWORD dwColor = info.dwTextColor;
  if (m_bHot) dwColor = info.dwHotTextColor;
  if (m_bSelected) dwColor = info.dwSelectedTextColor;
  if (!bEnabled) dwColor = info.dwDisabledTextColor;
  return dwColor;
}

bool CListItemState::IsBackgroundRow(const ListItemInfo& info) const { return !info.bAlternateBk || m_iIndex % 2 == 0; }

DWORD CListItemState::GetBkColor(const ListItemInfo& info, bool bEnabled) const {
  DWORD dwColor = IsBackgroundRow(info) ? info.dwBkColor : 0;
  if (m_bHot) dwColor = info.dwHotBkColor;
  if (m_bSelected) dwColor = info.dwSelectedBkColor;
  if (!bEnabled) dwColor = info.dwDisabledBkColor;
  return dwColor;
}

void CListItemState::DrawItemText(CControlUI& row, HDC hDC, const RECT& rcItem) const {
  const CUIString& text = row.GetText();
  if (text.IsEmpty()) return;
  const ListItemInfo* pInfo = GetInfo();
  CWindowManagerUI* pManager = row.GetManager();
  if (pInfo == nullptr || pManager == nullptr) return;
  const DWORD dwColor = GetTextColor(*pInfo, row.IsEnabled());
  RECT rcText = rcItem;
  rcText.left += pInfo->rcTextPadding.left;
  rcText.top += pInfo->rcTextPadding.top;
  rcText.right -= pInfo->rcTextPadding.right;
  rcText.bottom -= pInfo->rcTextPadding.bottom;
  const UINT uStyle = pInfo->uTextStyle | DT_SINGLELINE;
  if (pInfo->bShowHtml) {
    int nLinks = 0;
    CSkinRenderer::DrawMarkupText(hDC, pManager, rcText, text, dwColor, nullptr, nullptr, nLinks, uStyle);
  } else {
    CSkinRenderer::DrawPlainText(hDC, pManager, rcText, text, dwColor, pInfo->nFont, uStyle);
  }
}

bool CListItemState::DrawStateImage(CControlUI& row, HDC hDC, ListItemInfo& info, bool bEnabled) const {
  if (!bEnabled && row.DrawImage(hDC, info.diDisabled)) return true;
  if (m_bSelected && row.DrawImage(hDC, info.diSelected)) return true;
  return m_bHot && row.DrawImage(hDC, info.diHot);
}

void CListItemState::DrawBottomLine(HDC hDC, const RECT& rcItem, DWORD dwColor) {
  const RECT rcLine = {rcItem.left, rcItem.bottom - 1, rcItem.right, rcItem.bottom - 1};
  CSkinRenderer::DrawLine(hDC, rcLine, 1, dwColor);
}

void CListItemState::InvalidateVisiblePart(CControlUI& row) {
  CWindowManagerUI* pManager = row.GetManager();
  if (pManager == nullptr || !row.IsVisible()) return;
  CControlUI* pParent = row.GetParent();
  CContainerUI* pContainer =
      pParent != nullptr ? static_cast<CContainerUI*>(pParent->GetInterface(L"Container")) : nullptr;
  if (pContainer == nullptr) {
    row.Invalidate();
    return;
  }
  RECT rcArea = pContainer->GetPos();
  const RECT rcInset = pContainer->GetInset();
  rcArea.left += rcInset.left;
  rcArea.top += rcInset.top;
  rcArea.right -= rcInset.right;
  rcArea.bottom -= rcInset.bottom;
  const CScrollBarUI* pVertical = pContainer->GetVerticalScrollBar();
  if (pVertical != nullptr && pVertical->IsVisible()) rcArea.right -= pVertical->GetFixedWidth();
  const CScrollBarUI* pHorizontal = pContainer->GetHorizontalScrollBar();
  if (pHorizontal != nullptr && pHorizontal->IsVisible()) rcArea.bottom -= pHorizontal->GetFixedHeight();

  RECT rcInvalidate = {0, 0, 0, 0};
  if (!::IntersectRect(&rcInvalidate, &rcArea, &row.GetPos())) return;
  for (const CControlUI* pAncestor = pParent->GetParent(); pAncestor != nullptr; pAncestor = pAncestor->GetParent()) {
    const RECT rcTemp = rcInvalidate;
    if (!::IntersectRect(&rcInvalidate, &rcTemp, &pAncestor->GetPos())) return;
  }
  pManager->Invalidate(rcInvalidate);
}

}  // namespace SkinUI
