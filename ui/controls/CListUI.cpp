#include "ui/controls/CListUI.h"

#include <algorithm>
#include <cwchar>

#include "ui/controls/CListBodyUI.h"
#include "ui/controls/CListHeaderUI.h"
#include "ui/controls/CListItemAttributes.h"
#include "ui/controls/CMouseToParent.h"
#include "ui/controls/IListItemUI.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

// The low word of a wheel event's wParam.
const WORD kWheelLineUp = 0;
const WORD kWheelLineDown = 1;

bool IsScrollBarAttribute(LPCTSTR pstrName) {
  for (LPCTSTR pstrBar : {L"vscrollbar", L"hscrollbar", L"vscrollbarstyle", L"hscrollbarstyle"}) {
    if (wcscmp(pstrName, pstrBar) == 0) return true;
  }
  return false;
}

IListItemUI* AsListItem(CControlUI* pControl) {
  if (pControl == nullptr) return nullptr;
  return static_cast<IListItemUI*>(pControl->GetInterface(L"ListItem"));
}

}  // namespace

CListUI::CListUI()
    : m_bScrollSelect(false),
      m_iCurSel(-1),
      m_iExpandedItem(-1),
      m_pCallback(nullptr),
      m_pList(new CListBodyUI(this)),
      m_pHeader(new CListHeaderUI) {
  CVerticalLayoutUI::Add(m_pHeader);
  CVerticalLayoutUI::Add(m_pList);
}

CListUI::~CListUI() = default;

LPCTSTR CListUI::GetClassName() const { return L"ListUI"; }

LPVOID CListUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr) {
    if (wcscmp(pstrName, L"List") == 0) return static_cast<CListUI*>(this);
    if (wcscmp(pstrName, L"IList") == 0) return static_cast<IListUI*>(this);
    if (wcscmp(pstrName, L"IListOwner") == 0) return static_cast<IListOwnerUI*>(this);
  }
  return CVerticalLayoutUI::GetInterface(pstrName);
}

UINT CListUI::GetBehaviorFlags() const { return UIFLAG_TABSTOP; }

CListUI::Kind CListUI::KindOf(CControlUI* pControl) {
  if (pControl->GetInterface(L"ListHeader") != nullptr) return Kind::Header;
  if (wcsstr(pControl->GetClassName(), L"ListHeaderItemUI") != nullptr) return Kind::Column;
  return Kind::Row;
}

void CListUI::UpdateColumnCount() {
  m_ListInfo.nColumns = m_pHeader != nullptr ? std::min(m_pHeader->GetCount(), kListMaxColumns) : 0;
}

void CListUI::SetPos(RECT rc) {
  CVerticalLayoutUI::SetPos(rc);
  if (m_pHeader == nullptr) return;
  UpdateColumnCount();

  // A hidden header still places its columns, at no height, so that the rows' cells
  // keep lining up with them.
  const bool bHidden = !m_pHeader->IsVisible();
  if (bHidden) {
    for (int i = 0; i < m_pHeader->GetCount(); ++i) m_pHeader->GetItemAt(i)->SetParentVisible(true);
    m_pHeader->SetPos(RECT{m_rcItem.left, 0, m_rcItem.right, 0});
  }
  // A shown header was placed by the body already, scrolled with the rows; only the
  // hidden one, placed just now, still starts at the list's left edge.
  const int cxScroll = bHidden ? m_pList->GetScrollPos().cx : 0;
  for (int i = 0; i < m_ListInfo.nColumns; ++i) {
    CControlUI* pColumn = m_pHeader->GetItemAt(i);
    if (!pColumn->IsVisible() || pColumn->IsFloat()) continue;
    if (cxScroll > 0) {
      RECT rcColumn = pColumn->GetPos();
      ::OffsetRect(&rcColumn, -cxScroll, 0);
      pColumn->SetPos(rcColumn);
    }
    m_ListInfo.rcColumn[i] = pColumn->GetPos();
  }
  if (bHidden) {
    for (int i = 0; i < m_pHeader->GetCount(); ++i) m_pHeader->GetItemAt(i)->SetParentVisible(false);
  }
  // Once more, so that the rows take the columns just recorded.
  m_pList->SetPos(m_pList->GetPos());
}

