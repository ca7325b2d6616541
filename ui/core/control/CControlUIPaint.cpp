// The base control's painting: its paint setters, image drawing and colour
// adjustment, and the steps of the paint pipeline.
#include "ui/core/control/CControlUIPaint.h"

#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace SkinUI {

// --- Paint setters ---

void CControlUI::SetBkColor(DWORD dwBackColor) {
  if (m_dwBackColor == dwBackColor) return;
  m_dwBackColor = dwBackColor;
  Invalidate();
}

void CControlUI::SetBkColor2(DWORD dwBackColor) {
  if (m_dwBackColor2 == dwBackColor) return;
  m_dwBackColor2 = dwBackColor;
  Invalidate();
}

void CControlUI::SetBkColor3(DWORD dwBackColor) {
  if (m_dwBackColor3 == dwBackColor) return;
  m_dwBackColor3 = dwBackColor;
  Invalidate();
}

void CControlUI::SetBorderColor(DWORD dwBorderColor) {
  if (m_dwBorderColor == dwBorderColor) return;
  m_dwBorderColor = dwBorderColor;
  Invalidate();
}

void CControlUI::SetFocusBorderColor(DWORD dwBorderColor) {
  if (m_dwFocusBorderColor == dwBorderColor) return;
  m_dwFocusBorderColor = dwBorderColor;
  Invalidate();
}

void CControlUI::SetColorHSL(bool bColorHSL) {
  if (m_bColorHSL == bColorHSL) return;
  m_bColorHSL = bColorHSL;
  Invalidate();
}

void CControlUI::SetBorderSize(int nSize) {
  if (m_nBorderSize == nSize) return;
  m_nBorderSize = nSize;
  Invalidate();
}

void CControlUI::SetBorderSizes(int nLeft, int nTop, int nRight, int nBottom) {
  m_rcBorderSize = RECT{nLeft, nTop, nRight, nBottom};
  Invalidate();
}

void CControlUI::SetLeftBorderSize(int nSize) {
  m_rcBorderSize.left = nSize;
  Invalidate();
}

void CControlUI::SetTopBorderSize(int nSize) {
  m_rcBorderSize.top = nSize;
  Invalidate();
}

void CControlUI::SetRightBorderSize(int nSize) {
  m_rcBorderSize.right = nSize;
  Invalidate();
}

void CControlUI::SetBottomBorderSize(int nSize) {
  m_rcBorderSize.bottom = nSize;
  Invalidate();
}

void CControlUI::SetBorderStyle(int nStyle) {
  m_nBorderStyle = nStyle;
  Invalidate();
}

void CControlUI::SetBorderRound(int cx, int cy) {
  m_cxyBorderRound = SIZE{cx, cy};
  Invalidate();
}

void CControlUI::SetBkImage(LPCTSTR pStrImage) {
  if (m_diBk.GetAttributeString() == (pStrImage != nullptr ? pStrImage : L"")) return;
  m_diBk.SetAttributeString(pStrImage);
  Invalidate();
}

void CControlUI::SetForeImage(LPCTSTR pStrImage) {
  m_diFore.SetAttributeString(pStrImage);
  Invalidate();
}

void CControlUI::SetNormalImage(LPCTSTR pStrImage) {
  m_diNormal.SetAttributeString(pStrImage);
  Invalidate();
}

void CControlUI::SetHotImage(LPCTSTR pStrImage) {
  m_diHot.SetAttributeString(pStrImage);
  Invalidate();
}

void CControlUI::SetPushedImage(LPCTSTR pStrImage) {
  m_diPushed.SetAttributeString(pStrImage);
  Invalidate();
}

void CControlUI::SetFocusedImage(LPCTSTR pStrImage) {
  m_diFocused.SetAttributeString(pStrImage);
  Invalidate();
}

void CControlUI::SetDisabledImage(LPCTSTR pStrImage) {
  m_diDisabled.SetAttributeString(pStrImage);
  Invalidate();
}

// --- Images and colours ---

bool CControlUI::DrawImage(HDC hDC, CImageAttribute& image) {
  if (!image.LoadImage(m_pManager)) return false;
  return CSkinRenderer::DrawImage(hDC, m_pManager, m_rcItem, m_rcPaint, image);
}

bool CControlUI::DrawImageInRect(HDC hDC, CImageAttribute& image, const RECT& rc) {
  if (!image.LoadImage(m_pManager)) return false;
  if (::IsRectEmpty(&rc)) return CSkinRenderer::DrawImage(hDC, m_pManager, m_rcItem, m_rcPaint, image);
  CImageAttribute placed(image);
  placed.SetDest(rc);
  return CSkinRenderer::DrawImage(hDC, m_pManager, m_rcItem, m_rcPaint, placed);
}

