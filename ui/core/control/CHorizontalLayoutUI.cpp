#include "ui/core/control/CHorizontalLayoutUI.h"

#include <algorithm>
#include <cwchar>

#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIRect.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

// A skin flag is on only when written exactly "true".
bool IsTrue(LPCTSTR pstrValue) { return wcscmp(pstrValue, L"true") == 0; }

const UINT kStateDragging = 0x40;
// The drag track: black at alpha 0xAA over everything painted.
const DWORD kTrackColor = 0xAA000000;

int ClampHeight(const CControlUI* pControl, int cy) {
  if (cy < pControl->GetMinHeight()) cy = pControl->GetMinHeight();
  if (cy > pControl->GetMaxHeight()) cy = pControl->GetMaxHeight();
  return cy;
}

int ClampWidth(const CControlUI* pControl, int cx) {
  if (cx < pControl->GetMinWidth()) cx = pControl->GetMinWidth();
  if (cx > pControl->GetMaxWidth()) cx = pControl->GetMaxWidth();
  return cx;
}

}  // namespace

CHorizontalLayoutUI::CHorizontalLayoutUI()
    : m_iSepWidth(0), m_uButtonState(0), m_ptLastMouse{0, 0}, m_rcNewPos{0, 0, 0, 0}, m_bImmMode(false) {}

CHorizontalLayoutUI::~CHorizontalLayoutUI() = default;

LPCTSTR CHorizontalLayoutUI::GetClassName() const { return L"HorizontalLayoutUI"; }

LPVOID CHorizontalLayoutUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"HorizontalLayout") == 0) {
    return static_cast<CHorizontalLayoutUI*>(this);
  }
  return CContainerUI::GetInterface(pstrName);
}

UINT CHorizontalLayoutUI::GetBehaviorFlags() const {
  if (IsEnabled() && m_iSepWidth != 0) return UIFLAG_SETCURSOR;
  return 0;
}

void CHorizontalLayoutUI::SetSepWidth(int iWidth) { m_iSepWidth = iWidth; }

int CHorizontalLayoutUI::GetSepWidth() const { return m_iSepWidth; }

void CHorizontalLayoutUI::SetSepImmMode(bool bImmediately) {
  if (m_bImmMode == bImmediately) return;
  if (IsDragging() && !m_bImmMode && m_pManager != nullptr) m_pManager->RemovePostPaint(this);
  m_bImmMode = bImmediately;
}

bool CHorizontalLayoutUI::IsSepImmMode() const { return m_bImmMode; }

bool CHorizontalLayoutUI::IsDragging() const { return (m_uButtonState & kStateDragging) != 0; }

RECT CHorizontalLayoutUI::GetSeparatorRect(bool bTracking) const {
  const RECT& rc = (bTracking && IsDragging()) ? m_rcNewPos : m_rcItem;
  if (m_iSepWidth >= 0) return RECT{rc.right - m_iSepWidth, rc.top, rc.right, rc.bottom};
  return RECT{rc.left, rc.top, rc.left - m_iSepWidth, rc.bottom};
}

