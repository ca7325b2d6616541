#include "ui/controls/CLabelUI.h"

#include <cwchar>

#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

bool IsTrue(LPCTSTR pstrValue) { return wcscmp(pstrValue, L"true") == 0; }

bool Contains(LPCTSTR pstrValue, LPCTSTR pstrWord) { return wcsstr(pstrValue, pstrWord) != nullptr; }

// The words act in a fixed order, whatever order the skin wrote them in. "left" and
// "right" drop the single-line flag that every "valign" word sets: which of the two
// attributes a skin writes last decides whether a button or text wraps.
UINT ApplyAlign(UINT uStyle, LPCTSTR pstrValue) {
  if (Contains(pstrValue, L"left")) uStyle &= ~(DT_CENTER | DT_RIGHT | DT_SINGLELINE);
  if (Contains(pstrValue, L"center")) {
    uStyle &= ~DT_RIGHT;
    uStyle |= DT_CENTER;
  }
  if (Contains(pstrValue, L"right")) {
    uStyle &= ~(DT_CENTER | DT_SINGLELINE);
    uStyle |= DT_RIGHT;
  }
  return uStyle;
}

UINT ApplyVerticalAlign(UINT uStyle, LPCTSTR pstrValue) {
  if (Contains(pstrValue, L"top")) {
    uStyle &= ~(DT_VCENTER | DT_BOTTOM);
    uStyle |= DT_SINGLELINE;
  }
  if (Contains(pstrValue, L"center")) {
    uStyle &= ~DT_BOTTOM;
    uStyle |= DT_VCENTER | DT_SINGLELINE;
  }
  if (Contains(pstrValue, L"bottom")) {
    uStyle &= ~DT_VCENTER;
    uStyle |= DT_BOTTOM | DT_SINGLELINE;
  }
  return uStyle;
}

}  // namespace

CLabelUI::CLabelUI()
    : m_dwTextColor(0),
      m_dwDisabledTextColor(0),
      m_iFont(-1),
      m_uTextStyle(DT_VCENTER),
      m_rcTextPadding{0, 0, 0, 0},
      m_bShowHtml(false),
      m_bAutoCalcWidth(false) {}

CLabelUI::~CLabelUI() = default;

LPCTSTR CLabelUI::GetClassName() const { return L"LabelUI"; }

LPVOID CLabelUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"Label") == 0) return static_cast<CLabelUI*>(this);
  return CControlUI::GetInterface(pstrName);
}

bool CLabelUI::IsAutoCalcWidth() const { return m_bAutoCalcWidth; }

void CLabelUI::SetAutoCalcWidth(bool bAutoCalcWidth) { m_bAutoCalcWidth = bAutoCalcWidth; }

DWORD CLabelUI::GetTextColor() const { return m_dwTextColor; }

void CLabelUI::SetTextColor(DWORD dwTextColor) {
  if (m_dwTextColor == dwTextColor) return;
  m_dwTextColor = dwTextColor;
  Invalidate();
}

DWORD CLabelUI::GetDisabledTextColor() const { return m_dwDisabledTextColor; }

void CLabelUI::SetDisabledTextColor(DWORD dwTextColor) {
  if (m_dwDisabledTextColor == dwTextColor) return;
  m_dwDisabledTextColor = dwTextColor;
  Invalidate();
}

int CLabelUI::GetFont() const { return m_iFont; }

void CLabelUI::SetFont(int index) {
  if (m_iFont == index) return;
  m_iFont = index;
  Invalidate();
}

RECT CLabelUI::GetTextPadding() const { return m_rcTextPadding; }

void CLabelUI::SetTextPadding(RECT rc) {
  if (::EqualRect(&m_rcTextPadding, &rc)) return;
  m_rcTextPadding = rc;
  Invalidate();
}

bool CLabelUI::IsShowHtml() const { return m_bShowHtml; }

void CLabelUI::SetShowHtml(bool bShowHtml) {
  if (m_bShowHtml == bShowHtml) return;
  m_bShowHtml = bShowHtml;
  Invalidate();
}

UINT CLabelUI::GetTextStyle() const { return m_uTextStyle; }

