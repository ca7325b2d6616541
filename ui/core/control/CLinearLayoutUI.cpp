#include "ui/core/control/CLinearLayoutUI.h"

#include <algorithm>
#include <cwchar>

#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIRect.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

const UINT kStateDragging = 0x40;
// The drag track: black at alpha 0xAA over everything painted.
const DWORD kTrackColor = 0xAA000000;

// Rectangles, sizes and points read along the stacking axis (Start, End, Along) or
// across it (CrossStart, CrossEnd, Across).
template <bool bVertical>
struct Axis {
  static LONG& Start(RECT& rc) { return bVertical ? rc.top : rc.left; }
  static LONG& End(RECT& rc) { return bVertical ? rc.bottom : rc.right; }
  static LONG Start(const RECT& rc) { return bVertical ? rc.top : rc.left; }
  static LONG End(const RECT& rc) { return bVertical ? rc.bottom : rc.right; }
  static LONG& CrossStart(RECT& rc) { return bVertical ? rc.left : rc.top; }
  static LONG& CrossEnd(RECT& rc) { return bVertical ? rc.right : rc.bottom; }
  static LONG CrossStart(const RECT& rc) { return bVertical ? rc.left : rc.top; }
  static LONG CrossEnd(const RECT& rc) { return bVertical ? rc.right : rc.bottom; }
  static int Extent(const RECT& rc) { return End(rc) - Start(rc); }

  static LONG& Along(SIZE& sz) { return bVertical ? sz.cy : sz.cx; }
  static LONG Along(const SIZE& sz) { return bVertical ? sz.cy : sz.cx; }
  static LONG Across(const SIZE& sz) { return bVertical ? sz.cx : sz.cy; }
  static LONG Along(const POINT& pt) { return bVertical ? pt.y : pt.x; }
  static LONG Across(const POINT& pt) { return bVertical ? pt.x : pt.y; }

  static int MinAlong(const CControlUI* p) { return bVertical ? p->GetMinHeight() : p->GetMinWidth(); }
  static int MaxAlong(const CControlUI* p) { return bVertical ? p->GetMaxHeight() : p->GetMaxWidth(); }
  static int FixedAcross(const CControlUI* p) { return bVertical ? p->GetFixedWidth() : p->GetFixedHeight(); }

  // Raised to the minimum first, so a maximum below the minimum wins.
  static int ClampAlong(const CControlUI* p, int v) {
    if (v < MinAlong(p)) v = MinAlong(p);
    if (v > MaxAlong(p)) v = MaxAlong(p);
    return v;
  }
  static int ClampAcross(const CControlUI* p, int v) {
    const int vMin = bVertical ? p->GetMinWidth() : p->GetMinHeight();
    const int vMax = bVertical ? p->GetMaxWidth() : p->GetMaxHeight();
    if (v < vMin) v = vMin;
    if (v > vMax) v = vMax;
    return v;
  }
};

}  // namespace

template <UILayoutAxis kAxis>
CLinearLayoutUI<kAxis>::CLinearLayoutUI()
    : m_iSepSize(0), m_uButtonState(0), m_ptLastMouse{0, 0}, m_rcNewPos{0, 0, 0, 0}, m_bImmMode(false) {}

template <UILayoutAxis kAxis>
CLinearLayoutUI<kAxis>::~CLinearLayoutUI() = default;

template <UILayoutAxis kAxis>
UINT CLinearLayoutUI<kAxis>::GetBehaviorFlags() const {
  if (IsEnabled() && m_iSepSize != 0) return UIFLAG_SETCURSOR;
  return 0;
}

template <UILayoutAxis kAxis>
void CLinearLayoutUI<kAxis>::SetSepSize(int iSize) {
  m_iSepSize = iSize;
}

template <UILayoutAxis kAxis>
int CLinearLayoutUI<kAxis>::GetSepSize() const {
  return m_iSepSize;
}

template <UILayoutAxis kAxis>
void CLinearLayoutUI<kAxis>::SetSepImmMode(bool bImmediately) {
  if (m_bImmMode == bImmediately) return;
  if (IsDragging() && !m_bImmMode && m_pManager != nullptr) m_pManager->RemovePostPaint(this);
  m_bImmMode = bImmediately;
}

