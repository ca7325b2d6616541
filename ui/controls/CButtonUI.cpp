#include "ui/controls/CButtonUI.h"

#include <cwchar>

#include "ui/controls/CMouseToParent.h"
#include "ui/controls/UIButtonState.h"
#include "ui/core/control/CTabLayoutUI.h"
#include "ui/core/control/UIFindFlags.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

bool IsTrue(LPCTSTR pstrValue) { return wcscmp(pstrValue, L"true") == 0; }

}  // namespace

CButtonUI::CButtonUI()
    : m_uButtonState(0),
      m_dwHotBkColor(0),
      m_dwHotTextColor(0),
      m_dwPushedTextColor(0),
      m_dwFocusedTextColor(0),
      m_iBindTabIndex(-1),
      m_pAlive(std::make_shared<bool>(true)) {
  m_uTextStyle = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
}

CButtonUI::~CButtonUI() { *m_pAlive = false; }

LPCTSTR CButtonUI::GetClassName() const { return L"ButtonUI"; }

LPVOID CButtonUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"Button") == 0) return static_cast<CButtonUI*>(this);
  return CLabelUI::GetInterface(pstrName);
}

UINT CButtonUI::GetBehaviorFlags() const {
  UINT uFlags = IsKeyboardEnabled() ? UINT(UIFLAG_TABSTOP) : 0u;
  if (IsEnabled()) uFlags |= UIFLAG_SETCURSOR;
  return uFlags;
}

bool CButtonUI::Activate() {
  if (!CControlUI::Activate()) return false;
  if (m_pManager == nullptr) return true;
  if (NotifyWindow(L"click")) SelectBoundTab(-1);
  return true;
}

void CButtonUI::SetEnabled(bool bEnable) {
  CControlUI::SetEnabled(bEnable);
  if (!IsEnabled()) m_uButtonState = 0;
}

UINT CButtonUI::GetButtonState() const { return m_uButtonState; }

void CButtonUI::HandleEvent(UIEventRecord& event) {
  if (CMouseToParent::Pass<CLabelUI>(*this, event)) return;
  switch (event.Type) {
    case UIEVENT_SETFOCUS:
    case UIEVENT_KILLFOCUS:
      Invalidate();
      break;
    case UIEVENT_KEYDOWN:
      if (!IsKeyboardEnabled() || (event.chKey != VK_SPACE && event.chKey != VK_RETURN)) break;
      Activate();
      return;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
      OnPress(event);
      return;
    case UIEVENT_MOUSEMOVE:
      OnCapturedMove(event.ptMouse);
      return;
    case UIEVENT_BUTTONUP:
      OnRelease(event.ptMouse);
      return;
    case UIEVENT_CONTEXTMENU:
      if (IsContextMenuUsed()) NotifyWindow(L"menu", event.wParam, event.lParam);
      return;
    case UIEVENT_MOUSEENTER:
      if (!IsEnabled()) break;
      m_uButtonState |= UISTATE_HOT;
      Invalidate();
      break;
    case UIEVENT_MOUSELEAVE:
      if (!IsEnabled()) break;
      m_uButtonState &= ~UISTATE_HOT;
      Invalidate();
      break;
    case UIEVENT_SETCURSOR:
      ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
      return;
    default:
      break;
  }
  CLabelUI::HandleEvent(event);
}

void CButtonUI::OnPress(UIEventRecord& event) {
  if (!::PtInRect(&m_rcItem, event.ptMouse) || !IsEnabled()) return;
  m_uButtonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
  Invalidate();
  if (!NotifyWindow(L"BtnDown")) return;
  if (m_pParent != nullptr) m_pParent->HandleEvent(event);
}

void CButtonUI::OnCapturedMove(POINT pt) {
  if ((m_uButtonState & UISTATE_CAPTURED) == 0) return;
  if (::PtInRect(&m_rcItem, pt)) {
    m_uButtonState |= UISTATE_PUSHED;
  } else {
    m_uButtonState &= ~UISTATE_PUSHED;
  }
  Invalidate();
  NotifyWindow(L"BtnMove");
}