void CLabelUI::HandleEvent(UIEventRecord& event) {
  // The focus flag without the base's repaint: a label looks the same focused.
  if (event.Type == UIEVENT_SETFOCUS) {
    m_bFocused = true;
    return;
  }
  if (event.Type == UIEVENT_KILLFOCUS) {
    m_bFocused = false;
    return;
  }
  CControlUI::HandleEvent(event);
}

void CLabelUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"align") == 0) {
    m_uTextStyle = ApplyAlign(m_uTextStyle, pstrValue);
  } else if (wcscmp(pstrName, L"valign") == 0) {
    m_uTextStyle = ApplyVerticalAlign(m_uTextStyle, pstrValue);
  } else if (wcscmp(pstrName, L"endellipsis") == 0) {
    if (IsTrue(pstrValue)) {
      m_uTextStyle |= DT_END_ELLIPSIS;
    } else {
      m_uTextStyle &= ~DT_END_ELLIPSIS;
    }
  } else if (wcscmp(pstrName, L"font") == 0) {
    SetFont(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"textcolor") == 0) {
    SetTextColor(CUIValueParser::ReadColor(pstrValue));
  } else if (wcscmp(pstrName, L"disabledtextcolor") == 0) {
    SetDisabledTextColor(CUIValueParser::ReadColor(pstrValue));
  } else if (wcscmp(pstrName, L"textpadding") == 0) {
    SetTextPadding(CUIValueParser::ReadRect(pstrValue));
  } else if (wcscmp(pstrName, L"showhtml") == 0) {
    SetShowHtml(IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"autocalcwidth") == 0) {
    SetAutoCalcWidth(IsTrue(pstrValue));
  } else {
    CControlUI::SetAttribute(pstrName, pstrValue);
  }
}

int CLabelUI::GetFontHeight() const {
  if (m_pManager == nullptr) return 0;
  return m_pManager->GetFontInfo(m_iFont)->tm.tmHeight;
}

SIZE CLabelUI::MeasureSize(SIZE szAvailable) {
  // Measured on every layout, so that the width follows the text.
  if (m_bAutoCalcWidth && m_pManager != nullptr) {
    RECT rcText = {0, 0, 0, 0};
    CSkinRenderer::DrawPlainText(m_pManager->GetPaintDC(), m_pManager, rcText, m_sText, m_dwTextColor, m_iFont,
                                 DT_CALCRECT | m_uTextStyle);
    m_cxyFixed.cx = rcText.right - rcText.left + m_rcTextPadding.left + m_rcTextPadding.right;
  }
  if (m_cxyFixed.cy != 0) return CControlUI::MeasureSize(szAvailable);
  return SIZE{m_cxyFixed.cx, GetFontHeight() + 4};
}

void CLabelUI::TakeDefaultColors() {
  if (m_pManager == nullptr) return;
  if (m_dwTextColor == 0) m_dwTextColor = m_pManager->GetDefaultFontColor();
  if (m_dwDisabledTextColor == 0) m_dwDisabledTextColor = m_pManager->GetDefaultDisabledColor();
}

RECT CLabelUI::GetTextRect() const {
  RECT rc = m_rcItem;
  rc.left += m_rcTextPadding.left;
  rc.top += m_rcTextPadding.top;
  rc.right -= m_rcTextPadding.right;
  rc.bottom -= m_rcTextPadding.bottom;
  return rc;
}

DWORD CLabelUI::GetStateTextColor() const { return IsEnabled() ? m_dwTextColor : m_dwDisabledTextColor; }

void CLabelUI::DrawTextWithStyle(HDC hDC, RECT& rc, DWORD dwColor, UINT uStyle) {
  if (m_bShowHtml) {
    int nLinks = 0;
    CSkinRenderer::DrawMarkupText(hDC, m_pManager, rc, m_sText, dwColor, nullptr, nullptr, nLinks, uStyle);
    return;
  }
  CSkinRenderer::DrawPlainText(hDC, m_pManager, rc, m_sText, dwColor, m_iFont, uStyle);
}

void CLabelUI::DrawText(HDC hDC) {
  // Colours and fonts belong to a window: nothing to draw with before there is one.
  if (m_pManager == nullptr) return;
  TakeDefaultColors();
  RECT rc = GetTextRect();
  if (m_sText.IsEmpty()) return;
  DrawTextWithStyle(hDC, rc, GetStateTextColor(), m_uTextStyle | DT_SINGLELINE);
}

}  // namespace SkinUI