template <UILayoutAxis kAxis>
bool CLinearLayoutUI<kAxis>::IsSepImmMode() const {
  return m_bImmMode;
}

template <UILayoutAxis kAxis>
bool CLinearLayoutUI<kAxis>::IsDragging() const {
  return (m_uButtonState & kStateDragging) != 0;
}

template <UILayoutAxis kAxis>
RECT CLinearLayoutUI<kAxis>::GetSeparatorRect(bool bTracking) const {
  using A = Axis<kVertical>;
  const RECT& rc = (bTracking && IsDragging()) ? m_rcNewPos : m_rcItem;
  RECT rcStrip = rc;
  if (m_iSepSize >= 0) {
    A::Start(rcStrip) = A::End(rc) - m_iSepSize;
    if (kVertical) A::Start(rcStrip) = std::max(A::Start(rc), A::Start(rcStrip));
  } else {
    A::End(rcStrip) = A::Start(rc) - m_iSepSize;
    if (kVertical) A::End(rcStrip) = std::min(A::End(rcStrip), A::End(rc));
  }
  return rcStrip;
}

template <UILayoutAxis kAxis>
void CLinearLayoutUI<kAxis>::SetPos(RECT rc) {
  CControlUI::SetPos(rc);
  rc = m_rcItem;
  rc.left += m_rcInset.left;
  rc.top += m_rcInset.top;
  rc.right -= m_rcInset.right;
  rc.bottom -= m_rcInset.bottom;

  if (!kVertical && m_items.IsEmpty()) {
    UpdateScrollBars(rc, 0, 0);
    return;
  }

  const bool bHorizontalBar = IsBarShown(m_pHorizontalScrollBar);
  if (IsBarShown(m_pVerticalScrollBar)) rc.right -= m_pVerticalScrollBar->GetFixedWidth();
  if (bHorizontalBar) rc.bottom -= m_pHorizontalScrollBar->GetFixedHeight();

  if (m_items.IsEmpty()) {
    UpdateScrollBars(rc, 0, 0);
    return;
  }

  SIZE szAvailable = {rc.right - rc.left, rc.bottom - rc.top};
  if (bHorizontalBar) szAvailable.cx += m_pHorizontalScrollBar->GetScrollRange();

  const int iNeeded = PlaceChildren(rc, szAvailable);
  if (kVertical) {
    UpdateScrollBars(rc, 0, iNeeded);
    return;
  }
  FitHorizontalBar(rc, iNeeded);
  UpdateScrollBars(rc, iNeeded, 0);
}

template <UILayoutAxis kAxis>
typename CLinearLayoutUI<kAxis>::Measured CLinearLayoutUI<kAxis>::MeasureChildren(SIZE szAvailable) const {
  using A = Axis<kVertical>;
  Measured measured = {0, 0, 0};
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    if (!pControl->IsVisible() || pControl->IsFloat()) continue;
    int iExtent = A::Along(pControl->MeasureSize(szAvailable));
    if (iExtent == 0) {
      ++measured.nAdjustables;
    } else {
      iExtent = A::ClampAlong(pControl, iExtent);
    }
    const RECT rcPadding = pControl->GetPadding();
    measured.iFixed += iExtent + A::Start(rcPadding) + A::End(rcPadding);
    ++measured.nMeasured;
  }
  measured.iFixed += (measured.nMeasured - 1) * m_iChildPadding;
  return measured;
}

