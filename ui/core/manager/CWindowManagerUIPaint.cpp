// How a window manager answers WM_PAINT: the pending layout first (and
// "windowinit" once per root), the focus a layout was awaited for, then the
// painter shows the tree.
#include "ui/core/manager/CWindowManagerUI.h"

#include "ui/core/control/CControlUI.h"

namespace SkinUI {
namespace {

CControlUI* CALLBACK FindControlFromUpdate(CControlUI* pThis, LPVOID) {
  return pThis->IsUpdateNeeded() ? pThis : nullptr;
}

}  // namespace

void CWindowManagerUI::OnPaint() {
  RECT rcUpdate = {0, 0, 0, 0};
  if (!::GetUpdateRect(m_hWndPaint, &rcUpdate, FALSE)) return;
  PAINTSTRUCT ps = {};
  ::BeginPaint(m_hWndPaint, &ps);
  if (m_pRoot == nullptr) {
    ::EndPaint(m_hWndPaint, &ps);
    return;
  }
  if (m_bUpdateNeeded) LayoutPending();
  if (m_bFocusNeeded) SetNextTabControl();
  m_painter.Paint(ps, rcUpdate, *m_pRoot, m_aPostPaintControls);
  ::EndPaint(m_hWndPaint, &ps);
  // A layout requested while painting runs at the next paint.
  if (m_bUpdateNeeded) ::InvalidateRect(m_hWndPaint, nullptr, FALSE);
}

void CWindowManagerUI::LayoutPending() {
  m_bUpdateNeeded = false;
  RECT rcClient = {0, 0, 0, 0};
  ::GetClientRect(m_hWndPaint, &rcClient);
  if (::IsRectEmpty(&rcClient)) return;
  if (m_pRoot->IsUpdateNeeded()) {
    // A minimised window keeps its layout until it is restored.
    if (!::IsIconic(m_hWndPaint)) m_pRoot->SetPos(rcClient);
    m_painter.DeleteOffscreen();
  } else {
    CControlUI* pLast = nullptr;
    while (CControlUI* pControl =
               m_pRoot->FindControl(&FindControlFromUpdate, nullptr, UIFIND_VISIBLE | UIFIND_ME_FIRST)) {
      // A control whose placing does not settle it would hold the window here for good.
      if (pControl == pLast) break;
      pControl->SetPos(pControl->GetPos());
      pLast = pControl;
    }
  }
  m_painter.SetDirtyRect(rcClient);
  if (m_bFirstLayout) {
    m_bFirstLayout = false;
    SendNotify(m_pRoot, L"windowinit", 0, 0, false);
  }
}

}  // namespace SkinUI
