#include "ui/core/manager/CManagerInput.h"

#include <memory>

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

WORD KeyStateMask() { return static_cast<WORD>(CWindowManagerUI::GetKeyStateMask()); }

// Every input event is stamped here; what else it carries of its message differs
// by kind, and what it does not name stays 0.
UIEventRecord EventRecord(int nType, CControlUI* pSender, POINT pt, WORD wKeyState = 0, WPARAM wParam = 0,
                          LPARAM lParam = 0) {
  UIEventRecord event;
  event.Type = nType;
  event.pSender = pSender;
  event.dwTimestamp = ::GetTickCount();
  event.ptMouse = pt;
  event.wKeyState = wKeyState;
  event.wParam = wParam;
  event.lParam = lParam;
  return event;
}

void Send(CControlUI* pTarget, UIEventRecord event) { pTarget->DispatchEvent(event); }

}  // namespace

CManagerInput::CManagerInput(CWindowManagerUI& manager, CManagerTooltip& tooltip)
    : m_manager(manager),
      m_tooltip(tooltip),
      m_pEventHover(nullptr),
      m_pEventClick(nullptr),
      m_pEventKey(nullptr),
      m_ptLastMousePos{-1, -1},
      m_bMouseTracking(false),
      m_bMouseCapture(false) {}

void CManagerInput::SetCapture() {
  ::SetCapture(m_manager.GetPaintWindow());
  m_bMouseCapture = true;
}

void CManagerInput::ReleaseCapture() {
  ::ReleaseCapture();
  m_bMouseCapture = false;
}

bool CManagerInput::IsCaptured() const { return m_bMouseCapture; }

POINT CManagerInput::GetMousePos() const { return m_ptLastMousePos; }

void CManagerInput::Reap(CControlUI* pControl) {
  if (pControl == m_pEventKey) m_pEventKey = nullptr;
  if (pControl == m_pEventHover) m_pEventHover = nullptr;
  if (pControl == m_pEventClick) m_pEventClick = nullptr;
}

void CManagerInput::ForgetControls() {
  m_pEventKey = nullptr;
  m_pEventHover = nullptr;
  m_pEventClick = nullptr;
}

CControlUI* CManagerInput::OwnControlAt(POINT pt) const {
  CControlUI* pControl = m_manager.FindControlAt(pt);
  if (pControl == nullptr || pControl->GetManager() != &m_manager) return nullptr;
  return pControl;
}

void CManagerInput::SendKeyEvent(CControlUI* pControl, int nType, WPARAM wParam) {
  UIEventRecord event = EventRecord(nType, nullptr, m_ptLastMousePos, KeyStateMask());
  event.chKey = static_cast<WORD>(wParam);
  pControl->DispatchEvent(event);
}

bool CManagerInput::Press(int nType, WPARAM wParam, LPARAM lParam) {
  ::SetFocus(m_manager.GetPaintWindow());
  const POINT pt = PointOf(lParam);
  m_ptLastMousePos = pt;
  CControlUI* pControl = OwnControlAt(pt);
  if (pControl == nullptr) return false;
  // Pressed before it is focused and before its event, for the same reason as a
  // double click: a handler that destroys it must clear the reference the release uses.
  m_pEventClick = pControl;
  const std::weak_ptr<const void> alive = m_manager.Lifetime();
  pControl->SetFocus();
  // Focusing may have destroyed it, or the whole window.
  if (alive.expired() || m_pEventClick != pControl) return false;
  SetCapture();
  Send(pControl, EventRecord(nType, pControl, pt, LOWORD(wParam), wParam, lParam));
  return false;
}

bool CManagerInput::OnClose() {
  // Leave the hovered and pressed controls in their resting state: the window may
  // be hidden and shown again rather than destroyed.
  // Any handler reached here may end the window and delete the manager with this object.
  const std::weak_ptr<const void> alive = m_manager.Lifetime();
  if (m_pEventHover != nullptr) {
    Send(m_pEventHover, EventRecord(UIEVENT_MOUSELEAVE, m_pEventHover, m_ptLastMousePos));
    if (alive.expired()) return false;
  }
  if (m_pEventClick != nullptr) {
    Send(m_pEventClick, EventRecord(UIEVENT_BUTTONUP, m_pEventClick, m_ptLastMousePos));
    if (alive.expired()) return false;
  }
  m_manager.SetFocus(nullptr);
  if (alive.expired()) return false;
  const HWND hWndOwner = ::GetWindow(m_manager.GetPaintWindow(), GW_OWNER);
  if (hWndOwner != nullptr) ::SetFocus(hWndOwner);
  return false;
}

