#include "ui/controls/CEditUI.h"

#include <cwchar>

#include "ui/controls/CEditWnd.h"
#include "ui/controls/CMouseToParent.h"
#include "ui/controls/CNativeHostEvents.h"
#include "ui/controls/UIButtonState.h"
#include "ui/core/control/UIFindFlags.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

bool IsTrue(LPCTSTR pstrValue) { return wcscmp(pstrValue, L"true") == 0; }

const DWORD kTipColor = 0xFFBAC0C5;
const DWORD kSystemColours = 0xFFFFFFFF;

}  // namespace

CEditUI::CEditUI()
    : m_pWindow(nullptr),
      m_uMaxChar(255),
      m_bReadOnly(false),
      m_bPasswordMode(false),
      m_cPasswordChar(L'*'),
      m_uButtonState(0),
      m_dwTipValueColor(kTipColor),
      m_dwNativeBkColor(kSystemColours),
      m_dwNativeTextColor(0),
      m_uEditStyle(0) {
  SetTextPadding(RECT{4, 3, 4, 3});
  SetBkColor(0xFFFFFFFF);
}

CEditUI::~CEditUI() {
  if (m_pWindow == nullptr) return;
  // The window would otherwise report to a control that is gone.
  CEditWnd* pWindow = m_pWindow;
  m_pWindow = nullptr;
  pWindow->ForgetOwner();
  ::DestroyWindow(pWindow->GetHWND());
}

LPCTSTR CEditUI::GetClassName() const { return L"EditUI"; }

LPVOID CEditUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"Edit") == 0) return static_cast<CEditUI*>(this);
  return CLabelUI::GetInterface(pstrName);
}

UINT CEditUI::GetBehaviorFlags() const { return IsEnabled() ? UIFLAG_TABSTOP | UIFLAG_SETCURSOR : 0; }

void CEditUI::SetText(LPCTSTR pstrText) {
  m_sText = pstrText;
  if (m_pWindow != nullptr) ::SetWindowTextW(m_pWindow->GetHWND(), m_sText);
  Invalidate();
}

void CEditUI::StoreNativeText(LPCTSTR pstrText) { m_sText = pstrText; }

void CEditUI::NativeWindowClosed() {
  m_pWindow = nullptr;
  Invalidate();
}

void CEditUI::OpenNativeWindow() {
  m_pWindow = new CEditWnd();
  m_pWindow->Init(this);
}

void CEditUI::SelectAllNative() {
  if (m_pWindow == nullptr) return;
  const int nSize = ::GetWindowTextLengthW(m_pWindow->GetHWND());
  ::SendMessageW(m_pWindow->GetHWND(), EM_SETSEL, 0, nSize == 0 ? 1 : nSize);
}

