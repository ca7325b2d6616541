// A window manager's focus and keyboard navigation: moving the focus, Tab and
// Shift+Tab over the tab stops, focusing a control after the next layout, Alt
// shortcuts and the system keys the message loop offers before dispatching.
#include "ui/core/manager/CWindowManagerUI.h"

#include <cwchar>

#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/IRichEditUI.h"

namespace SkinUI {
namespace {

const UINT kTabSearchFlags = UIFIND_VISIBLE | UIFIND_ENABLED | UIFIND_ME_FIRST;

struct TabSearch {
  CControlUI* pFocus;  // where the search starts; null starts before the first
  CControlUI* pLast;   // the last tab stop seen
  bool bForward;
  bool bNextIsIt;
};

CControlUI* CALLBACK FindControlFromTab(CControlUI* pThis, LPVOID pData) {
  TabSearch* pInfo = static_cast<TabSearch*>(pData);
  if (pThis == pInfo->pFocus) {
    if (pInfo->bForward) {
      pInfo->bNextIsIt = true;
      return nullptr;
    }
    return pInfo->pLast;
  }
  if ((pThis->GetBehaviorFlags() & UIFLAG_TABSTOP) == 0) return nullptr;
  pInfo->pLast = pThis;
  if (pInfo->bNextIsIt || pInfo->pFocus == nullptr) return pThis;
  return nullptr;
}

struct ShortcutSearch {
  TCHAR ch;  // upper case
  bool bPickNext;
};

CControlUI* CALLBACK FindControlFromShortcut(CControlUI* pThis, LPVOID pData) {
  if (!pThis->IsVisible()) return nullptr;
  ShortcutSearch* pInfo = static_cast<ShortcutSearch*>(pData);
  if (pInfo->ch == platform::ToUpperW(pThis->GetShortcut())) pInfo->bPickNext = true;
  // A label names the control after it.
  if (wcsstr(pThis->GetClassName(), L"LabelUI") != nullptr) return nullptr;
  return pInfo->bPickNext ? pThis : nullptr;
}

bool IsRichEditWantingTab(CControlUI* pControl) {
  if (pControl == nullptr || !pControl->IsVisible() || !pControl->IsEnabled()) return false;
  if (wcsstr(pControl->GetClassName(), L"RichEditUI") == nullptr) return false;
  IRichEditUI* pRichEdit = dynamic_cast<IRichEditUI*>(pControl);
  return pRichEdit != nullptr && pRichEdit->IsWantTab();
}

}  // namespace

CControlUI* CWindowManagerUI::GetFocus() const { return m_pFocus; }

void CWindowManagerUI::KillFocus(CControlUI* pNewFocus) {
  if (m_pFocus == nullptr) return;
  CControlUI* pOldFocus = m_pFocus;
  UIEventRecord event;
  event.Type = UIEVENT_KILLFOCUS;
  event.pSender = pNewFocus;
  event.dwTimestamp = ::GetTickCount();
  pOldFocus->DispatchEvent(event);
  // A handler that destroyed the old focus reaped it; there is no sender left.
  if (m_pFocus == pOldFocus) SendNotify(pOldFocus, L"killfocus");
  m_pFocus = nullptr;
}

void CWindowManagerUI::SetFocus(CControlUI* pControl) {
  if (::GetFocus() != m_hWndPaint && pControl != m_pFocus) ::SetFocus(m_hWndPaint);
  if (pControl == m_pFocus) return;
  KillFocus(pControl);
  if (pControl == nullptr || pControl->GetManager() != this || !pControl->IsVisible() || !pControl->IsEnabled()) {
    return;
  }
  m_pFocus = pControl;
  // Asked for before the first layout, the focus stays where it was asked: the first
  // paint no longer moves it on to the next tab stop.
  if (m_bFirstLayout) m_bFocusNeeded = false;
  UIEventRecord event;
  event.Type = UIEVENT_SETFOCUS;
  event.pSender = pControl;
  event.dwTimestamp = ::GetTickCount();
  pControl->DispatchEvent(event);
  if (m_pFocus == pControl) SendNotify(pControl, L"setfocus");
}

void CWindowManagerUI::SetFocusNeeded(CControlUI* pControl) {
  ::SetFocus(m_hWndPaint);
  if (pControl == nullptr) return;
  KillFocus(pControl);
  // The tab stop before the control takes the focus silently, so that the forward
  // move after the layout lands on the control itself.
  if (m_pRoot != nullptr) {
    TabSearch info = {pControl, nullptr, false, false};
    m_pFocus = m_pRoot->FindControl(&FindControlFromTab, &info, kTabSearchFlags);
    m_pRoot->RequestLayout();
  }
  m_bFocusNeeded = true;
}

bool CWindowManagerUI::SetNextTabControl(bool bForward) {
  // Tab stops have no places before the layout; the next paint completes the move.
  if (m_bUpdateNeeded && bForward) {
    m_bFocusNeeded = true;
    ::InvalidateRect(m_hWndPaint, nullptr, FALSE);
    return true;
  }
  if (m_pRoot == nullptr) {
    m_bFocusNeeded = false;
    return true;
  }
  TabSearch info = {m_pFocus, nullptr, bForward, false};
  CControlUI* pControl = m_pRoot->FindControl(&FindControlFromTab, &info, kTabSearchFlags);
  if (pControl == nullptr) {
    if (bForward) {
      TabSearch wrap = {nullptr, nullptr, true, false};
      pControl = m_pRoot->FindControl(&FindControlFromTab, &wrap, kTabSearchFlags);
    } else {
      pControl = info.pLast;
    }
  }
  if (pControl != nullptr) SetFocus(pControl);
  m_bFocusNeeded = false;
  return true;
}

bool CWindowManagerUI::PreMessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT&) {
  for (int i = 0; i < m_aPreMessageFilters.GetSize(); ++i) {
    bool bHandled = false;
    static_cast<IMessageFilterUI*>(m_aPreMessageFilters[i])->FilterMessage(uMsg, wParam, lParam, bHandled);
    if (bHandled) return true;
  }
  switch (uMsg) {
    case WM_KEYDOWN:
      if (wParam != VK_TAB) return false;
      if (IsRichEditWantingTab(m_pFocus)) return false;
      SetNextTabControl(::GetKeyState(VK_SHIFT) >= 0);
      return true;
    case WM_SYSCHAR: {
      if (m_pRoot == nullptr) return false;
      ShortcutSearch info = {platform::ToUpperW(static_cast<wchar_t>(wParam)), false};
      CControlUI* pControl =
          m_pRoot->FindControl(&FindControlFromShortcut, &info, UIFIND_ENABLED | UIFIND_ME_FIRST | UIFIND_TOP_FIRST);
      if (pControl == nullptr) return false;
      pControl->SetFocus();
      pControl->Activate();
      return true;
    }
    case WM_SYSKEYDOWN:
      if (m_pFocus != nullptr) {
        UIEventRecord event;
        event.Type = UIEVENT_SYSKEY;
        event.chKey = static_cast<WORD>(wParam);
        event.ptMouse = m_input.GetMousePos();
        event.wKeyState = static_cast<WORD>(GetKeyStateMask());
        event.dwTimestamp = ::GetTickCount();
        m_pFocus->DispatchEvent(event);
      }
      return false;
    default:
      return false;
  }
}

}  // namespace SkinUI
