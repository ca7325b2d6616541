#include "ui/controls/CTextUI.h"

#include <cwchar>

#include "ui/controls/CMouseToParent.h"
#include "ui/core/control/UIFindFlags.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

// Measuring rectangles stop here.
const int kUnbounded = 9999;

}  // namespace

CTextUI::CTextUI() : m_nLinks(0), m_rcLinks{}, m_nHoverLink(-1), m_dwShadowColor(0) {
  m_uTextStyle = DT_WORDBREAK;
  m_rcTextPadding.left = 2;
  m_rcTextPadding.right = 2;
}

CTextUI::~CTextUI() = default;

LPCTSTR CTextUI::GetClassName() const { return L"TextUI"; }

LPVOID CTextUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"Text") == 0) return static_cast<CTextUI*>(this);
  return CLabelUI::GetInterface(pstrName);
}

UINT CTextUI::GetBehaviorFlags() const { return IsEnabled() && m_nLinks > 0 ? UINT(UIFLAG_SETCURSOR) : 0u; }

void CTextUI::SetText(LPCTSTR pstrText) {
  if (m_sText == (pstrText != nullptr ? pstrText : L"")) return;
  CControlUI::SetText(pstrText);
  if (m_pParent != nullptr) m_pParent->RequestLayout();
}

void CTextUI::SetShadowColor(DWORD dwColor) { m_dwShadowColor = dwColor; }

DWORD CTextUI::GetShadowColor() const { return m_dwShadowColor; }

int CTextUI::GetLinkCount() const { return m_nLinks; }

CUIString CTextUI::GetLinkContent(int iIndex) const {
  if (iIndex < 0 || iIndex >= m_nLinks) return CUIString();
  return m_sLinks[iIndex];
}

RECT CTextUI::GetLinkRect(int iIndex) const {
  if (iIndex < 0 || iIndex >= m_nLinks) return RECT{0, 0, 0, 0};
  return m_rcLinks[iIndex];
}

int CTextUI::GetHoverLink() const { return m_nHoverLink; }

int CTextUI::LinkAt(POINT pt) const {
  for (int i = 0; i < m_nLinks; ++i) {
    if (::PtInRect(&m_rcLinks[i], pt)) return i;
  }
  return -1;
}

void CTextUI::HandleEvent(UIEventRecord& event) {
  if (CMouseToParent::Pass<CLabelUI>(*this, event)) return;
  switch (event.Type) {
    case UIEVENT_SETCURSOR:
      if (LinkAt(event.ptMouse) < 0) break;
      ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
      return;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
      if (!IsEnabled() || LinkAt(event.ptMouse) < 0) break;
      Invalidate();
      return;
    case UIEVENT_BUTTONUP: {
      if (!IsEnabled()) break;
      const int iLink = LinkAt(event.ptMouse);
      if (iLink < 0) break;
      // The window may rebuild this text in its handler: nothing of it is used after.
      if (m_pManager != nullptr) m_pManager->SendNotify(this, L"link", static_cast<WPARAM>(iLink));
      return;
    }
    case UIEVENT_CONTEXTMENU:
      return;
    case UIEVENT_MOUSEMOVE: {
      if (!IsEnabled() || m_nLinks == 0) break;
      const int iHover = LinkAt(event.ptMouse);
      if (iHover == m_nHoverLink) break;
      m_nHoverLink = iHover;
      Invalidate();
      return;
    }
    case UIEVENT_MOUSELEAVE:
      if (!IsEnabled() || m_nLinks == 0 || m_nHoverLink == -1) break;
      m_nHoverLink = -1;
      Invalidate();
      return;
    default:
      break;
  }
  CLabelUI::HandleEvent(event);
}

void CTextUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"shadowcolor") == 0) {
    SetShadowColor(CUIValueParser::ReadColor(pstrValue));
    return;
  }
  CLabelUI::SetAttribute(pstrName, pstrValue);
}

SIZE CTextUI::MeasureSize(SIZE szAvailable) {
  // Only an automatic width uses the measured text; the height stays the skin's.
  if (m_bAutoCalcWidth && m_pManager != nullptr) {
    RECT rcText = {0, 0, kUnbounded, kUnbounded};
    rcText.left += m_rcTextPadding.left;
    rcText.right -= m_rcTextPadding.right;
    const UINT uStyle = m_uTextStyle | DT_CALCRECT;
    HDC hDC = m_pManager->GetPaintDC();
    if (m_bShowHtml) {
      int nLinks = 0;
      CSkinRenderer::DrawMarkupText(hDC, m_pManager, rcText, m_sText, m_dwTextColor, nullptr, nullptr, nLinks, uStyle);
    } else {
      CSkinRenderer::DrawPlainText(hDC, m_pManager, rcText, m_sText, m_dwTextColor, m_iFont, uStyle);
    }
    m_cxyFixed.cx = rcText.right - rcText.left + m_rcTextPadding.left + m_rcTextPadding.right;
  }
  return CControlUI::MeasureSize(szAvailable);
}

void CTextUI::DrawText(HDC hDC) {
  if (m_sText.IsEmpty()) {
    m_nLinks = 0;
    return;
  }
  if (m_pManager == nullptr) return;
  TakeDefaultColors();
  RECT rc = GetTextRect();
  const DWORD dwColor = GetStateTextColor();
  if (m_bShowHtml) {
    m_nLinks = MAX_LINK;
    CSkinRenderer::DrawMarkupText(hDC, m_pManager, rc, m_sText, dwColor, m_rcLinks, m_sLinks, m_nLinks, m_uTextStyle);
    return;
  }
  // Plain text has no links; those of an earlier markup text would take clicks.
  m_nLinks = 0;
  if (m_dwShadowColor != 0) {
    RECT rcShadow = rc;
    ::OffsetRect(&rcShadow, 1, 1);
    CSkinRenderer::DrawPlainText(hDC, m_pManager, rcShadow, m_sText, m_dwShadowColor, m_iFont, m_uTextStyle);
  }
  CSkinRenderer::DrawPlainText(hDC, m_pManager, rc, m_sText, dwColor, m_iFont, m_uTextStyle);
}

}  // namespace SkinUI