// --- Container operations ---

CControlUI* CListUI::GetItemAt(int iIndex) const { return m_pList->GetItemAt(iIndex); }

int CListUI::GetCount() const { return m_pList->GetCount(); }

int CListUI::GetItemIndex(CControlUI* pControl) const {
  if (pControl == nullptr) return -1;
  switch (KindOf(pControl)) {
    case Kind::Header:
      return CVerticalLayoutUI::GetItemIndex(pControl);
    case Kind::Column:
      return m_pHeader != nullptr ? m_pHeader->GetItemIndex(pControl) : -1;
    case Kind::Row:
    default:
      return m_pList->GetItemIndex(pControl);
  }
}

void CListUI::RenumberRows(int iFirst, int iLast) {
  iLast = std::min(iLast, m_pList->GetCount() - 1);
  for (int i = std::max(iFirst, 0); i <= iLast; ++i) {
    IListItemUI* pItem = AsListItem(m_pList->GetItemAt(i));
    if (pItem != nullptr) pItem->SetIndex(i);
  }
}

bool CListUI::SetItemIndex(CControlUI* pControl, int iIndex) {
  if (pControl == nullptr) return false;
  switch (KindOf(pControl)) {
    case Kind::Header:
      return CVerticalLayoutUI::SetItemIndex(pControl, iIndex);
    case Kind::Column:
      return m_pHeader != nullptr && m_pHeader->SetItemIndex(pControl, iIndex);
    case Kind::Row:
    default:
      break;
  }
  const int iOld = m_pList->GetItemIndex(pControl);
  if (iOld < 0) return false;
  if (iOld == iIndex) return true;
  IListItemUI* pSelected = m_iCurSel >= 0 ? AsListItem(m_pList->GetItemAt(m_iCurSel)) : nullptr;
  if (!m_pList->SetItemIndex(pControl, iIndex)) return false;
  RenumberRows(std::min(iOld, iIndex), std::max(iOld, iIndex));
  if (pSelected != nullptr) m_iCurSel = pSelected->GetIndex();
  return true;
}

bool CListUI::Add(CControlUI* pControl) {
  if (pControl == nullptr) return false;
  switch (KindOf(pControl)) {
    case Kind::Header:
      return AddAt(pControl, 0);
    case Kind::Column: {
      if (m_pHeader == nullptr || !m_pHeader->Add(pControl)) return false;
      UpdateColumnCount();
      return true;
    }
    case Kind::Row:
    default:
      break;
  }
  IListItemUI* pItem = AsListItem(pControl);
  if (pItem != nullptr) {
    pItem->SetOwner(this);
    pItem->SetIndex(GetCount());
  }
  return m_pList->Add(pControl);
}

bool CListUI::AddAt(CControlUI* pControl, int iIndex) {
  if (pControl == nullptr) return false;
  switch (KindOf(pControl)) {
    case Kind::Header: {
      // A header already among the list's children would be owned twice.
      if (CVerticalLayoutUI::GetItemIndex(pControl) >= 0) return false;
      CListHeaderUI* pHeader = static_cast<CListHeaderUI*>(pControl->GetInterface(L"ListHeader"));
      if (m_pHeader == nullptr) {
        m_pHeader = pHeader;
      } else if (m_pHeader->GetCount() == 0) {
        // An empty header gives way to the new one.
        CVerticalLayoutUI::Remove(m_pHeader);
        m_pHeader = pHeader;
      }
      UpdateColumnCount();
      return CVerticalLayoutUI::AddAt(pControl, 0);
    }
    case Kind::Column: {
      if (m_pHeader == nullptr || !m_pHeader->AddAt(pControl, iIndex)) return false;
      UpdateColumnCount();
      return true;
    }
    case Kind::Row:
    default:
      break;
  }
  if (!m_pList->AddAt(pControl, iIndex)) return false;
  IListItemUI* pItem = AsListItem(pControl);
  if (pItem != nullptr) {
    pItem->SetOwner(this);
    pItem->SetIndex(iIndex);
  }
  RenumberRows(iIndex + 1, m_pList->GetCount() - 1);
  if (m_iCurSel >= iIndex) m_iCurSel += 1;
  return true;
}