void CButtonUI::OnRelease(POINT pt) {
  if ((m_uButtonState & UISTATE_CAPTURED) == 0) return;
  // The "click" handler still sees the button pressed.
  const std::shared_ptr<bool> pAlive = m_pAlive;
  if (::PtInRect(&m_rcItem, pt)) Activate();
  if (!*pAlive) return;
  m_uButtonState &= ~(UISTATE_PUSHED | UISTATE_CAPTURED);
  Invalidate();
  NotifyWindow(L"BtnUp");
}

void CButtonUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"hotforeimage") == 0) {
    SetHotForeImage(pstrValue);
  } else if (wcscmp(pstrName, L"pushedforeimage") == 0) {
    SetPushedForeImage(pstrValue);
  } else if (wcscmp(pstrName, L"bindtabindex") == 0) {
    SetBindTabIndex(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"bindtablayoutname") == 0) {
    SetBindTabLayoutName(pstrValue);
  } else if (wcscmp(pstrName, L"hotbkcolor") == 0) {
    SetHotBkColor(CUIValueParser::ReadColor(pstrValue));
  } else if (wcscmp(pstrName, L"hottextcolor") == 0) {
    SetHotTextColor(CUIValueParser::ReadColor(pstrValue));
  } else if (wcscmp(pstrName, L"pushedtextcolor") == 0) {
    SetPushedTextColor(CUIValueParser::ReadColor(pstrValue));
  } else if (wcscmp(pstrName, L"focusedtextcolor") == 0) {
    SetFocusedTextColor(CUIValueParser::ReadColor(pstrValue));
  } else if (wcscmp(pstrName, L"multiline") == 0) {
    if (IsTrue(pstrValue)) {
      m_uTextStyle = (m_uTextStyle & ~DT_SINGLELINE) | DT_WORDBREAK;
    } else {
      m_uTextStyle = (m_uTextStyle & ~DT_WORDBREAK) | DT_SINGLELINE;
    }
  } else {
    CLabelUI::SetAttribute(pstrName, pstrValue);
  }
}

// A button's height follows its font; an automatic width is the label's alone.
SIZE CButtonUI::MeasureSize(SIZE szAvailable) {
  if (m_cxyFixed.cy != 0) return CControlUI::MeasureSize(szAvailable);
  return SIZE{m_cxyFixed.cx, GetFontHeight() + 8};
}

void CButtonUI::SetHotBkColor(DWORD dwColor) { m_dwHotBkColor = dwColor; }

DWORD CButtonUI::GetHotBkColor() const { return m_dwHotBkColor; }

void CButtonUI::SetHotTextColor(DWORD dwColor) { m_dwHotTextColor = dwColor; }

DWORD CButtonUI::GetHotTextColor() const { return m_dwHotTextColor; }

void CButtonUI::SetPushedTextColor(DWORD dwColor) { m_dwPushedTextColor = dwColor; }

DWORD CButtonUI::GetPushedTextColor() const { return m_dwPushedTextColor; }

void CButtonUI::SetFocusedTextColor(DWORD dwColor) { m_dwFocusedTextColor = dwColor; }

DWORD CButtonUI::GetFocusedTextColor() const { return m_dwFocusedTextColor; }

void CButtonUI::SetHotForeImage(LPCTSTR pStrImage) {
  if (ReplaceImage(m_diHotFore, pStrImage)) Invalidate();
}

void CButtonUI::SetPushedForeImage(LPCTSTR pStrImage) {
  if (ReplaceImage(m_diPushedFore, pStrImage)) Invalidate();
}

void CButtonUI::SetBindTabIndex(int iIndex) {
  if (iIndex >= 0) m_iBindTabIndex = iIndex;
}

int CButtonUI::GetBindTabIndex() const { return m_iBindTabIndex; }

void CButtonUI::SetBindTabLayoutName(LPCTSTR pstrName) {
  if (pstrName != nullptr) m_sBindTabLayoutName = pstrName;
}

CUIString CButtonUI::GetBindTabLayoutName() const { return m_sBindTabLayoutName; }

