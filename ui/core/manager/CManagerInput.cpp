#include "ui/core/manager/CManagerInput.h"

#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CManagerTooltip.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace SkinUI {
namespace {

// What a wheel event's wParam says, as the scroll-bar codes SB_LINEUP and SB_LINEDOWN.
const WPARAM kWheelUp = 0;
const WPARAM kWheelDown = 1;

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

POINT ClientPointOf(HWND hWnd, LPARAM lParam) {
  POINT pt = PointOf(lParam);
  ::ScreenToClient(hWnd, &pt);
  return pt;
}

}  // namespace

CControlUI* CManagerInput::OwnControlAt(CWindowManagerUI& pm, POINT pt) {
  CControlUI* pControl = pm.FindControlAt(pt);
  if (pControl == nullptr || pControl->GetManager() != &pm) return nullptr;
  return pControl;
}

void CManagerInput::SendMouseEvent(CControlUI* pControl, int nType, POINT pt, WPARAM wParam, LPARAM lParam) {
  UIEventRecord event;
  event.Type = nType;
  event.pSender = pControl;
  event.dwTimestamp = ::GetTickCount();
  event.ptMouse = pt;
  event.wParam = wParam;
  event.lParam = lParam;
  pControl->DispatchEvent(event);
}

void CManagerInput::SendKeyEvent(CWindowManagerUI& pm, CControlUI* pControl, int nType, WPARAM wParam, LPARAM) {
  UIEventRecord event;
  event.Type = nType;
  event.chKey = static_cast<WORD>(wParam);
  event.wKeyState = static_cast<WORD>(CWindowManagerUI::GetKeyStateMask());
  event.ptMouse = pm.m_ptLastMousePos;
  event.dwTimestamp = ::GetTickCount();
  pControl->DispatchEvent(event);
}

bool CManagerInput::OnClose(CWindowManagerUI& pm) {
  // Leave the hovered and pressed controls in their resting state: the window may
  // be hidden and shown again rather than destroyed.
  const std::weak_ptr<const void> alive = pm.Lifetime();
  if (pm.m_pEventHover != nullptr) {
    SendMouseEvent(pm.m_pEventHover, UIEVENT_MOUSELEAVE, pm.m_ptLastMousePos);
    if (alive.expired()) return false;
  }
  if (pm.m_pEventClick != nullptr) {
    SendMouseEvent(pm.m_pEventClick, UIEVENT_BUTTONUP, pm.m_ptLastMousePos);
    if (alive.expired()) return false;
  }
  pm.SetFocus(nullptr);
  if (alive.expired()) return false;
  const HWND hWndOwner = ::GetWindow(pm.m_hWndPaint, GW_OWNER);
  if (hWndOwner != nullptr) ::SetFocus(hWndOwner);
  return false;
}

bool CManagerInput::OnMouseMove(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam) {
  if (!pm.m_bMouseTracking) {
    TRACKMOUSEEVENT tme = {};
    tme.cbSize = sizeof(tme);
    tme.dwFlags = TME_HOVER | TME_LEAVE;
    tme.hwndTrack = pm.m_hWndPaint;
    tme.dwHoverTime = CManagerTooltip::HoverTime(pm);
    ::_TrackMouseEvent(&tme);
    pm.m_bMouseTracking = true;
  }
  const POINT pt = PointOf(lParam);
  pm.m_ptLastMousePos = pt;
  CControlUI* pNewHover = pm.FindControlAt(pt);
  if (pNewHover != nullptr && pNewHover->GetManager() != &pm) return false;

  const std::weak_ptr<const void> alive = pm.Lifetime();
  if (pNewHover != pm.m_pEventHover && pm.m_pEventHover != nullptr) {
    CControlUI* pOldHover = pm.m_pEventHover;
    pm.m_pEventHover = nullptr;
    SendMouseEvent(pOldHover, UIEVENT_MOUSELEAVE, pt);
    if (alive.expired()) return false;
    CManagerTooltip::Hide(pm);
  }
  if (pNewHover != pm.m_pEventHover && pNewHover != nullptr) {
    // Recorded first: a handler that destroys the control is then reaped from it.
    pm.m_pEventHover = pNewHover;
    SendMouseEvent(pNewHover, UIEVENT_MOUSEENTER, pt);
    if (alive.expired()) return false;
  }
  CControlUI* pTarget = pm.m_pEventClick != nullptr ? pm.m_pEventClick : pm.m_pEventHover;
  if (pTarget != nullptr) SendMouseEvent(pTarget, UIEVENT_MOUSEMOVE, pt, wParam);
  return false;
}

