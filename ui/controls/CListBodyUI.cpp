#include "ui/controls/CListBodyUI.h"

#include <algorithm>

#include "ui/controls/CListHeaderUI.h"
#include "ui/controls/CListUI.h"
#include "ui/controls/ListItemInfo.h"
#include "ui/core/control/CScrollBarUI.h"

namespace SkinUI {

namespace {

bool IsPlaced(const CControlUI* pControl) { return pControl->IsVisible() && !pControl->IsFloat(); }

int ClampWidth(const CControlUI* pControl, int cx) {
  cx = std::max(cx, pControl->GetMinWidth());
  return std::min(cx, pControl->GetMaxWidth());
}

int ClampHeight(const CControlUI* pControl, int cy) {
  cy = std::max(cy, pControl->GetMinHeight());
  return std::min(cy, pControl->GetMaxHeight());
}

// Makes column headers of a hidden header count as visible while they are placed,
// so that the columns keep their widths for the rows.
class HiddenColumnsShown {
 public:
  explicit HiddenColumnsShown(CListHeaderUI* pHeader)
      : m_pHeader(pHeader != nullptr && !pHeader->IsVisible() ? pHeader : nullptr) {
    SetColumnsVisible(true);
  }
  ~HiddenColumnsShown() { SetColumnsVisible(false); }
  HiddenColumnsShown(const HiddenColumnsShown&) = delete;
  HiddenColumnsShown& operator=(const HiddenColumnsShown&) = delete;

 private:
  void SetColumnsVisible(bool bVisible) {
    if (m_pHeader == nullptr) return;
    for (int i = 0; i < m_pHeader->GetCount(); ++i) m_pHeader->GetItemAt(i)->SetParentVisible(bVisible);
  }

  CListHeaderUI* m_pHeader;
};

}  // namespace

CListBodyUI::CListBodyUI(CListUI* pOwner) : m_pOwner(pOwner) {}

CListBodyUI::~CListBodyUI() = default;

int CListBodyUI::NeededWidth(SIZE szAvailable) const {
  CListHeaderUI* pHeader = m_pOwner != nullptr ? m_pOwner->GetHeader() : nullptr;
  if (pHeader != nullptr && pHeader->GetCount() > 0)
    return std::max(0, static_cast<int>(pHeader->MeasureSize(szAvailable).cx));
  int cxNeeded = 0;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pRow = static_cast<CControlUI*>(m_items[i]);
    if (!IsPlaced(pRow)) continue;
    cxNeeded = std::max(cxNeeded, ClampWidth(pRow, pRow->MeasureSize(szAvailable).cx));
  }
  return cxNeeded;
}

int CListBodyUI::PlaceRows(const RECT& rc, SIZE szAvailable, int cxNeeded) {
  int cyTaken = 0;
  int nAdjustables = 0;
  int nPlaced = 0;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pRow = static_cast<CControlUI*>(m_items[i]);
    if (!IsPlaced(pRow)) continue;
    const RECT rcPadding = pRow->GetPadding();
    const int cy = pRow->MeasureSize(szAvailable).cy;
    cyTaken += rcPadding.top + rcPadding.bottom;
    if (cy == 0) {
      ++nAdjustables;
    } else {
      cyTaken += ClampHeight(pRow, cy);
    }
    ++nPlaced;
  }
  cyTaken += (nPlaced - 1) * m_iChildPadding;
  const int cyLeft = std::max(0, szAvailable.cy - cyTaken);
  const int cyShare = nAdjustables > 0 ? cyLeft / nAdjustables : 0;

  int x = rc.left;
  int y = rc.top;
  if (IsBarShown(m_pHorizontalScrollBar)) x -= m_pHorizontalScrollBar->GetScrollPos();
  if (IsBarShown(m_pVerticalScrollBar)) y -= m_pVerticalScrollBar->GetScrollPos();
  int cyNeeded = 0;
  int iAdjustable = 0;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pRow = static_cast<CControlUI*>(m_items[i]);
    if (!pRow->IsVisible()) continue;
    if (pRow->IsFloat()) {
      SetFloatPos(i);
      continue;
    }
    const RECT rcPadding = pRow->GetPadding();
    int cy = pRow->MeasureSize(szAvailable).cy;
    if (cy == 0) {
      ++iAdjustable;
      cy = iAdjustable == nAdjustables ? cyLeft - cyShare * (nAdjustables - 1) : cyShare;
    }
    cy = ClampHeight(pRow, cy);
    const int cx =
        ClampWidth(pRow, std::max(cxNeeded, static_cast<int>(szAvailable.cx - rcPadding.left - rcPadding.right)));
    const int left = x + rcPadding.left;
    const int top = y + rcPadding.top;
    pRow->SetPos(RECT{left, top, left + cx, top + cy});
    y += rcPadding.top + cy + rcPadding.bottom + m_iChildPadding;
    cyNeeded += rcPadding.top + cy + rcPadding.bottom;
  }
  return cyNeeded + std::max(0, nPlaced - 1) * m_iChildPadding;
}

