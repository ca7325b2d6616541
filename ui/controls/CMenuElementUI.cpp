#include "ui/controls/CMenuElementUI.h"

#include <algorithm>
#include <cwchar>

#include "ui/controls/CMenuUI.h"
#include "ui/controls/CMenuWnd.h"
#include "ui/controls/IListOwnerUI.h"
#include "ui/controls/ListItemInfo.h"
#include "ui/controls/MenuClickedItemName.h"
#include "ui/controls/ObserverImpl.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

// The icon sits centred in a column this wide, this far from the item's left edge.
const int kIconColumn = 26;
const int kIconLeft = 10;
// The expand arrow sits centred in the last this many pixels of the item.
const int kArrowColumn = 20;
// Room a measured text leaves beside it.
const int kTextSlack = 20;

}  // namespace

CMenuElementUI::CMenuElementUI()
    : m_pSubMenu(nullptr),
      m_bLineType(false),
      m_dwLineColor(0xFFBCBFC4),
      m_rcLinePadding{29, 0, 7, 0},
      m_szIconSize{16, 16},
      m_bCheckItem(false),
      m_bShowExplandIcon(false) {
  m_cxyFixed.cx = kDefaultWidth;
  m_cxyFixed.cy = kDefaultHeight;
}

CMenuElementUI::~CMenuElementUI() {
  if (m_pSubMenu == nullptr) return;
  CMenuWnd* pSubMenu = m_pSubMenu;
  m_pSubMenu = nullptr;
  pSubMenu->OwnerGone();
}

LPCTSTR CMenuElementUI::GetClassName() const { return L"MenuElementUI"; }

LPVOID CMenuElementUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && _wcsicmp(pstrName, L"MenuElement") == 0) return static_cast<CMenuElementUI*>(this);
  return CListContainerElementUI::GetInterface(pstrName);
}

bool CMenuElementUI::HasSubItems() const {
  for (int i = 0; i < GetCount(); ++i) {
    if (CMenuUI::IsMenuItem(GetItemAt(i))) return true;
  }
  return false;
}

HWND CMenuElementUI::MenuWindow() const { return m_pManager != nullptr ? m_pManager->GetPaintWindow() : nullptr; }

// --- Input ---

void CMenuElementUI::HandleEvent(UIEventRecord& event) {
  switch (event.Type) {
    case UIEVENT_MOUSEENTER:
      CListContainerElementUI::HandleEvent(event);
      Enter();
      return;
    case UIEVENT_BUTTONUP:
      if (!IsEnabled()) break;
      CListContainerElementUI::HandleEvent(event);
      if (m_pSubMenu != nullptr) return;
      if (HasSubItems()) {
        OpenSubMenu();
        return;
      }
      Click();
      return;
    case UIEVENT_KEYDOWN:
      if (event.chKey != VK_RIGHT) break;
      Enter();
      return;
    default:
      break;
  }
  CListContainerElementUI::HandleEvent(event);
}

void CMenuElementUI::Enter() {
  if (m_pSubMenu != nullptr) return;
  IListOwnerUI* pOwner = GetOwner();
  if (HasSubItems()) {
    if (pOwner != nullptr) pOwner->SelectItem(GetIndex(), true);
    OpenSubMenu();
    return;
  }
  // A sibling's sub-menu closes when the pointer moves on to a leaf.
  GetMenuObserver().Broadcast(kMenuCloseBelow, MenuWindow());
  if (pOwner != nullptr) pOwner->SelectItem(GetIndex(), true);
}

void CMenuElementUI::Click() {
  SetChecked(!GetChecked());
  ObserverImpl& observer = GetMenuObserver();
  // The opener hears of the click before any menu window closes: the posts keep
  // their order.
  if (CWindowManagerUI* pOpener = observer.GetManager()) {
    SetMenuClickedItemName(GetName());
    ::PostMessageW(pOpener->GetPaintWindow(), CMenuWnd::WM_MENUCLICK, 0, GetChecked() ? 1 : 0);
  }
  observer.Broadcast(kMenuCloseAll, MenuWindow());
}

void CMenuElementUI::OpenSubMenu() {
  if (m_pSubMenu != nullptr) return;
  bool bAny = false;
  for (int i = 0; i < GetCount(); ++i) {
    CControlUI* pChild = GetItemAt(i);
    if (!CMenuUI::IsMenuItem(pChild)) continue;
    pChild->SetVisible(true);
    pChild->SetParentVisible(true);
    bAny = true;
  }
  if (!bAny) return;
  m_pSubMenu = new CMenuWnd;
  GetMenuObserver().Broadcast(kMenuCloseBelow, MenuWindow());
  m_pSubMenu->Init(this, L"", POINT{0, 0}, nullptr, nullptr, CMenuWnd::ALIGN_DEFAULT);
}

