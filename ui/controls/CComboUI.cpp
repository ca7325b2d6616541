#include "ui/controls/CComboUI.h"

#include <cwchar>

#include "ui/controls/CComboWnd.h"
#include "ui/controls/IListItemUI.h"
#include "ui/controls/UIButtonState.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

const wchar_t kListItem[] = L"ListItem";

bool IsMouseEvent(int type) { return type >= UIEVENT_MOUSEMOVE && type <= UIEVENT_SCROLLWHEEL; }

bool Contains(LPCTSTR pstrText, LPCTSTR pstrPart) { return wcsstr(pstrText, pstrPart) != nullptr; }

IListItemUI* AsRow(CControlUI* pControl) {
  if (pControl == nullptr) return nullptr;
  return static_cast<IListItemUI*>(pControl->GetInterface(kListItem));
}

// The program's dark-teal look of every combo's rows.
ListItemInfo ComboLook() {
  ListItemInfo info;
  info.nFont = 1;
  info.uTextStyle = DT_VCENTER;
  info.dwTextColor = 0xFF59CCDA;
  info.dwBkColor = 0;
  info.dwSelectedTextColor = 0x59CCFFFF;
  info.dwSelectedBkColor = 0x007D9AA9;
  info.dwHotTextColor = 0x59CCFFFF;
  info.dwHotBkColor = 0x007D9AA9;
  info.dwDisabledTextColor = 0xFFCCCCCC;
  info.dwDisabledBkColor = 0xFFFFFFFF;
  info.dwLineColor = 0;
  return info;
}

}  // namespace

CComboUI::CComboUI()
    : m_pWindow(nullptr),
      m_iCurSel(-1),
      m_rcTextPadding{0, 0, 0, 0},
      m_szDropBox{0, 10},
      m_uButtonState(0),
      m_ListInfo(ComboLook()) {}

CComboUI::~CComboUI() {
  // The drop-down holds the rows under its own manager: it gives them back before
  // the container deletes them.
  if (m_pWindow == nullptr) return;
  CComboWnd* pWindow = m_pWindow;
  m_pWindow = nullptr;
  pWindow->OwnerGone();
}

LPCTSTR CComboUI::GetClassName() const { return L"ComboUI"; }

LPVOID CComboUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr) {
    if (wcscmp(pstrName, L"Combo") == 0) return static_cast<CComboUI*>(this);
    if (wcscmp(pstrName, L"IListOwner") == 0) return static_cast<IListOwnerUI*>(this);
  }
  return CContainerUI::GetInterface(pstrName);
}

UINT CComboUI::GetBehaviorFlags() const { return UIFLAG_TABSTOP; }

bool CComboUI::Activate() {
  if (!CControlUI::Activate()) return false;
  // A second drop-down would take the rows from the first, which would then give
  // them back while the second still shows them.
  if (m_pWindow != nullptr) return false;
  CComboWnd* pWindow = new CComboWnd;
  m_pWindow = pWindow;
  if (!pWindow->Init(this)) return false;
  if (m_pManager != nullptr) m_pManager->SendNotify(this, L"dropdown");
  Invalidate();
  return true;
}

void CComboUI::OnDropDownClosed() {
  m_pWindow = nullptr;
  m_uButtonState &= ~UISTATE_PUSHED;
  Invalidate();
}

CUIString CComboUI::GetText() const {
  CControlUI* pControl = GetItemAt(m_iCurSel);
  if (pControl == nullptr) return CUIString();
  return pControl->GetText();
}

void CComboUI::SetPos(RECT rc) {
  // The rows take no room and no input in the combo's own window.
  const RECT rcNull = {0, 0, 0, 0};
  for (int i = 0; i < GetCount(); ++i) GetItemAt(i)->SetPos(rcNull);
  CControlUI::SetPos(rc);
}