bool CListUI::Remove(CControlUI* pControl) {
  if (pControl == nullptr) return false;
  switch (KindOf(pControl)) {
    case Kind::Header:
      if (!CVerticalLayoutUI::Remove(pControl)) return false;
      // The list no longer has that header; its columns went with it.
      if (pControl == m_pHeader) {
        m_pHeader = nullptr;
        UpdateColumnCount();
      }
      return true;
    case Kind::Column:
      if (m_pHeader == nullptr || !m_pHeader->Remove(pControl)) return false;
      UpdateColumnCount();
      return true;
    case Kind::Row:
    default:
      break;
  }
  const int iIndex = m_pList->GetItemIndex(pControl);
  if (iIndex < 0) return false;
  return RemoveRowAt(iIndex);
}

bool CListUI::RemoveAt(int iIndex) { return RemoveRowAt(iIndex); }

bool CListUI::RemoveRowAt(int iIndex) {
  if (!m_pList->RemoveAt(iIndex)) return false;
  RenumberRows(iIndex, m_pList->GetCount() - 1);
  if (iIndex == m_iCurSel && m_iCurSel >= 0) {
    const int iOld = m_iCurSel;
    m_iCurSel = -1;
    // Last: the "itemselect" handler may rebuild or remove the list.
    SelectItem(FindSelectable(iOld, false), false);
    return true;
  }
  if (iIndex < m_iCurSel) m_iCurSel -= 1;
  return true;
}

void CListUI::RemoveAll() {
  m_iCurSel = -1;
  m_iExpandedItem = -1;
  m_pList->RemoveAll();
}

// --- The body's scrolling and spacing ---

int CListUI::GetChildPadding() const { return m_pList->GetChildPadding(); }

void CListUI::SetChildPadding(int iPadding) { m_pList->SetChildPadding(iPadding); }

bool CListUI::IsDelayedDestroy() const { return m_pList->IsDelayedDestroy(); }

void CListUI::SetDelayedDestroy(bool bDelayed) { m_pList->SetDelayedDestroy(bDelayed); }

int CListUI::FindSelectable(int iIndex, bool bForward) const { return m_pList->FindSelectable(iIndex, bForward); }

void CListUI::SetScrollStepSize(int nSize) { m_pList->SetScrollStepSize(nSize); }

int CListUI::GetScrollStepSize() const { return m_pList->GetScrollStepSize(); }

SIZE CListUI::GetScrollPos() const { return m_pList->GetScrollPos(); }

SIZE CListUI::GetScrollRange() const { return m_pList->GetScrollRange(); }

void CListUI::SetScrollPos(SIZE szPos) { m_pList->SetScrollPos(szPos); }

void CListUI::ScrollLineUp() { m_pList->ScrollLineUp(); }

void CListUI::ScrollLineDown() { m_pList->ScrollLineDown(); }

void CListUI::ScrollPageUp() { m_pList->ScrollPageUp(); }

void CListUI::ScrollPageDown() { m_pList->ScrollPageDown(); }

void CListUI::ScrollToTop() { m_pList->ScrollToTop(); }

void CListUI::ScrollToBottom() { m_pList->ScrollToBottom(); }

void CListUI::ScrollLineLeft() { m_pList->ScrollLineLeft(); }