bool CListBodyUI::FitHorizontalBar(int cxNeeded, int cxAvailable) {
  if (m_pHorizontalScrollBar == nullptr) return false;
  if (cxNeeded > cxAvailable) {
    m_pHorizontalScrollBar->SetScrollRange(cxNeeded - cxAvailable);
    if (m_pHorizontalScrollBar->IsVisible()) return false;
    m_pHorizontalScrollBar->SetVisible(true);
    m_pHorizontalScrollBar->SetScrollPos(0);
    return true;
  }
  if (!m_pHorizontalScrollBar->IsVisible()) return false;
  m_pHorizontalScrollBar->SetVisible(false);
  m_pHorizontalScrollBar->SetScrollRange(0);
  m_pHorizontalScrollBar->SetScrollPos(0);
  return true;
}

void CListBodyUI::SetPos(RECT rc) {
  CControlUI::SetPos(rc);
  RECT rcInner = GetInnerRect();
  const SIZE szAvailable = {rcInner.right - rcInner.left, rcInner.bottom - rcInner.top};
  const int cxNeeded = NeededWidth(szAvailable);

  // A bar that comes or goes changes the room of the rows: place them again.
  if (FitHorizontalBar(cxNeeded, szAvailable.cx)) {
    SetPos(m_rcItem);
    return;
  }

  CListHeaderUI* pHeader = m_pOwner != nullptr ? m_pOwner->GetHeader() : nullptr;
  if (pHeader != nullptr && IsBarShown(m_pHorizontalScrollBar)) {
    RECT rcHeader = pHeader->GetPos();
    const int cxHeader = rcHeader.right - rcHeader.left;
    rcHeader.left = rcInner.left - m_pHorizontalScrollBar->GetScrollPos();
    rcHeader.right = rcHeader.left + cxHeader;
    HiddenColumnsShown shown(pHeader);
    pHeader->SetPos(rcHeader);
  }

  const int cyNeeded = m_items.IsEmpty() ? 0 : PlaceRows(rcInner, szAvailable, cxNeeded);
  UpdateScrollBars(rcInner, cxNeeded, cyNeeded);
}

void CListBodyUI::HandleEvent(UIEventRecord& event) {
  if (m_pOwner != nullptr) {
    m_pOwner->HandleEvent(event);
    return;
  }
  CVerticalLayoutUI::HandleEvent(event);
}

void CListBodyUI::ShiftColumns(int dx) {
  CListHeaderUI* pHeader = m_pOwner != nullptr ? m_pOwner->GetHeader() : nullptr;
  if (pHeader == nullptr) return;
  ListItemInfo* pInfo = m_pOwner->GetListInfo();
  HiddenColumnsShown shown(pHeader);
  const int nColumns = std::min(pHeader->GetCount(), kListMaxColumns);
  for (int i = 0; i < nColumns; ++i) {
    CControlUI* pColumn = pHeader->GetItemAt(i);
    if (!IsPlaced(pColumn)) continue;
    RECT rcColumn = pColumn->GetPos();
    rcColumn.left -= dx;
    rcColumn.right -= dx;
    pColumn->SetPos(rcColumn);
    pInfo->rcColumn[i] = pColumn->GetPos();
  }
}

void CListBodyUI::SetScrollPos(SIZE szPos) {
  int dx = 0;
  int dy = 0;
  if (IsBarShown(m_pVerticalScrollBar)) {
    const int iLast = m_pVerticalScrollBar->GetScrollPos();
    m_pVerticalScrollBar->SetScrollPos(szPos.cy);
    dy = m_pVerticalScrollBar->GetScrollPos() - iLast;
  }
  if (IsBarShown(m_pHorizontalScrollBar)) {
    const int iLast = m_pHorizontalScrollBar->GetScrollPos();
    m_pHorizontalScrollBar->SetScrollPos(szPos.cx);
    dx = m_pHorizontalScrollBar->GetScrollPos() - iLast;
  }
  if (dx == 0 && dy == 0) return;
  // Columns first: rows moving sideways line their cells up with them.
  if (dx != 0) ShiftColumns(dx);
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pRow = static_cast<CControlUI*>(m_items[i]);
    if (!IsPlaced(pRow)) continue;
    RECT rcRow = pRow->GetPos();
    ::OffsetRect(&rcRow, -dx, -dy);
    pRow->SetPos(rcRow);
  }
  Invalidate();
}

}  // namespace SkinUI