void CButtonUI::SelectBoundTab(int iIndex) {
  if (m_sBindTabLayoutName.IsEmpty() || (m_iBindTabIndex < 0 && iIndex < 0)) return;
  if (m_pManager == nullptr) return;
  CControlUI* pControl = m_pManager->FindControl(m_sBindTabLayoutName);
  if (pControl == nullptr) return;
  // Asked first: a name may as well name a control of another kind.
  CTabLayoutUI* pTabLayout = static_cast<CTabLayoutUI*>(pControl->GetInterface(L"TabLayout"));
  if (pTabLayout == nullptr) return;
  pTabLayout->SelectItem(iIndex >= 0 ? iIndex : m_iBindTabIndex);
}

void CButtonUI::RefreshStateFlags() {
  if (IsFocused()) {
    m_uButtonState |= UISTATE_FOCUSED;
  } else {
    m_uButtonState &= ~UISTATE_FOCUSED;
  }
  if (!IsEnabled()) {
    m_uButtonState |= UISTATE_DISABLED;
  } else {
    m_uButtonState &= ~UISTATE_DISABLED;
  }
}

bool CButtonUI::IsSet(const CImageAttribute& image) { return !image.GetAttributeString().IsEmpty(); }

bool CButtonUI::NotifyWindow(LPCTSTR pstrType, WPARAM wParam, LPARAM lParam) {
  if (m_pManager == nullptr) return true;
  const std::shared_ptr<bool> pAlive = m_pAlive;
  m_pManager->SendNotify(this, pstrType, wParam, lParam);
  return *pAlive;
}

bool CButtonUI::ReplaceImage(CImageAttribute& image, LPCTSTR pStrImage) {
  if (image.GetAttributeString() == (pStrImage != nullptr ? pStrImage : L"")) return false;
  image.SetAttributeString(pStrImage);
  return true;
}

void CButtonUI::DrawIfSet(HDC hDC, CImageAttribute& image) {
  if (IsSet(image)) DrawImage(hDC, image);
}

void CButtonUI::DrawStateImages(HDC hDC) {
  RefreshStateFlags();
  if ((m_uButtonState & UISTATE_DISABLED) != 0 && IsSet(m_diDisabled)) {
    DrawImage(hDC, m_diDisabled);
    DrawIfSet(hDC, m_diFore);
    return;
  }
  if ((m_uButtonState & UISTATE_PUSHED) != 0 && IsSet(m_diPushed)) {
    DrawImage(hDC, m_diPushed);
    DrawIfSet(hDC, IsSet(m_diPushedFore) ? m_diPushedFore : m_diFore);
    return;
  }
  if ((m_uButtonState & UISTATE_HOT) != 0) {
    if (IsSet(m_diHot)) {
      DrawImage(hDC, m_diHot);
      DrawIfSet(hDC, IsSet(m_diHotFore) ? m_diHotFore : m_diFore);
      return;
    }
    if (m_dwHotBkColor != 0) {
      CSkinRenderer::DrawColor(hDC, m_rcPaint, AdjustColor(m_dwHotBkColor));
      return;
    }
  }
  if ((m_uButtonState & UISTATE_FOCUSED) != 0 && IsSet(m_diFocused)) {
    DrawImage(hDC, m_diFocused);
    return;
  }
  DrawIfSet(hDC, m_diNormal);
  DrawIfSet(hDC, m_diFore);
}

void CButtonUI::DrawText(HDC hDC) {
  RefreshStateFlags();
  if (m_pManager == nullptr) return;
  TakeDefaultColors();
  if (m_sText.IsEmpty()) return;
  RECT rc = GetTextRect();
  DWORD dwColor = GetStateTextColor();
  if ((m_uButtonState & UISTATE_PUSHED) != 0 && m_dwPushedTextColor != 0) {
    dwColor = m_dwPushedTextColor;
  } else if ((m_uButtonState & UISTATE_HOT) != 0 && m_dwHotTextColor != 0) {
    dwColor = m_dwHotTextColor;
  } else if ((m_uButtonState & UISTATE_FOCUSED) != 0 && m_dwFocusedTextColor != 0) {
    dwColor = m_dwFocusedTextColor;
  }
  DrawTextWithStyle(hDC, rc, dwColor, m_uTextStyle);
}

}  // namespace SkinUI
