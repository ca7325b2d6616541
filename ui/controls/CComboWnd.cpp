#include "ui/controls/CComboWnd.h"

#include <algorithm>
#include <cwchar>

#include "ui/controls/CComboDropLayoutUI.h"
#include "ui/controls/CComboUI.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/control/CVerticalLayoutUI.h"

namespace SkinUI {

const wchar_t CComboWnd::kScrollBarImage[] = L".\\skin\\弹窗\\滚动条beijng.png";
const wchar_t CComboWnd::kScrollThumbImage[] = L".\\skin\\弹窗\\滚动条原始.png";

namespace {

// Room for the drop-down's one-pixel border above and below the rows.
const int kBorder = 2;

RECT WorkAreaOf(HWND hWnd) {
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  ::GetMonitorInfoW(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

RECT ToScreen(HWND hWnd, RECT rc) {
  POINT topLeft = {rc.left, rc.top};
  POINT bottomRight = {rc.right, rc.bottom};
  ::ClientToScreen(hWnd, &topLeft);
  ::ClientToScreen(hWnd, &bottomRight);
  return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

}  // namespace

CComboWnd::CComboWnd() : m_pOwner(nullptr), m_pLayout(nullptr), m_iOldSel(-1) {}

CComboWnd::~CComboWnd() = default;

LPCTSTR CComboWnd::GetWindowClassName() const { return L"ComboWnd"; }

UINT CComboWnd::GetClassStyle() const { return CWindowWnd::GetClassStyle() | CS_DROPSHADOW; }

RECT CComboWnd::PlaceFor(CComboUI& owner) {
  const SIZE szDrop = owner.GetDropBoxSize();
  RECT rc = owner.GetPos();
  const int cyComboTop = rc.top;
  rc.top = rc.bottom;
  if (szDrop.cx > 0) rc.right = rc.left + szDrop.cx;

  const SIZE szAvailable = {rc.right - rc.left, szDrop.cy};
  // Rows past the highest a drop-down is are not measured: a long list would measure
  // thousands of texts for a height it cannot take.
  int cyRows = 0;
  for (int i = 0; i < owner.GetCount() && cyRows + kBorder < static_cast<int>(kMaxHeight); ++i) {
    CControlUI* pControl = owner.GetItemAt(i);
    if (!pControl->IsVisible()) continue;
    cyRows += pControl->MeasureSize(szAvailable).cy;
  }
  const int cyDrop = std::min(cyRows + kBorder, static_cast<int>(kMaxHeight));
  rc.bottom = rc.top + cyDrop;

  const HWND hWndOwner = owner.GetManager() != nullptr ? owner.GetManager()->GetPaintWindow() : nullptr;
  const RECT rcScreen = ToScreen(hWndOwner, rc);
  // The work area of the monitor the combo is on, not the primary one.
  const RECT rcWork = WorkAreaOf(hWndOwner);
  if (rcScreen.bottom <= rcWork.bottom) return rcScreen;

  // Upwards, as high as downwards would have been, within the room above the combo.
  const RECT rcCombo = ToScreen(hWndOwner, RECT{rc.left, cyComboTop, rc.right, cyComboTop});
  const int cyUp = std::max(0, std::min(cyDrop, static_cast<int>(rcCombo.top - rcWork.top)));
  return RECT{rcScreen.left, rcCombo.top - cyUp, rcScreen.right, rcCombo.top};
}

bool CComboWnd::Init(CComboUI* pOwner) {
  m_pOwner = pOwner;
  m_iOldSel = pOwner->GetCurSel();
  const RECT rc = PlaceFor(*pOwner);
  const HWND hWndOwner = pOwner->GetManager() != nullptr ? pOwner->GetManager()->GetPaintWindow() : nullptr;
  // WM_CREATE never fails here, so a window that was not made never knew this object.
  if (CreateInRect(hWndOwner, nullptr, WS_POPUP, WS_EX_TOOLWINDOW, rc) == nullptr) {
    pOwner->OnDropDownClosed();
    delete this;
    return false;
  }
  ::ShowWindow(m_hWnd, SW_SHOW);
  // The main window keeps its active caption while its drop-down has the focus.
  HWND hWndRoot = ::GetAncestor(m_hWnd, GA_ROOTOWNER);
  if (hWndRoot != nullptr) ::SendMessageW(hWndRoot, WM_NCACTIVATE, TRUE, 0);
  return true;
}

void CComboWnd::BuildLayout() {
  m_pm.Init(m_hWnd);
  CWindowManagerUI* pOwnerManager = m_pOwner->GetManager();
  m_pm.SetResourceParent(pOwnerManager);
  m_pLayout = new CComboDropLayoutUI;
  m_pLayout->SetManager(&m_pm, nullptr, true);
  LPCTSTR pDefaultAttributes =
      pOwnerManager != nullptr ? pOwnerManager->GetDefaultAttributeList(L"VerticalLayout") : nullptr;
  if (pDefaultAttributes != nullptr) m_pLayout->SetAttributeList(pDefaultAttributes);
  m_pLayout->SetInset(RECT{1, 1, 1, 1});
  m_pLayout->SetBkColor(0xFF233D3D);
  m_pLayout->SetBorderSize(1);
  // The rows stay the combo's: the layout only borrows them.
  m_pLayout->SetAutoDestroy(false);
  m_pLayout->EnableScrollBar(true, false);
  CScrollBarUI* pBar = m_pLayout->GetVerticalScrollBar();
  pBar->SetFixedWidth(kScrollBarWidth);
  pBar->SetAttribute(L"bknormalimage", kScrollBarImage);
  pBar->SetAttribute(L"thumbnormalimage", kScrollThumbImage);
  pBar->SetShowButton1(false);
  pBar->SetShowButton2(false);
  m_pLayout->SetAttributeList(m_pOwner->GetDropBoxAttributeList());
  for (int i = 0; i < m_pOwner->GetCount(); ++i) m_pLayout->Add(m_pOwner->GetItemAt(i));
  m_pm.AttachRoot(m_pLayout);
  m_pm.AddNotifier(this);
}

void CComboWnd::Notify(UINotifyRecord& msg) {
  if (msg.sType == L"windowinit") EnsureVisible(m_iOldSel);
}

void CComboWnd::EnsureVisible(int iIndex) {
  if (m_pOwner == nullptr || m_pLayout == nullptr || m_pOwner->GetCurSel() < 0) return;
  if (m_pLayout->GetItemAt(iIndex) == nullptr) return;
  // A long list's row far from the view is not placed: the layout knows where it lies.
  const RECT rcRow = m_pLayout->GetItemRect(iIndex);
  RECT rcArea = m_pLayout->GetPos();
  const RECT rcInset = m_pLayout->GetInset();
  rcArea.top += rcInset.top;
  rcArea.bottom -= rcInset.bottom;
  if (rcRow.top >= rcArea.top && rcRow.bottom < rcArea.bottom) return;
  int dy = 0;
  if (rcRow.top < rcArea.top) dy = rcRow.top - rcArea.top;
  if (rcRow.bottom > rcArea.bottom) dy = rcRow.bottom - rcArea.bottom;
  if (dy == 0) return;
  const SIZE sz = m_pLayout->GetScrollPos();
  m_pLayout->SetScrollPos(SIZE{sz.cx, sz.cy + dy});
}

void CComboWnd::PostKillFocus() { ::PostMessageW(m_hWnd, WM_KILLFOCUS, 0, 0); }

bool CComboWnd::OnKeyDown(WPARAM wParam) {
  switch (wParam) {
    case VK_ESCAPE:
      m_pOwner->SelectItem(m_iOldSel, true);
      EnsureVisible(m_iOldSel);
      PostKillFocus();
      return false;
    case VK_RETURN:
      PostKillFocus();
      return false;
    default: {
      UIEventRecord event;
      event.Type = UIEVENT_KEYDOWN;
      event.chKey = static_cast<WORD>(wParam);
      event.dwTimestamp = ::GetTickCount();
      m_pOwner->HandleEvent(event);
      EnsureVisible(m_pOwner->GetCurSel());
      return true;
    }
  }
}

void CComboWnd::OnButtonUp() {
  POINT pt = {0, 0};
  ::GetCursorPos(&pt);
  ::ScreenToClient(m_hWnd, &pt);
  CControlUI* pControl = m_pm.FindControlAt(pt);
  // A click on the scroll bar scrolls and leaves the drop-down open.
  if (pControl != nullptr && wcscmp(pControl->GetClassName(), L"ScrollBarUI") != 0) PostKillFocus();
}

void CComboWnd::OnWheel(WPARAM wParam) {
  UIEventRecord event;
  event.Type = UIEVENT_SCROLLWHEEL;
  event.wParam = GET_WHEEL_DELTA_WPARAM(wParam) < 0 ? 1 : 0;
  event.dwTimestamp = ::GetTickCount();
  m_pOwner->HandleEvent(event);
  EnsureVisible(m_pOwner->GetCurSel());
}

void CComboWnd::GiveRowsBack() {
  if (m_pOwner == nullptr) return;
  m_pOwner->SetManager(m_pOwner->GetManager(), m_pOwner->GetParent(), false);
}

void CComboWnd::ReleaseRows() {
  if (m_pLayout != nullptr) m_pLayout->RemoveAll();
  GiveRowsBack();
}

LRESULT CComboWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (m_pOwner != nullptr) {
    switch (uMsg) {
      case WM_CREATE:
        BuildLayout();
        break;
      case WM_KEYDOWN:
        if (OnKeyDown(wParam)) return 0;
        break;
      case WM_LBUTTONUP:
        OnButtonUp();
        break;
      case WM_MOUSEWHEEL:
        OnWheel(wParam);
        return 0;
      case WM_KILLFOCUS:
        if (reinterpret_cast<HWND>(wParam) != m_hWnd) ::PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
        break;
      case WM_CLOSE:
        GiveRowsBack();
        m_pOwner->SetPos(m_pOwner->GetPos());
        m_pOwner->SetFocus();
        break;
      case WM_DESTROY:
        // Destroyed without a WM_CLOSE (its owner window going takes it along): the
        // rows must not stay with a manager that is about to go.
        ReleaseRows();
        break;
      default:
        break;
    }
  }
  LRESULT lRes = 0;
  if (m_pm.HandleWindowMessage(uMsg, wParam, lParam, lRes)) return lRes;
  return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

void CComboWnd::OwnerGone() {
  // Out of the layout and back under the combo's manager before the combo deletes
  // them; the window then goes without a word to the combo.
  ReleaseRows();
  m_pOwner = nullptr;
  ::DestroyWindow(m_hWnd);
}

void CComboWnd::OnDetached(HWND) {
  m_pm.RemoveNotifier(this);
  if (m_pOwner != nullptr) m_pOwner->OnDropDownClosed();
  delete this;
}

}  // namespace SkinUI
