#include "ui/core/control/CVerticalLayoutUI.h"

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

CVerticalLayoutUI::CVerticalLayoutUI()
    : m_iSepHeight(0), m_uButtonState(0), m_ptLastMouse{0, 0}, m_rcNewPos{0, 0, 0, 0}, m_bImmMode(false) {}

CVerticalLayoutUI::~CVerticalLayoutUI() = default;

LPCTSTR CVerticalLayoutUI::GetClassName() const { return L"VerticalLayoutUI"; }

LPVOID CVerticalLayoutUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"VerticalLayout") == 0) return static_cast<CVerticalLayoutUI*>(this);
  return CContainerUI::GetInterface(pstrName);
}

UINT CVerticalLayoutUI::GetBehaviorFlags() const {
  if (IsEnabled() && m_iSepHeight != 0) return UIFLAG_SETCURSOR;
  return 0;
}

void CVerticalLayoutUI::SetSepHeight(int iHeight) { m_iSepHeight = iHeight; }

int CVerticalLayoutUI::GetSepHeight() const { return m_iSepHeight; }

void CVerticalLayoutUI::SetSepImmMode(bool bImmediately) {
  if (m_bImmMode == bImmediately) return;
  if (IsDragging() && !m_bImmMode && m_pManager != nullptr) m_pManager->RemovePostPaint(this);
  m_bImmMode = bImmediately;
}

bool CVerticalLayoutUI::IsSepImmMode() const { return m_bImmMode; }

bool CVerticalLayoutUI::IsDragging() const { return (m_uButtonState & kStateDragging) != 0; }

RECT CVerticalLayoutUI::GetSeparatorRect(bool bTracking) const {
  const RECT& rc = (bTracking && IsDragging()) ? m_rcNewPos : m_rcItem;
  if (m_iSepHeight >= 0) return RECT{rc.left, std::max(rc.top, rc.bottom - m_iSepHeight), rc.right, rc.bottom};
  return RECT{rc.left, rc.top, rc.right, std::min(rc.top - m_iSepHeight, rc.bottom)};
}

void CVerticalLayoutUI::SetPos(RECT rc) {
  CControlUI::SetPos(rc);
  rc = m_rcItem;
  rc.left += m_rcInset.left;
  rc.top += m_rcInset.top;
  rc.right -= m_rcInset.right;
  rc.bottom -= m_rcInset.bottom;
  const bool bVertical = IsBarShown(m_pVerticalScrollBar);
  const bool bHorizontal = IsBarShown(m_pHorizontalScrollBar);
  if (bVertical) rc.right -= m_pVerticalScrollBar->GetFixedWidth();
  if (bHorizontal) rc.bottom -= m_pHorizontalScrollBar->GetFixedHeight();

  if (m_items.IsEmpty()) {
    UpdateScrollBars(rc, 0, 0);
    return;
  }

  SIZE szAvailable = {rc.right - rc.left, rc.bottom - rc.top};
  if (bHorizontal) szAvailable.cx += m_pHorizontalScrollBar->GetScrollRange();

  int nAdjustables = 0;
  int cyFixed = 0;
  int nEstimateNum = 0;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    if (!pControl->IsVisible() || pControl->IsFloat()) continue;
    SIZE sz = pControl->MeasureSize(szAvailable);
    if (sz.cy == 0) {
      ++nAdjustables;
    } else {
      sz.cy = ClampHeight(pControl, sz.cy);
    }
    const RECT rcPadding = pControl->GetPadding();
    cyFixed += sz.cy + rcPadding.top + rcPadding.bottom;
    ++nEstimateNum;
  }
  cyFixed += (nEstimateNum - 1) * m_iChildPadding;

  // What the division leaves over goes to nobody: it stays empty below the last child.
  int cyExpand = 0;
  if (nAdjustables > 0) cyExpand = std::max(0, (szAvailable.cy - cyFixed) / nAdjustables);

  SIZE szRemaining = szAvailable;
  int iPosY = rc.top;
  if (bVertical) iPosY -= m_pVerticalScrollBar->GetScrollPos();
  int iPosX = rc.left;
  if (bHorizontal) iPosX -= m_pHorizontalScrollBar->GetScrollPos();
  int cyNeeded = 0;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    if (!pControl->IsVisible()) continue;
    if (pControl->IsFloat()) {
      SetFloatPos(i);
      continue;
    }
    const RECT rcPadding = pControl->GetPadding();
    szRemaining.cy -= rcPadding.top;
    SIZE sz = pControl->MeasureSize(szRemaining);
    if (sz.cy == 0) sz.cy = cyExpand;
    sz.cy = ClampHeight(pControl, sz.cy);

    sz.cx = pControl->GetFixedWidth();
    if (sz.cx == 0) sz.cx = szAvailable.cx - rcPadding.left - rcPadding.right;
    if (sz.cx < 0) sz.cx = 0;
    sz.cx = ClampWidth(pControl, sz.cx);

    pControl->SetPos(RECT{iPosX + rcPadding.left, iPosY + rcPadding.top, iPosX + rcPadding.left + sz.cx,
                          iPosY + rcPadding.top + sz.cy});

    iPosY += sz.cy + m_iChildPadding + rcPadding.top + rcPadding.bottom;
    cyNeeded += sz.cy + rcPadding.top + rcPadding.bottom;
    szRemaining.cy -= sz.cy + m_iChildPadding + rcPadding.bottom;
  }
  cyNeeded += (nEstimateNum - 1) * m_iChildPadding;

  UpdateScrollBars(rc, 0, cyNeeded);
}