// --- Layout ---

void CMenuElementUI::SetPos(RECT rc) {
  if (m_pSubMenu == nullptr) {
    CListContainerElementUI::SetPos(rc);
    return;
  }
  // The sub-items show in the sub-menu meanwhile: only the item's own cells follow it.
  const RECT rcOld = m_rcItem;
  CControlUI::SetPos(rc);
  const int dx = rc.left - rcOld.left;
  const int dy = rc.top - rcOld.top;
  if (dx == 0 && dy == 0) return;
  for (int i = 0; i < GetCount(); ++i) {
    CControlUI* pChild = GetItemAt(i);
    if (CMenuUI::IsMenuItem(pChild) || !pChild->IsVisible()) continue;
    RECT rcChild = pChild->GetPos();
    ::OffsetRect(&rcChild, dx, dy);
    pChild->SetPos(rcChild);
  }
}

SIZE CMenuElementUI::MeasureSize(SIZE szAvailable) {
  SIZE sz = {0, 0};
  for (int i = 0; i < GetCount(); ++i) {
    CControlUI* pChild = GetItemAt(i);
    if (!pChild->IsVisible()) continue;
    const SIZE szChild = pChild->MeasureSize(szAvailable);
    sz.cx = std::max(sz.cx, szChild.cx);
    sz.cy += szChild.cy;
  }
  const ListItemInfo* pInfo = m_state.GetInfo();
  if (sz.cy == 0 && pInfo != nullptr && m_pManager != nullptr) {
    const RECT& rcPadding = pInfo->rcTextPadding;
    RECT rcText = {rcPadding.left, 0, std::max(m_cxyFixed.cx, szAvailable.cx) - rcPadding.right, 9999};
    // Measuring no text leaves the rectangle as wide as offered, which would make a
    // separator as wide as the screen.
    if (m_sText.IsEmpty()) rcText.right = rcText.left;
    const UINT uStyle = pInfo->uTextStyle | DT_CALCRECT;
    if (pInfo->bShowHtml) {
      int nLinks = 0;
      CSkinRenderer::DrawMarkupText(m_pManager->GetPaintDC(), m_pManager, rcText, m_sText, 0, nullptr, nullptr, nLinks,
                                    uStyle);
    } else {
      CSkinRenderer::DrawPlainText(m_pManager->GetPaintDC(), m_pManager, rcText, m_sText, 0, pInfo->nFont, uStyle);
    }
    sz.cx = rcText.right - rcText.left + rcPadding.left + rcPadding.right + kTextSlack;
    sz.cy = rcText.bottom - rcText.top + rcPadding.top + rcPadding.bottom;
  }
  if (m_cxyFixed.cy != 0) sz.cy = m_cxyFixed.cy;
  sz.cx = std::max(sz.cx, m_cxyFixed.cx);
  m_cxyFixed = sz;
  return sz;
}

// --- Drawing ---

void CMenuElementUI::Paint(HDC hDC, const RECT& rcPaint) {
  if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
  if (m_bLineType) {
    DrawSeparator(hDC);
    return;
  }
  DrawItemBackground(hDC, m_rcItem);
  DrawItemText(hDC, m_rcItem);
  DrawIcon(hDC);
  DrawExplandIcon(hDC);
  for (int i = 0; i < GetCount(); ++i) {
    CControlUI* pChild = GetItemAt(i);
    if (CMenuUI::IsMenuItem(pChild) || !pChild->IsVisible()) continue;
    pChild->Paint(hDC, rcPaint);
  }
}

void CMenuElementUI::DrawSeparator(HDC hDC) {
  const int y = m_rcItem.top + m_cxyFixed.cy / 2;
  const RECT rcLine = {m_rcItem.left + m_rcLinePadding.left, y, m_rcItem.right - m_rcLinePadding.right, y};
  CSkinRenderer::DrawLine(hDC, rcLine, 1, m_dwLineColor);
}

void CMenuElementUI::DrawItemText(HDC hDC, const RECT& rcItem) {
  m_state.DrawItemText(*this, hDC, rcItem);
}

void CMenuElementUI::DrawIcon(HDC hDC) {
  if (!m_diIcon.IsUsable()) return;
  // A check item shows its icon as the tick.
  if (m_bCheckItem && !GetChecked()) return;
  RECT rc;
  rc.left = (kIconColumn - m_szIconSize.cx) / 2 + kIconLeft;
  rc.right = rc.left + m_szIconSize.cx;
  rc.top = (m_cxyFixed.cy - m_szIconSize.cy) / 2;
  rc.bottom = rc.top + m_szIconSize.cy;
  DrawImageInRect(hDC, m_diIcon, rc);
}

