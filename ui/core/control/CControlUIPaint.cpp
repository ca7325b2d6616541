#include "ui/core/control/CControlUIPaint.h"

#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace SkinUI {
namespace {

bool IsRounded(const SIZE& round) { return round.cx > 0 || round.cy > 0; }

}  // namespace

CControlUIPaint::CControlUIPaint()
    : m_dwBackColor(0),
      m_dwBackColor2(0),
      m_dwBackColor3(0),
      m_dwBorderColor(0),
      m_dwFocusBorderColor(0),
      m_bColorHSL(false),
      m_nBorderSize(0),
      m_nBorderStyle(0),
      m_rcBorderSize{0, 0, 0, 0} {}

bool CControlUIPaint::SetBkColor(DWORD dwBackColor) {
  if (m_dwBackColor == dwBackColor) return false;
  m_dwBackColor = dwBackColor;
  return true;
}

bool CControlUIPaint::SetBkColor2(DWORD dwBackColor) {
  if (m_dwBackColor2 == dwBackColor) return false;
  m_dwBackColor2 = dwBackColor;
  return true;
}

bool CControlUIPaint::SetBkColor3(DWORD dwBackColor) {
  if (m_dwBackColor3 == dwBackColor) return false;
  m_dwBackColor3 = dwBackColor;
  return true;
}

bool CControlUIPaint::SetBorderColor(DWORD dwBorderColor) {
  if (m_dwBorderColor == dwBorderColor) return false;
  m_dwBorderColor = dwBorderColor;
  return true;
}

bool CControlUIPaint::SetFocusBorderColor(DWORD dwBorderColor) {
  if (m_dwFocusBorderColor == dwBorderColor) return false;
  m_dwFocusBorderColor = dwBorderColor;
  return true;
}

bool CControlUIPaint::SetColorHSL(bool bColorHSL) {
  if (m_bColorHSL == bColorHSL) return false;
  m_bColorHSL = bColorHSL;
  return true;
}

bool CControlUIPaint::SetBorderSize(int nSize) {
  if (m_nBorderSize == nSize) return false;
  m_nBorderSize = nSize;
  return true;
}

void CControlUIPaint::SetBorderSizes(const RECT& rcSizes) { m_rcBorderSize = rcSizes; }

void CControlUIPaint::SetLeftBorderSize(int nSize) { m_rcBorderSize.left = nSize; }

void CControlUIPaint::SetTopBorderSize(int nSize) { m_rcBorderSize.top = nSize; }

void CControlUIPaint::SetRightBorderSize(int nSize) { m_rcBorderSize.right = nSize; }

void CControlUIPaint::SetBottomBorderSize(int nSize) { m_rcBorderSize.bottom = nSize; }

void CControlUIPaint::SetBorderStyle(int nStyle) { m_nBorderStyle = nStyle; }

DWORD CControlUIPaint::GetBkColor() const { return m_dwBackColor; }

DWORD CControlUIPaint::GetBkColor2() const { return m_dwBackColor2; }

DWORD CControlUIPaint::GetBkColor3() const { return m_dwBackColor3; }

DWORD CControlUIPaint::GetBorderColor() const { return m_dwBorderColor; }

DWORD CControlUIPaint::GetFocusBorderColor() const { return m_dwFocusBorderColor; }

bool CControlUIPaint::IsColorHSL() const { return m_bColorHSL; }

int CControlUIPaint::GetBorderSize() const { return m_nBorderSize; }

const RECT& CControlUIPaint::GetBorderSizes() const { return m_rcBorderSize; }

int CControlUIPaint::GetBorderStyle() const { return m_nBorderStyle; }

DWORD CControlUIPaint::AdjustColor(DWORD dwColor) const {
  if (!m_bColorHSL) return dwColor;
  short H = 180;
  short S = 100;
  short L = 100;
  CWindowManagerUI::GetHSL(&H, &S, &L);
  return CSkinRenderer::AdjustColor(dwColor, H, S, L);
}

void CControlUIPaint::DrawBackgroundColor(HDC hDC, const RECT& rcItem, const RECT& rcPaint) const {
  if (m_dwBackColor == 0) return;
  const DWORD dwFirst = AdjustColor(m_dwBackColor);
  if (m_dwBackColor2 == 0) {
    CSkinRenderer::DrawColor(hDC, dwFirst >= 0xFF000000 ? rcPaint : rcItem, dwFirst);
    return;
  }
  const DWORD dwSecond = AdjustColor(m_dwBackColor2);
  if (m_dwBackColor3 == 0) {
    CSkinRenderer::DrawGradient(hDC, rcItem, dwFirst, dwSecond, true, 16);
    return;
  }
  RECT rc = rcItem;
  rc.bottom = (rc.top + rc.bottom) / 2;
  CSkinRenderer::DrawGradient(hDC, rc, dwFirst, dwSecond, true, 8);
  rc.top = rc.bottom;
  rc.bottom = rcItem.bottom;
  CSkinRenderer::DrawGradient(hDC, rc, dwSecond, AdjustColor(m_dwBackColor3), true, 8);
}

void CControlUIPaint::DrawBorder(HDC hDC, const RECT& rcItem, SIZE szRound, bool bFocused) const {
  const DWORD dwBorder = m_dwBorderColor;
  const DWORD dwFocus = m_dwFocusBorderColor;
  if (dwBorder == 0 && dwFocus == 0) return;
  const RECT& rc = rcItem;
  const int nSize = m_nBorderSize;
  const bool bFocusFrame = bFocused && dwFocus != 0;

  if (nSize > 0 && IsRounded(szRound)) {
    CSkinRenderer::DrawRoundRect(hDC, rc, nSize, szRound.cx, szRound.cy, AdjustColor(bFocusFrame ? dwFocus : dwBorder));
    return;
  }
  if (bFocusFrame && nSize > 0) {
    CSkinRenderer::DrawRect(hDC, rc, nSize, AdjustColor(dwFocus));
    return;
  }
  const RECT& sides = m_rcBorderSize;
  if (sides.left > 0 || sides.top > 0 || sides.right > 0 || sides.bottom > 0) {
    const DWORD dwColor = AdjustColor(dwBorder);
    const int nStyle = m_nBorderStyle;
    if (sides.left > 0) {
      CSkinRenderer::DrawLine(hDC, RECT{rc.left, rc.top, rc.left, rc.bottom}, sides.left, dwColor, nStyle);
    }
    if (sides.top > 0) {
      CSkinRenderer::DrawLine(hDC, RECT{rc.left, rc.top, rc.right, rc.top}, sides.top, dwColor, nStyle);
    }
    if (sides.right > 0) {
      CSkinRenderer::DrawLine(hDC, RECT{rc.right, rc.top, rc.right, rc.bottom}, sides.right, dwColor, nStyle);
    }
    if (sides.bottom > 0) {
      CSkinRenderer::DrawLine(hDC, RECT{rc.left, rc.bottom, rc.right, rc.bottom}, sides.bottom, dwColor, nStyle);
    }
    return;
  }
  if (nSize > 0) CSkinRenderer::DrawRect(hDC, rc, nSize, AdjustColor(dwBorder));
}

}  // namespace SkinUI
