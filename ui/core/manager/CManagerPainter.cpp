#include "ui/core/manager/CManagerPainter.h"

#include <cstring>

#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace SkinUI {

CControlUI* CALLBACK CManagerPainter::FindControlFromUpdate(CControlUI* pThis, LPVOID) {
  return pThis->IsUpdateNeeded() ? pThis : nullptr;
}

void CManagerPainter::Paint(CWindowManagerUI& pm) {
  RECT rcUpdate = {0, 0, 0, 0};
  if (!::GetUpdateRect(pm.m_hWndPaint, &rcUpdate, FALSE)) return;
  PAINTSTRUCT ps = {};
  if (pm.m_pRoot == nullptr) {
    ::BeginPaint(pm.m_hWndPaint, &ps);
    ::EndPaint(pm.m_hWndPaint, &ps);
    return;
  }
  ::BeginPaint(pm.m_hWndPaint, &ps);
  if (pm.m_bUpdateNeeded) Layout(pm);
  if (pm.m_bFocusNeeded) pm.SetNextTabControl();
  if (pm.m_bLayered) {
    PaintLayered(pm, ps, rcUpdate);
  } else {
    PaintOpaque(pm, ps);
  }
  ::EndPaint(pm.m_hWndPaint, &ps);
  // A layout requested while painting runs at the next paint.
  if (pm.m_bUpdateNeeded) ::InvalidateRect(pm.m_hWndPaint, nullptr, FALSE);
}

void CManagerPainter::Layout(CWindowManagerUI& pm) {
  pm.m_bUpdateNeeded = false;
  RECT rcClient = {0, 0, 0, 0};
  ::GetClientRect(pm.m_hWndPaint, &rcClient);
  if (::IsRectEmpty(&rcClient)) return;
  if (pm.m_pRoot->IsUpdateNeeded()) {
    // A minimised window keeps its layout until it is restored.
    if (!::IsIconic(pm.m_hWndPaint)) pm.m_pRoot->SetPos(rcClient);
    DeleteOffscreen(pm);
  } else {
    CControlUI* pLast = nullptr;
    while (CControlUI* pControl = pm.m_pRoot->FindControl(&CManagerPainter::FindControlFromUpdate, nullptr,
                                                          UIFIND_VISIBLE | UIFIND_ME_FIRST)) {
      // A control whose placing does not settle it would hold the window here for good.
      if (pControl == pLast) break;
      pControl->SetPos(pControl->GetPos());
      pLast = pControl;
    }
  }
  pm.m_rcLayeredUpdate = rcClient;
  if (pm.m_bFirstLayout) {
    pm.m_bFirstLayout = false;
    pm.SendNotify(pm.m_pRoot, L"windowinit", 0, 0, false);
  }
}

void CManagerPainter::DeleteOffscreen(CWindowManagerUI& pm) {
  if (pm.m_hDcOffscreen != nullptr) ::DeleteDC(pm.m_hDcOffscreen);
  if (pm.m_hbmpOffscreen != nullptr) ::DeleteObject(pm.m_hbmpOffscreen);
  pm.m_hDcOffscreen = nullptr;
  pm.m_hbmpOffscreen = nullptr;
  pm.m_pOffscreenBits = nullptr;
}

SIZE CManagerPainter::OffscreenSize(CWindowManagerUI& pm) {
  BITMAP bm = {};
  if (pm.m_hbmpOffscreen == nullptr || ::GetObjectW(pm.m_hbmpOffscreen, sizeof(bm), &bm) == 0) return SIZE{0, 0};
  return SIZE{bm.bmWidth, bm.bmHeight};
}

void CManagerPainter::PaintOverlays(CWindowManagerUI& pm, HDC hDC, const RECT& rcPaint) {
  // By index: an overlay may take itself off the list.
  for (int i = 0; i < pm.m_aPostPaintControls.GetSize(); ++i) {
    static_cast<CControlUI*>(pm.m_aPostPaintControls[i])->PaintOverlay(hDC, rcPaint);
  }
}

