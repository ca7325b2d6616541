#include "ui/core/window/WindowImplBase.h"

#include <cwchar>

#include "ui/core/builder/CDialogBuilder.h"
#include "ui/core/control/CControlUI.h"

namespace SkinUI {
namespace {

// Controls that stay clickable where the caption would otherwise drag the window.
bool IsClickableInCaption(CControlUI* pControl) {
  static const wchar_t* const kClickable[] = {L"ButtonUI", L"OptionUI", L"TextUI", L"SliderUI"};
  LPCTSTR pstrClass = pControl->GetClassName();
  for (const wchar_t* name : kClickable) {
    if (_wcsicmp(pstrClass, name) == 0) return true;
  }
  return false;
}

LRESULT NotHandled(bool& bHandled) {
  bHandled = false;
  return 0;
}

}  // namespace

SKINUI_BEGIN_NOTIFY_MAP(WindowImplBase, CNotifyPump)
SKINUI_NOTIFY_TYPE_HANDLER(L"click", OnClick)
SKINUI_END_NOTIFY_MAP()

void WindowImplBase::Notify(UINotifyRecord& msg) { DispatchNotify(msg); }

LRESULT WindowImplBase::FilterMessage(UINT uMsg, WPARAM wParam, LPARAM, bool&) {
  if (uMsg == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE)) return OnDefaultKey(wParam);
  return 0;
}

CControlUI* WindowImplBase::CreateControl(LPCTSTR) { return nullptr; }

UINT WindowImplBase::GetClassStyle() const { return CS_DBLCLKS; }

void WindowImplBase::OnDetached(HWND) {
  m_pm.RemovePreMessageFilter(this);
  m_pm.RemoveNotifier(this);
  m_pm.ReapObjects(m_pm.GetRoot());
}

void WindowImplBase::OnSkinBuilt() {}

void WindowImplBase::OnClick(UINotifyRecord& msg) {
  // A queued click whose sender was deleted meanwhile names nothing.
  if (msg.pSender == nullptr) return;
  const CUIString sName = msg.pSender->GetName();
  if (sName == L"closebtn") {
    Close(1);
  } else if (sName == L"minbtn") {
    SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
  } else if (sName == L"maxbtn") {
    SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  } else if (sName == L"restorebtn") {
    SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
  }
}

LRESULT WindowImplBase::OnDefaultKey(WPARAM wParam) { return wParam == VK_ESCAPE ? 1 : 0; }

LRESULT WindowImplBase::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT lRes = 0;
  bool bHandled = true;
  switch (uMsg) {
    case WM_CREATE: lRes = OnCreate(uMsg, wParam, lParam, bHandled); break;
    case WM_DESTROY: lRes = OnDestroy(uMsg, wParam, lParam, bHandled); break;
    case WM_SIZE: lRes = OnSize(uMsg, wParam, lParam, bHandled); break;
    case WM_SETFOCUS: lRes = OnSetFocus(uMsg, wParam, lParam, bHandled); break;
    case WM_KILLFOCUS: lRes = OnKillFocus(uMsg, wParam, lParam, bHandled); break;
    case WM_CLOSE: lRes = OnClose(uMsg, wParam, lParam, bHandled); break;
    case WM_GETMINMAXINFO: lRes = OnGetMinMaxInfo(uMsg, wParam, lParam, bHandled); break;
    case WM_WINDOWPOSCHANGING: lRes = OnWindowPosChanging(uMsg, wParam, lParam, bHandled); break;
    case WM_NCCALCSIZE: lRes = OnNcCalcSize(uMsg, wParam, lParam, bHandled); break;
    case WM_NCHITTEST: lRes = OnNcHitTest(uMsg, wParam, lParam, bHandled); break;
    case WM_NCPAINT: lRes = OnNcPaint(uMsg, wParam, lParam, bHandled); break;
    case WM_NCACTIVATE: lRes = OnNcActivate(uMsg, wParam, lParam, bHandled); break;
    case WM_KEYDOWN: lRes = OnKeyDown(uMsg, wParam, lParam, bHandled); break;
    case WM_CHAR: lRes = OnChar(uMsg, wParam, lParam, bHandled); break;
    case WM_SYSCOMMAND: lRes = OnSysCommand(uMsg, wParam, lParam, bHandled); break;
    case WM_MOUSEMOVE: lRes = OnMouseMove(uMsg, wParam, lParam, bHandled); break;
    case WM_LBUTTONDOWN: lRes = OnLButtonDown(uMsg, wParam, lParam, bHandled); break;
    case WM_LBUTTONUP: lRes = OnLButtonUp(uMsg, wParam, lParam, bHandled); break;
    case WM_MOUSEWHEEL: lRes = OnMouseWheel(uMsg, wParam, lParam, bHandled); break;
    case WM_MOUSEHOVER: lRes = OnMouseHover(uMsg, wParam, lParam, bHandled); break;
    default: bHandled = false; break;
  }
  if (bHandled) return lRes;
  bHandled = true;
  lRes = HandleOtherMessage(uMsg, wParam, lParam, bHandled);
  if (bHandled) return lRes;
  if (m_pm.HandleWindowMessage(uMsg, wParam, lParam, lRes)) return lRes;
  return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

