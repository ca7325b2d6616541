#include "ui/controls/CEditWnd.h"

#include <algorithm>
#include <vector>

#include "ui/controls/CEditUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace SkinUI {
namespace {

// The host window's manager sends a child's notifications back to it at the message
// + 0x2000.
const UINT kReflectedCommand = WM_COMMAND + 0x2000;
const UINT kReflectedColorEdit = WM_CTLCOLOREDIT + 0x2000;
const UINT kReflectedColorStatic = WM_CTLCOLORSTATIC + 0x2000;

const DWORD kSystemColours = 0xFFFFFFFF;

COLORREF ToColorRef(DWORD argb) { return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF); }

}  // namespace

CEditWnd::CEditWnd() : m_pOwner(nullptr), m_hBkBrush(nullptr), m_bInit(false) {}

CEditWnd::~CEditWnd() = default;

LPCTSTR CEditWnd::GetWindowClassName() const { return L"EditWnd"; }

LPCTSTR CEditWnd::GetSuperclassName() const { return WC_EDITW; }

void CEditWnd::ForgetOwner() { m_pOwner = nullptr; }

RECT CEditWnd::ComputeEditRect() const {
  RECT rcPos = m_pOwner->GetPos();
  const RECT rcInset = m_pOwner->GetTextPadding();
  rcPos.left += rcInset.left;
  rcPos.top += rcInset.top;
  rcPos.right -= rcInset.right;
  rcPos.bottom -= rcInset.bottom;
  const LONG lEditHeight = m_pOwner->GetManager()->GetFontInfo(m_pOwner->GetFont())->tm.tmHeight;
  if (lEditHeight < rcPos.bottom - rcPos.top) {
    rcPos.top += (rcPos.bottom - rcPos.top - lEditHeight) / 2;
    rcPos.bottom = rcPos.top + lEditHeight;
  }
  return rcPos;
}

RECT CEditWnd::CalPos() {
  RECT rcPos = ComputeEditRect();
  CWindowManagerUI* pManager = m_pOwner->GetManager();
  if (!pManager->IsLayered()) return rcPos;
  RECT rcWnd = {0, 0, 0, 0};
  ::GetWindowRect(pManager->GetPaintWindow(), &rcWnd);
  ::OffsetRect(&rcPos, rcWnd.left, rcWnd.top);
  return rcPos;
}

void CEditWnd::Init(CEditUI* pOwner) {
  m_pOwner = pOwner;
  CWindowManagerUI* pManager = pOwner->GetManager();
  const RECT rcPos = CalPos();
  UINT uStyle = pManager->IsLayered() ? (WS_POPUP | WS_VISIBLE | ES_AUTOHSCROLL) : (WS_CHILD | ES_AUTOHSCROLL);
  if (pOwner->IsPasswordMode()) uStyle |= ES_PASSWORD;
  if (CreateInRect(pManager->GetPaintWindow(), nullptr, uStyle, 0, rcPos) == nullptr) return;
  HFONT hFont = pOwner->GetFont() != -1 ? pManager->GetFont(pOwner->GetFont()) : nullptr;
  if (hFont == nullptr) hFont = pManager->GetDefaultFontInfo()->hFont;
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
  SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(pOwner->GetMaxChar()));
  if (pOwner->IsPasswordMode()) SendMessage(EM_SETPASSWORDCHAR, static_cast<WPARAM>(pOwner->GetPasswordChar()));
  ::SetWindowTextW(m_hWnd, pOwner->GetText());
  SendMessage(EM_SETMODIFY, FALSE);
  SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
  ::EnableWindow(m_hWnd, pOwner->IsEnabled() ? TRUE : FALSE);
  SendMessage(EM_SETREADONLY, pOwner->IsReadOnly() ? TRUE : FALSE);
  const LONG lStyle = ::GetWindowLongW(m_hWnd, GWL_STYLE) | static_cast<LONG>(pOwner->GetEditStyle());
  ::SetWindowLongW(m_hWnd, GWL_STYLE, lStyle);
  ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
  ::SetFocus(m_hWnd);
  m_bInit = true;
}

LRESULT CEditWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  switch (uMsg) {
    case WM_KILLFOCUS: return OnLoseFocus(uMsg, wParam, lParam);
    case kReflectedCommand:
      if (HIWORD(wParam) == EN_CHANGE) {
        OnTextChange();
        return 0;
      }
      if (HIWORD(wParam) == EN_UPDATE) {
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
        return 0;
      }
      break;
    case WM_KEYDOWN:
      if (wParam != VK_RETURN) break;
      // The system edit never sees Return. Nothing is touched after the notification:
      // its handler may delete the control, and with it this window.
      if (m_pOwner != nullptr) m_pOwner->GetManager()->SendNotify(m_pOwner, L"return");
      return 0;
    case kReflectedColorEdit:
    case kReflectedColorStatic: return OnColor(reinterpret_cast<HDC>(wParam));
    default: break;
  }
  return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

LRESULT CEditWnd::OnLoseFocus(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  const LRESULT lRes = CWindowWnd::HandleMessage(uMsg, wParam, lParam);
  PostMessage(WM_CLOSE);
  return lRes;
}

void CEditWnd::OnTextChange() {
  if (!m_bInit || m_pOwner == nullptr) return;
  const int cchLen = ::GetWindowTextLengthW(m_hWnd) + 1;
  std::vector<wchar_t> text(static_cast<size_t>(cchLen), L'\0');
  ::GetWindowTextW(m_hWnd, text.data(), cchLen);
  m_pOwner->StoreNativeText(text.data());
  // The last step: a handler may delete the control, and with it this window.
  m_pOwner->GetManager()->SendNotify(m_pOwner, L"textchanged");
}

LRESULT CEditWnd::OnColor(HDC hDC) {
  if (m_pOwner == nullptr || m_pOwner->GetNativeBkColor() == kSystemColours) return 0;
  ::SetBkMode(hDC, TRANSPARENT);
  DWORD dwTextColor = m_pOwner->GetNativeTextColor();
  if (dwTextColor == 0) dwTextColor = m_pOwner->GetTextColor();
  ::SetTextColor(hDC, ToColorRef(dwTextColor));
  if (m_hBkBrush == nullptr) m_hBkBrush = ::CreateSolidBrush(ToColorRef(m_pOwner->GetNativeBkColor()));
  return reinterpret_cast<LRESULT>(m_hBkBrush);
}

void CEditWnd::OnDetached(HWND) {
  if (m_pOwner != nullptr) m_pOwner->NativeWindowClosed();
  if (m_hBkBrush != nullptr) ::DeleteObject(m_hBkBrush);
  delete this;
}

}  // namespace SkinUI