void CEditUI::SetPos(RECT rc) {
  CLabelUI::SetPos(rc);
  if (m_pWindow == nullptr) return;
  const RECT rcPos = m_pWindow->CalPos();
  ::SetWindowPos(m_pWindow->GetHWND(), nullptr, rcPos.left, rcPos.top, rcPos.right - rcPos.left,
                 rcPos.bottom - rcPos.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CEditUI::SetVisible(bool bVisible) {
  CLabelUI::SetVisible(bVisible);
  if (!IsVisible() && m_pWindow != nullptr && m_pManager != nullptr) m_pManager->SetFocus(nullptr);
}

void CEditUI::SetParentVisible(bool bVisible) {
  CLabelUI::SetParentVisible(bVisible);
  if (!IsVisible() && m_pWindow != nullptr && m_pManager != nullptr) m_pManager->SetFocus(nullptr);
}

void CEditUI::SetEnabled(bool bEnable) {
  CLabelUI::SetEnabled(bEnable);
  if (!IsEnabled()) m_uButtonState = 0;
}

void CEditUI::HandleEvent(UIEventRecord& event) {
  if (CMouseToParent::Pass<CLabelUI>(*this, event)) return;
  if (CNativeHostEvents::Handle(*this, m_pWindow != nullptr, event)) return;
  switch (event.Type) {
    case UIEVENT_SETFOCUS:
      if (!IsEnabled()) break;
      if (m_pWindow != nullptr) return;
      OpenNativeWindow();
      Invalidate();
      break;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
    case UIEVENT_RBUTTONDOWN:
      if (!IsEnabled()) return;
      if (m_pManager != nullptr) m_pManager->ReleaseCapture();
      if (IsFocused() && m_pWindow == nullptr) {
        OpenNativeWindow();
        if (::PtInRect(&m_rcItem, event.ptMouse)) SelectAllNative();
      } else if (m_pWindow != nullptr) {
        SelectAllNative();
      }
      return;
    case UIEVENT_MOUSEMOVE:
    case UIEVENT_BUTTONUP:
    case UIEVENT_CONTEXTMENU:
      return;
    case UIEVENT_MOUSEENTER:
      if (!IsEnabled()) break;
      m_uButtonState |= UISTATE_HOT;
      Invalidate();
      return;
    case UIEVENT_MOUSELEAVE:
      if (!IsEnabled()) break;
      m_uButtonState &= ~UISTATE_HOT;
      Invalidate();
      return;
    default:
      break;
  }
  CLabelUI::HandleEvent(event);
}

void CEditUI::SetMaxChar(int uMax) {
  if (m_uMaxChar == uMax) return;
  m_uMaxChar = uMax;
  if (m_pWindow != nullptr) ::SendMessageW(m_pWindow->GetHWND(), EM_LIMITTEXT, static_cast<WPARAM>(m_uMaxChar), 0);
}

int CEditUI::GetMaxChar() const { return m_uMaxChar; }

void CEditUI::SetReadOnly(bool bReadOnly) {
  if (m_bReadOnly == bReadOnly) return;
  m_bReadOnly = bReadOnly;
  if (m_pWindow != nullptr) ::SendMessageW(m_pWindow->GetHWND(), EM_SETREADONLY, m_bReadOnly ? TRUE : FALSE, 0);
  Invalidate();
}

bool CEditUI::IsReadOnly() const { return m_bReadOnly; }

void CEditUI::SetPasswordMode(bool bPasswordMode) {
  if (m_bPasswordMode == bPasswordMode) return;
  m_bPasswordMode = bPasswordMode;
  Invalidate();
}

bool CEditUI::IsPasswordMode() const { return m_bPasswordMode; }

void CEditUI::SetPasswordChar(TCHAR cPasswordChar) {
  if (m_cPasswordChar == cPasswordChar) return;
  m_cPasswordChar = cPasswordChar;
  if (m_pWindow != nullptr) {
    ::SendMessageW(m_pWindow->GetHWND(), EM_SETPASSWORDCHAR, static_cast<WPARAM>(m_cPasswordChar), 0);
  }
  Invalidate();
}

TCHAR CEditUI::GetPasswordChar() const { return m_cPasswordChar; }

void CEditUI::SetNumberOnly(bool bNumberOnly) {
  if (bNumberOnly) {
    m_uEditStyle |= ES_NUMBER;
  } else {
    m_uEditStyle &= ~static_cast<UINT>(ES_NUMBER);
  }
}

void CEditUI::SetTipValue(LPCTSTR pStrTipValue) { m_sTipValue = pStrTipValue; }

CUIString CEditUI::GetTipValue() const { return m_sTipValue; }

void CEditUI::SetTipValueColor(LPCTSTR pStrColor) { m_dwTipValueColor = CUIValueParser::ReadColor(pStrColor); }

DWORD CEditUI::GetTipValueColor() const { return m_dwTipValueColor; }

void CEditUI::SetNativeTextColor(LPCTSTR pStrColor) { m_dwNativeTextColor = CUIValueParser::ReadColor(pStrColor); }

DWORD CEditUI::GetNativeTextColor() const { return m_dwNativeTextColor; }

void CEditUI::SetNativeBkColor(DWORD dwBkColor) { m_dwNativeBkColor = dwBkColor; }

DWORD CEditUI::GetNativeBkColor() const { return m_dwNativeBkColor; }

UINT CEditUI::GetEditStyle() const { return m_uEditStyle; }

void CEditUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"readonly") == 0) {
    SetReadOnly(IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"numberonly") == 0) {
    SetNumberOnly(IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"password") == 0) {
    SetPasswordMode(IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"passwordchar") == 0) {
    SetPasswordChar(*pstrValue);
  } else if (wcscmp(pstrName, L"maxchar") == 0) {
    SetMaxChar(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"tipvalue") == 0) {
    SetTipValue(pstrValue);
  } else if (wcscmp(pstrName, L"tipvaluecolor") == 0) {
    SetTipValueColor(pstrValue);
  } else if (wcscmp(pstrName, L"nativetextcolor") == 0) {
    SetNativeTextColor(pstrValue);
  } else if (wcscmp(pstrName, L"nativebkcolor") == 0) {
    SetNativeBkColor(CUIValueParser::ReadColor(pstrValue));
  } else {
    CLabelUI::SetAttribute(pstrName, pstrValue);
  }
}

SIZE CEditUI::MeasureSize(SIZE szAvailable) {
  if (m_cxyFixed.cy != 0) return CControlUI::MeasureSize(szAvailable);
  return SIZE{m_cxyFixed.cx, GetFontHeight() + 6};
}

void CEditUI::DrawStateImages(HDC hDC) {
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
  CImageAttribute* pImage = &m_diNormal;
  if ((m_uButtonState & UISTATE_DISABLED) != 0) {
    pImage = &m_diDisabled;
  } else if ((m_uButtonState & UISTATE_FOCUSED) != 0) {
    pImage = &m_diFocused;
  } else if ((m_uButtonState & UISTATE_HOT) != 0) {
    pImage = &m_diHot;
  }
  if (pImage->GetAttributeString().IsEmpty()) pImage = &m_diNormal;
  if (!pImage->GetAttributeString().IsEmpty()) DrawImage(hDC, *pImage);
}

void CEditUI::DrawText(HDC hDC) {
  if (m_pManager == nullptr) return;
  TakeDefaultColors();
  const bool bTip = m_sText.IsEmpty() || m_sText == m_sTipValue;
  CUIString sShown = bTip ? m_sTipValue : m_sText;
  DWORD dwColor = bTip ? m_dwTipValueColor : m_dwTextColor;
  if (!bTip && m_bPasswordMode) {
    sShown.Empty();
    for (int i = 0; i < m_sText.GetLength(); ++i) sShown += m_cPasswordChar;
  }
  if (!IsEnabled()) dwColor = m_dwDisabledTextColor;
  RECT rc = GetTextRect();
  CSkinRenderer::DrawPlainText(hDC, m_pManager, rc, sShown, dwColor, m_iFont, m_uTextStyle | DT_SINGLELINE);
}

}  // namespace SkinUI