void CMenuElementUI::DrawExplandIcon(HDC hDC) {
  if (!m_bShowExplandIcon) return;
  if (m_diExpland.GetAttributeString().IsEmpty() && m_pManager != nullptr) {
    LPCTSTR pstrArrow = m_pManager->GetDefaultAttributeList(L"ExplandIcon");
    if (pstrArrow != nullptr) m_diExpland.SetAttributeString(pstrArrow);
  }
  if (!m_diExpland.LoadImage(m_pManager)) return;
  const UIImageRecord* pImage = m_diExpland.GetImageInfo();
  if (pImage == nullptr) return;
  RECT rc;
  rc.left = m_cxyFixed.cx + (kArrowColumn - pImage->nWidth) / 2 - kArrowColumn;
  rc.right = rc.left + pImage->nWidth;
  rc.top = (m_cxyFixed.cy - pImage->nHeight) / 2;
  rc.bottom = rc.top + pImage->nHeight;
  DrawImageInRect(hDC, m_diExpland, rc);
}

// --- Check state and settings ---

bool CMenuElementUI::GetChecked() const {
  if (!m_bCheckItem) return false;
  const MenuCheckInfo* pCheckInfo = GetMenuObserver().GetCheckInfo();
  if (pCheckInfo == nullptr) return false;
  auto it = pCheckInfo->find(GetName());
  return it != pCheckInfo->end() && it->second;
}

void CMenuElementUI::SetChecked(bool bCheck) {
  if (!m_bCheckItem) return;
  MenuCheckInfo* pCheckInfo = GetMenuObserver().GetCheckInfo();
  if (pCheckInfo == nullptr) return;
  (*pCheckInfo)[GetName()] = bCheck;
}

void CMenuElementUI::SetCheckItem(bool bCheckItem) { m_bCheckItem = bCheckItem; }

void CMenuElementUI::SetLineType() {
  m_bLineType = true;
  if (m_cxyFixed.cy == 0 || m_cxyFixed.cy == kDefaultHeight) m_cxyFixed.cy = kSeparatorHeight;
  SetMouseChildEnabled(false);
  SetMouseEnabled(false);
  SetEnabled(false);
}

void CMenuElementUI::SetLineColor(DWORD dwColor) { m_dwLineColor = dwColor; }

void CMenuElementUI::SetLinePadding(RECT rc) { m_rcLinePadding = rc; }

void CMenuElementUI::SetIcon(LPCTSTR pstrIcon) { m_diIcon.SetAttributeString(pstrIcon); }

void CMenuElementUI::SetIconSize(SIZE szIcon) { m_szIconSize = szIcon; }

void CMenuElementUI::SetShowExplandIcon(bool bShow) { m_bShowExplandIcon = bShow; }

void CMenuElementUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"icon") == 0) {
    SetIcon(pstrValue);
  } else if (wcscmp(pstrName, L"iconsize") == 0) {
    int values[2] = {0, 0};
    CUIValueParser::ReadIntegers(pstrValue, values, 2);
    SetIconSize(SIZE{values[0], values[1]});
  } else if (wcscmp(pstrName, L"checkitem") == 0) {
    SetCheckItem(CUIValueParser::IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"ischeck") == 0) {
    // The caller's map wins over the skin.
    const MenuCheckInfo* pCheckInfo = GetMenuObserver().GetCheckInfo();
    if (pCheckInfo != nullptr && pCheckInfo->find(GetName()) == pCheckInfo->end()) {
      SetChecked(CUIValueParser::IsTrue(pstrValue));
    }
  } else if (wcscmp(pstrName, L"linetype") == 0) {
    if (CUIValueParser::IsTrue(pstrValue)) SetLineType();
  } else if (wcscmp(pstrName, L"expland") == 0) {
    SetShowExplandIcon(CUIValueParser::IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"linecolor") == 0) {
    SetLineColor(CUIValueParser::ReadColor(pstrValue));
  } else if (wcscmp(pstrName, L"linepadding") == 0) {
    SetLinePadding(CUIValueParser::ReadRect(pstrValue));
  } else if (wcscmp(pstrName, L"height") == 0) {
    SetFixedHeight(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else {
    CListContainerElementUI::SetAttribute(pstrName, pstrValue);
  }
}

}  // namespace SkinUI