LRESULT WindowImplBase::OnCreate(UINT, WPARAM, LPARAM, bool&) {
  const LONG lStyle = ::GetWindowLongW(m_hWnd, GWL_STYLE) & ~static_cast<LONG>(WS_CAPTION);
  ::SetWindowLongW(m_hWnd, GWL_STYLE, lStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
  RECT rcClient = {0, 0, 0, 0};
  ::GetClientRect(m_hWnd, &rcClient);
  ::SetWindowPos(m_hWnd, nullptr, rcClient.left, rcClient.top, rcClient.right - rcClient.left,
                 rcClient.bottom - rcClient.top, SWP_FRAMECHANGED);

  m_pm.Init(m_hWnd);
  m_pm.AddPreMessageFilter(this);
  CDialogBuilder builder;
  CControlUI* pRoot = builder.Create(GetSkinXmlName(), nullptr, this, &m_pm);
  if (pRoot == nullptr) {
    ::MessageBoxW(nullptr, L"加载资源文件失败", L"SkinUI", MB_ICONHAND);
    ::ExitProcess(1);
    // Only an intercepted exit comes back: the window is not made without its skin.
    return -1;
  }
  m_pm.AttachRoot(pRoot);
  m_pm.AddNotifier(this);
  OnSkinBuilt();
  return 0;
}

LRESULT WindowImplBase::OnClose(UINT, WPARAM, LPARAM, bool& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnDestroy(UINT, WPARAM, LPARAM, bool& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnNcActivate(UINT, WPARAM wParam, LPARAM, bool& bHandled) {
  if (::IsIconic(m_hWnd)) bHandled = false;
  return wParam == 0 ? TRUE : FALSE;
}

LRESULT WindowImplBase::OnNcCalcSize(UINT, WPARAM, LPARAM, bool&) { return 0; }

LRESULT WindowImplBase::OnNcPaint(UINT, WPARAM, LPARAM, bool&) { return 0; }

UINT WindowImplBase::SizeBoxHitTest(POINT pt, const RECT& rcClient) const {
  const RECT& rcSizeBox = m_pm.GetSizeBox();
  const bool bLeft = pt.x < rcClient.left + rcSizeBox.left;
  const bool bRight = pt.x > rcClient.right - rcSizeBox.right;
  if (pt.y < rcClient.top + rcSizeBox.top) return bLeft ? HTTOPLEFT : bRight ? HTTOPRIGHT : HTTOP;
  if (pt.y > rcClient.bottom - rcSizeBox.bottom) return bLeft ? HTBOTTOMLEFT : bRight ? HTBOTTOMRIGHT : HTBOTTOM;
  if (bLeft) return HTLEFT;
  if (bRight) return HTRIGHT;
  return HTCLIENT;
}

bool WindowImplBase::IsCaptionPoint(POINT pt, const RECT& rcClient) {
  // Left and right are distances from the client's edges, top and bottom are
  // client coordinates.
  const RECT& rcCaption = m_pm.GetCaptionRect();
  if (pt.x < rcClient.left + rcCaption.left || pt.x >= rcClient.right - rcCaption.right) return false;
  if (pt.y < rcCaption.top || pt.y >= rcCaption.bottom) return false;
  CControlUI* pControl = m_pm.FindControlAt(pt);
  return pControl != nullptr && !IsClickableInCaption(pControl);
}

LRESULT WindowImplBase::OnNcHitTest(UINT, WPARAM, LPARAM lParam, bool&) {
  POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ::ScreenToClient(m_hWnd, &pt);
  RECT rcClient = {0, 0, 0, 0};
  ::GetClientRect(m_hWnd, &rcClient);
  if (!::IsZoomed(m_hWnd)) {
    const UINT uHit = SizeBoxHitTest(pt, rcClient);
    if (uHit != HTCLIENT) return uHit;
  }
  return IsCaptionPoint(pt, rcClient) ? HTCAPTION : HTCLIENT;
}

LRESULT WindowImplBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, bool& bHandled) {
  bHandled = false;
  MINMAXINFO* lpMMI = reinterpret_cast<MINMAXINFO*>(lParam);
  if (lpMMI == nullptr) return 0;
  MONITORINFO oMonitor = {};
  oMonitor.cbSize = sizeof(oMonitor);
  ::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &oMonitor);
  RECT rcWork = oMonitor.rcWork;
  ::OffsetRect(&rcWork, -oMonitor.rcMonitor.left, -oMonitor.rcMonitor.top);
  lpMMI->ptMaxPosition.x = rcWork.left;
  lpMMI->ptMaxPosition.y = rcWork.top;
  lpMMI->ptMaxTrackSize.x = rcWork.right - rcWork.left;
  lpMMI->ptMaxTrackSize.y = rcWork.bottom - rcWork.top;
  lpMMI->ptMinTrackSize.x = m_pm.GetMinInfo().cx;
  lpMMI->ptMinTrackSize.y = m_pm.GetMinInfo().cy;
  return 0;
}

LRESULT WindowImplBase::OnWindowPosChanging(UINT, WPARAM, LPARAM lParam, bool& bHandled) {
  bHandled = false;
  WINDOWPOS* lpPos = reinterpret_cast<WINDOWPOS*>(lParam);
  if (lpPos == nullptr || !::IsZoomed(m_hWnd) || (lpPos->flags & SWP_FRAMECHANGED) == 0) return 0;
  // A frame change of a window maximised on a secondary monitor would otherwise
  // take the primary monitor's work area.
  const HMONITOR hMonitor = ::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY);
  if (hMonitor == ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)) return 0;
  MONITORINFO oMonitor = {};
  oMonitor.cbSize = sizeof(oMonitor);
  if (!::GetMonitorInfoW(hMonitor, &oMonitor)) return 0;
  lpPos->x = oMonitor.rcWork.left;
  lpPos->y = oMonitor.rcWork.top;
  lpPos->cx = oMonitor.rcWork.right - oMonitor.rcWork.left;
  lpPos->cy = oMonitor.rcWork.bottom - oMonitor.rcWork.top;
  return 0;
}