bool CManagerInput::OnMouseMove(WPARAM wParam, LPARAM lParam) {
  if (!m_bMouseTracking) {
    TRACKMOUSEEVENT tme = {};
    tme.cbSize = sizeof(tme);
    tme.dwFlags = TME_HOVER | TME_LEAVE;
    tme.hwndTrack = m_manager.GetPaintWindow();
    tme.dwHoverTime = m_tooltip.HoverTime();
    ::_TrackMouseEvent(&tme);
    m_bMouseTracking = true;
  }
  const POINT pt = PointOf(lParam);
  m_ptLastMousePos = pt;
  CControlUI* pNewHover = m_manager.FindControlAt(pt);
  if (pNewHover != nullptr && pNewHover->GetManager() != &m_manager) return false;

  const std::weak_ptr<const void> alive = m_manager.Lifetime();
  if (pNewHover != m_pEventHover && m_pEventHover != nullptr) {
    CControlUI* pOldHover = m_pEventHover;
    m_pEventHover = nullptr;
    Send(pOldHover, EventRecord(UIEVENT_MOUSELEAVE, pOldHover, pt));
    if (alive.expired()) return false;
    m_tooltip.Hide();
    // The leave handler may have rebuilt the tree under the pointer and deleted the
    // control found there.
    pNewHover = OwnControlAt(pt);
  }
  if (pNewHover != m_pEventHover && pNewHover != nullptr) {
    // Recorded first: a handler that destroys the control is then reaped from it.
    m_pEventHover = pNewHover;
    Send(pNewHover, EventRecord(UIEVENT_MOUSEENTER, pNewHover, pt));
    if (alive.expired()) return false;
  }
  CControlUI* pTarget = m_pEventClick != nullptr ? m_pEventClick : m_pEventHover;
  if (pTarget != nullptr) Send(pTarget, EventRecord(UIEVENT_MOUSEMOVE, pTarget, pt, 0, wParam));
  return false;
}

bool CManagerInput::OnMouseHover(LPARAM lParam) {
  // Hover and leave are armed again by the next move.
  m_bMouseTracking = false;
  const POINT pt = PointOf(lParam);
  CControlUI* pHover = m_manager.FindControlAt(pt);
  if (pHover == nullptr) return false;
  if (m_pEventHover != nullptr) {
    const std::weak_ptr<const void> alive = m_manager.Lifetime();
    Send(m_pEventHover, EventRecord(UIEVENT_MOUSEHOVER, m_pEventHover, pt));
    if (alive.expired()) return true;
    // The handler may have rebuilt the tree under the pointer and deleted the control
    // found; only one still there has its tooltip read.
    if (m_manager.FindControlAt(pt) != pHover) return true;
  }
  m_tooltip.Show(*pHover);
  return true;
}

bool CManagerInput::OnMouseLeave() {
  m_tooltip.Hide();
  // A move to where no control lies gives the hovered control its leave event.
  const std::weak_ptr<const void> alive = m_manager.Lifetime();
  if (m_bMouseTracking) ::SendMessageW(m_manager.GetPaintWindow(), WM_MOUSEMOVE, 0, static_cast<LPARAM>(-1));
  if (alive.expired()) return false;
  m_bMouseTracking = false;
  return false;
}

bool CManagerInput::OnButtonDown(WPARAM wParam, LPARAM lParam) { return Press(UIEVENT_BUTTONDOWN, wParam, lParam); }

bool CManagerInput::OnDoubleClick(WPARAM wParam, LPARAM lParam) {
  ::SetFocus(m_manager.GetPaintWindow());
  const POINT pt = PointOf(lParam);
  m_ptLastMousePos = pt;
  CControlUI* pControl = OwnControlAt(pt);
  if (pControl == nullptr) return false;
  SetCapture();
  // Pressed before its event: a list that rebuilds itself on a double click
  // destroys the row, and the reaping must clear the reference the button-up uses.
  m_pEventClick = pControl;
  Send(pControl, EventRecord(UIEVENT_DBLCLICK, pControl, pt, LOWORD(wParam)));
  return false;
}

