#include "ui/controls/CListContainerElementUI.h"

#include <cwchar>

#include "ui/controls/CListHeaderUI.h"
#include "ui/controls/IListOwnerUI.h"
#include "ui/controls/IListUI.h"
#include "ui/controls/ListItemInfo.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace SkinUI {

namespace {

bool IsMouseEvent(int type) { return type >= UIEVENT_MOUSEMOVE && type <= UIEVENT_SCROLLWHEEL; }

}  // namespace

CListContainerElementUI::CListContainerElementUI() = default;

CListContainerElementUI::~CListContainerElementUI() = default;

LPCTSTR CListContainerElementUI::GetClassName() const { return L"ListContainerElementUI"; }

LPVOID CListContainerElementUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr) {
    if (wcscmp(pstrName, L"ListItem") == 0) return static_cast<IListItemUI*>(this);
    if (wcscmp(pstrName, L"ListContainerElement") == 0) return static_cast<CListContainerElementUI*>(this);
  }
  return CHorizontalLayoutUI::GetInterface(pstrName);
}

UINT CListContainerElementUI::GetBehaviorFlags() const { return CListItemState::kRowBehaviorFlags; }

bool CListContainerElementUI::Activate() {
  if (!CControlUI::Activate()) return false;
  if (m_pManager != nullptr) m_pManager->SendNotify(this, L"itemactivate");
  return true;
}

void CListContainerElementUI::SetPos(RECT rc) {
  CHorizontalLayoutUI::SetPos(rc);
  AlignCellsToColumns();
}

void CListContainerElementUI::AlignCellsToColumns() {
  // Only a plain list lines cells up with its header: trees, menus and combo boxes
  // lay their rows out freely.
  CControlUI* pOwner = m_state.GetOwnerControl();
  if (pOwner == nullptr || wcscmp(pOwner->GetClassName(), L"ListUI") != 0) return;
  IListUI* pList = static_cast<IListUI*>(pOwner->GetInterface(L"IList"));
  CListHeaderUI* pHeader = pList != nullptr ? pList->GetHeader() : nullptr;
  if (pHeader == nullptr || !pHeader->IsVisible()) return;
  const int nCells = m_items.GetSize();
  for (int i = 0; i < nCells && i < pHeader->GetCount(); ++i) {
    const RECT& rcColumn = pHeader->GetItemAt(i)->GetPos();
    if (rcColumn.left == 0 && rcColumn.right == 0) continue;
    CControlUI* pCell = static_cast<CControlUI*>(m_items[i]);
    RECT rcCell = pCell->GetPos();
    rcCell.left = rcColumn.left;
    rcCell.right = rcColumn.right;
    pCell->SetPos(rcCell);
  }
}

void CListContainerElementUI::SetVisible(bool bVisible) {
  CHorizontalLayoutUI::SetVisible(bVisible);
  m_state.AfterVisibilityChange(*this);
}

void CListContainerElementUI::SetEnabled(bool bEnable) {
  CHorizontalLayoutUI::SetEnabled(bEnable);
  if (!IsEnabled()) m_state.SetHot(false);
}

void CListContainerElementUI::PassToOwner(UIEventRecord& event) {
  if (m_state.GetOwner() != nullptr) {
    m_state.GetOwner()->HandleEvent(event);
  } else {
    CHorizontalLayoutUI::HandleEvent(event);
  }
}

bool CListContainerElementUI::HandleRowEvent(UIEventRecord& event) {
  switch (event.Type) {
    case UIEVENT_DBLCLICK:
      if (IsEnabled()) {
        // Repainted first: the "itemactivate" handler may remove the row.
        CListItemState::InvalidateVisiblePart(*this);
        Activate();
      }
      return true;
    case UIEVENT_KEYDOWN:
      if (event.chKey != VK_RETURN || !IsEnabled()) return false;
      CListItemState::InvalidateVisiblePart(*this);
      Activate();
      return true;
    case UIEVENT_TIMER:
      if (m_pManager != nullptr) m_pManager->SendNotify(this, L"timer", event.wParam, event.lParam);
      return true;
    case UIEVENT_CONTEXTMENU:
      if (!IsContextMenuUsed()) return false;
      if (m_pManager != nullptr) m_pManager->SendNotify(this, L"menu", event.wParam, event.lParam);
      return true;
    default:
      return m_state.HandleMouse(*this, *this, event);
  }
}

void CListContainerElementUI::HandleEvent(UIEventRecord& event) {
  if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
    PassToOwner(event);
    return;
  }
  if (HandleRowEvent(event)) return;
  PassToOwner(event);
}

void CListContainerElementUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"selected") == 0) {
    m_state.ApplySelectedAttribute(*this, pstrValue);
  } else {
    CHorizontalLayoutUI::SetAttribute(pstrName, pstrValue);
  }
}

void CListContainerElementUI::Paint(HDC hDC, const RECT& rcPaint) {
  if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
  DrawItemBackground(hDC, m_rcItem);
  CHorizontalLayoutUI::Paint(hDC, rcPaint);
}

void CListContainerElementUI::DrawItemBackground(HDC hDC, const RECT& rcItem) {
  ListItemInfo* pInfo = m_state.GetInfo();
  if (pInfo == nullptr) return;
  const DWORD dwColor = m_state.GetBkColor(*pInfo, IsEnabled());
  if (dwColor != 0) CSkinRenderer::DrawColor(hDC, m_rcPaint, AdjustColor(dwColor));
  if (m_state.DrawStateImage(*this, hDC, *pInfo, IsEnabled())) return;
  const bool bOwnImage = m_diBk.IsUsable();
  if (bOwnImage && m_state.IsBackgroundRow(*pInfo)) DrawImage(hDC, m_diBk);
  if (!bOwnImage && DrawImage(hDC, pInfo->diBk)) return;
  if (pInfo->dwLineColor != 0) CListItemState::DrawBottomLine(hDC, rcItem, pInfo->dwLineColor);
}

int CListContainerElementUI::GetIndex() const { return m_state.GetIndex(); }

void CListContainerElementUI::SetIndex(int iIndex) { m_state.SetIndex(iIndex); }

IListOwnerUI* CListContainerElementUI::GetOwner() const { return m_state.GetOwner(); }

void CListContainerElementUI::SetOwner(CControlUI* pOwner) { m_state.SetOwner(pOwner); }

bool CListContainerElementUI::IsSelected() const { return m_state.IsSelected(); }

bool CListContainerElementUI::Select(bool bSelect) { return m_state.Select(*this, bSelect); }

bool CListContainerElementUI::IsExpanded() const { return false; }

bool CListContainerElementUI::Expand(bool) { return false; }

void CListContainerElementUI::DrawItemText(HDC, const RECT&) {}

}  // namespace SkinUI