void CComboUI::SetEnabled(bool bEnable) {
  CContainerUI::SetEnabled(bEnable);
  if (!IsEnabled()) m_uButtonState = 0;
}

SIZE CComboUI::MeasureSize(SIZE) {
  if (m_cxyFixed.cy != 0) return m_cxyFixed;
  const int cyFont = m_pManager != nullptr ? m_pManager->GetDefaultFontInfo()->tm.tmHeight : 0;
  return SIZE{m_cxyFixed.cx, cyFont + 12};
}

void CComboUI::Paint(HDC hDC, const RECT& rcPaint) { CControlUI::Paint(hDC, rcPaint); }

// --- Rows ---

bool CComboUI::Add(CControlUI* pControl) {
  if (pControl == nullptr) return false;
  pControl->SetFixedHeight(kRowHeight);
  if (IListItemUI* pRow = AsRow(pControl)) {
    pRow->SetOwner(this);
    pRow->SetIndex(GetCount());
  }
  return CContainerUI::Add(pControl);
}

bool CComboUI::AddAt(CControlUI* pControl, int iIndex) {
  if (!CContainerUI::AddAt(pControl, iIndex)) return false;
  if (IListItemUI* pRow = AsRow(pControl)) {
    pRow->SetOwner(this);
    pRow->SetIndex(iIndex);
  }
  RenumberRows(iIndex + 1);
  if (m_iCurSel >= iIndex) ++m_iCurSel;
  return true;
}

void CComboUI::RenumberRows(int iFirst) {
  for (int i = iFirst < 0 ? 0 : iFirst; i < GetCount(); ++i) {
    if (IListItemUI* pRow = AsRow(GetItemAt(i))) pRow->SetIndex(i);
  }
}

bool CComboUI::SetItemIndex(CControlUI* pControl, int iIndex) {
  const int iOld = GetItemIndex(pControl);
  if (iOld < 0) return false;
  if (iOld == iIndex) return true;
  IListItemUI* pSelected = AsRow(GetItemAt(m_iCurSel));
  if (!CContainerUI::SetItemIndex(pControl, iIndex)) return false;
  RenumberRows(iOld < iIndex ? iOld : iIndex);
  if (pSelected != nullptr) m_iCurSel = pSelected->GetIndex();
  return true;
}

bool CComboUI::RemoveRowAt(int iIndex) {
  CControlUI* pControl = GetItemAt(iIndex);
  if (pControl == nullptr || !CContainerUI::Remove(pControl)) return false;
  RenumberRows(iIndex);
  if (iIndex == m_iCurSel && m_iCurSel >= 0) {
    const int iSel = m_iCurSel;
    m_iCurSel = -1;
    SelectItem(FindSelectable(iSel, false), false);
  } else if (iIndex < m_iCurSel) {
    --m_iCurSel;
  }
  return true;
}

bool CComboUI::Remove(CControlUI* pControl) { return RemoveRowAt(GetItemIndex(pControl)); }

bool CComboUI::RemoveAt(int iIndex) { return RemoveRowAt(iIndex); }

void CComboUI::RemoveAll() {
  m_iCurSel = -1;
  CContainerUI::RemoveAll();
}

// --- Selection ---

ListItemInfo* CComboUI::GetListInfo() { return &m_ListInfo; }

int CComboUI::GetCurSel() const { return m_iCurSel; }

bool CComboUI::SelectItem(int iIndex, bool bTakeFocus) {
  if (iIndex == m_iCurSel) return true;
  const int iOld = m_iCurSel;
  if (iOld >= 0) {
    IListItemUI* pOld = AsRow(GetItemAt(iOld));
    if (pOld == nullptr) return false;
    pOld->Select(false);
    m_iCurSel = -1;
  }
  if (iIndex < 0 || GetCount() == 0) return false;
  if (iIndex >= GetCount()) iIndex = GetCount() - 1;
  CControlUI* pControl = GetItemAt(iIndex);
  IListItemUI* pRow = AsRow(pControl);
  if (pRow == nullptr || !pControl->IsVisible() || !pControl->IsEnabled()) return false;
  m_iCurSel = iIndex;
  if (m_pWindow != nullptr || bTakeFocus) pControl->SetFocus();
  pRow->Select(true);
  if (m_pManager != nullptr) {
    m_pManager->SendNotify(this, L"itemselect", static_cast<WPARAM>(m_iCurSel), static_cast<LPARAM>(iOld));
  }
  Invalidate();
  return true;
}