void CListUI::ScrollLineRight() { m_pList->ScrollLineRight(); }

void CListUI::ScrollPageLeft() { m_pList->ScrollPageLeft(); }

void CListUI::ScrollPageRight() { m_pList->ScrollPageRight(); }

void CListUI::ScrollToLeft() { m_pList->ScrollToLeft(); }

void CListUI::ScrollToRight() { m_pList->ScrollToRight(); }

void CListUI::EnableScrollBar(bool bEnableVertical, bool bEnableHorizontal) {
  m_pList->EnableScrollBar(bEnableVertical, bEnableHorizontal);
}

CScrollBarUI* CListUI::GetVerticalScrollBar() const { return m_pList->GetVerticalScrollBar(); }

CScrollBarUI* CListUI::GetHorizontalScrollBar() const { return m_pList->GetHorizontalScrollBar(); }

// --- Selection, keys and wheel ---

ListItemInfo* CListUI::GetListInfo() { return &m_ListInfo; }

int CListUI::GetCurSel() const { return m_iCurSel; }

bool CListUI::SelectItem(int iIndex, bool bTakeFocus) {
  if (iIndex == m_iCurSel) return true;
  const int iOld = m_iCurSel;
  if (m_iCurSel >= 0) {
    IListItemUI* pOld = AsListItem(GetItemAt(m_iCurSel));
    if (pOld != nullptr) pOld->Select(false);
    m_iCurSel = -1;
  }
  if (iIndex < 0) return false;
  CControlUI* pControl = GetItemAt(iIndex);
  IListItemUI* pItem = AsListItem(pControl);
  if (pItem == nullptr) return false;
  m_iCurSel = iIndex;
  if (!pItem->Select(true)) {
    m_iCurSel = -1;
    return false;
  }
  EnsureVisible(iIndex);
  if (bTakeFocus) pControl->SetFocus();
  if (m_pManager != nullptr) {
    m_pManager->SendNotify(this, L"itemselect", static_cast<WPARAM>(iIndex), static_cast<LPARAM>(iOld));
  }
  return true;
}

void CListUI::EnsureVisible(int iIndex) {
  if (m_iCurSel < 0) return;
  CControlUI* pRow = GetItemAt(iIndex);
  if (pRow == nullptr) return;
  const RECT rcRow = pRow->GetPos();
  RECT rcArea = m_pList->GetPos();
  const RECT rcInset = m_pList->GetInset();
  rcArea.left += rcInset.left;
  rcArea.top += rcInset.top;
  rcArea.right -= rcInset.right;
  rcArea.bottom -= rcInset.bottom;
  const CScrollBarUI* pHorizontal = m_pList->GetHorizontalScrollBar();
  if (pHorizontal != nullptr && pHorizontal->IsVisible()) rcArea.bottom -= pHorizontal->GetFixedHeight();
  if (rcRow.top >= rcArea.top && rcRow.bottom < rcArea.bottom) return;
  int dy = 0;
  if (rcRow.top < rcArea.top) dy = rcRow.top - rcArea.top;
  if (rcRow.bottom > rcArea.bottom) dy = rcRow.bottom - rcArea.bottom;
  Scroll(0, dy);
}

void CListUI::Scroll(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  const SIZE sz = m_pList->GetScrollPos();
  m_pList->SetScrollPos(SIZE{sz.cx + dx, sz.cy + dy});
}

void CListUI::SelectForNavigation(int iIndex) {
  // Nothing selectable that way: the selection stays where it is.
  if (iIndex < 0) return;
  SelectItem(iIndex, true);
}