template <UILayoutAxis kAxis>
int CLinearLayoutUI<kAxis>::PlaceChildren(const RECT& rc, SIZE szAvailable) {
  using A = Axis<kVertical>;
  const Measured measured = MeasureChildren(szAvailable);
  // What the division leaves over goes to nobody: it stays empty after the last child.
  int iShare = 0;
  if (measured.nAdjustables > 0) {
    iShare = std::max(0, (A::Along(szAvailable) - measured.iFixed) / measured.nAdjustables);
  }

  POINT ptOrigin = {rc.left, rc.top};
  if (IsBarShown(m_pHorizontalScrollBar)) ptOrigin.x -= m_pHorizontalScrollBar->GetScrollPos();
  if (kVertical && IsBarShown(m_pVerticalScrollBar)) ptOrigin.y -= m_pVerticalScrollBar->GetScrollPos();
  int iPos = A::Along(ptOrigin);
  const int iCross = A::Across(ptOrigin);

  SIZE szRemaining = szAvailable;
  int iNeeded = 0;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    if (!pControl->IsVisible()) continue;
    if (pControl->IsFloat()) {
      SetFloatPos(i);
      continue;
    }
    const RECT rcPadding = pControl->GetPadding();
    A::Along(szRemaining) -= A::Start(rcPadding);
    int iExtent = A::Along(pControl->MeasureSize(szRemaining));
    if (iExtent == 0) iExtent = iShare;
    iExtent = A::ClampAlong(pControl, iExtent);

    int iCrossExtent = A::FixedAcross(pControl);
    if (iCrossExtent == 0) iCrossExtent = A::Across(szAvailable) - A::CrossStart(rcPadding) - A::CrossEnd(rcPadding);
    if (iCrossExtent < 0) iCrossExtent = 0;
    iCrossExtent = A::ClampAcross(pControl, iCrossExtent);

    RECT rcChild;
    A::Start(rcChild) = iPos + A::Start(rcPadding);
    A::End(rcChild) = A::Start(rcChild) + iExtent;
    A::CrossStart(rcChild) = iCross + A::CrossStart(rcPadding);
    A::CrossEnd(rcChild) = A::CrossStart(rcChild) + iCrossExtent;
    pControl->SetPos(rcChild);

    iPos += iExtent + m_iChildPadding + A::Start(rcPadding) + A::End(rcPadding);
    iNeeded += iExtent + A::Start(rcPadding) + A::End(rcPadding);
    A::Along(szRemaining) -= iExtent + m_iChildPadding + A::End(rcPadding);
  }
  return iNeeded + (measured.nMeasured - 1) * m_iChildPadding;
}

template <UILayoutAxis kAxis>
void CLinearLayoutUI<kAxis>::FitHorizontalBar(RECT& rc, int cxNeeded) {
  if (m_pHorizontalScrollBar == nullptr) return;
  const int cxInner = rc.right - rc.left;
  if (cxNeeded > cxInner) {
    if (m_pHorizontalScrollBar->IsVisible()) {
      m_pHorizontalScrollBar->SetScrollRange(cxNeeded - cxInner);
      return;
    }
    m_pHorizontalScrollBar->SetVisible(true);
    m_pHorizontalScrollBar->SetScrollRange(cxNeeded - cxInner);
    m_pHorizontalScrollBar->SetScrollPos(0);
    rc.bottom -= m_pHorizontalScrollBar->GetFixedHeight();
    return;
  }
  if (!m_pHorizontalScrollBar->IsVisible()) return;
  m_pHorizontalScrollBar->SetVisible(false);
  m_pHorizontalScrollBar->SetScrollRange(0);
  m_pHorizontalScrollBar->SetScrollPos(0);
  rc.bottom += m_pHorizontalScrollBar->GetFixedHeight();
}