void CManagerPainter::PaintOpaque(CWindowManagerUI& pm, const PAINTSTRUCT& ps) {
  if (pm.m_hbmpOffscreen == nullptr) {
    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(pm.m_hWndPaint, &rcClient);
    pm.m_hDcOffscreen = ::CreateCompatibleDC(pm.m_hDcPaint);
    pm.m_hbmpOffscreen = ::CreateCompatibleBitmap(pm.m_hDcPaint, rcClient.right - rcClient.left,
                                                  rcClient.bottom - rcClient.top);
  }
  if (pm.m_hDcOffscreen == nullptr || pm.m_hbmpOffscreen == nullptr) return;
  const HGDIOBJ hOldBitmap = ::SelectObject(pm.m_hDcOffscreen, pm.m_hbmpOffscreen);
  const int iSaveDC = ::SaveDC(pm.m_hDcOffscreen);
  pm.m_pRoot->Paint(pm.m_hDcOffscreen, ps.rcPaint);
  PaintOverlays(pm, pm.m_hDcOffscreen, ps.rcPaint);
  ::RestoreDC(pm.m_hDcOffscreen, iSaveDC);
  ::BitBlt(ps.hdc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, pm.m_hDcOffscreen, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
  ::SelectObject(pm.m_hDcOffscreen, hOldBitmap);
}

void CManagerPainter::PaintLayered(CWindowManagerUI& pm, const PAINTSTRUCT& ps, const RECT& rcUpdate) {
  const DWORD dwExStyle = static_cast<DWORD>(::GetWindowLongW(pm.m_hWndPaint, GWL_EXSTYLE));
  if ((dwExStyle & WS_EX_LAYERED) == 0) {
    ::SetWindowLongW(pm.m_hWndPaint, GWL_EXSTYLE, static_cast<LONG>(dwExStyle | WS_EX_LAYERED));
  }
  RECT rcClient = {0, 0, 0, 0};
  ::GetClientRect(pm.m_hWndPaint, &rcClient);
  RECT rcPaint = rcUpdate;
  if (pm.m_bLayeredChanged) {
    pm.m_bLayeredChanged = false;
    rcPaint = rcClient;
  } else {
    ::UnionRect(&rcPaint, &rcUpdate, &pm.m_rcLayeredUpdate);
  }
  ::SetRectEmpty(&pm.m_rcLayeredUpdate);

  if (pm.m_hbmpOffscreen == nullptr) {
    pm.m_hDcOffscreen = ::CreateCompatibleDC(pm.m_hDcPaint);
    pm.m_hbmpOffscreen = CSkinRenderer::Create32BitDIB(pm.m_hDcPaint, rcClient.right - rcClient.left,
                                                       rcClient.bottom - rcClient.top, &pm.m_pOffscreenBits);
  }
  if (pm.m_hDcOffscreen == nullptr || pm.m_hbmpOffscreen == nullptr || pm.m_pOffscreenBits == nullptr) return;
  // The dirty rectangle collects whatever was invalidated, even outside the window
  // (and a shrunk window keeps its larger bitmap until the next layout): clearing
  // and painting stay inside the bitmap.
  const SIZE szBitmap = OffscreenSize(pm);
  const RECT rcBitmap = {0, 0, szBitmap.cx, szBitmap.cy};
  if (!::IntersectRect(&rcPaint, &rcPaint, &rcBitmap)) ::SetRectEmpty(&rcPaint);

  const HGDIOBJ hOldBitmap = ::SelectObject(pm.m_hDcOffscreen, pm.m_hbmpOffscreen);
  const int iSaveDC = ::SaveDC(pm.m_hDcOffscreen);
  const size_t nStride = static_cast<size_t>(szBitmap.cx) * 4;
  for (LONG y = rcPaint.top; y < rcPaint.bottom; ++y) {
    std::memset(pm.m_pOffscreenBits + y * nStride + static_cast<size_t>(rcPaint.left) * 4, 0,
                static_cast<size_t>(rcPaint.right - rcPaint.left) * 4);
  }
  pm.m_pRoot->Paint(pm.m_hDcOffscreen, rcPaint);
  pm.DrawCaret(pm.m_hDcOffscreen, rcPaint);
  PaintOverlays(pm, pm.m_hDcOffscreen, ps.rcPaint);

  const RECT& rcInset = pm.m_rcLayeredInset;
  if (rcInset.left > 0 || rcInset.top > 0 || rcInset.right > 0 || rcInset.bottom > 0) {
    // A rich edit draws its text without alpha; the inset makes that part opaque.
    RECT rcOpaque = {rcClient.left + rcInset.left, rcClient.top + rcInset.top, rcClient.right - rcInset.right,
                     rcClient.bottom - rcInset.bottom};
    if (::IntersectRect(&rcOpaque, &rcOpaque, &rcPaint)) {
      for (LONG y = rcOpaque.top; y < rcOpaque.bottom; ++y) {
        BYTE* pRow = pm.m_pOffscreenBits + y * nStride;
        for (LONG x = rcOpaque.left; x < rcOpaque.right; ++x) pRow[x * 4 + 3] = 255;
      }
    }
  }
  ::RestoreDC(pm.m_hDcOffscreen, iSaveDC);

  RECT rcWnd = {0, 0, 0, 0};
  ::GetWindowRect(pm.m_hWndPaint, &rcWnd);
  POINT ptDst = {rcWnd.left, rcWnd.top};
  SIZE szDst = {rcWnd.right - rcWnd.left, rcWnd.bottom - rcWnd.top};
  POINT ptSrc = {0, 0};
  BLENDFUNCTION bf = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ::UpdateLayeredWindow(pm.m_hWndPaint, nullptr, &ptDst, &szDst, pm.m_hDcOffscreen, &ptSrc, 0, &bf, ULW_ALPHA);
  ::SelectObject(pm.m_hDcOffscreen, hOldBitmap);
}

}  // namespace SkinUI