void CListUI::HandleEvent(UIEventRecord& event) {
  if (CMouseToParent::Pass<CVerticalLayoutUI>(*this, event)) return;
  switch (event.Type) {
    case UIEVENT_SETFOCUS:
      m_bFocused = true;
      return;
    case UIEVENT_KILLFOCUS:
      m_bFocused = false;
      return;
    case UIEVENT_KEYDOWN:
      switch (event.chKey) {
        case VK_RETURN:
          if (m_iCurSel >= 0 && GetItemAt(m_iCurSel) != nullptr) GetItemAt(m_iCurSel)->Activate();
          return;
        case VK_PRIOR:
          ScrollPageUp();
          return;
        case VK_NEXT:
          ScrollPageDown();
          return;
        case VK_END:
          // Backwards: a disabled last row leaves End to the last enabled one.
          SelectForNavigation(FindSelectable(GetCount() - 1, false));
          return;
        case VK_HOME:
          SelectForNavigation(FindSelectable(0, false));
          return;
        case VK_UP:
          SelectForNavigation(FindSelectable(m_iCurSel - 1, false));
          return;
        case VK_DOWN:
          SelectForNavigation(FindSelectable(m_iCurSel + 1, true));
          return;
        default:
          break;
      }
      break;
    case UIEVENT_SCROLLWHEEL:
      switch (LOWORD(event.wParam)) {
        case kWheelLineUp:
          if (m_bScrollSelect) {
            SelectForNavigation(FindSelectable(m_iCurSel - 1, false));
          } else {
            ScrollLineUp();
          }
          return;
        case kWheelLineDown:
          if (m_bScrollSelect) {
            SelectForNavigation(FindSelectable(m_iCurSel + 1, true));
          } else {
            ScrollLineDown();
          }
          return;
        default:
          break;
      }
      break;
    default:
      break;
  }
  CVerticalLayoutUI::HandleEvent(event);
}

// --- Header, callback and expanding ---

CListHeaderUI* CListUI::GetHeader() const { return m_pHeader; }

CContainerUI* CListUI::GetList() const { return m_pList; }

IListTextCallbackUI* CListUI::GetTextCallback() const { return m_pCallback; }

void CListUI::SetTextCallback(IListTextCallbackUI* pCallback) { m_pCallback = pCallback; }

int CListUI::GetExpandedItem() const { return m_iExpandedItem; }

bool CListUI::ExpandItem(int iIndex, bool bExpand) {
  if (m_iExpandedItem >= 0 && !m_ListInfo.bMultiExpandable) {
    IListItemUI* pExpanded = AsListItem(GetItemAt(m_iExpandedItem));
    if (pExpanded != nullptr) pExpanded->Expand(false);
    m_iExpandedItem = -1;
  }
  if (bExpand) {
    CControlUI* pControl = GetItemAt(iIndex);
    if (pControl == nullptr || !pControl->IsVisible()) return false;
    IListItemUI* pItem = AsListItem(pControl);
    if (pItem == nullptr) return false;
    m_iExpandedItem = iIndex;
    if (!pItem->Expand(true)) {
      m_iExpandedItem = -1;
      return false;
    }
  }
  RequestLayout();
  return true;
}

// --- The rows' look ---

bool CListUI::IsScrollSelect() const { return m_bScrollSelect; }

void CListUI::SetScrollSelect(bool bScrollSelect) { m_bScrollSelect = bScrollSelect; }

bool CListUI::IsMultiExpandable() const { return m_ListInfo.bMultiExpandable; }

void CListUI::SetMultiExpanding(bool bMultiExpandable) { m_ListInfo.bMultiExpandable = bMultiExpandable; }

void CListUI::SetItemFont(int index) { m_ListInfo.nFont = index; }

void CListUI::SetItemTextStyle(UINT uStyle) {
  if (m_ListInfo.uTextStyle == uStyle) return;
  m_ListInfo.uTextStyle = uStyle;
  Invalidate();
}

void CListUI::SetItemTextPadding(RECT rc) {
  if (::EqualRect(&m_ListInfo.rcTextPadding, &rc)) return;
  m_ListInfo.rcTextPadding = rc;
  RequestLayout();
}

