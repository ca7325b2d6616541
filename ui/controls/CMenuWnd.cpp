#include "ui/controls/CMenuWnd.h"

#include <algorithm>
#include <cwchar>

#include "ui/controls/CMenuElementUI.h"
#include "ui/controls/CMenuUI.h"
#include "ui/controls/IListItemUI.h"
#include "ui/controls/ObserverImpl.h"
#include "ui/core/builder/CDialogBuilder.h"
#include "ui/core/window/CShadowUI.h"

namespace SkinUI {

namespace {

// What a sub-menu adds to its items' widest width.
const int kSubMenuExtraWidth = 2;

RECT WorkAreaOfMonitor(HMONITOR hMonitor) {
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  ::GetMonitorInfoW(hMonitor, &info);
  return info.rcWork;
}

RECT InsetOf(CControlUI* pControl) {
  CContainerUI* pContainer = static_cast<CContainerUI*>(pControl->GetInterface(L"Container"));
  return pContainer != nullptr ? pContainer->GetInset() : RECT{0, 0, 0, 0};
}

// The shadow stays off while the window is laid out and placed, and is made after.
class ShadowPause {
 public:
  explicit ShadowPause(CWindowManagerUI& pm) : m_pm(pm), m_bShown(pm.GetShadow()->IsShowShadow()) {
    pm.GetShadow()->ShowShadow(false);
  }
  ~ShadowPause() {
    m_pm.GetShadow()->ShowShadow(m_bShown);
    m_pm.GetShadow()->Create(&m_pm);
  }
  ShadowPause(const ShadowPause&) = delete;
  ShadowPause& operator=(const ShadowPause&) = delete;

