#include "ui/controls/CListElementUI.h"

#include <cwchar>

#include "ui/controls/IListOwnerUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace SkinUI {

CListElementUI::CListElementUI() = default;

CListElementUI::~CListElementUI() = default;

LPCTSTR CListElementUI::GetClassName() const { return L"ListElementUI"; }

LPVOID CListElementUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr) {
    if (wcscmp(pstrName, L"ListItem") == 0) return static_cast<IListItemUI*>(this);
    if (wcscmp(pstrName, L"ListElement") == 0) return static_cast<CListElementUI*>(this);
  }
  return CControlUI::GetInterface(pstrName);
}

UINT CListElementUI::GetBehaviorFlags() const { return CListItemState::kRowBehaviorFlags; }

bool CListElementUI::Activate() {
  if (!CControlUI::Activate()) return false;
  if (m_pManager != nullptr) m_pManager->SendNotify(this, L"itemactivate");
  return true;
}

void CListElementUI::SetVisible(bool bVisible) {
  CControlUI::SetVisible(bVisible);
  m_state.AfterVisibilityChange(*this);
}

void CListElementUI::SetEnabled(bool bEnable) {
  CControlUI::SetEnabled(bEnable);
  if (!IsEnabled()) m_state.SetHot(false);
}

bool CListElementUI::IsMouseEvent(const UIEventRecord& event) {
  return event.Type >= UIEVENT_MOUSEMOVE && event.Type <= UIEVENT_SCROLLWHEEL;
}

void CListElementUI::PassToOwner(UIEventRecord& event) {
  if (m_state.GetOwner() != nullptr) {
    m_state.GetOwner()->HandleEvent(event);
  } else {
    CControlUI::HandleEvent(event);
  }
}

void CListElementUI::HandleEvent(UIEventRecord& event) {
  if (!IsMouseEnabled() && IsMouseEvent(event)) {
    PassToOwner(event);
    return;
  }
  const bool bActivating =
      event.Type == UIEVENT_DBLCLICK || (event.Type == UIEVENT_KEYDOWN && event.chKey == VK_RETURN);
  if (bActivating && IsEnabled()) {
    // Repainted first: the "itemactivate" handler may remove the row.
    CListItemState::InvalidateVisiblePart(*this);
    Activate();
    return;
  }
  PassToOwner(event);
}

void CListElementUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"selected") == 0) {
    m_state.ApplySelectedAttribute(*this, pstrValue);
  } else {
    CControlUI::SetAttribute(pstrName, pstrValue);
  }
}

int CListElementUI::GetIndex() const { return m_state.GetIndex(); }

void CListElementUI::SetIndex(int iIndex) { m_state.SetIndex(iIndex); }

IListOwnerUI* CListElementUI::GetOwner() const { return m_state.GetOwner(); }

void CListElementUI::SetOwner(CControlUI* pOwner) { m_state.SetOwner(pOwner); }

bool CListElementUI::IsSelected() const { return m_state.IsSelected(); }

bool CListElementUI::Select(bool bSelect) { return m_state.Select(*this, bSelect); }

bool CListElementUI::IsExpanded() const { return false; }

bool CListElementUI::Expand(bool) { return false; }

}  // namespace SkinUI