bool CManagerInput::OnMouseLeave(CWindowManagerUI& pm) {
  CManagerTooltip::Hide(pm);
  // A move to where no control lies gives the hovered control its leave event.
  const std::weak_ptr<const void> alive = pm.Lifetime();
  if (pm.m_bMouseTracking) ::SendMessageW(pm.m_hWndPaint, WM_MOUSEMOVE, 0, static_cast<LPARAM>(-1));
  if (alive.expired()) return false;
  pm.m_bMouseTracking = false;
  return false;
}

bool CManagerInput::OnButtonDown(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam) {
  ::SetFocus(pm.m_hWndPaint);
  const POINT pt = PointOf(lParam);
  pm.m_ptLastMousePos = pt;
  CControlUI* pControl = OwnControlAt(pm, pt);
  if (pControl == nullptr) return false;
  pm.m_pEventClick = pControl;
  const std::weak_ptr<const void> alive = pm.Lifetime();
  pControl->SetFocus();
  // Focusing may have destroyed it, or the whole window.
  if (alive.expired() || pm.m_pEventClick != pControl) return false;
  pm.SetCapture();
  UIEventRecord event;
  event.Type = UIEVENT_BUTTONDOWN;
  event.pSender = pControl;
  event.dwTimestamp = ::GetTickCount();
  event.ptMouse = pt;
  event.wKeyState = LOWORD(wParam);
  event.wParam = wParam;
  event.lParam = lParam;
  pControl->DispatchEvent(event);
  return false;
}

bool CManagerInput::OnDoubleClick(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam) {
  ::SetFocus(pm.m_hWndPaint);
  const POINT pt = PointOf(lParam);
  pm.m_ptLastMousePos = pt;
  CControlUI* pControl = OwnControlAt(pm, pt);
  if (pControl == nullptr) return false;
  pm.SetCapture();
  // Pressed before its event: a list that rebuilds itself on a double click
  // destroys the row, and the reaping must clear the reference the button-up uses.
  pm.m_pEventClick = pControl;
  UIEventRecord event;
  event.Type = UIEVENT_DBLCLICK;
  event.pSender = pControl;
  event.dwTimestamp = ::GetTickCount();
  event.ptMouse = pt;
  event.wKeyState = LOWORD(wParam);
  pControl->DispatchEvent(event);
  return false;
}

bool CManagerInput::OnButtonUp(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam) {
  const POINT pt = PointOf(lParam);
  pm.m_ptLastMousePos = pt;
  CControlUI* pControl = pm.m_pEventClick;
  if (pControl == nullptr) return false;
  pm.ReleaseCapture();
  // Cleared first: a click often opens a modal dialog, whose loop must not find a
  // pressed control in this window.
  pm.m_pEventClick = nullptr;
  UIEventRecord event;
  event.Type = UIEVENT_BUTTONUP;
  event.pSender = pControl;
  event.dwTimestamp = ::GetTickCount();
  event.ptMouse = pt;
  event.wKeyState = LOWORD(wParam);
  event.wParam = wParam;
  event.lParam = lParam;
  pControl->DispatchEvent(event);
  return false;
}

bool CManagerInput::OnRightButtonDown(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam) {
  ::SetFocus(pm.m_hWndPaint);
  const POINT pt = PointOf(lParam);
  pm.m_ptLastMousePos = pt;
  CControlUI* pControl = OwnControlAt(pm, pt);
  if (pControl == nullptr) return false;
  const std::weak_ptr<const void> alive = pm.Lifetime();
  pControl->SetFocus();
  if (alive.expired()) return false;
  pm.SetCapture();
  // Pressed before its event, for the same reason as a double click.
  pm.m_pEventClick = pControl;
  UIEventRecord event;
  event.Type = UIEVENT_RBUTTONDOWN;
  event.pSender = pControl;
  event.dwTimestamp = ::GetTickCount();
  event.ptMouse = pt;
  event.wKeyState = LOWORD(wParam);
  event.wParam = wParam;
  event.lParam = lParam;
  pControl->DispatchEvent(event);
  return false;
}