 private:
  CWindowManagerUI& m_pm;
  bool m_bShown;
};

}  // namespace

CMenuWnd* CMenuWnd::CreateMenu(CMenuElementUI* pOwner, LPCTSTR pstrSkin, POINT point, CWindowManagerUI* pManager,
                               MenuCheckInfo* pCheckInfo, DWORD dwAlignment) {
  CMenuWnd* pMenu = new CMenuWnd;
  if (!pMenu->Init(pOwner, pstrSkin, point, pManager, pCheckInfo, dwAlignment)) return nullptr;
  return pMenu;
}

CMenuWnd::CMenuWnd() : m_ptBase{0, 0}, m_pOwner(nullptr), m_pLayout(nullptr), m_dwAlignment(ALIGN_DEFAULT) {}

CMenuWnd::~CMenuWnd() = default;

LPCTSTR CMenuWnd::GetWindowClassName() const { return L"SkinMenuWnd"; }

CMenuWnd* CMenuWnd::FromHandle(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  for (ReceiverImplBase* pReceiver : GetMenuObserver().Receivers()) {
    CMenuWnd* pMenu = dynamic_cast<CMenuWnd*>(pReceiver);
    if (pMenu != nullptr && pMenu->GetHWND() == hWnd) return pMenu;
  }
  return nullptr;
}

bool CMenuWnd::Init(CMenuElementUI* pOwner, LPCTSTR pstrSkin, POINT point, CWindowManagerUI* pManager,
                    MenuCheckInfo* pCheckInfo, DWORD dwAlignment) {
  m_ptBase = point;
  m_pOwner = pOwner;
  m_sSkin = pstrSkin != nullptr ? pstrSkin : L"";
  m_dwAlignment = dwAlignment;
  m_pLayout = nullptr;
  ObserverImpl& observer = GetMenuObserver();
  if (pOwner == nullptr) {
    // Every root menu names its own opener and check states, none included: what an
    // earlier menu was given may be gone.
    observer.SetManager(pManager);
    observer.SetCheckInfo(pCheckInfo);
  }
  observer.AddReceiver(this);

  CWindowManagerUI* pParentManager = pOwner != nullptr ? pOwner->GetManager() : pManager;
  const HWND hWndParent = pParentManager != nullptr ? pParentManager->GetPaintWindow() : nullptr;
  // WM_CREATE never fails here, so a window that was not made never knew this object.
  if (Create(hWndParent, nullptr, WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, 0, 0, 0, 0) == nullptr) {
    RemoveObserver();
    if (pOwner != nullptr) pOwner->OnSubMenuClosed();
    delete this;
    return false;
  }
  // A root menu whose skin did not build is closing itself and shows nothing.
  if (m_pm.GetRoot() == nullptr) return true;
  ::ShowWindow(m_hWnd, SW_SHOW);
  // The application window keeps its active caption while its menu has the focus.
  const HWND hWndRoot = ::GetAncestor(m_hWnd, GA_ROOTOWNER);
  if (hWndRoot != nullptr) ::SendMessageW(hWndRoot, WM_NCACTIVATE, TRUE, 0);
  return true;
}

CControlUI* CMenuWnd::CreateControl(LPCTSTR pstrClass) {
  if (pstrClass == nullptr) return nullptr;
  if (_wcsicmp(pstrClass, L"Menu") == 0) return new CMenuUI;
  if (_wcsicmp(pstrClass, L"MenuElement") == 0) return new CMenuElementUI;
  return nullptr;
}

// --- Content ---

void CMenuWnd::CreateRootContent() {
  m_pm.Init(m_hWnd);
  CDialogBuilder builder;
  CControlUI* pRoot = builder.Create(m_sSkin, nullptr, this, &m_pm);
  if (pRoot == nullptr) {
    // Closed by a posted message: the caller's ResizeMenu still finds this object.
    ::PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
    return;
  }
  ShadowPause pause(m_pm);
  m_pm.AttachRoot(pRoot);
  m_pm.AddNotifier(this);
  ResizeMenu();
}

void CMenuWnd::CreateSubMenuContent() {
  const LONG lStyle = ::GetWindowLongW(m_hWnd, GWL_STYLE) & ~static_cast<LONG>(WS_CAPTION);
  ::SetWindowLongW(m_hWnd, GWL_STYLE, lStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  m_pm.Init(m_hWnd);

  CWindowManagerUI* pOwnerManager = m_pOwner->GetManager();
  m_pLayout = new CMenuUI;
  m_pm.SetResourceParent(pOwnerManager);
  m_pLayout->SetManager(&m_pm, nullptr, true);
  LPCTSTR pDefaultAttributes = pOwnerManager != nullptr ? pOwnerManager->GetDefaultAttributeList(L"Menu") : nullptr;
  if (pDefaultAttributes != nullptr) m_pLayout->SetAttributeList(pDefaultAttributes);
  // The sub-items stay the owner item's: the layout only borrows them.
  m_pLayout->GetList()->SetAutoDestroy(false);
  for (int i = 0; i < m_pOwner->GetCount(); ++i) {
    CControlUI* pItem = m_pOwner->GetItemAt(i);
    if (!CMenuUI::IsMenuItem(pItem)) continue;
    static_cast<IListItemUI*>(pItem->GetInterface(L"ListItem"))->SetOwner(m_pLayout);
    m_pLayout->Add(pItem);
  }

  if (pOwnerManager != nullptr) {
    m_pm.GetShadow()->CopyShadow(pOwnerManager->GetShadow());
    m_pm.SetLayered(pOwnerManager->IsLayered());
    m_pm.SetUseGdiplusText(pOwnerManager->IsUseGdiplusText());
  }
  ShadowPause pause(m_pm);
  m_pm.AttachRoot(m_pLayout);
  m_pm.AddNotifier(this);
  ResizeSubMenu();
}

// --- Placement ---

RECT CMenuWnd::WorkArea() const {
  // A sub-menu goes on its parent's monitor, a root menu on the point's: the window
  // itself is nowhere yet when it is first measured.
  if (m_pOwner != nullptr && m_pOwner->GetManager() != nullptr) {
    return WorkAreaOfMonitor(::MonitorFromWindow(m_pOwner->GetManager()->GetPaintWindow(), MONITOR_DEFAULTTONEAREST));
  }
  return WorkAreaOfMonitor(::MonitorFromPoint(m_ptBase, MONITOR_DEFAULTTONEAREST));
}

void CMenuWnd::ResizeMenu() {
  CControlUI* pRoot = m_pm.GetRoot();
  if (pRoot == nullptr || m_pOwner != nullptr) return;
  const RECT rcWork = WorkArea();
  const SIZE szRoot = pRoot->MeasureSize(SIZE{rcWork.right - rcWork.left, rcWork.bottom - rcWork.top});
  m_pm.SetInitSize(szRoot.cx, szRoot.cy);
  const RECT rcInset = InsetOf(pRoot);
  const int cx = szRoot.cx;
  const int cy = szRoot.cy + rcInset.top + rcInset.bottom;
  RECT rc = {m_ptBase.x, m_ptBase.y, m_ptBase.x + cx, m_ptBase.y + cy};
  if ((m_dwAlignment & ALIGN_LEFT) != 0) {
    rc.right = m_ptBase.x;
    rc.left = rc.right - cx;
  }
  if ((m_dwAlignment & ALIGN_TOP) != 0) {
    rc.bottom = m_ptBase.y;
    rc.top = rc.bottom - cy;
  }
  // Kept where the caller asked: the callers choose the flags that keep it on screen.
  ::SetForegroundWindow(m_hWnd);
  ::MoveWindow(m_hWnd, rc.left, rc.top, cx, cy, FALSE);
  ::SetWindowPos(m_hWnd, HWND_TOPMOST, rc.left, rc.top, cx, cy, SWP_SHOWWINDOW);
}

void CMenuWnd::ResizeSubMenu() {
  if (m_pOwner == nullptr || m_pOwner->GetManager() == nullptr) return;
  const RECT rcWork = WorkArea();
  const SIZE szAvailable = {rcWork.right - rcWork.left, rcWork.bottom - rcWork.top};
  int cyItems = 0;
  int cxItems = 0;
  for (int i = 0; i < m_pOwner->GetCount(); ++i) {
    CControlUI* pItem = m_pOwner->GetItemAt(i);
    if (!CMenuUI::IsMenuItem(pItem)) continue;
    const SIZE sz = pItem->MeasureSize(szAvailable);
    cyItems += sz.cy;
    cxItems = std::max(cxItems, static_cast<int>(sz.cx));
  }
  const int cx = cxItems + kSubMenuExtraWidth;

  const HWND hWndParent = m_pOwner->GetManager()->GetPaintWindow();
  RECT rcParent = {0, 0, 0, 0};
  ::GetWindowRect(hWndParent, &rcParent);
  POINT ptItem = {m_pOwner->GetPos().left, m_pOwner->GetPos().top};
  ::ClientToScreen(hWndParent, &ptItem);
  RECT rc = {rcParent.right, ptItem.y, rcParent.right + cx, ptItem.y + cyItems};

  // A menu to the right of the parent sends this one to the left; one below the
  // parent sends it up.
  for (ReceiverImplBase* pReceiver : GetMenuObserver().Receivers()) {
    CMenuWnd* pMenu = dynamic_cast<CMenuWnd*>(pReceiver);
    if (pMenu == nullptr) continue;
    if (pMenu->GetHWND() == hWndParent) break;
    RECT rcMenu = {0, 0, 0, 0};
    ::GetWindowRect(pMenu->GetHWND(), &rcMenu);
    if (rcMenu.left >= rcParent.right) {
      rc.right = rcParent.left;
      rc.left = rc.right - cx;
      break;
    }
    if (rcMenu.top >= rcParent.bottom) {
      rc.bottom = rcParent.top;
      rc.top = rc.bottom - cyItems;
      break;
    }
  }

  if (rc.bottom > rcWork.bottom) {
    rc.bottom = rc.top;
    rc.top = rc.bottom - cyItems;
  }
  if (rc.right > rcWork.right) {
    rc.right = rcParent.left;
    rc.left = rc.right - cx;
  }
  if (rc.top < rcWork.top) {
    rc.top = ptItem.y;
    rc.bottom = rc.top + cyItems;
  }
  if (rc.left < rcWork.left) {
    rc.left = rcParent.right;
    rc.right = rc.left + cx;
  }
  const RECT rcInset = m_pLayout != nullptr ? m_pLayout->GetInset() : RECT{0, 0, 0, 0};
  ::MoveWindow(m_hWnd, rc.left, rc.top, cx, cyItems + rcInset.top + rcInset.bottom, FALSE);
}

void CMenuWnd::ApplyRoundCorners() {
  if (::IsIconic(m_hWnd)) return;
  RECT rcWnd = {0, 0, 0, 0};
  ::GetWindowRect(m_hWnd, &rcWnd);
  ::OffsetRect(&rcWnd, -rcWnd.left, -rcWnd.top);
  const SIZE szRoundCorner = m_pm.GetRoundCorner();
  HRGN hRgn = ::CreateRoundRectRgn(0, 0, rcWnd.right + 1, rcWnd.bottom + 1, szRoundCorner.cx, szRoundCorner.cy);
  ::SetWindowRgn(m_hWnd, hRgn, TRUE);
}

// --- Messages ---

BOOL CMenuWnd::Receive(UINT uKind, HWND hWnd) {
  switch (uKind) {
    case kMenuCloseAll:
      Close();
      break;
    case kMenuCloseBelow:
      for (HWND hAncestor = ::GetParent(m_hWnd); hAncestor != nullptr; hAncestor = ::GetParent(hAncestor)) {
        if (hAncestor != hWnd) continue;
        Close();
        break;
      }
      break;
    default:
      break;
  }
  return TRUE;
}

void CMenuWnd::Notify(UINotifyRecord& msg) {
  if (msg.sType != L"click" && msg.sType != L"valuechanged") return;
  CWindowManagerUI* pOpener = GetMenuObserver().GetManager();
  if (pOpener != nullptr) pOpener->SendNotifyRecord(msg);
}

void CMenuWnd::GiveSubItemsBack() {
  if (m_pOwner == nullptr) return;
  if (m_pLayout != nullptr) m_pLayout->RemoveAll();
  m_pOwner->SetManager(m_pOwner->GetManager(), m_pOwner->GetParent(), false);
}

LRESULT CMenuWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  switch (uMsg) {
    case WM_CREATE:
      if (m_pOwner != nullptr) {
        CreateSubMenuContent();
      } else {
        CreateRootContent();
      }
      break;
    case WM_SIZE:
      ApplyRoundCorners();
      break;
    case WM_KILLFOCUS:
      // A sub-menu opening keeps the chain; any other window taking the focus ends it.
      if (FromHandle(reinterpret_cast<HWND>(wParam)) == nullptr) GetMenuObserver().Broadcast(kMenuCloseAll, m_hWnd);
      break;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE || wParam == VK_LEFT) Close();
      break;
    case WM_CLOSE:
      if (m_pOwner != nullptr) {
        m_pOwner->SetManager(m_pOwner->GetManager(), m_pOwner->GetParent(), false);
        m_pOwner->SetPos(m_pOwner->GetPos());
        m_pOwner->SetFocus();
      }
      break;
    case WM_DESTROY:
      // Destroyed without a WM_CLOSE (its owner window going takes it along): the
      // sub-items must not stay with a manager that is about to go.
      GiveSubItemsBack();
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_CONTEXTMENU:
      // The right button does nothing in a menu.
      return 0;
    default:
      break;
  }
  LRESULT lRes = 0;
  if (m_pm.HandleWindowMessage(uMsg, wParam, lParam, lRes)) return lRes;
  return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

void CMenuWnd::OwnerGone() {
  GiveSubItemsBack();
  m_pOwner = nullptr;
  ::DestroyWindow(m_hWnd);
}

void CMenuWnd::OnDetached(HWND) {
  RemoveObserver();
  m_pm.RemoveNotifier(this);
  if (m_pOwner != nullptr) {
    // Hidden while still in the sub-menu's list, so that the parent list keeps its
    // selection; then they belong to the parent list again.
    CControlUI* pParentList = dynamic_cast<CControlUI*>(m_pOwner->GetOwner());
    for (int i = 0; i < m_pOwner->GetCount(); ++i) {
      CControlUI* pItem = m_pOwner->GetItemAt(i);
      if (!CMenuUI::IsMenuItem(pItem)) continue;
      pItem->SetVisible(false);
      pItem->SetParentVisible(false);
      static_cast<IListItemUI*>(pItem->GetInterface(L"ListItem"))->SetOwner(pParentList);
    }
    m_pOwner->OnSubMenuClosed();
    m_pOwner->Invalidate();
  }
  delete this;
}

}  // namespace SkinUI