LRESULT WindowImplBase::OnMouseWheel(UINT, WPARAM, LPARAM, bool& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnMouseHover(UINT, WPARAM, LPARAM, bool& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnSize(UINT, WPARAM, LPARAM, bool& bHandled) {
  bHandled = false;
  if (::IsIconic(m_hWnd)) return 0;
  RECT rcWnd = {0, 0, 0, 0};
  ::GetWindowRect(m_hWnd, &rcWnd);
  ::OffsetRect(&rcWnd, -rcWnd.left, -rcWnd.top);
  rcWnd.right++;
  rcWnd.bottom++;
  const SIZE szRoundCorner = m_pm.GetRoundCorner();
  // The window takes the region.
  HRGN hRgn = ::CreateRoundRectRgn(rcWnd.left, rcWnd.top, rcWnd.right, rcWnd.bottom, szRoundCorner.cx,
                                   szRoundCorner.cy);
  ::SetWindowRgn(m_hWnd, hRgn, TRUE);
  return 0;
}

LRESULT WindowImplBase::OnChar(UINT, WPARAM, LPARAM, bool& bHandled) { return NotHandled(bHandled); }

void WindowImplBase::SwapMaxRestoreButtons(bool bWasZoomed) {
  CControlUI* pMaxButton = m_pm.FindControl(L"maxbtn");
  CControlUI* pRestoreButton = m_pm.FindControl(L"restorebtn");
  if (pMaxButton == nullptr || pRestoreButton == nullptr) return;
  pMaxButton->SetVisible(bWasZoomed);
  pRestoreButton->SetVisible(!bWasZoomed);
}

LRESULT WindowImplBase::OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
  if (wParam == SC_CLOSE) {
    SendMessage(WM_CLOSE, 0, 0);
    return 0;
  }
  // The move and size loops run messages of their own; one of them may end the window
  // and, with its last message, delete this object. Only locals are read until the
  // window is known to be there still.
  const HWND hWnd = m_hWnd;
  const bool bZoomed = ::IsZoomed(hWnd) != FALSE;
  const LRESULT lRes = CWindowWnd::HandleMessage(uMsg, wParam, lParam);
  if (!::IsWindow(hWnd)) return lRes;
  if ((::IsZoomed(hWnd) != FALSE) != bZoomed) SwapMaxRestoreButtons(bZoomed);
  // The manager sees a restore too: a layered window is repainted whole.
  if ((wParam & 0xFFF0) == SC_RESTORE) bHandled = false;
  return lRes;
}

LRESULT WindowImplBase::OnKeyDown(UINT, WPARAM, LPARAM, bool& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnKillFocus(UINT, WPARAM, LPARAM, bool& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnSetFocus(UINT, WPARAM, LPARAM, bool& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnLButtonDown(UINT, WPARAM, LPARAM, bool& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnLButtonUp(UINT, WPARAM, LPARAM, bool& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::OnMouseMove(UINT, WPARAM, LPARAM, bool& bHandled) { return NotHandled(bHandled); }

LRESULT WindowImplBase::HandleOtherMessage(UINT, WPARAM, LPARAM, bool& bHandled) { return NotHandled(bHandled); }

LONG WindowImplBase::GetStyle() {
  return ::GetWindowLongW(m_hWnd, GWL_STYLE) & ~static_cast<LONG>(WS_CAPTION);
}

}  // namespace SkinUI