bool CManagerInput::OnButtonUp(WPARAM wParam, LPARAM lParam) {
  const POINT pt = PointOf(lParam);
  m_ptLastMousePos = pt;
  CControlUI* pControl = m_pEventClick;
  if (pControl == nullptr) return false;
  ReleaseCapture();
  // Cleared first: a click often opens a modal dialog, whose loop must not find a
  // pressed control in this window.
  m_pEventClick = nullptr;
  Send(pControl, EventRecord(UIEVENT_BUTTONUP, pControl, pt, LOWORD(wParam), wParam, lParam));
  return false;
}

bool CManagerInput::OnRightButtonDown(WPARAM wParam, LPARAM lParam) {
  return Press(UIEVENT_RBUTTONDOWN, wParam, lParam);
}

bool CManagerInput::OnContextMenu(WPARAM wParam, LPARAM lParam) {
  const POINT pt = ClientPointOf(m_manager.GetPaintWindow(), lParam);
  m_ptLastMousePos = pt;
  CControlUI* pControl = m_pEventClick;
  if (pControl == nullptr) return false;
  ReleaseCapture();
  m_pEventClick = nullptr;
  Send(pControl,
       EventRecord(UIEVENT_CONTEXTMENU, pControl, pt, LOWORD(wParam), wParam, reinterpret_cast<LPARAM>(pControl)));
  return false;
}

bool CManagerInput::OnMouseWheel(WPARAM wParam, LPARAM lParam) {
  const HWND hWnd = m_manager.GetPaintWindow();
  m_ptLastMousePos = ClientPointOf(hWnd, lParam);
  CControlUI* pControl = OwnControlAt(m_ptLastMousePos);
  if (pControl == nullptr) return false;
  // Controls scroll by the step alone; the event has always carried no point.
  const WPARAM wStep = GET_WHEEL_DELTA_WPARAM(wParam) < 0 ? kWheelDown : kWheelUp;
  const std::weak_ptr<const void> alive = m_manager.Lifetime();
  Send(pControl, EventRecord(UIEVENT_SCROLLWHEEL, pControl, POINT{0, 0}, KeyStateMask(), wStep, lParam));
  if (alive.expired()) return false;
  // The content under the pointer has moved: hovering follows it.
  ::SendMessageW(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(m_ptLastMousePos.x, m_ptLastMousePos.y));
  return false;
}

bool CManagerInput::OnSetCursor(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(lParam) != HTCLIENT) return false;
  // A drag keeps its cursor wherever the pointer goes.
  if (m_bMouseCapture) return true;
  POINT pt = {0, 0};
  ::GetCursorPos(&pt);
  ::ScreenToClient(m_manager.GetPaintWindow(), &pt);
  CControlUI* pControl = m_manager.FindControlAt(pt);
  if (pControl == nullptr || (pControl->GetBehaviorFlags() & UIFLAG_SETCURSOR) == 0) return false;
  Send(pControl, EventRecord(UIEVENT_SETCURSOR, nullptr, pt, KeyStateMask(), wParam, lParam));
  return true;
}

bool CManagerInput::OnKeyDown(WPARAM wParam) {
  CControlUI* pControl = m_manager.GetFocus();
  if (pControl == nullptr) return false;
  m_pEventKey = pControl;
  SendKeyEvent(pControl, UIEVENT_KEYDOWN, wParam);
  return false;
}

bool CManagerInput::OnKeyUp(WPARAM wParam) {
  CControlUI* pControl = m_pEventKey;
  if (pControl == nullptr) return false;
  m_pEventKey = nullptr;
  SendKeyEvent(pControl, UIEVENT_KEYUP, wParam);
  return false;
}

bool CManagerInput::OnChar(WPARAM wParam) {
  CControlUI* pControl = m_manager.GetFocus();
  if (pControl == nullptr) return false;
  SendKeyEvent(pControl, UIEVENT_CHAR, wParam);
  return false;
}

bool CManagerInput::OnSize() {
  CControlUI* pFocus = m_manager.GetFocus();
  if (pFocus != nullptr) {
    const std::weak_ptr<const void> alive = m_manager.Lifetime();
    Send(pFocus, EventRecord(UIEVENT_WINDOWSIZE, pFocus, POINT{0, 0}));
    if (alive.expired()) return true;
  }
  // The skin builder sizes the window while WM_CREATE runs, before any root exists.
  CControlUI* pRoot = m_manager.GetRoot();
  if (pRoot != nullptr) pRoot->RequestLayout();
  return true;
}

}  // namespace SkinUI