bool CControlUI::DrawImageModified(HDC hDC, CImageAttribute& image, LPCTSTR pStrModify) {
  // Loaded first, so that the modified copy shares the picture of the description.
  if (!image.LoadImage(m_pManager)) return false;
  if (pStrModify == nullptr) return CSkinRenderer::DrawImage(hDC, m_pManager, m_rcItem, m_rcPaint, image);
  CImageAttribute modified(image);
  modified.ModifyAttribute(pStrModify);
  return CSkinRenderer::DrawImage(hDC, m_pManager, m_rcItem, m_rcPaint, modified);
}

DWORD CControlUI::AdjustColor(DWORD dwColor) const {
  if (!m_bColorHSL) return dwColor;
  short H = 180;
  short S = 100;
  short L = 100;
  CWindowManagerUI::GetHSL(&H, &S, &L);
  return CSkinRenderer::AdjustColor(dwColor, H, S, L);
}

// --- The pipeline ---

namespace {

bool IsRounded(const SIZE& round) { return round.cx > 0 || round.cy > 0; }

void DrawSteps(CControlUI& control, HDC hDC) {
  control.DrawBackgroundColor(hDC);
  control.DrawBackgroundImage(hDC);
  control.DrawStateImages(hDC);
  control.DrawText(hDC);
  control.DrawBorder(hDC);
}

}  // namespace

void CControlUIPaint::Paint(CControlUI& control, HDC hDC, const RECT& rcPaint) {
  if (!::IntersectRect(&control.m_rcPaint, &rcPaint, &control.m_rcItem)) return;
  if (!IsRounded(control.m_cxyBorderRound)) {
    DrawSteps(control, hDC);
    return;
  }
  CSkinClip roundClip;
  CSkinRenderer::SetRoundClip(hDC, control.m_rcPaint, control.m_rcItem, control.m_cxyBorderRound.cx,
                              control.m_cxyBorderRound.cy, roundClip);
  DrawSteps(control, hDC);
}

void CControlUIPaint::DrawBackgroundColor(CControlUI& control, HDC hDC) {
  if (control.m_dwBackColor == 0) return;
  const DWORD dwFirst = control.AdjustColor(control.m_dwBackColor);
  if (control.m_dwBackColor2 == 0) {
    CSkinRenderer::DrawColor(hDC, dwFirst >= 0xFF000000 ? control.m_rcPaint : control.m_rcItem, dwFirst);
    return;
  }
  const DWORD dwSecond = control.AdjustColor(control.m_dwBackColor2);
  if (control.m_dwBackColor3 == 0) {
    CSkinRenderer::DrawGradient(hDC, control.m_rcItem, dwFirst, dwSecond, true, 16);
    return;
  }
  RECT rc = control.m_rcItem;
  rc.bottom = (rc.top + rc.bottom) / 2;
  CSkinRenderer::DrawGradient(hDC, rc, dwFirst, dwSecond, true, 8);
  rc.top = rc.bottom;
  rc.bottom = control.m_rcItem.bottom;
  CSkinRenderer::DrawGradient(hDC, rc, dwSecond, control.AdjustColor(control.m_dwBackColor3), true, 8);
}

void CControlUIPaint::DrawBackgroundImage(CControlUI& control, HDC hDC) { control.DrawImage(hDC, control.m_diBk); }

void CControlUIPaint::DrawBorder(CControlUI& control, HDC hDC) {
  const DWORD dwBorder = control.m_dwBorderColor;
  const DWORD dwFocus = control.m_dwFocusBorderColor;
  if (dwBorder == 0 && dwFocus == 0) return;
  const RECT& rc = control.m_rcItem;
  const int nSize = control.m_nBorderSize;
  const bool bFocusFrame = control.IsFocused() && dwFocus != 0;

  if (nSize > 0 && IsRounded(control.m_cxyBorderRound)) {
    CSkinRenderer::DrawRoundRect(hDC, rc, nSize, control.m_cxyBorderRound.cx, control.m_cxyBorderRound.cy,
                                 control.AdjustColor(bFocusFrame ? dwFocus : dwBorder));
    return;
  }
  if (bFocusFrame && nSize > 0) {
    CSkinRenderer::DrawRect(hDC, rc, nSize, control.AdjustColor(dwFocus));
    return;
  }
  const RECT& sides = control.m_rcBorderSize;
  if (sides.left > 0 || sides.top > 0 || sides.right > 0 || sides.bottom > 0) {
    const DWORD dwColor = control.AdjustColor(dwBorder);
    const int nStyle = control.m_nBorderStyle;
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
  if (nSize > 0) CSkinRenderer::DrawRect(hDC, rc, nSize, control.AdjustColor(dwBorder));
}

}  // namespace SkinUI