void CHorizontalLayoutUI::SetPos(RECT rc) {
  CControlUI::SetPos(rc);
  rc = m_rcItem;
  rc.left += m_rcInset.left;
  rc.top += m_rcInset.top;
  rc.right -= m_rcInset.right;
  rc.bottom -= m_rcInset.bottom;

  // Unlike the vertical layout, an empty one hands on its rectangle with the room of
  // the bars still in it.
  if (m_items.IsEmpty()) {
    UpdateScrollBars(rc, 0, 0);
    return;
  }

  const bool bHorizontal = IsBarShown(m_pHorizontalScrollBar);
  if (IsBarShown(m_pVerticalScrollBar)) rc.right -= m_pVerticalScrollBar->GetFixedWidth();
  if (bHorizontal) rc.bottom -= m_pHorizontalScrollBar->GetFixedHeight();

  SIZE szAvailable = {rc.right - rc.left, rc.bottom - rc.top};
  if (bHorizontal) szAvailable.cx += m_pHorizontalScrollBar->GetScrollRange();

  int nAdjustables = 0;
  int cxFixed = 0;
  int nEstimateNum = 0;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    if (!pControl->IsVisible() || pControl->IsFloat()) continue;
    SIZE sz = pControl->MeasureSize(szAvailable);
    if (sz.cx == 0) {
      ++nAdjustables;
    } else {
      sz.cx = ClampWidth(pControl, sz.cx);
    }
    const RECT rcPadding = pControl->GetPadding();
    cxFixed += sz.cx + rcPadding.left + rcPadding.right;
    ++nEstimateNum;
  }
  cxFixed += (nEstimateNum - 1) * m_iChildPadding;

  int cxExpand = 0;
  if (nAdjustables > 0) cxExpand = std::max(0, (szAvailable.cx - cxFixed) / nAdjustables);

  SIZE szRemaining = szAvailable;
  int iPosX = rc.left;
  if (bHorizontal) iPosX -= m_pHorizontalScrollBar->GetScrollPos();
  int cxNeeded = 0;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    if (!pControl->IsVisible()) continue;
    if (pControl->IsFloat()) {
      SetFloatPos(i);
      continue;
    }
    const RECT rcPadding = pControl->GetPadding();
    szRemaining.cx -= rcPadding.left;
    SIZE sz = pControl->MeasureSize(szRemaining);
    if (sz.cx == 0) sz.cx = cxExpand;
    sz.cx = ClampWidth(pControl, sz.cx);

    sz.cy = pControl->GetFixedHeight();
    if (sz.cy == 0) sz.cy = rc.bottom - rc.top - rcPadding.top - rcPadding.bottom;
    if (sz.cy < 0) sz.cy = 0;
    sz.cy = ClampHeight(pControl, sz.cy);

    pControl->SetPos(RECT{iPosX + rcPadding.left, rc.top + rcPadding.top, iPosX + rcPadding.left + sz.cx,
                          rc.top + rcPadding.top + sz.cy});

    iPosX += sz.cx + m_iChildPadding + rcPadding.left + rcPadding.right;
    cxNeeded += sz.cx + rcPadding.left + rcPadding.right;
    szRemaining.cx -= sz.cx + m_iChildPadding + rcPadding.right;
  }
  cxNeeded += (nEstimateNum - 1) * m_iChildPadding;

  if (m_pHorizontalScrollBar != nullptr) {
    const int cxInner = rc.right - rc.left;
    if (cxNeeded > cxInner) {
      if (m_pHorizontalScrollBar->IsVisible()) {
        m_pHorizontalScrollBar->SetScrollRange(cxNeeded - cxInner);
      } else {
        m_pHorizontalScrollBar->SetVisible(true);
        m_pHorizontalScrollBar->SetScrollRange(cxNeeded - cxInner);
        m_pHorizontalScrollBar->SetScrollPos(0);
        rc.bottom -= m_pHorizontalScrollBar->GetFixedHeight();
      }
    } else if (m_pHorizontalScrollBar->IsVisible()) {
      m_pHorizontalScrollBar->SetVisible(false);
      m_pHorizontalScrollBar->SetScrollRange(0);
      m_pHorizontalScrollBar->SetScrollPos(0);
      rc.bottom += m_pHorizontalScrollBar->GetFixedHeight();
    }
  }

  UpdateScrollBars(rc, cxNeeded, 0);
}

bool CHorizontalLayoutUI::TrackMove(POINT ptMouse) {
  const LONG cx = ptMouse.x - m_ptLastMouse.x;
  m_ptLastMouse = ptMouse;
  RECT rc = m_rcNewPos;
  const int cxMin = GetMinWidth();
  const int cxMax = GetMaxWidth();
  const int cxOld = m_rcNewPos.right - m_rcNewPos.left;
  if (m_iSepWidth >= 0) {
    if (cx > 0 && ptMouse.x < m_rcNewPos.right - m_iSepWidth) return false;
    if (cx < 0 && ptMouse.x > m_rcNewPos.right) return false;
    rc.right += cx;
    if (rc.right - rc.left <= cxMin) {
      if (cxOld <= cxMin) return false;
      rc.right = rc.left + cxMin;
    }
    if (rc.right - rc.left >= cxMax) {
      if (cxOld >= cxMax) return false;
      rc.right = rc.left + cxMax;
    }
  } else {
    if (cx > 0 && ptMouse.x < m_rcNewPos.left) return false;
    if (cx < 0 && ptMouse.x > m_rcNewPos.left - m_iSepWidth) return false;
    rc.left += cx;
    if (rc.right - rc.left <= cxMin) {
      if (cxOld <= cxMin) return false;
      rc.left = rc.right - cxMin;
    }
    if (rc.right - rc.left >= cxMax) {
      if (cxOld >= cxMax) return false;
      rc.left = rc.right - cxMax;
    }
  }

  CUIRect rcInvalidate = GetSeparatorRect(true);
  m_rcNewPos = rc;
  m_cxyFixed.cx = m_rcNewPos.right - m_rcNewPos.left;
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

void CHorizontalLayoutUI::HandleEvent(UIEventRecord& event) {
  if (m_iSepWidth != 0) {
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
        ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEWE));
        return;
      }
    }
  }
  CContainerUI::HandleEvent(event);
}

void CHorizontalLayoutUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"sepwidth") == 0) {
    SetSepWidth(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"sepimm") == 0) {
    SetSepImmMode(IsTrue(pstrValue));
  } else {
    CContainerUI::SetAttribute(pstrName, pstrValue);
  }
}

void CHorizontalLayoutUI::PaintOverlay(HDC hDC, const RECT& /*rcPaint*/) {
  if (!IsDragging() || m_bImmMode) return;
  CSkinRenderer::DrawColor(hDC, GetSeparatorRect(true), kTrackColor);
}

}  // namespace SkinUI
