// The shadow's pop-up at work: following its host through the host's window
// procedure, and drawing itself for the host's current rectangle.
#include "ui/core/window/CShadowUI.h"

#include <cstring>

#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace SkinUI {

LRESULT CALLBACK CShadowUI::HostWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  CShadowUI* pThis = nullptr;
  {
    std::lock_guard<std::mutex> lock(GetShadowMapLock());
    std::map<HWND, CShadowUI*>& map = GetShadowMap();
    auto it = map.find(hwnd);
    if (it != map.end()) pThis = it->second;
    if (pThis != nullptr && uMsg == WM_NCDESTROY) map.erase(it);
  }
  if (pThis == nullptr) return ::DefWindowProcW(hwnd, uMsg, wParam, lParam);
  // The host's own procedure may delete the object that embeds this shadow.
  const WNDPROC pfnSaved = pThis->m_OriParentProc;

  switch (uMsg) {
    case WM_MOVE:
      if ((pThis->m_Status & SS_VISABLE) != 0) {
        RECT rcWnd = {0, 0, 0, 0};
        ::GetWindowRect(hwnd, &rcWnd);
        const POINT pt = pThis->PopupOrigin(rcWnd);
        ::SetWindowPos(pThis->m_hWnd, nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
      }
      break;
    case WM_SIZE:
      if ((pThis->m_Status & SS_ENABLED) == 0) break;
      if (wParam == SIZE_MAXIMIZED || wParam == SIZE_MINIMIZED) {
        ::ShowWindow(pThis->m_hWnd, SW_HIDE);
        pThis->m_Status &= ~SS_VISABLE;
      } else if ((pThis->m_Status & SS_PARENTVISIBLE) != 0) {
        // Growing by a drag repaints the host many times: the larger shadow waits for
        // the host's next paint. A smaller one is drawn at once, so no old shadow
        // shows from under the host.
        if (LOWORD(lParam) > LOWORD(pThis->m_WndSize) || HIWORD(lParam) > HIWORD(pThis->m_WndSize)) {
          pThis->m_bUpdate = true;
        } else {
          pThis->Update(hwnd);
        }
        if ((pThis->m_Status & SS_VISABLE) == 0) {
          ::ShowWindow(pThis->m_hWnd, SW_SHOWNA);
          pThis->m_Status |= SS_VISABLE;
        }
      }
      pThis->m_WndSize = lParam;
      break;
    case WM_PAINT:
      if (pThis->m_bUpdate) {
        pThis->Update(hwnd);
        pThis->m_bUpdate = false;
      }
      break;
    case WM_EXITSIZEMOVE:
      if ((pThis->m_Status & SS_VISABLE) != 0) pThis->Update(hwnd);
      break;
    case WM_SHOWWINDOW:
      if ((pThis->m_Status & SS_ENABLED) == 0) break;
      if (wParam == 0) {
        ::ShowWindow(pThis->m_hWnd, SW_HIDE);
        pThis->m_Status &= ~(SS_VISABLE | SS_PARENTVISIBLE);
      } else if ((pThis->m_Status & SS_PARENTVISIBLE) == 0) {
        pThis->m_bUpdate = true;
        ::ShowWindow(pThis->m_hWnd, SW_SHOWNA);
        pThis->m_Status |= SS_VISABLE | SS_PARENTVISIBLE;
      }
      break;
    case WM_DESTROY:
      if (pThis->m_hWnd != nullptr) ::DestroyWindow(pThis->m_hWnd);
      pThis->m_hWnd = nullptr;
      break;
    case WM_NCDESTROY:
      pThis->m_hHost = nullptr;
      break;
    default:
      break;
  }
  return ::CallWindowProcW(pfnSaved, hwnd, uMsg, wParam, lParam);
}

POINT CShadowUI::PopupOrigin(const RECT& rcHost) const {
  if (m_bIsImageMode) return POINT{rcHost.left - m_rcShadowCorner.left, rcHost.top - m_rcShadowCorner.top};
  return POINT{rcHost.left + m_nxOffset - m_nSize, rcHost.top + m_nyOffset - m_nSize};
}

void CShadowUI::Update(HWND hParent) {
  RECT rcParent = {0, 0, 0, 0};
  ::GetWindowRect(hParent, &rcParent);
  int nWidth = 0;
  int nHeight = 0;
  if (m_bIsImageMode) {
    if (m_sShadowImage.IsEmpty()) return;
    nWidth = rcParent.right - rcParent.left + m_rcShadowCorner.left + m_rcShadowCorner.right;
    nHeight = rcParent.bottom - rcParent.top + m_rcShadowCorner.top + m_rcShadowCorner.bottom;
  } else {
    // A shadow of size 0 is never drawn.
    if (m_nSize == 0) return;
    nWidth = rcParent.right - rcParent.left + 2 * m_nSize;
    nHeight = rcParent.bottom - rcParent.top + 2 * m_nSize;
  }
  if (nWidth <= 0 || nHeight <= 0) return;

  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = nWidth;
  bmi.bmiHeader.biHeight = nHeight;  // bottom-up, as MakeShadow fills it
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  bmi.bmiHeader.biSizeImage = static_cast<DWORD>(nWidth) * nHeight * 4;
  void* pvBits = nullptr;
  HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pvBits, nullptr, 0);
  if (hBitmap == nullptr || pvBits == nullptr) {
    if (hBitmap != nullptr) ::DeleteObject(hBitmap);
    return;
  }
  HDC hMemDC = ::CreateCompatibleDC(nullptr);
  const HGDIOBJ hOldBitmap = ::SelectObject(hMemDC, hBitmap);

  bool bDrawn = true;
  if (m_bIsImageMode) {
    const UIImageRecord* pImage = m_pManager != nullptr ? m_pManager->GetImageEx(m_sShadowImage) : nullptr;
    if (pImage == nullptr) {
      bDrawn = false;
    } else {
      const RECT rcPaint = {0, 0, nWidth, nHeight};
      const RECT rcBmpPart = {0, 0, pImage->nWidth, pImage->nHeight};
      CSkinRenderer::DrawBitmap(hMemDC, pImage->hBitmap, rcPaint, rcPaint, rcBmpPart, m_rcShadowCorner,
                                pImage->bAlpha, 255, true, false, false);
    }
  } else {
    std::memset(pvBits, 0, bmi.bmiHeader.biSizeImage);
    MakeShadow(static_cast<uint32_t*>(pvBits), hParent, &rcParent);
  }

  if (bDrawn) {
    POINT ptDst = PopupOrigin(rcParent);
    SIZE szWnd = {nWidth, nHeight};
    POINT ptSrc = {0, 0};
    BLENDFUNCTION bf = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::MoveWindow(m_hWnd, ptDst.x, ptDst.y, nWidth, nHeight, FALSE);
    ::UpdateLayeredWindow(m_hWnd, nullptr, &ptDst, &szWnd, hMemDC, &ptSrc, 0, &bf, ULW_ALPHA);
  }
  ::SelectObject(hMemDC, hOldBitmap);
  ::DeleteObject(hBitmap);
  ::DeleteDC(hMemDC);
}

}  // namespace SkinUI