void CComboUI::SelectForKey(int iIndex) { SelectItem(iIndex, false); }

// --- Input ---

void CComboUI::HandleEvent(UIEventRecord& event) {
  if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
    if (m_pParent != nullptr) {
      m_pParent->HandleEvent(event);
    } else {
      CContainerUI::HandleEvent(event);
    }
    return;
  }
  switch (event.Type) {
    case UIEVENT_SETFOCUS:
    case UIEVENT_KILLFOCUS:
      Invalidate();
      break;
    case UIEVENT_BUTTONDOWN:
      if (!IsEnabled()) return;
      Activate();
      m_uButtonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
      return;
    case UIEVENT_BUTTONUP:
      if ((m_uButtonState & UISTATE_CAPTURED) == 0) return;
      m_uButtonState &= ~UISTATE_CAPTURED;
      Invalidate();
      return;
    case UIEVENT_MOUSEMOVE:
    case UIEVENT_CONTEXTMENU:
    case UIEVENT_SCROLLWHEEL:
      // The wheel never changes a combo's selection: it would change a form's value
      // while the user only scrolls the page.
      return;
    case UIEVENT_KEYDOWN:
      switch (event.chKey) {
        case VK_UP:
        case VK_PRIOR:
          SelectForKey(FindSelectable(m_iCurSel - 1, false));
          return;
        case VK_DOWN:
        case VK_NEXT:
          SelectForKey(FindSelectable(m_iCurSel + 1, true));
          return;
        case VK_HOME:
          SelectForKey(FindSelectable(0, false));
          return;
        case VK_END:
          SelectForKey(FindSelectable(GetCount() - 1, true));
          return;
        case VK_F4:
          Activate();
          return;
        default:
          break;
      }
      break;
    case UIEVENT_MOUSEENTER:
      if (::PtInRect(&m_rcItem, event.ptMouse) && (m_uButtonState & UISTATE_HOT) == 0) {
        m_uButtonState |= UISTATE_HOT;
        Invalidate();
      }
      return;
    case UIEVENT_MOUSELEAVE:
      if ((m_uButtonState & UISTATE_HOT) == 0) return;
      m_uButtonState &= ~UISTATE_HOT;
      Invalidate();
      return;
    default:
      break;
  }
  CControlUI::HandleEvent(event);
}

// --- Face ---

void CComboUI::DrawStateImages(HDC hDC) {
  if (IsFocused()) {
    m_uButtonState |= UISTATE_FOCUSED;
  } else {
    m_uButtonState &= ~UISTATE_FOCUSED;
  }
  if (!IsEnabled()) m_uButtonState |= UISTATE_DISABLED;
  CImageAttribute* pImage = nullptr;
  if ((m_uButtonState & UISTATE_DISABLED) != 0) {
    pImage = &m_diDisabled;
  } else if ((m_uButtonState & UISTATE_PUSHED) != 0) {
    pImage = &m_diPushed;
  } else if ((m_uButtonState & UISTATE_HOT) != 0) {
    pImage = &m_diHot;
  } else if ((m_uButtonState & UISTATE_FOCUSED) != 0) {
    pImage = &m_diFocused;
  }
  if (pImage != nullptr && DrawImage(hDC, *pImage)) return;
  DrawImage(hDC, m_diNormal);
}

