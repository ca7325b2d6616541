// The caret of a layered window: UpdateLayeredWindow shows only what the manager
// paints, so the system caret stays invisible and the manager draws a blinking one
// in the off-screen image for the rich edit that owns it.
#include "ui/core/manager/CWindowManagerUI.h"

#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/IRichEditUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace SkinUI {

bool CWindowManagerUI::CreateCaret(HBITMAP hBmp, int nWidth, int nHeight) {
  ::CreateCaret(m_hWndPaint, hBmp, nWidth, nHeight);
  m_rtCaret.right = m_rtCaret.left + nWidth;
  m_rtCaret.bottom = m_rtCaret.top + nHeight;
  return true;
}

bool CWindowManagerUI::SetCaretPos(CControlUI* obj, int x, int y) {
  if (!::SetCaretPos(x, y)) return false;
  m_currentCaretObject = obj;
  const RECT rcOld = m_rtCaret;
  const int nWidth = m_rtCaret.right - m_rtCaret.left;
  const int nHeight = m_rtCaret.bottom - m_rtCaret.top;
  m_rtCaret = RECT{x, y, x + nWidth, y + nHeight};
  Invalidate(rcOld);
  Invalidate(m_rtCaret);
  return true;
}

bool CWindowManagerUI::ShowCaret(bool bShow) {
  if (m_bCaretShowing == bShow) return true;
  m_bCaretShowing = bShow;
  if (bShow) {
    ::SetTimer(m_hWndPaint, CARET_TIMER_ID, ::GetCaretBlinkTime(), nullptr);
    if (!m_bCaretActive) {
      Invalidate(m_rtCaret);
      m_bCaretActive = true;
    }
  } else {
    ::KillTimer(m_hWndPaint, CARET_TIMER_ID);
    if (m_bCaretActive) {
      Invalidate(m_rtCaret);
      m_bCaretActive = false;
    }
  }
  return true;
}

void CWindowManagerUI::DrawCaret(HDC hDC, const RECT& rcPaint) {
  if (m_currentCaretObject != nullptr && (!m_currentCaretObject->IsFocused() || m_hWndPaint != ::GetFocus())) {
    // The owner lost the focus: stop blinking and take the caret off the image.
    ::KillTimer(m_hWndPaint, CARET_TIMER_ID);
    if (m_bCaretActive) {
      Invalidate(m_rtCaret);
      m_bCaretActive = false;
    }
    return;
  }
  if (!m_bCaretActive || !m_bCaretShowing || m_currentCaretObject == nullptr) return;
  RECT rcCaret = {0, 0, 0, 0};
  if (!::IntersectRect(&rcCaret, &rcPaint, &m_rtCaret)) return;
  IRichEditUI* pRichEdit = dynamic_cast<IRichEditUI*>(m_currentCaretObject);
  DWORD dwColor = pRichEdit != nullptr ? pRichEdit->GetTextColor() : 0;
  if (dwColor == 0) dwColor = GetDefaultFontColor();
  CSkinRenderer::DrawColor(hDC, rcCaret, dwColor);
}

}  // namespace SkinUI
