#include "ui/controls/CListTextElementUI.h"

#include <cwchar>

#include "ui/controls/IListTextCallbackUI.h"
#include "ui/controls/IListUI.h"
#include "ui/controls/ListItemInfo.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace SkinUI {

CListTextElementUI::CListTextElementUI() : m_nLinks(0), m_rcLinks{}, m_nHoverLink(-1), m_pOwnerList(nullptr) {}

CListTextElementUI::~CListTextElementUI() = default;

LPCTSTR CListTextElementUI::GetClassName() const { return L"ListTextElementUI"; }

LPVOID CListTextElementUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"ListTextElement") == 0) {
    return static_cast<CListTextElementUI*>(this);
  }
  return CListLabelElementUI::GetInterface(pstrName);
}

UINT CListTextElementUI::GetBehaviorFlags() const {
  // Set-cursor events come only to a row that has links to show the hand over.
  if (IsEnabled() && m_nLinks > 0) return CListItemState::kRowBehaviorFlags | UIFLAG_SETCURSOR;
  return CListItemState::kRowBehaviorFlags;
}

void CListTextElementUI::SetOwner(CControlUI* pOwner) {
  CListLabelElementUI::SetOwner(pOwner);
  m_pOwnerList = pOwner != nullptr ? static_cast<IListUI*>(pOwner->GetInterface(L"IList")) : nullptr;
}

RECT CListTextElementUI::GetLinkRect(int iIndex) const {
  if (iIndex < 0 || iIndex >= m_nLinks) return RECT{0, 0, 0, 0};
  return m_rcLinks[iIndex];
}

CUIString CListTextElementUI::GetLinkText(int iIndex) const {
  if (iIndex < 0 || iIndex >= m_nLinks) return CUIString();
  return m_sLinks[iIndex];
}

int CListTextElementUI::FindLink(POINT pt) const {
  for (int i = 0; i < m_nLinks; ++i) {
    if (::PtInRect(&m_rcLinks[i], pt)) return i;
  }
  return -1;
}

bool CListTextElementUI::HandleLinkEvent(UIEventRecord& event) {
  switch (event.Type) {
    case UIEVENT_SETCURSOR:
      if (FindLink(event.ptMouse) < 0) return false;
      ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
      return true;
    case UIEVENT_BUTTONUP: {
      if (!IsEnabled()) return false;
      const int iLink = FindLink(event.ptMouse);
      if (iLink < 0) return false;
      if (m_pManager != nullptr) m_pManager->SendNotify(this, L"link", static_cast<WPARAM>(iLink));
      return true;
    }
    case UIEVENT_MOUSEMOVE: {
      if (m_nLinks == 0) return false;
      const int iLink = FindLink(event.ptMouse);
      if (iLink != m_nHoverLink) {
        CListItemState::InvalidateVisiblePart(*this);
        m_nHoverLink = iLink;
      }
      return false;
    }
    case UIEVENT_MOUSELEAVE:
      if (m_nLinks > 0 && m_nHoverLink != -1) {
        CListItemState::InvalidateVisiblePart(*this);
        m_nHoverLink = -1;
      }
      return false;
    default:
      return false;
  }
}

void CListTextElementUI::HandleEvent(UIEventRecord& event) {
  if (!IsMouseEnabled() && IsMouseEvent(event)) {
    if (m_pOwnerList != nullptr) {
      m_pOwnerList->HandleEvent(event);
    } else {
      CListLabelElementUI::HandleEvent(event);
    }
    return;
  }
  if (HandleLinkEvent(event)) return;
  CListLabelElementUI::HandleEvent(event);
}

SIZE CListTextElementUI::MeasureSize(SIZE szAvailable) {
  if (m_pOwnerList == nullptr) return CControlUI::MeasureSize(szAvailable);
  SIZE sz = m_cxyFixed;
  if (sz.cy != 0) return sz;
  const ListItemInfo* pInfo = m_pOwnerList->GetListInfo();
  const int cyFont = m_pManager != nullptr ? m_pManager->GetFontInfo(pInfo->nFont)->tm.tmHeight : 0;
  sz.cy = cyFont + 8 + pInfo->rcTextPadding.top + pInfo->rcTextPadding.bottom;
  return sz;
}

void CListTextElementUI::DrawItemText(HDC hDC, const RECT& rcItem) {
  const ListItemInfo* pInfo = m_state.GetInfo();
  if (pInfo == nullptr || m_pManager == nullptr) return;
  const DWORD dwColor = m_state.GetTextColor(*pInfo, IsEnabled());
  IListTextCallbackUI* pCallback = m_pOwnerList != nullptr ? m_pOwnerList->GetTextCallback() : nullptr;
  const UINT uStyle = pInfo->uTextStyle | DT_SINGLELINE;
  m_nLinks = 0;
  for (int i = 0; i < pInfo->nColumns && i < kListMaxColumns; ++i) {
    RECT rcCell = {pInfo->rcColumn[i].left + pInfo->rcTextPadding.left, rcItem.top + pInfo->rcTextPadding.top,
                   pInfo->rcColumn[i].right - pInfo->rcTextPadding.right, rcItem.bottom - pInfo->rcTextPadding.bottom};
    // The row keeps no texts of its own: a cell without a callback stays empty.
    if (pCallback == nullptr) continue;
    LPCTSTR pstrText = pCallback->GetItemText(this, m_state.GetIndex(), i);
    if (pstrText == nullptr || *pstrText == L'\0') continue;
    if (!pInfo->bShowHtml) {
      CSkinRenderer::DrawPlainText(hDC, m_pManager, rcCell, pstrText, dwColor, pInfo->nFont, uStyle);
      continue;
    }
    int nFree = kMaxLinks - m_nLinks;
    RECT* prcLinks = nFree > 0 ? &m_rcLinks[m_nLinks] : nullptr;
    CUIString* psLinks = nFree > 0 ? &m_sLinks[m_nLinks] : nullptr;
    CSkinRenderer::DrawMarkupText(hDC, m_pManager, rcCell, pstrText, dwColor, prcLinks, psLinks, nFree, uStyle);
    if (prcLinks != nullptr) m_nLinks += nFree;
  }
  for (int i = m_nLinks; i < kMaxLinks; ++i) {
    m_rcLinks[i] = RECT{0, 0, 0, 0};
    m_sLinks[i].Empty();
  }
}

}  // namespace SkinUI
