#include "ui/core/manager/CManagerPainter.h"

#include <cstring>

#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIPtrArray.h"

namespace SkinUI {
namespace {

void PaintOverlays(const CUIPtrArray& aPostPaint, HDC hDC, const RECT& rcPaint) {
  // By index: an overlay may take itself off the list.
  for (int i = 0; i < aPostPaint.GetSize(); ++i) {
    static_cast<CControlUI*>(aPostPaint[i])->PaintOverlay(hDC, rcPaint);
  }
}

}  // namespace

CManagerPainter::CManagerPainter(CWindowManagerUI& manager)
    : m_manager(manager),
      m_hDcOffscreen(nullptr),
      m_hbmpOffscreen(nullptr),
      m_pOffscreenBits(nullptr),
      m_bLayered(false),
      m_rcLayeredUpdate{0, 0, 0, 0},
      m_rcLayeredInset{0, 0, 0, 0},
      m_bLayeredChanged(false) {}

CManagerPainter::~CManagerPainter() { DeleteOffscreen(); }

void CManagerPainter::SetLayered(bool bLayered) { m_bLayered = bLayered; }

bool CManagerPainter::IsLayered() const { return m_bLayered; }

void CManagerPainter::SetOpaqueInset(const RECT& rcInset) { m_rcLayeredInset = rcInset; }

void CManagerPainter::RequestFullRepaint() { m_bLayeredChanged = true; }

void CManagerPainter::AddDirtyRect(const RECT& rc) {
  if (m_bLayered) ::UnionRect(&m_rcLayeredUpdate, &m_rcLayeredUpdate, &rc);
}

void CManagerPainter::SetDirtyRect(const RECT& rc) { m_rcLayeredUpdate = rc; }

void CManagerPainter::DeleteOffscreen() {
  if (m_hDcOffscreen != nullptr) ::DeleteDC(m_hDcOffscreen);
  if (m_hbmpOffscreen != nullptr) ::DeleteObject(m_hbmpOffscreen);
  m_hDcOffscreen = nullptr;
  m_hbmpOffscreen = nullptr;
  m_pOffscreenBits = nullptr;
}

SIZE CManagerPainter::OffscreenSize() const {
  BITMAP bm = {};
  if (m_hbmpOffscreen == nullptr || ::GetObjectW(m_hbmpOffscreen, sizeof(bm), &bm) == 0) return SIZE{0, 0};
  return SIZE{bm.bmWidth, bm.bmHeight};
}

void CManagerPainter::Paint(const PAINTSTRUCT& ps, const RECT& rcUpdate, CControlUI& root,
                            const CUIPtrArray& aPostPaint) {
  if (m_bLayered) {
    PaintLayered(ps, rcUpdate, root, aPostPaint);
  } else {
    PaintOpaque(ps, root, aPostPaint);
  }
}

void CManagerPainter::PaintOpaque(const PAINTSTRUCT& ps, CControlUI& root, const CUIPtrArray& aPostPaint) {
  if (m_hbmpOffscreen == nullptr) {
    RECT rcClient = {0, 0, 0, 0};
    ::GetClientRect(m_manager.GetPaintWindow(), &rcClient);
    const HDC hDcPaint = m_manager.GetPaintDC();
    m_hDcOffscreen = ::CreateCompatibleDC(hDcPaint);
    m_hbmpOffscreen =
        ::CreateCompatibleBitmap(hDcPaint, rcClient.right - rcClient.left, rcClient.bottom - rcClient.top);
  }
  if (m_hDcOffscreen == nullptr || m_hbmpOffscreen == nullptr) return;
  const HGDIOBJ hOldBitmap = ::SelectObject(m_hDcOffscreen, m_hbmpOffscreen);
  const int iSaveDC = ::SaveDC(m_hDcOffscreen);
  root.Paint(m_hDcOffscreen, ps.rcPaint);
  PaintOverlays(aPostPaint, m_hDcOffscreen, ps.rcPaint);
  ::RestoreDC(m_hDcOffscreen, iSaveDC);
  ::BitBlt(ps.hdc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, m_hDcOffscreen, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
  ::SelectObject(m_hDcOffscreen, hOldBitmap);
}

void CManagerPainter::PaintLayered(const PAINTSTRUCT& ps, const RECT& rcUpdate, CControlUI& root,
                                   const CUIPtrArray& aPostPaint) {
  const HWND hWnd = m_manager.GetPaintWindow();
  const DWORD dwExStyle = static_cast<DWORD>(::GetWindowLongW(hWnd, GWL_EXSTYLE));
  if ((dwExStyle & WS_EX_LAYERED) == 0) {
    ::SetWindowLongW(hWnd, GWL_EXSTYLE, static_cast<LONG>(dwExStyle | WS_EX_LAYERED));
  }
  RECT rcClient = {0, 0, 0, 0};
  ::GetClientRect(hWnd, &rcClient);
  RECT rcPaint = rcUpdate;
  if (m_bLayeredChanged) {
    m_bLayeredChanged = false;
    rcPaint = rcClient;
  } else {
    ::UnionRect(&rcPaint, &rcUpdate, &m_rcLayeredUpdate);
  }
  ::SetRectEmpty(&m_rcLayeredUpdate);

  if (m_hbmpOffscreen == nullptr) {
    const HDC hDcPaint = m_manager.GetPaintDC();
    m_hDcOffscreen = ::CreateCompatibleDC(hDcPaint);
    m_hbmpOffscreen = CSkinRenderer::Create32BitDIB(hDcPaint, rcClient.right - rcClient.left,
                                                    rcClient.bottom - rcClient.top, &m_pOffscreenBits);
  }
  if (m_hDcOffscreen == nullptr || m_hbmpOffscreen == nullptr || m_pOffscreenBits == nullptr) return;
  // The dirty rectangle collects whatever was invalidated, even outside the window
  // (and a shrunk window keeps its larger bitmap until the next layout): clearing
  // and painting stay inside the bitmap.
  const SIZE szBitmap = OffscreenSize();
  const RECT rcBitmap = {0, 0, szBitmap.cx, szBitmap.cy};
  if (!::IntersectRect(&rcPaint, &rcPaint, &rcBitmap)) ::SetRectEmpty(&rcPaint);

  const HGDIOBJ hOldBitmap = ::SelectObject(m_hDcOffscreen, m_hbmpOffscreen);
  const int iSaveDC = ::SaveDC(m_hDcOffscreen);
  const size_t nStride = static_cast<size_t>(szBitmap.cx) * 4;
  for (LONG y = rcPaint.top; y < rcPaint.bottom; ++y) {
    std::memset(m_pOffscreenBits + y * nStride + static_cast<size_t>(rcPaint.left) * 4, 0,
                static_cast<size_t>(rcPaint.right - rcPaint.left) * 4);
  }
  root.Paint(m_hDcOffscreen, rcPaint);
  m_manager.DrawCaret(m_hDcOffscreen, rcPaint);
  PaintOverlays(aPostPaint, m_hDcOffscreen, ps.rcPaint);
  MakeInsetOpaque(rcClient, rcPaint, nStride);
  ::RestoreDC(m_hDcOffscreen, iSaveDC);

  RECT rcWnd = {0, 0, 0, 0};
  ::GetWindowRect(hWnd, &rcWnd);
  POINT ptDst = {rcWnd.left, rcWnd.top};
  SIZE szDst = {rcWnd.right - rcWnd.left, rcWnd.bottom - rcWnd.top};
  POINT ptSrc = {0, 0};
  BLENDFUNCTION bf = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ::UpdateLayeredWindow(hWnd, nullptr, &ptDst, &szDst, m_hDcOffscreen, &ptSrc, 0, &bf, ULW_ALPHA);
  ::SelectObject(m_hDcOffscreen, hOldBitmap);
}

void CManagerPainter::MakeInsetOpaque(const RECT& rcClient, const RECT& rcPaint, size_t nStride) {
  const RECT& rcInset = m_rcLayeredInset;
  if (rcInset.left <= 0 && rcInset.top <= 0 && rcInset.right <= 0 && rcInset.bottom <= 0) return;
  // A rich edit draws its text without alpha; the inset makes that part opaque.
  RECT rcOpaque = {rcClient.left + rcInset.left, rcClient.top + rcInset.top, rcClient.right - rcInset.right,
                   rcClient.bottom - rcInset.bottom};
  if (!::IntersectRect(&rcOpaque, &rcOpaque, &rcPaint)) return;
  for (LONG y = rcOpaque.top; y < rcOpaque.bottom; ++y) {
    BYTE* pRow = m_pOffscreenBits + y * nStride;
    for (LONG x = rcOpaque.left; x < rcOpaque.right; ++x) pRow[x * 4 + 3] = 255;
  }
}

}  // namespace SkinUI