void CComboUI::DrawText(HDC hDC) {
  CControlUI* pControl = GetItemAt(m_iCurSel);
  if (pControl == nullptr) return;
  RECT rcText = m_rcItem;
  rcText.left += m_rcTextPadding.left;
  rcText.top += m_rcTextPadding.top;
  rcText.right -= m_rcTextPadding.right;
  rcText.bottom -= m_rcTextPadding.bottom;
  if (IListItemUI* pRow = AsRow(pControl)) {
    pRow->DrawItemText(hDC, rcText);
    return;
  }
  const RECT rcOld = pControl->GetPos();
  pControl->SetPos(rcText);
  pControl->Paint(hDC, rcText);
  pControl->SetPos(rcOld);
}

// --- Settings ---

void CComboUI::SetDropBoxAttributeList(LPCTSTR pstrList) { m_sDropBoxAttributes = pstrList; }

void CComboUI::SetDropBoxSize(SIZE szDropBox) { m_szDropBox = szDropBox; }

void CComboUI::SetTextPadding(RECT rc) {
  if (::EqualRect(&m_rcTextPadding, &rc)) return;
  m_rcTextPadding = rc;
  Invalidate();
}

void CComboUI::SetItemFont(int index) { m_ListInfo.nFont = index; }

void CComboUI::SetItemTextStyle(UINT uStyle) { m_ListInfo.uTextStyle = uStyle; }

void CComboUI::SetItemTextPadding(RECT rc) {
  if (::EqualRect(&m_ListInfo.rcTextPadding, &rc)) return;
  m_ListInfo.rcTextPadding = rc;
  Invalidate();
}

void CComboUI::SetItemTextColor(DWORD dwTextColor) {
  if (m_ListInfo.dwTextColor == dwTextColor) return;
  m_ListInfo.dwTextColor = dwTextColor;
  Invalidate();
}

void CComboUI::SetItemBkColor(DWORD dwBkColor) { m_ListInfo.dwBkColor = dwBkColor; }

void CComboUI::SetItemBkImage(LPCTSTR pStrImage) { m_ListInfo.diBk.SetAttributeString(pStrImage); }

void CComboUI::SetAlternateBk(bool bAlternateBk) { m_ListInfo.bAlternateBk = bAlternateBk; }

void CComboUI::SetSelectedItemTextColor(DWORD dwTextColor) { m_ListInfo.dwSelectedTextColor = dwTextColor; }

void CComboUI::SetSelectedItemBkColor(DWORD dwBkColor) { m_ListInfo.dwSelectedBkColor = dwBkColor; }

void CComboUI::SetSelectedItemImage(LPCTSTR pStrImage) { m_ListInfo.diSelected.SetAttributeString(pStrImage); }

void CComboUI::SetHotItemTextColor(DWORD dwTextColor) { m_ListInfo.dwHotTextColor = dwTextColor; }

void CComboUI::SetHotItemBkColor(DWORD dwBkColor) { m_ListInfo.dwHotBkColor = dwBkColor; }

void CComboUI::SetHotItemImage(LPCTSTR pStrImage) { m_ListInfo.diHot.SetAttributeString(pStrImage); }

void CComboUI::SetDisabledItemTextColor(DWORD dwTextColor) { m_ListInfo.dwDisabledTextColor = dwTextColor; }

void CComboUI::SetDisabledItemBkColor(DWORD dwBkColor) { m_ListInfo.dwDisabledBkColor = dwBkColor; }

void CComboUI::SetDisabledItemImage(LPCTSTR pStrImage) { m_ListInfo.diDisabled.SetAttributeString(pStrImage); }

void CComboUI::SetItemLineColor(DWORD dwLineColor) { m_ListInfo.dwLineColor = dwLineColor; }

void CComboUI::SetItemShowHtml(bool bShowHtml) {
  if (m_ListInfo.bShowHtml == bShowHtml) return;
  m_ListInfo.bShowHtml = bShowHtml;
  Invalidate();
}

void CComboUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  struct ColorAttribute {
    LPCTSTR name;
    void (CComboUI::*setter)(DWORD);
  };
  static const ColorAttribute kColors[] = {
      {L"itemtextcolor", &CComboUI::SetItemTextColor},
      {L"itembkcolor", &CComboUI::SetItemBkColor},
      {L"itemselectedtextcolor", &CComboUI::SetSelectedItemTextColor},
      {L"itemselectedbkcolor", &CComboUI::SetSelectedItemBkColor},
      {L"itemhottextcolor", &CComboUI::SetHotItemTextColor},
      {L"itemhotbkcolor", &CComboUI::SetHotItemBkColor},
      {L"itemdisabledtextcolor", &CComboUI::SetDisabledItemTextColor},
      {L"itemdisabledbkcolor", &CComboUI::SetDisabledItemBkColor},
      {L"itemlinecolor", &CComboUI::SetItemLineColor},
  };
  struct ImageAttribute {
    LPCTSTR name;
    void (CComboUI::*setter)(LPCTSTR);
  };
  static const ImageAttribute kImages[] = {
      {L"itembkimage", &CComboUI::SetItemBkImage},
      {L"itemselectedimage", &CComboUI::SetSelectedItemImage},
      {L"itemhotimage", &CComboUI::SetHotItemImage},
      {L"itemdisabledimage", &CComboUI::SetDisabledItemImage},
  };
  for (const ColorAttribute& attribute : kColors) {
    if (wcscmp(pstrName, attribute.name) != 0) continue;
    (this->*attribute.setter)(CUIValueParser::ReadColor(pstrValue));
    return;
  }
  for (const ImageAttribute& attribute : kImages) {
    if (wcscmp(pstrName, attribute.name) != 0) continue;
    (this->*attribute.setter)(pstrValue);
    return;
  }

  if (wcscmp(pstrName, L"textpadding") == 0) {
    SetTextPadding(CUIValueParser::ReadRect(pstrValue));
  } else if (wcscmp(pstrName, L"dropbox") == 0) {
    SetDropBoxAttributeList(pstrValue);
  } else if (wcscmp(pstrName, L"dropboxsize") == 0) {
    int values[2] = {0, 0};
    CUIValueParser::ReadIntegers(pstrValue, values, 2);
    SetDropBoxSize(SIZE{values[0], values[1]});
  } else if (wcscmp(pstrName, L"itemfont") == 0) {
    SetItemFont(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"itemalign") == 0) {
    UINT uStyle = m_ListInfo.uTextStyle;
    if (Contains(pstrValue, L"left")) uStyle &= ~(DT_CENTER | DT_RIGHT);
    if (Contains(pstrValue, L"center")) uStyle = (uStyle & ~DT_RIGHT) | DT_CENTER;
    if (Contains(pstrValue, L"right")) uStyle = (uStyle & ~DT_CENTER) | DT_RIGHT;
    SetItemTextStyle(uStyle);
  } else if (wcscmp(pstrName, L"itemendellipsis") == 0) {
    const UINT uStyle = m_ListInfo.uTextStyle;
    SetItemTextStyle(CUIValueParser::IsTrue(pstrValue) ? (uStyle | DT_END_ELLIPSIS) : (uStyle & ~DT_END_ELLIPSIS));
  } else if (wcscmp(pstrName, L"itemtextpadding") == 0) {
    SetItemTextPadding(CUIValueParser::ReadRect(pstrValue));
  } else if (wcscmp(pstrName, L"itemaltbk") == 0) {
    SetAlternateBk(CUIValueParser::IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"itemshowhtml") == 0) {
    SetItemShowHtml(CUIValueParser::IsTrue(pstrValue));
  } else {
    CContainerUI::SetAttribute(pstrName, pstrValue);
  }
}

}  // namespace SkinUI