void CListUI::SetColor(DWORD& field, DWORD dwColor) {
  if (field == dwColor) return;
  field = dwColor;
  Invalidate();
}

void CListUI::SetImage(CImageAttribute& image, LPCTSTR pStrImage) {
  if (image.GetAttributeString() == (pStrImage != nullptr ? pStrImage : L"")) return;
  image.SetAttributeString(pStrImage);
  Invalidate();
}

void CListUI::SetItemTextColor(DWORD dwTextColor) { SetColor(m_ListInfo.dwTextColor, dwTextColor); }

void CListUI::SetItemBkColor(DWORD dwBkColor) { SetColor(m_ListInfo.dwBkColor, dwBkColor); }

void CListUI::SetItemBkImage(LPCTSTR pStrImage) { SetImage(m_ListInfo.diBk, pStrImage); }

void CListUI::SetAlternateBk(bool bAlternateBk) {
  if (m_ListInfo.bAlternateBk == bAlternateBk) return;
  m_ListInfo.bAlternateBk = bAlternateBk;
  Invalidate();
}

void CListUI::SetSelectedItemTextColor(DWORD dwTextColor) { SetColor(m_ListInfo.dwSelectedTextColor, dwTextColor); }

void CListUI::SetSelectedItemBkColor(DWORD dwBkColor) { SetColor(m_ListInfo.dwSelectedBkColor, dwBkColor); }

void CListUI::SetSelectedItemImage(LPCTSTR pStrImage) { SetImage(m_ListInfo.diSelected, pStrImage); }

void CListUI::SetHotItemTextColor(DWORD dwTextColor) { SetColor(m_ListInfo.dwHotTextColor, dwTextColor); }

void CListUI::SetHotItemBkColor(DWORD dwBkColor) { SetColor(m_ListInfo.dwHotBkColor, dwBkColor); }

void CListUI::SetHotItemImage(LPCTSTR pStrImage) { SetImage(m_ListInfo.diHot, pStrImage); }

void CListUI::SetDisabledItemTextColor(DWORD dwTextColor) { SetColor(m_ListInfo.dwDisabledTextColor, dwTextColor); }

void CListUI::SetDisabledItemBkColor(DWORD dwBkColor) { SetColor(m_ListInfo.dwDisabledBkColor, dwBkColor); }

void CListUI::SetDisabledItemImage(LPCTSTR pStrImage) { SetImage(m_ListInfo.diDisabled, pStrImage); }

void CListUI::SetItemLineColor(DWORD dwLineColor) { SetColor(m_ListInfo.dwLineColor, dwLineColor); }

void CListUI::SetItemShowHtml(bool bShowHtml) {
  if (m_ListInfo.bShowHtml == bShowHtml) return;
  m_ListInfo.bShowHtml = bShowHtml;
  RequestLayout();
}

void CListUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (CListItemAttributes<CListUI>::Apply(*this, pstrName, pstrValue)) return;

  if (IsScrollBarAttribute(pstrName)) {
    // The body's bars: the container's own handling would read the list's, which
    // it has none of, and drop one bar while making the other or lose the style.
    m_pList->SetAttribute(pstrName, pstrValue);
  } else if (wcscmp(pstrName, L"header") == 0) {
    if (m_pHeader != nullptr) m_pHeader->SetVisible(wcscmp(pstrValue, L"hidden") != 0);
  } else if (wcscmp(pstrName, L"headerbkimage") == 0) {
    if (m_pHeader != nullptr) m_pHeader->SetBkImage(pstrValue);
  } else if (wcscmp(pstrName, L"scrollselect") == 0) {
    SetScrollSelect(CUIValueParser::IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"multiexpanding") == 0) {
    SetMultiExpanding(CUIValueParser::IsTrue(pstrValue));
  } else {
    CVerticalLayoutUI::SetAttribute(pstrName, pstrValue);
  }
}

}  // namespace SkinUI
