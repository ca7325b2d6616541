#include "ui/controls/CListHeaderItemUI.h"

#include <cwchar>

#include "ui/controls/CMouseToParent.h"
#include "ui/controls/UIButtonState.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

// A press on the separator holds it, as a pressed button holds the mouse.
const UINT kStateDragging = UISTATE_CAPTURED;

// How far a press inside the column still grabs its separator.
const int kGrabMargin = 4;
// Room above and below the text of a column header without a fixed height.
const int kTextMargin = 14;

bool Contains(LPCTSTR pstrValue, LPCTSTR pstrWord) { return wcsstr(pstrValue, pstrWord) != nullptr; }

}  // namespace

CListHeaderItemUI::CListHeaderItemUI()
    : m_ptLastMouse{0, 0},
      m_bDragable(true),
      m_uButtonState(0),
      m_iSepWidth(4),
      m_dwTextColor(0),
      m_iFont(-1),
      m_uTextStyle(DT_CENTER | DT_VCENTER | DT_SINGLELINE),
      m_bShowHtml(false),
      m_rcTextPadding{2, 0, 2, 0},
      m_nScale(0) {
  m_cxyMin.cx = 16;
}

CListHeaderItemUI::~CListHeaderItemUI() = default;

LPCTSTR CListHeaderItemUI::GetClassName() const { return L"ListHeaderItemUI"; }

LPVOID CListHeaderItemUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"ListHeaderItem") == 0) return static_cast<CListHeaderItemUI*>(this);
  return CContainerUI::GetInterface(pstrName);
}

UINT CListHeaderItemUI::GetBehaviorFlags() const {
  // Set-cursor events only where there is a separator to show the sizing cursor over.
  if (IsEnabled() && m_iSepWidth != 0) return UIFLAG_SETCURSOR;
  return 0;
}

void CListHeaderItemUI::SetEnabled(bool bEnable) {
  CContainerUI::SetEnabled(bEnable);
  if (!IsEnabled()) m_uButtonState = 0;
}

bool CListHeaderItemUI::IsDragable() const { return m_bDragable; }

void CListHeaderItemUI::SetDragable(bool bDragable) {
  m_bDragable = bDragable;
  if (!m_bDragable) m_uButtonState &= ~kStateDragging;
}

int CListHeaderItemUI::GetSepWidth() const { return m_iSepWidth; }

void CListHeaderItemUI::SetSepWidth(int iWidth) { m_iSepWidth = iWidth; }

DWORD CListHeaderItemUI::GetTextColor() const { return m_dwTextColor; }

void CListHeaderItemUI::SetTextColor(DWORD dwTextColor) { m_dwTextColor = dwTextColor; }

int CListHeaderItemUI::GetFont() const { return m_iFont; }

void CListHeaderItemUI::SetFont(int index) { m_iFont = index; }

RECT CListHeaderItemUI::GetTextPadding() const { return m_rcTextPadding; }

void CListHeaderItemUI::SetTextPadding(RECT rc) {
  if (::EqualRect(&m_rcTextPadding, &rc)) return;
  m_rcTextPadding = rc;
  Invalidate();
}

bool CListHeaderItemUI::IsShowHtml() const { return m_bShowHtml; }

void CListHeaderItemUI::SetShowHtml(bool bShowHtml) {
  if (m_bShowHtml == bShowHtml) return;
  m_bShowHtml = bShowHtml;
  Invalidate();
}

void CListHeaderItemUI::SetSepImage(LPCTSTR pStrImage) {
  if (m_diSep.GetAttributeString() == (pStrImage != nullptr ? pStrImage : L"")) return;
  m_diSep.SetAttributeString(pStrImage);
  Invalidate();
}

UINT CListHeaderItemUI::GetTextStyle() const { return m_uTextStyle; }

int CListHeaderItemUI::GetScale() const { return m_nScale; }