bool CManagerInput::OnContextMenu(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam) {
  const POINT pt = ClientPointOf(pm.m_hWndPaint, lParam);
  pm.m_ptLastMousePos = pt;
  CControlUI* pControl = pm.m_pEventClick;
  if (pControl == nullptr) return false;
  pm.ReleaseCapture();
  pm.m_pEventClick = nullptr;
  UIEventRecord event;
  event.Type = UIEVENT_CONTEXTMENU;
  event.pSender = pControl;
  event.dwTimestamp = ::GetTickCount();
  event.ptMouse = pt;
  event.wKeyState = LOWORD(wParam);
  event.wParam = wParam;
  event.lParam = reinterpret_cast<LPARAM>(pControl);
  pControl->DispatchEvent(event);
  return false;
}

bool CManagerInput::OnMouseWheel(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam) {
  const POINT pt = ClientPointOf(pm.m_hWndPaint, lParam);
  pm.m_ptLastMousePos = pt;
  CControlUI* pControl = OwnControlAt(pm, pt);
  if (pControl == nullptr) return false;
  UIEventRecord event;
  event.Type = UIEVENT_SCROLLWHEEL;
  event.pSender = pControl;
  event.dwTimestamp = ::GetTickCount();
  event.wParam = GET_WHEEL_DELTA_WPARAM(wParam) < 0 ? kWheelDown : kWheelUp;
  event.lParam = lParam;
  event.wKeyState = static_cast<WORD>(CWindowManagerUI::GetKeyStateMask());
  const std::weak_ptr<const void> alive = pm.Lifetime();
  pControl->DispatchEvent(event);
  if (alive.expired()) return false;
  // The content under the pointer has moved: hovering follows it.
  ::SendMessageW(pm.m_hWndPaint, WM_MOUSEMOVE, 0, MAKELPARAM(pm.m_ptLastMousePos.x, pm.m_ptLastMousePos.y));
  return false;
}

bool CManagerInput::OnSetCursor(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam) {
  if (LOWORD(lParam) != HTCLIENT) return false;
  // A drag keeps its cursor wherever the pointer goes.
  if (pm.m_bMouseCapture) return true;
  POINT pt = {0, 0};
  ::GetCursorPos(&pt);
  ::ScreenToClient(pm.m_hWndPaint, &pt);
  CControlUI* pControl = pm.FindControlAt(pt);
  if (pControl == nullptr || (pControl->GetBehaviorFlags() & UIFLAG_SETCURSOR) == 0) return false;
  UIEventRecord event;
  event.Type = UIEVENT_SETCURSOR;
  event.dwTimestamp = ::GetTickCount();
  event.ptMouse = pt;
  event.wKeyState = static_cast<WORD>(CWindowManagerUI::GetKeyStateMask());
  event.wParam = wParam;
  event.lParam = lParam;
  pControl->DispatchEvent(event);
  return true;
}

bool CManagerInput::OnKeyDown(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam) {
  CControlUI* pControl = pm.m_pFocus;
  if (pControl == nullptr) return false;
  pm.m_pEventKey = pControl;
  SendKeyEvent(pm, pControl, UIEVENT_KEYDOWN, wParam, lParam);
  return false;
}

bool CManagerInput::OnKeyUp(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam) {
  CControlUI* pControl = pm.m_pEventKey;
  if (pControl == nullptr) return false;
  pm.m_pEventKey = nullptr;
  SendKeyEvent(pm, pControl, UIEVENT_KEYUP, wParam, lParam);
  return false;
}

bool CManagerInput::OnChar(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam) {
  if (pm.m_pFocus == nullptr) return false;
  SendKeyEvent(pm, pm.m_pFocus, UIEVENT_CHAR, wParam, lParam);
  return false;
}

bool CManagerInput::OnSize(CWindowManagerUI& pm) {
  if (pm.m_pFocus != nullptr) {
    UIEventRecord event;
    event.Type = UIEVENT_WINDOWSIZE;
    event.pSender = pm.m_pFocus;
    event.dwTimestamp = ::GetTickCount();
    const std::weak_ptr<const void> alive = pm.Lifetime();
    pm.m_pFocus->DispatchEvent(event);
    if (alive.expired()) return true;
  }
  // The skin builder sizes the window while WM_CREATE runs, before any root exists.
  if (pm.m_pRoot != nullptr) pm.m_pRoot->RequestLayout();
  return true;
}

}  // namespace SkinUI
