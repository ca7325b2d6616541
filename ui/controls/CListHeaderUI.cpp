#include "ui/controls/CListHeaderUI.h"

#include <algorithm>
#include <cwchar>

#include "ui/controls/CListHeaderItemUI.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

// Room around the default font's line in a header whose columns measure lower.
const int kMinHeightMargin = 6;

int ClampWidth(const CControlUI* pControl, int cx) {
  cx = std::max(cx, pControl->GetMinWidth());
  return std::min(cx, pControl->GetMaxWidth());
}

int ClampHeight(const CControlUI* pControl, int cy) {
  cy = std::max(cy, pControl->GetMinHeight());
  return std::min(cy, pControl->GetMaxHeight());
}

bool IsPlaced(const CControlUI* pControl) { return pControl->IsVisible() && !pControl->IsFloat(); }

}  // namespace

CListHeaderUI::CListHeaderUI() : m_bScaleHeader(false) {}

CListHeaderUI::~CListHeaderUI() = default;

LPCTSTR CListHeaderUI::GetClassName() const { return L"ListHeaderUI"; }

LPVOID CListHeaderUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"ListHeader") == 0) return static_cast<CListHeaderUI*>(this);
  return CHorizontalLayoutUI::GetInterface(pstrName);
}

bool CListHeaderUI::IsScaleHeader() const { return m_bScaleHeader; }

void CListHeaderUI::SetScaleHeader(bool bScale) {
  if (m_bScaleHeader == bScale) return;
  m_bScaleHeader = bScale;
  RequestLayout();
}

void CListHeaderUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"scaleheader") == 0) {
    SetScaleHeader(CUIValueParser::IsTrue(pstrValue));
  } else {
    CHorizontalLayoutUI::SetAttribute(pstrName, pstrValue);
  }
}

int CListHeaderUI::ScaledWidth() const {
  int cx = m_rcItem.right - m_rcItem.left;
  // The bar's room goes whether or not the bar shows, so that columns keep their
  // widths as rows come and go.
  const CContainerUI* pList =
      m_pParent != nullptr ? static_cast<CContainerUI*>(m_pParent->GetInterface(L"Container")) : nullptr;
  const CScrollBarUI* pBar = pList != nullptr ? pList->GetVerticalScrollBar() : nullptr;
  if (pBar != nullptr) cx -= pBar->GetFixedWidth();
  return cx;
}

int CListHeaderUI::ColumnWidth(CControlUI* pColumn, SIZE szAvailable) const {
  if (!m_bScaleHeader) return pColumn->MeasureSize(szAvailable).cx;
  CListHeaderItemUI* pItem = static_cast<CListHeaderItemUI*>(pColumn->GetInterface(L"ListHeaderItem"));
  if (pItem == nullptr) return pColumn->MeasureSize(szAvailable).cx;
  return ScaledWidth() * pItem->GetScale() / 100;
}

void CListHeaderUI::SetPos(RECT rc) {
  CControlUI::SetPos(rc);
  if (m_items.IsEmpty()) return;
  RECT rcInner = m_rcItem;
  rcInner.left += m_rcInset.left;
  rcInner.top += m_rcInset.top;
  rcInner.right -= m_rcInset.right;
  rcInner.bottom -= m_rcInset.bottom;
  const SIZE szAvailable = {rcInner.right - rcInner.left, rcInner.bottom - rcInner.top};

  // What the columns with a width take, paddings and gaps included.
  int cxTaken = 0;
  int nAdjustables = 0;
  int nPlaced = 0;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pColumn = static_cast<CControlUI*>(m_items[i]);
    if (!IsPlaced(pColumn)) continue;
    const int cx = ColumnWidth(pColumn, szAvailable);
    const RECT rcPadding = pColumn->GetPadding();
    cxTaken += rcPadding.left + rcPadding.right;
    if (cx == 0) {
      ++nAdjustables;
    } else {
      cxTaken += ClampWidth(pColumn, cx);
    }
    ++nPlaced;
  }
  cxTaken += (nPlaced - 1) * m_iChildPadding;
  const int cxLeft = std::max(0, szAvailable.cx - cxTaken);
  const int cxShare = nAdjustables > 0 ? cxLeft / nAdjustables : 0;

  int x = rcInner.left;
  int iAdjustable = 0;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pColumn = static_cast<CControlUI*>(m_items[i]);
    if (!pColumn->IsVisible()) continue;
    if (pColumn->IsFloat()) {
      SetFloatPos(i);
      continue;
    }
    const RECT rcPadding = pColumn->GetPadding();
    int cx = ColumnWidth(pColumn, szAvailable);
    if (cx == 0) {
      ++iAdjustable;
      // The last one takes what the division left over as well.
      cx = iAdjustable == nAdjustables ? cxLeft - cxShare * (nAdjustables - 1) : cxShare;
    }
    cx = ClampWidth(pColumn, cx);
    int cy = pColumn->GetFixedHeight();
    if (cy == 0) cy = szAvailable.cy - rcPadding.top - rcPadding.bottom;
    cy = ClampHeight(pColumn, cy);
    const int left = x + rcPadding.left;
    const int top = rcInner.top + rcPadding.top;
    pColumn->SetPos(RECT{left, top, left + cx, top + cy});
    x += rcPadding.left + cx + rcPadding.right + m_iChildPadding;
  }
}

SIZE CListHeaderUI::MeasureSize(SIZE szAvailable) {
  SIZE sz = {0, m_cxyFixed.cy};
  int cyTallest = 0;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    const SIZE szColumn = static_cast<CControlUI*>(m_items[i])->MeasureSize(szAvailable);
    sz.cx += szColumn.cx;
    cyTallest = std::max(cyTallest, static_cast<int>(szColumn.cy));
  }
  if (sz.cy != 0 || m_pManager == nullptr) return sz;
  sz.cy = std::max(cyTallest, static_cast<int>(m_pManager->GetDefaultFontInfo()->tm.tmHeight) + kMinHeightMargin);
  return sz;
}

}  // namespace SkinUI