void CListHeaderItemUI::SetScale(int nScale) { m_nScale = nScale; }

RECT CListHeaderItemUI::GetThumbRect() const {
  if (m_iSepWidth >= 0) {
    return RECT{m_rcItem.right - m_iSepWidth, m_rcItem.top, m_rcItem.right, m_rcItem.bottom};
  }
  return RECT{m_rcItem.left, m_rcItem.top, m_rcItem.left - m_iSepWidth, m_rcItem.bottom};
}

RECT CListHeaderItemUI::GetGrabRect() const {
  RECT rc = GetThumbRect();
  if (m_iSepWidth >= 0) {
    rc.left -= kGrabMargin;
  } else {
    rc.right += kGrabMargin;
  }
  return rc;
}

bool CListHeaderItemUI::IsDragging() const { return (m_uButtonState & kStateDragging) != 0; }

void CListHeaderItemUI::TrackDrag(POINT ptMouse) {
  // From the width the last step asked for: moves can come faster than layouts.
  const int cxNow = m_cxyFixed.cx != 0 ? m_cxyFixed.cx : m_rcItem.right - m_rcItem.left;
  const int dx = ptMouse.x - m_ptLastMouse.x;
  // The right edge follows the mouse; a left-hand separator moves the left edge.
  const int cx = m_iSepWidth >= 0 ? cxNow + dx : cxNow - dx;
  if (cx <= GetMinWidth()) return;
  m_cxyFixed.cx = cx;
  m_ptLastMouse = ptMouse;
  RelayoutList();
}

void CListHeaderItemUI::RelayoutList() {
  // The header's parent lays out the header, the column rectangles and the rows.
  if (m_pParent != nullptr) m_pParent->RequestParentLayout();
}

void CListHeaderItemUI::HandleEvent(UIEventRecord& event) {
  if (CMouseToParent::Pass<CContainerUI>(*this, event)) return;
  switch (event.Type) {
    case UIEVENT_SETFOCUS:
    case UIEVENT_KILLFOCUS:
      Invalidate();
      break;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK: {
      if (!IsEnabled()) return;
      const RECT rcGrab = GetGrabRect();
      if (::PtInRect(&rcGrab, event.ptMouse)) {
        if (m_bDragable) {
          m_uButtonState |= kStateDragging;
          m_ptLastMouse = event.ptMouse;
        }
        return;
      }
      m_uButtonState |= UISTATE_PUSHED;
      // Repainted before the click is reported: its handler may rebuild the list.
      Invalidate();
      if (m_pManager != nullptr) m_pManager->SendNotify(this, L"headerclick");
      return;
    }
    case UIEVENT_BUTTONUP:
      if (IsDragging()) {
        m_uButtonState &= ~kStateDragging;
        RelayoutList();
      } else if ((m_uButtonState & UISTATE_PUSHED) != 0) {
        m_uButtonState &= ~UISTATE_PUSHED;
        Invalidate();
      }
      return;
    case UIEVENT_MOUSEMOVE:
      if (IsDragging()) TrackDrag(event.ptMouse);
      return;
    case UIEVENT_SETCURSOR: {
      const RECT rcGrab = GetGrabRect();
      if (IsEnabled() && m_bDragable && ::PtInRect(&rcGrab, event.ptMouse)) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEWE));
        return;
      }
      break;
    }
    case UIEVENT_MOUSEENTER:
      if (IsEnabled()) {
        m_uButtonState |= UISTATE_HOT;
        Invalidate();
      }
      return;
    case UIEVENT_MOUSELEAVE:
      if (IsEnabled()) {
        m_uButtonState &= ~UISTATE_HOT;
        Invalidate();
      }
      return;
    default:
      break;
  }
  CContainerUI::HandleEvent(event);
}

void CListHeaderItemUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"dragable") == 0) {
    SetDragable(CUIValueParser::IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"sepwidth") == 0) {
    SetSepWidth(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"align") == 0) {
    if (Contains(pstrValue, L"left")) m_uTextStyle &= ~(DT_CENTER | DT_RIGHT);
    if (Contains(pstrValue, L"center")) m_uTextStyle = (m_uTextStyle & ~DT_RIGHT) | DT_CENTER;
    if (Contains(pstrValue, L"right")) m_uTextStyle = (m_uTextStyle & ~DT_CENTER) | DT_RIGHT;
  } else if (wcscmp(pstrName, L"endellipsis") == 0) {
    if (CUIValueParser::IsTrue(pstrValue)) {
      m_uTextStyle |= DT_END_ELLIPSIS;
    } else {
      m_uTextStyle &= ~DT_END_ELLIPSIS;
    }
  } else if (wcscmp(pstrName, L"font") == 0) {
    SetFont(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"textcolor") == 0) {
    SetTextColor(CUIValueParser::ReadColor(pstrValue));
  } else if (wcscmp(pstrName, L"textpadding") == 0) {
    SetTextPadding(CUIValueParser::ReadRect(pstrValue));
  } else if (wcscmp(pstrName, L"showhtml") == 0) {
    SetShowHtml(CUIValueParser::IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"sepimage") == 0) {
    SetSepImage(pstrValue);
  } else if (wcscmp(pstrName, L"scale") == 0) {
    SetScale(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else {
    CContainerUI::SetAttribute(pstrName, pstrValue);
  }
}

SIZE CListHeaderItemUI::MeasureSize(SIZE szAvailable) {
  if (m_cxyFixed.cy != 0) return CContainerUI::MeasureSize(szAvailable);
  const int cyFont = m_pManager != nullptr ? m_pManager->GetDefaultFontInfo()->tm.tmHeight : 0;
  return SIZE{m_cxyFixed.cx, cyFont + kTextMargin};
}

void CListHeaderItemUI::DrawStateImages(HDC hDC) {
  if (IsFocused()) {
    m_uButtonState |= UISTATE_FOCUSED;
  } else {
    m_uButtonState &= ~UISTATE_FOCUSED;
  }
  CImageAttribute* pImage = &m_diNormal;
  if ((m_uButtonState & UISTATE_PUSHED) != 0) {
    pImage = &m_diPushed;
  } else if ((m_uButtonState & UISTATE_HOT) != 0) {
    pImage = &m_diHot;
  } else if ((m_uButtonState & UISTATE_FOCUSED) != 0) {
    pImage = &m_diFocused;
  }
  DrawImage(hDC, pImage->GetAttributeString().IsEmpty() ? m_diNormal : *pImage);
  if (m_diSep.GetAttributeString().IsEmpty()) return;
  RECT rcThumb = GetThumbRect();
  ::OffsetRect(&rcThumb, -m_rcItem.left, -m_rcItem.top);
  DrawImageInRect(hDC, m_diSep, rcThumb);
}

void CListHeaderItemUI::DrawText(HDC hDC) {
  if (m_pManager == nullptr) return;
  if (m_dwTextColor == 0) m_dwTextColor = m_pManager->GetDefaultFontColor();
  if (m_sText.IsEmpty()) return;
  RECT rcText = m_rcItem;
  rcText.left += m_rcTextPadding.left;
  rcText.top += m_rcTextPadding.top;
  rcText.right -= m_rcTextPadding.right;
  rcText.bottom -= m_rcTextPadding.bottom;
  const UINT uStyle = m_uTextStyle | DT_SINGLELINE;
  if (m_bShowHtml) {
    int nLinks = 0;
    CSkinRenderer::DrawMarkupText(hDC, m_pManager, rcText, m_sText, m_dwTextColor, nullptr, nullptr, nLinks, uStyle);
    return;
  }
  CSkinRenderer::DrawPlainText(hDC, m_pManager, rcText, m_sText, m_dwTextColor, m_iFont, uStyle);
}

}  // namespace SkinUI
