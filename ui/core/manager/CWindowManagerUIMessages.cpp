// The window manager's message table: which window messages become input events,
// painting, tooltips, reflection to child windows and delayed deletion.
#include "ui/core/manager/CWindowManagerUI.h"

#include "ui/core/control/CControlUI.h"

namespace SkinUI {
namespace {

// Child control windows answer their own notifications at the message + 0x2000.
const UINT kReflectOffset = 0x2000;

// WM_COMMAND and the colour requests carry the child window in lParam; without one
// (a menu or an accelerator) there is nothing to reflect.
bool ReflectToWindowInLParam(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
  if (lParam == 0) return false;
  lRes = ::SendMessageW(reinterpret_cast<HWND>(lParam), uMsg + kReflectOffset, wParam, lParam);
  return true;
}

bool ReflectNotify(WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
  if (lParam == 0) return true;
  // NMHDR begins with the sending window.
  const HWND hWndFrom = *reinterpret_cast<const HWND*>(lParam);
  lRes = ::SendMessageW(hWndFrom, WM_NOTIFY + kReflectOffset, wParam, lParam);
  return true;
}

}  // namespace

bool CWindowManagerUI::HandleWindowMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
  if (m_hWndPaint == nullptr) return false;
  const std::weak_ptr<const void> alive = Lifetime();
  DeliverAsyncNotifications();
  if (alive.expired()) return true;

  for (int i = 0; i < m_aMessageFilters.GetSize(); ++i) {
    bool bHandled = false;
    const LRESULT lResult =
        static_cast<IMessageFilterUI*>(m_aMessageFilters[i])->FilterMessage(uMsg, wParam, lParam, bHandled);
    if (bHandled || alive.expired()) {
      lRes = bHandled ? lResult : 0;
      return true;
    }
  }

  switch (uMsg) {
    case WM_DELAYED_CLEANUP:
      DeleteDelayedControls();
      break;
    case WM_CLOSE:
      m_input.OnClose();
      break;
    case WM_ERASEBKGND:
      lRes = 1;
      return true;
    case WM_PAINT:
      OnPaint();
      return true;
    case WM_SIZE:
      return m_input.OnSize();
    case WM_TIMER:
      if (LOWORD(wParam) == CARET_TIMER_ID) {
        Invalidate(m_rtCaret);
        m_bCaretActive = !m_bCaretActive;
      } else {
        DispatchTimer(wParam);
      }
      break;
    case WM_MOUSEMOVE:
      m_input.OnMouseMove(wParam, lParam);
      break;
    case WM_MOUSEHOVER:
      if (m_input.OnMouseHover(lParam)) return true;
      break;
    case WM_MOUSELEAVE:
      m_input.OnMouseLeave();
      break;
    case WM_LBUTTONDOWN:
      m_input.OnButtonDown(wParam, lParam);
      break;
    case WM_LBUTTONDBLCLK:
      m_input.OnDoubleClick(wParam, lParam);
      break;
    case WM_LBUTTONUP:
      m_input.OnButtonUp(wParam, lParam);
      break;
    case WM_RBUTTONDOWN:
      m_input.OnRightButtonDown(wParam, lParam);
      break;
    case WM_CONTEXTMENU:
      m_input.OnContextMenu(wParam, lParam);
      break;
    case WM_MOUSEWHEEL:
      m_input.OnMouseWheel(wParam, lParam);
      break;
    case WM_KEYDOWN:
      m_input.OnKeyDown(wParam);
      break;
    case WM_KEYUP:
      m_input.OnKeyUp(wParam);
      break;
    case WM_CHAR:
      m_input.OnChar(wParam);
      break;
    case WM_SETCURSOR:
      if (m_input.OnSetCursor(wParam, lParam)) return true;
      break;
    case WM_GETMINMAXINFO:
      if (MINMAXINFO* lpMMI = reinterpret_cast<MINMAXINFO*>(lParam)) {
        if (m_szMinWindow.cx > 0) lpMMI->ptMinTrackSize.x = m_szMinWindow.cx;
        if (m_szMinWindow.cy > 0) lpMMI->ptMinTrackSize.y = m_szMinWindow.cy;
        if (m_szMaxWindow.cx > 0) lpMMI->ptMaxTrackSize.x = m_szMaxWindow.cx;
        if (m_szMaxWindow.cy > 0) lpMMI->ptMaxTrackSize.y = m_szMaxWindow.cy;
      }
      break;
    case WM_SYSCOMMAND:
      // A restored layered window gets its whole image again.
      if ((wParam & 0xFFF0) == SC_RESTORE) m_painter.RequestFullRepaint();
      return true;
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (ReflectToWindowInLParam(uMsg, wParam, lParam, lRes)) return true;
      break;
    case WM_NOTIFY:
      return ReflectNotify(wParam, lParam, lRes);
    default:
      break;
  }

  if (alive.expired()) return true;
  DeliverAsyncNotifications();
  return alive.expired();
}

}  // namespace SkinUI