bool CVerticalLayoutUI::TrackMove(POINT ptMouse) {
  const LONG cy = ptMouse.y - m_ptLastMouse.y;
  m_ptLastMouse = ptMouse;
  RECT rc = m_rcNewPos;
  const int cyMin = GetMinHeight();
  const int cyMax = GetMaxHeight();
  const int cyOld = m_rcNewPos.bottom - m_rcNewPos.top;
  if (m_iSepHeight >= 0) {
    if (cy > 0 && ptMouse.y < m_rcNewPos.bottom + m_iSepHeight) return false;
    if (cy < 0 && ptMouse.y > m_rcNewPos.bottom) return false;
    rc.bottom += cy;
    if (rc.bottom - rc.top <= cyMin) {
      if (cyOld <= cyMin) return false;
      rc.bottom = rc.top + cyMin;
    }
    if (rc.bottom - rc.top >= cyMax) {
      if (cyOld >= cyMax) return false;
      rc.bottom = rc.top + cyMax;
    }
  } else {
    if (cy > 0 && ptMouse.y < m_rcNewPos.top) return false;
    if (cy < 0 && ptMouse.y > m_rcNewPos.top + m_iSepHeight) return false;
    rc.top += cy;
    if (rc.bottom - rc.top <= cyMin) {
      if (cyOld <= cyMin) return false;
      rc.top = rc.bottom - cyMin;
    }
    if (rc.bottom - rc.top >= cyMax) {
      if (cyOld >= cyMax) return false;
      rc.top = rc.bottom - cyMax;
    }
  }

  CUIRect rcInvalidate = GetSeparatorRect(true);
  m_rcNewPos = rc;
  m_cxyFixed.cy = m_rcNewPos.bottom - m_rcNewPos.top;
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

void CVerticalLayoutUI::HandleEvent(UIEventRecord& event) {
  if (m_iSepHeight != 0) {
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
        ::SetCursor(::LoadCursorW(nullptr, IDC_SIZENS));
        return;
      }
    }
  }
  CContainerUI::HandleEvent(event);
}

void CVerticalLayoutUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"sepheight") == 0) {
    SetSepHeight(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"sepimm") == 0) {
    SetSepImmMode(IsTrue(pstrValue));
  } else {
    CContainerUI::SetAttribute(pstrName, pstrValue);
  }
}

void CVerticalLayoutUI::PaintOverlay(HDC hDC, const RECT& /*rcPaint*/) {
  if (!IsDragging() || m_bImmMode) return;
  CSkinRenderer::DrawColor(hDC, GetSeparatorRect(true), kTrackColor);
}

}  // namespace SkinUI