template <UILayoutAxis kAxis>
bool CLinearLayoutUI<kAxis>::TrackMove(POINT ptMouse) {
  using A = Axis<kVertical>;
  const LONG iMouse = A::Along(ptMouse);
  const LONG iDelta = iMouse - A::Along(m_ptLastMouse);
  m_ptLastMouse = ptMouse;
  const int iMin = kVertical ? GetMinHeight() : GetMinWidth();
  const int iMax = kVertical ? GetMaxHeight() : GetMaxWidth();
  const int iOld = A::Extent(m_rcNewPos);
  // The vertical layout adds the separator size where the horizontal one subtracts it.
  const int iReach = kVertical ? m_iSepSize : -m_iSepSize;
  RECT rc = m_rcNewPos;
  if (m_iSepSize >= 0) {
    if (iDelta > 0 && iMouse < A::End(m_rcNewPos) + iReach) return false;
    if (iDelta < 0 && iMouse > A::End(m_rcNewPos)) return false;
    A::End(rc) += iDelta;
    if (A::Extent(rc) <= iMin) {
      if (iOld <= iMin) return false;
      A::End(rc) = A::Start(rc) + iMin;
    }
    if (A::Extent(rc) >= iMax) {
      if (iOld >= iMax) return false;
      A::End(rc) = A::Start(rc) + iMax;
    }
  } else {
    if (iDelta > 0 && iMouse < A::Start(m_rcNewPos)) return false;
    if (iDelta < 0 && iMouse > A::Start(m_rcNewPos) + iReach) return false;
    A::Start(rc) += iDelta;
    if (A::Extent(rc) <= iMin) {
      if (iOld <= iMin) return false;
      A::Start(rc) = A::End(rc) - iMin;
    }
    if (A::Extent(rc) >= iMax) {
      if (iOld >= iMax) return false;
      A::Start(rc) = A::End(rc) - iMax;
    }
  }

  CUIRect rcInvalidate = GetSeparatorRect(true);
  m_rcNewPos = rc;
  A::Along(m_cxyFixed) = A::Extent(m_rcNewPos);
  if (m_bImmMode) {
    m_rcItem = m_rcNewPos;
    RequestParentLayout();
    return true;
  }
  rcInvalidate.Join(GetSeparatorRect(true));
  rcInvalidate.Join(GetSeparatorRect(false));
  if (m_pManager != nullptr) m_pManager->Invalidate(rcInvalidate);
  return true;
}

template <UILayoutAxis kAxis>
void CLinearLayoutUI<kAxis>::HandleEvent(UIEventRecord& event) {
  if (m_iSepSize != 0) {
    if (event.Type == UIEVENT_BUTTONDOWN && IsEnabled()) {
      const RECT rcSeparator = GetSeparatorRect(false);
      if (::PtInRect(&rcSeparator, event.ptMouse)) {
        m_uButtonState |= kStateDragging;
        m_ptLastMouse = event.ptMouse;
        m_rcNewPos = m_rcItem;
        if (!m_bImmMode && m_pManager != nullptr) m_pManager->AddPostPaint(this);
        return;
      }
    }
    if (event.Type == UIEVENT_BUTTONUP && IsDragging()) {
      m_uButtonState &= ~kStateDragging;
      m_rcItem = m_rcNewPos;
      if (!m_bImmMode && m_pManager != nullptr) m_pManager->RemovePostPaint(this);
      RequestParentLayout();
      return;
    }
    if (event.Type == UIEVENT_MOUSEMOVE && IsDragging()) {
      TrackMove(event.ptMouse);
      return;
    }
    if (event.Type == UIEVENT_SETCURSOR) {
      const RECT rcSeparator = GetSeparatorRect(false);
      if (IsEnabled() && ::PtInRect(&rcSeparator, event.ptMouse)) {
        ::SetCursor(::LoadCursorW(nullptr, kVertical ? IDC_SIZENS : IDC_SIZEWE));
        return;
      }
    }
  }
  CContainerUI::HandleEvent(event);
}

template <UILayoutAxis kAxis>
void CLinearLayoutUI<kAxis>::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, kVertical ? L"sepheight" : L"sepwidth") == 0) {
    SetSepSize(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"sepimm") == 0) {
    SetSepImmMode(CUIValueParser::IsTrue(pstrValue));
  } else {
    CContainerUI::SetAttribute(pstrName, pstrValue);
  }
}

template <UILayoutAxis kAxis>
void CLinearLayoutUI<kAxis>::PaintOverlay(HDC hDC, const RECT& /*rcPaint*/) {
  if (!IsDragging() || m_bImmMode) return;
  CSkinRenderer::DrawColor(hDC, GetSeparatorRect(true), kTrackColor);
}

template class CLinearLayoutUI<UILayoutAxis::Horizontal>;
template class CLinearLayoutUI<UILayoutAxis::Vertical>;

}  // namespace SkinUI
