#include "ui/controls/COptionUI.h"

#include <cwchar>

#include "ui/controls/UIButtonState.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinClip.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIPtrArray.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

bool IsTrue(LPCTSTR pstrValue) { return wcscmp(pstrValue, L"true") == 0; }

}  // namespace

COptionUI::COptionUI()
    : m_bSelected(false), m_dwSelectedBkColor(0), m_dwSelectedTextColor(0), m_pGroupManager(nullptr) {}

COptionUI::~COptionUI() { LeaveGroup(); }

LPCTSTR COptionUI::GetClassName() const { return L"OptionUI"; }

LPVOID COptionUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"Option") == 0) return static_cast<COptionUI*>(this);
  return CButtonUI::GetInterface(pstrName);
}

bool COptionUI::Activate() {
  const std::shared_ptr<bool> pAlive = m_pAlive;
  if (!CButtonUI::Activate()) return false;
  if (*pAlive) SetSelected(m_sGroupName.IsEmpty() ? !m_bSelected : true);
  return true;
}

void COptionUI::SetManager(CWindowManagerUI* pManager, CControlUI* pParent, bool bInit) {
  CButtonUI::SetManager(pManager, pParent, bInit);
  if (bInit && !m_sGroupName.IsEmpty() && m_pManager != nullptr) JoinGroup(m_pManager);
}

void COptionUI::SetEnabled(bool bEnable) {
  CControlUI::SetEnabled(bEnable);
  if (!IsEnabled()) m_uButtonState = m_bSelected ? UINT(UISTATE_SELECTED) : 0u;
}

bool COptionUI::IsSelected() const { return m_bSelected; }

CUIString COptionUI::GetGroup() const { return m_sGroupName; }

void COptionUI::JoinGroup(CWindowManagerUI* pManager) {
  // An option lent to another window's manager leaves the group of the first.
  if (m_pGroupManager != nullptr && m_pGroupManager != pManager) LeaveGroup();
  pManager->AddOptionGroup(m_sGroupName, this);
  m_pGroupManager = pManager;
}

void COptionUI::LeaveGroup() {
  if (m_pGroupManager == nullptr) return;
  m_pGroupManager->RemoveOptionGroup(m_sGroupName, this);
  m_pGroupManager = nullptr;
}

void COptionUI::SetGroup(LPCTSTR pstrGroupName) {
  const CUIString sGroupName(pstrGroupName != nullptr ? pstrGroupName : L"");
  if (m_sGroupName == sGroupName) return;
  LeaveGroup();
  m_sGroupName = sGroupName;
  // Joining leaves every member's selection as it is.
  if (!m_sGroupName.IsEmpty() && m_pManager != nullptr) JoinGroup(m_pManager);
}

void COptionUI::SetSelected(bool bSelected) {
  if (m_bSelected == bSelected) return;
  m_bSelected = bSelected;
  if (m_bSelected) {
    m_uButtonState |= UISTATE_SELECTED;
  } else {
    m_uButtonState &= ~UISTATE_SELECTED;
  }
  Invalidate();
  if (m_pManager == nullptr) return;
  if (m_sGroupName.IsEmpty()) {
    NotifyWindow(L"selectchanged");
    return;
  }
  if (!m_bSelected) return;
  // A group the manager does not know holds this option alone. The others are
  // grouped and go unselected, so they send nothing.
  CUIPtrArray* pGroup = m_pManager->GetOptionGroup(m_sGroupName);
  for (int i = 0; pGroup != nullptr && i < pGroup->GetSize(); ++i) {
    COptionUI* pOther = static_cast<COptionUI*>(pGroup->GetAt(i));
    if (pOther != this) pOther->SetSelected(false);
  }
  NotifyWindow(L"selectchanged");
}

void COptionUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"group") == 0) {
    SetGroup(pstrValue);
  } else if (wcscmp(pstrName, L"selected") == 0) {
    SetSelected(IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"selectedimage") == 0) {
    SetSelectedImage(pstrValue);
  } else if (wcscmp(pstrName, L"selectedhotimage") == 0) {
    SetSelectedHotImage(pstrValue);
  } else if (wcscmp(pstrName, L"selectedpushedimage") == 0) {
    SetSelectedPushedImage(pstrValue);
  } else if (wcscmp(pstrName, L"selectedforeimage") == 0) {
    SetSelectedForeImage(pstrValue);
  } else if (wcscmp(pstrName, L"selectedbkcolor") == 0) {
    SetSelectedBkColor(CUIValueParser::ReadColor(pstrValue));
  } else if (wcscmp(pstrName, L"selectedtextcolor") == 0) {
    SetSelectedTextColor(CUIValueParser::ReadColor(pstrValue));
  } else {
    CButtonUI::SetAttribute(pstrName, pstrValue);
  }
}

void COptionUI::SetSelectedImage(LPCTSTR pStrImage) {
  if (ReplaceImage(m_diSelected, pStrImage)) Invalidate();
}

void COptionUI::SetSelectedHotImage(LPCTSTR pStrImage) {
  if (ReplaceImage(m_diSelectedHot, pStrImage)) Invalidate();
}

void COptionUI::SetSelectedPushedImage(LPCTSTR pStrImage) {
  if (ReplaceImage(m_diSelectedPushed, pStrImage)) Invalidate();
}

void COptionUI::SetSelectedForeImage(LPCTSTR pStrImage) {
  if (ReplaceImage(m_diSelectedFore, pStrImage)) Invalidate();
}

void COptionUI::SetSelectedBkColor(DWORD dwColor) { m_dwSelectedBkColor = dwColor; }

DWORD COptionUI::GetSelectedBkColor() const { return m_dwSelectedBkColor; }

void COptionUI::SetSelectedTextColor(DWORD dwColor) { m_dwSelectedTextColor = dwColor; }

DWORD COptionUI::GetSelectedTextColor() const { return m_dwSelectedTextColor; }

void COptionUI::ClipPaintArea(HDC hDC, int, const RECT& rc) {
  ::IntersectRect(&m_rcPaint, &rc, &m_rcItem);
  if (m_cxyBorderRound.cx <= 0 && m_cxyBorderRound.cy <= 0) return;
  CSkinClip roundClip;
  CSkinRenderer::SetRoundClip(hDC, m_rcPaint, m_rcItem, m_cxyBorderRound.cx, m_cxyBorderRound.cy, roundClip);
}

void COptionUI::DrawStateImages(HDC hDC) {
  const bool bPushed = (m_uButtonState & UISTATE_PUSHED) != 0;
  const bool bHot = (m_uButtonState & UISTATE_HOT) != 0;
  if (bPushed && m_bSelected && IsSet(m_diSelectedPushed)) {
    // The selected and selected-hot pictures go over the pressed one, as skins
    // have always been drawn.
    if (DrawImage(hDC, m_diSelectedPushed)) DrawIfSet(hDC, m_diSelectedHot);
    DrawIfSet(hDC, m_diSelected);
  } else if (bHot && m_bSelected && IsSet(m_diSelectedHot)) {
    DrawImage(hDC, m_diSelectedHot);
  } else if (m_bSelected && IsSet(m_diSelected)) {
    if (!DrawImage(hDC, m_diSelected)) CButtonUI::DrawStateImages(hDC);
  } else if (m_bSelected && m_dwSelectedBkColor != 0) {
    CSkinRenderer::DrawColor(hDC, m_rcPaint, AdjustColor(m_dwSelectedBkColor));
    return;
  } else {
    CButtonUI::DrawStateImages(hDC);
  }
  DrawIfSet(hDC, m_bSelected && IsSet(m_diSelectedFore) ? m_diSelectedFore : m_diFore);
}

void COptionUI::DrawText(HDC hDC) {
  if (!m_bSelected) {
    CButtonUI::DrawText(hDC);
    return;
  }
  // Selected: the label's drawing in the selected colour, without the button's hot,
  // pushed and focused colours.
  if (m_pManager == nullptr) return;
  TakeDefaultColors();
  if (m_sText.IsEmpty()) return;
  RECT rc = GetTextRect();
  DWORD dwColor = GetStateTextColor();
  if (IsEnabled() && m_dwSelectedTextColor != 0) dwColor = m_dwSelectedTextColor;
  DrawTextWithStyle(hDC, rc, dwColor, m_uTextStyle);
}

}  // namespace SkinUI
