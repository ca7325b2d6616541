#include "ui/controls/CComboDropLayoutUI.h"

#include <algorithm>

#include "ui/core/control/CScrollBarUI.h"

namespace SkinUI {

namespace {

// Below this many rows the plain layout costs too little to be worth avoiding.
const int kStackAbove = 64;
const RECT kParked = {0, 0, 0, 0};

}  // namespace

CComboDropLayoutUI::CComboDropLayoutUI()
    : m_bStacked(false), m_rcRows{0, 0, 0, 0}, m_cyNeeded(0), m_iPlacedFirst(0), m_iPlacedLast(-1) {}

CComboDropLayoutUI::~CComboDropLayoutUI() = default;

int CComboDropLayoutUI::ScrollOffset() const {
  return IsBarShown(m_pVerticalScrollBar) ? m_pVerticalScrollBar->GetScrollPos() : 0;
}

void CComboDropLayoutUI::SetPos(RECT rc) {
  if (rc.right < rc.left) rc.right = rc.left;
  if (rc.bottom < rc.top) rc.bottom = rc.top;
  RECT rcRows = rc;
  rcRows.left += m_rcInset.left;
  rcRows.top += m_rcInset.top;
  rcRows.right -= m_rcInset.right;
  rcRows.bottom -= m_rcInset.bottom;
  if (IsBarShown(m_pVerticalScrollBar)) rcRows.right -= m_pVerticalScrollBar->GetFixedWidth();
  const SIZE szAvailable = {rcRows.right - rcRows.left, rcRows.bottom - rcRows.top};
  if (GetCount() < kStackAbove || IsBarShown(m_pHorizontalScrollBar) || !MeasureRows(szAvailable)) {
    m_bStacked = false;
    m_iPlacedFirst = 0;
    m_iPlacedLast = -1;
    CVerticalLayoutUI::SetPos(rc);
    return;
  }
  CControlUI::SetPos(rc);
  if (!m_bStacked) {
    // Whatever the plain layout placed is parked unless it is near the view.
    m_iPlacedFirst = 0;
    m_iPlacedLast = GetCount() - 1;
  }
  m_bStacked = true;
  m_rcRows = rcRows;
  PlaceRows();
  // May show the bar and lay the rows out again beside it.
  UpdateScrollBars(rcRows, 0, m_cyNeeded);
}

bool CComboDropLayoutUI::MeasureRows(SIZE szAvailable) {
  const int nRows = GetCount();
  m_tops.resize(static_cast<size_t>(nRows));
  m_heights.resize(static_cast<size_t>(nRows));
  int cy = 0;
  bool bFirst = true;
  for (int i = 0; i < nRows; ++i) {
    CControlUI* pRow = GetItemAt(i);
    if (!pRow->IsVisible()) {
      m_tops[i] = cy;
      m_heights[i] = 0;
      continue;
    }
    if (pRow->IsFloat()) return false;
    int cyRow = pRow->MeasureSize(szAvailable).cy;
    if (cyRow == 0) return false;
    cyRow = std::max(cyRow, pRow->GetMinHeight());
    cyRow = std::min(cyRow, pRow->GetMaxHeight());
    if (!bFirst) cy += m_iChildPadding;
    bFirst = false;
    const RECT rcPadding = pRow->GetPadding();
    m_tops[i] = cy + rcPadding.top;
    m_heights[i] = cyRow;
    cy += rcPadding.top + cyRow + rcPadding.bottom;
  }
  m_cyNeeded = cy;
  return true;
}

RECT CComboDropLayoutUI::RowRect(int iIndex) const {
  CControlUI* pRow = GetItemAt(iIndex);
  const RECT rcPadding = pRow->GetPadding();
  int cxRow = pRow->GetFixedWidth();
  if (cxRow == 0) cxRow = m_rcRows.right - m_rcRows.left - rcPadding.left - rcPadding.right;
  cxRow = std::max(cxRow, 0);
  cxRow = std::max(cxRow, pRow->GetMinWidth());
  cxRow = std::min(cxRow, pRow->GetMaxWidth());
  const int top = m_rcRows.top - ScrollOffset() + m_tops[iIndex];
  const int left = m_rcRows.left + rcPadding.left;
  return RECT{left, top, left + cxRow, top + m_heights[iIndex]};
}

void CComboDropLayoutUI::PlaceRows() {
  const int cyView = m_rcRows.bottom - m_rcRows.top;
  const int cyScroll = ScrollOffset();
  // A view's height on either side: a page turn or a wheel notch finds its rows placed.
  const int cyFrom = cyScroll - cyView, cyTo = cyScroll + 2 * cyView;
  const int nRows = static_cast<int>(m_tops.size());
  int iFirst = 0;
  while (iFirst < nRows && m_tops[iFirst] + m_heights[iFirst] <= cyFrom) ++iFirst;
  int iLast = iFirst - 1;
  while (iLast + 1 < nRows && m_tops[iLast + 1] < cyTo) ++iLast;
  Park(m_iPlacedFirst, m_iPlacedLast, iFirst, iLast);
  for (int i = iFirst; i <= iLast; ++i) {
    CControlUI* pRow = GetItemAt(i);
    if (pRow->IsVisible()) pRow->SetPos(RowRect(i));
  }
  m_iPlacedFirst = iFirst;
  m_iPlacedLast = iLast;
}

void CComboDropLayoutUI::Park(int iFirst, int iLast, int iKeepFirst, int iKeepLast) {
  for (int i = iFirst; i <= iLast; ++i) {
    if (i >= iKeepFirst && i <= iKeepLast) continue;
    CControlUI* pRow = GetItemAt(i);
    if (pRow == nullptr || !pRow->IsVisible()) continue;
    const RECT& rcRow = pRow->GetPos();
    if (!::IsRectEmpty(&rcRow)) pRow->SetPos(kParked);
  }
}

void CComboDropLayoutUI::SetScrollPos(SIZE szPos) {
  if (!m_bStacked) {
    CVerticalLayoutUI::SetScrollPos(szPos);
    return;
  }
  if (!IsBarShown(m_pVerticalScrollBar)) return;
  const int iLastScrollPos = m_pVerticalScrollBar->GetScrollPos();
  m_pVerticalScrollBar->SetScrollPos(szPos.cy);
  if (m_pVerticalScrollBar->GetScrollPos() == iLastScrollPos) return;
  PlaceRows();
  Invalidate();
}

RECT CComboDropLayoutUI::GetItemRect(int iIndex) const {
  CControlUI* pRow = GetItemAt(iIndex);
  if (pRow == nullptr) return kParked;
  if (!m_bStacked || iIndex >= static_cast<int>(m_tops.size()) || !pRow->IsVisible()) return pRow->GetPos();
  return RowRect(iIndex);
}

}  // namespace SkinUI
