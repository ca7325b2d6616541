#include "ui/core/control/CTileLayoutUI.h"

#include <algorithm>
#include <cwchar>

#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

SIZE ReadSize(LPCTSTR pstrValue) {
  int values[2];
  CUIValueParser::ReadIntegers(pstrValue, values, 2);
  return SIZE{values[0], values[1]};
}

// A row is measured against an unbounded height.
const int kUnboundedHeight = 9999;

SIZE ClampSize(const CControlUI* pControl, SIZE sz) {
  sz.cx = std::min(std::max<int>(sz.cx, pControl->GetMinWidth()), pControl->GetMaxWidth());
  sz.cy = std::min(std::max<int>(sz.cy, pControl->GetMinHeight()), pControl->GetMaxHeight());
  return sz;
}

}  // namespace

CTileLayoutUI::CTileLayoutUI() : m_szItem{0, 0}, m_nColumns(1) {}

CTileLayoutUI::~CTileLayoutUI() = default;

LPCTSTR CTileLayoutUI::GetClassName() const { return L"TileLayoutUI"; }

LPVOID CTileLayoutUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"TileLayout") == 0) return static_cast<CTileLayoutUI*>(this);
  return CContainerUI::GetInterface(pstrName);
}

SIZE CTileLayoutUI::GetItemSize() const { return m_szItem; }

void CTileLayoutUI::SetItemSize(SIZE szItem) {
  if (m_szItem.cx == szItem.cx && m_szItem.cy == szItem.cy) return;
  m_szItem = szItem;
  RequestLayout();
}

int CTileLayoutUI::GetColumns() const { return m_nColumns; }

void CTileLayoutUI::SetColumns(int nCols) {
  if (nCols <= 0) return;
  m_nColumns = nCols;
  RequestLayout();
}

int CTileLayoutUI::MeasureRow(int iFirst, int nPlaced, int cxCell) {
  int cyRow = 0;
  int iColumn = nPlaced;
  for (int i = iFirst; i < m_items.GetSize(); ++i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    if (!pControl->IsVisible() || pControl->IsFloat()) continue;
    const RECT rcPadding = pControl->GetPadding();
    SIZE szAvailable = {cxCell - rcPadding.left - rcPadding.right, kUnboundedHeight};
    // The outer columns give up half the gap, the inner ones all of it.
    if (iColumn == nPlaced || (iColumn + 1) % m_nColumns == 0) {
      szAvailable.cx -= m_iChildPadding / 2;
    } else {
      szAvailable.cx -= m_iChildPadding;
    }
    szAvailable.cx = std::min(std::max<int>(szAvailable.cx, pControl->GetMinWidth()), pControl->GetMaxWidth());
    const SIZE szTile = ClampSize(pControl, pControl->MeasureSize(szAvailable));
    cyRow = std::max<int>(cyRow, szTile.cy + rcPadding.top + rcPadding.bottom);
    if (++iColumn % m_nColumns == 0) break;
  }
  return cyRow;
}

void CTileLayoutUI::SetPos(RECT rc) {
  CControlUI::SetPos(rc);
  rc = m_rcItem;
  rc.left += m_rcInset.left;
  rc.top += m_rcInset.top;
  rc.right -= m_rcInset.right;
  rc.bottom -= m_rcInset.bottom;
  if (m_items.IsEmpty()) {
    UpdateScrollBars(rc, 0, 0);
    return;
  }
  const bool bVertical = IsBarShown(m_pVerticalScrollBar);
  const bool bHorizontal = IsBarShown(m_pHorizontalScrollBar);
  if (bVertical) rc.right -= m_pVerticalScrollBar->GetFixedWidth();
  if (bHorizontal) rc.bottom -= m_pHorizontalScrollBar->GetFixedHeight();

  if (m_szItem.cx > 0) m_nColumns = (rc.right - rc.left) / m_szItem.cx;
  if (m_nColumns == 0) m_nColumns = 1;

  int cxCell = (rc.right - rc.left) / m_nColumns;
  if (bHorizontal) cxCell = (rc.right - rc.left + m_pHorizontalScrollBar->GetScrollRange()) / m_nColumns;

  const int iStartX = rc.left - (bHorizontal ? m_pHorizontalScrollBar->GetScrollPos() : 0);
  POINT ptTile = {iStartX, rc.top - (bVertical ? m_pVerticalScrollBar->GetScrollPos() : 0)};
  int cyRow = 0;
  int nPlaced = 0;
  int cyNeeded = 0;
  const int iHalfPadding = m_iChildPadding / 2;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    if (!pControl->IsVisible()) continue;
    if (pControl->IsFloat()) {
      SetFloatPos(i);
      continue;
    }
    RECT rcTile = {ptTile.x, ptTile.y, ptTile.x + cxCell, ptTile.y};
    if (nPlaced % m_nColumns == 0) cyRow = MeasureRow(i, nPlaced, cxCell);

    const RECT rcPadding = pControl->GetPadding();
    rcTile.left += rcPadding.left + iHalfPadding;
    rcTile.right -= rcPadding.right + iHalfPadding;
    if (nPlaced % m_nColumns == 0) rcTile.left -= iHalfPadding;
    if ((nPlaced + 1) % m_nColumns == 0) rcTile.right += iHalfPadding;
    rcTile.top = ptTile.y + rcPadding.top;
    rcTile.bottom = ptTile.y + cyRow;

    const SIZE szCell = {rcTile.right - rcTile.left, rcTile.bottom - rcTile.top};
    SIZE szTile = pControl->MeasureSize(szCell);
    if (szTile.cx == 0) szTile.cx = szCell.cx;
    if (szTile.cy == 0) szTile.cy = szCell.cy;
    szTile = ClampSize(pControl, szTile);
    const int iLeft = (rcTile.left + rcTile.right - szTile.cx) / 2;
    const int iTop = (rcTile.top + rcTile.bottom - szTile.cy) / 2;
    pControl->SetPos(RECT{iLeft, iTop, iLeft + szTile.cx, iTop + szTile.cy});

    if (++nPlaced % m_nColumns == 0) {
      ptTile.x = iStartX;
      ptTile.y += cyRow + m_iChildPadding;
      cyRow = 0;
    } else {
      ptTile.x += cxCell;
    }
    cyNeeded = rcTile.bottom - rc.top;
    if (bVertical) cyNeeded += m_pVerticalScrollBar->GetScrollPos();
  }

  UpdateScrollBars(rc, 0, cyNeeded);
}

void CTileLayoutUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"itemsize") == 0) {
    SetItemSize(ReadSize(pstrValue));
  } else if (wcscmp(pstrName, L"columns") == 0) {
    SetColumns(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else {
    CContainerUI::SetAttribute(pstrName, pstrValue);
  }
}

}  // namespace SkinUI
