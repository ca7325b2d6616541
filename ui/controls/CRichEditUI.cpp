#include "ui/controls/CRichEditUI.h"

#include <cwchar>
#include <vector>

#include "ui/controls/CMouseToParent.h"
#include "ui/controls/CTxtWinHost.h"
#include "ui/controls/UIButtonState.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinClip.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {
namespace {

const DWORD kDefaultTextColor = 0xFF000001;
const DWORD kTipColor = 0xFFBAC0C5;
const int kDefaultLimit = 0x7FFF;
// The mouse messages the services take, WM_MOUSEFIRST to the last button message.
const UINT kMouseLast = 0x020D;
const LONG kEndEllipsis = 0x8000;

bool IsMouseMessage(UINT uMsg) { return uMsg >= WM_MOUSEFIRST && uMsg <= kMouseLast; }

bool IsKeyMessage(UINT uMsg) { return uMsg >= WM_KEYFIRST && uMsg <= WM_KEYLAST; }

}  // namespace

CRichEditUI::CRichEditUI()
    : m_bVScrollBarFixing(false),
      m_bWantTab(true),
      m_bWantReturn(true),
      m_bWantCtrlReturn(true),
      m_bRich(true),
      m_bReadOnly(false),
      m_dwTextColor(kDefaultTextColor),
      m_iFont(-1),
      m_iLimitText(kDefaultLimit),
      m_lTwhStyle(ES_MULTILINE),
      m_bInited(false),
      m_uButtonState(0),
      m_rcTextPadding{0, 0, 0, 0},
      m_dwTipValueColor(kTipColor) {}

CRichEditUI::~CRichEditUI() {
  if (!m_pTwh) return;
  // The host may outlive this call (it is inside one of its own calls): it reports
  // nothing more to a control that is gone.
  m_pTwh->ForgetOwner();
  m_pTwh.Reset();
  if (m_pManager != nullptr) m_pManager->RemoveMessageFilter(this);
}

LPCTSTR CRichEditUI::GetClassName() const { return L"RichEditUI"; }

LPVOID CRichEditUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"RichEdit") == 0) return static_cast<CRichEditUI*>(this);
  return CContainerUI::GetInterface(pstrName);
}

UINT CRichEditUI::GetBehaviorFlags() const { return IsEnabled() ? UIFLAG_TABSTOP | UIFLAG_SETCURSOR : 0; }

// --- Text ---

CUIString CRichEditUI::GetText() const {
  if (!m_pTwh) return m_sText;
  const long nLength = GetTextLength(GTL_DEFAULT);
  std::vector<WCHAR> buffer(size_t(nLength) + 1, 0);
  GETTEXTEX info{};
  info.cb = DWORD(buffer.size() * sizeof(WCHAR));
  info.flags = GT_DEFAULT;
  info.codepage = CP_WINUNICODE;
  LRESULT lResult = 0;
  const_cast<CRichEditUI*>(this)->TxSendMessage(EM_GETTEXTEX, WPARAM(&info), LPARAM(buffer.data()), &lResult);
  return CUIString(buffer.data());
}

long CRichEditUI::GetTextLength(DWORD dwFlags) const {
  GETTEXTLENGTHEX info{};
  info.flags = dwFlags;
  info.codepage = CP_WINUNICODE;
  LRESULT lResult = 0;
  const_cast<CRichEditUI*>(this)->TxSendMessage(EM_GETTEXTLENGTHEX, WPARAM(&info), 0, &lResult);
  return long(lResult);
}

void CRichEditUI::SetText(LPCTSTR pstrText) {
  m_sText = pstrText;
  if (!m_pTwh) return;
  m_pTwh->SetColor(ShownTextColor());
  SetSel(0, -1);
  ReplaceSel(pstrText, false);
}

void CRichEditUI::SetSel(LONG nStartChar, LONG nEndChar) {
  CHARRANGE range{nStartChar, nEndChar};
  LRESULT lResult = 0;
  TxSendMessage(EM_EXSETSEL, 0, LPARAM(&range), &lResult);
}

void CRichEditUI::ReplaceSel(LPCTSTR lpszNewText, bool bCanUndo) {
  LRESULT lResult = 0;
  TxSendMessage(EM_REPLACESEL, bCanUndo ? TRUE : FALSE, LPARAM(lpszNewText), &lResult);
}

// --- Properties ---

void CRichEditUI::SetTextColor(DWORD dwTextColor) {
  if (m_dwTextColor == dwTextColor) return;
  m_dwTextColor = dwTextColor;
  if (m_pTwh) m_pTwh->SetColor(ShownTextColor());
}

DWORD CRichEditUI::GetTextColor() { return m_dwTextColor; }

DWORD CRichEditUI::ShownTextColor() const {
  if (!IsEnabled() && m_pManager != nullptr) return m_pManager->GetDefaultDisabledColor();
  return m_dwTextColor;
}

void CRichEditUI::SetFont(int index) {
  if (m_iFont == index) return;
  m_iFont = index;
  if (!m_pTwh || m_pManager == nullptr) return;
  m_pTwh->SetFont(m_pManager->GetFont(m_iFont));
}

int CRichEditUI::GetFont() const { return m_iFont; }

void CRichEditUI::SetLimitText(int iChars) {
  if (m_iLimitText == iChars) return;
  m_iLimitText = iChars;
  if (m_pTwh) m_pTwh->SetMaxLength(m_iLimitText);
}

int CRichEditUI::GetLimitText() const { return m_iLimitText; }

void CRichEditUI::SetRich(bool bRich) {
  if (m_bRich == bRich) return;
  m_bRich = bRich;
  if (m_pTwh) m_pTwh->SetRichTextFlag(bRich);
}

bool CRichEditUI::IsRich() const { return m_bRich; }

void CRichEditUI::SetWantTab(bool bWantTab) { m_bWantTab = bWantTab; }

bool CRichEditUI::IsWantTab() { return m_bWantTab; }

void CRichEditUI::SetWantReturn(bool bWantReturn) { m_bWantReturn = bWantReturn; }

bool CRichEditUI::IsWantReturn() const { return m_bWantReturn; }

void CRichEditUI::SetWantCtrlReturn(bool bWantCtrlReturn) { m_bWantCtrlReturn = bWantCtrlReturn; }

bool CRichEditUI::IsWantCtrlReturn() const { return m_bWantCtrlReturn; }

bool CRichEditUI::IsReadOnly() const { return m_bReadOnly; }

void CRichEditUI::SetTextPadding(RECT rc) {
  m_rcTextPadding = rc;
  Invalidate();
}

RECT CRichEditUI::GetTextPadding() const { return m_rcTextPadding; }

void CRichEditUI::SetTipValue(LPCTSTR pStrTipValue) { m_sTipValue = pStrTipValue; }

CUIString CRichEditUI::GetTipValue() const { return m_sTipValue; }

void CRichEditUI::SetTipValueColor(LPCTSTR pStrColor) { m_dwTipValueColor = CUIValueParser::ReadColor(pStrColor); }

DWORD CRichEditUI::GetTipValueColor() const { return m_dwTipValueColor; }

UINT CRichEditUI::GetEditStyle() const { return UINT(m_lTwhStyle); }

void CRichEditUI::SetEnabled(bool bEnable) {
  if (m_bEnabled == bEnable) return;
  if (m_pTwh && m_pManager != nullptr) {
    m_pTwh->SetColor(bEnable ? m_dwTextColor : m_pManager->GetDefaultDisabledColor());
  }
  CContainerUI::SetEnabled(bEnable);
}

void CRichEditUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  const bool bTrue = CUIValueParser::IsTrue(pstrValue);
  if (wcscmp(pstrName, L"vscrollbar") == 0) {
    if (bTrue) m_lTwhStyle |= ES_DISABLENOSCROLL | WS_VSCROLL;
  } else if (wcscmp(pstrName, L"autovscroll") == 0) {
    if (bTrue) m_lTwhStyle |= ES_AUTOVSCROLL;
  } else if (wcscmp(pstrName, L"hscrollbar") == 0) {
    if (bTrue) m_lTwhStyle |= ES_DISABLENOSCROLL | WS_HSCROLL;
  } else if (wcscmp(pstrName, L"autohscroll") == 0) {
    if (bTrue) m_lTwhStyle |= ES_AUTOHSCROLL;
  } else if (wcscmp(pstrName, L"wanttab") == 0) {
    SetWantTab(bTrue);
  } else if (wcscmp(pstrName, L"wantreturn") == 0) {
    SetWantReturn(bTrue);
  } else if (wcscmp(pstrName, L"wantctrlreturn") == 0) {
    SetWantCtrlReturn(bTrue);
  } else if (wcscmp(pstrName, L"rich") == 0) {
    SetRich(bTrue);
  } else if (wcscmp(pstrName, L"multiline") == 0) {
    if (wcscmp(pstrValue, L"false") == 0) m_lTwhStyle &= ~ES_MULTILINE;
  } else if (wcscmp(pstrName, L"readonly") == 0) {
    if (bTrue) {
      m_lTwhStyle |= ES_READONLY;
      m_bReadOnly = true;
    }
  } else if (wcscmp(pstrName, L"password") == 0) {
    if (bTrue) m_lTwhStyle |= ES_PASSWORD;
  } else if (wcscmp(pstrName, L"endellipsis") == 0) {
    if (bTrue) m_lTwhStyle |= kEndEllipsis;
  } else if (wcscmp(pstrName, L"align") == 0) {
    if (wcsstr(pstrValue, L"left") != nullptr) m_lTwhStyle &= ~(ES_CENTER | ES_RIGHT);
    if (wcsstr(pstrValue, L"center") != nullptr) {
      m_lTwhStyle &= ~ES_RIGHT;
      m_lTwhStyle |= ES_CENTER;
    }
    if (wcsstr(pstrValue, L"right") != nullptr) {
      m_lTwhStyle &= ~ES_CENTER;
      m_lTwhStyle |= ES_RIGHT;
    }
  } else if (wcscmp(pstrName, L"font") == 0) {
    SetFont(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"textcolor") == 0) {
    while (*pstrValue != 0 && *pstrValue <= L' ') ++pstrValue;
    SetTextColor(CUIValueParser::ReadColor(pstrValue));
  } else if (wcscmp(pstrName, L"maxchar") == 0) {
    SetLimitText(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"textpadding") == 0) {
    SetTextPadding(CUIValueParser::ReadRect(pstrValue));
  } else if (wcscmp(pstrName, L"tipvalue") == 0) {
    SetTipValue(pstrValue);
  } else if (wcscmp(pstrName, L"tipvaluecolor") == 0) {
    SetTipValueColor(pstrValue);
  } else {
    CContainerUI::SetAttribute(pstrName, pstrValue);
  }
}

// --- Life ---

void CRichEditUI::OnInit() {
  if (m_bInited) return;
  CREATESTRUCTW cs{};
  cs.style = m_lTwhStyle;
  cs.lpszName = m_sText.GetData();
  m_pTwh = CreateTextHost(this, &cs);
  if (m_pTwh) {
    m_pTwh->SetTransparent(true);
    LRESULT lResult = 0;
    m_pTwh->GetTextServices()->TxSendMessage(EM_SETLANGOPTIONS, 0, 0, &lResult);
    m_pTwh->InPlaceActivate(nullptr);
    if (m_pManager != nullptr) {
      m_pManager->AddMessageFilter(this);
      if (!m_bEnabled) m_pTwh->SetColor(m_pManager->GetDefaultDisabledColor());
    }
    TxSendMessage(EM_GETEVENTMASK, 0, 0, &lResult);
    TxSendMessage(EM_SETEVENTMASK, 0, lResult | ENM_CHANGE, &lResult);
  }
  m_bInited = true;
}

HRESULT CRichEditUI::TxSendMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* plResult) {
  if (!m_pTwh) return S_FALSE;
  if (msg == WM_KEYDOWN && wParam == VK_RETURN) {
    const bool bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    if (!m_bWantReturn || (bCtrl && !m_bWantCtrlReturn)) {
      if (m_pManager != nullptr) m_pManager->SendNotify(this, L"return");
      if (plResult != nullptr) *plResult = 0;
      return S_OK;
    }
  }
  // Held for the call: a handler of what the services report may delete this control.
  platform::com::ComPtr<CTxtWinHost> pHost = m_pTwh;
  return pHost->GetTextServices()->TxSendMessage(msg, wParam, lParam, plResult);
}

bool CRichEditUI::OnTxViewChanged() { return true; }

void CRichEditUI::OnTxNotify(DWORD iNotify, void* pv) {
  if (iNotify == EN_CHANGE) {
    if (m_pManager != nullptr) m_pManager->SendNotify(this, L"textchanged");
    return;
  }
  const bool bForwarded = iNotify == EN_MSGFILTER || (iNotify >= EN_SELCHANGE && iNotify <= EN_PROTECTED) ||
                          iNotify == EN_STOPNOUNDO || (iNotify >= EN_SAVECLIPBOARD && iNotify <= EN_DRAGDROPDONE);
  if (!bForwarded || pv == nullptr || m_pManager == nullptr) return;
  HWND hWnd = m_pManager->GetPaintWindow();
  NMHDR* pHeader = static_cast<NMHDR*>(pv);
  pHeader->hwndFrom = hWnd;
  pHeader->idFrom = UINT_PTR(::GetWindowLongW(hWnd, GWL_ID));
  pHeader->code = iNotify;
  ::SendMessageW(hWnd, WM_NOTIFY, WPARAM(pHeader->idFrom), LPARAM(pv));
}

// --- Input ---

void CRichEditUI::MoveCompositionToCaret() {
  if (m_pManager == nullptr) return;
  // The input method shows what is being composed at the caret.
  HWND hWnd = m_pManager->GetPaintWindow();
  HIMC hImc = ::ImmGetContext(hWnd);
  if (hImc == nullptr) return;
  POINT pt{};
  ::GetCaretPos(&pt);
  COMPOSITIONFORM form{};
  form.dwStyle = CFS_POINT;
  form.ptCurrentPos = pt;
  ::ImmSetCompositionWindow(hImc, &form);
  ::ImmReleaseContext(hWnd, hImc);
}

bool CRichEditUI::IsInHostRect(POINT pt) const { return m_pTwh && ::PtInRect(&m_pTwh->GetClientRect(), pt); }

LRESULT CRichEditUI::FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
  if (!IsVisible() || !IsEnabled() || !m_pTwh) return 0;
  if (!IsMouseEnabled() && IsMouseMessage(uMsg)) return 0;
  if (uMsg == WM_MOUSEWHEEL && (LOWORD(wParam) & MK_CONTROL) == 0) return 0;

  if (uMsg == WM_IME_COMPOSITION) {
    MoveCompositionToCaret();
    return 0;
  }

  bool bWasHandled = true;
  const bool bCaptured = m_pTwh->IsCaptured();
  if (IsMouseMessage(uMsg) || uMsg == WM_SETCURSOR) {
    if (!bCaptured) {
      if (uMsg >= WM_LBUTTONDOWN && uMsg <= WM_RBUTTONUP) {
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (m_pManager->FindControlAt(pt) != this) return 0;
      }
      POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      // The wheel comes in screen coordinates, the cursor request with no point at all.
      if (uMsg == WM_SETCURSOR) ::GetCursorPos(&pt);
      if (uMsg == WM_MOUSEWHEEL || uMsg == WM_SETCURSOR) ::ScreenToClient(m_pManager->GetPaintWindow(), &pt);
      if (!IsInHostRect(pt) || m_pManager->IsCaptured()) return 0;
    }
    if (uMsg == WM_SETCURSOR) {
      bWasHandled = false;
    } else if (uMsg == WM_LBUTTONDOWN || uMsg == WM_LBUTTONDBLCLK || uMsg == WM_RBUTTONDOWN) {
      SetFocus();
    }
  } else if (IsKeyMessage(uMsg)) {
    if (!IsFocused()) return 0;
  } else if (uMsg == WM_CONTEXTMENU) {
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ScreenToClient(m_pManager->GetPaintWindow(), &pt);
    if (m_pManager->FindControlAt(pt) != this) return 0;
  } else if (uMsg == WM_HELP) {
    bWasHandled = false;
  } else {
    return 0;
  }

  // Held for the call: a handler of "textchanged" or "return" may delete this control.
  platform::com::ComPtr<CTxtWinHost> pHost = m_pTwh;
  LRESULT lResult = 0;
  const HRESULT hr = TxSendMessage(uMsg, wParam, lParam, &lResult);
  if (hr == S_OK) {
    bHandled = bWasHandled;
  } else if (IsKeyMessage(uMsg) || uMsg == WM_CHAR || uMsg == WM_IME_CHAR) {
    bHandled = bWasHandled;
  } else if (IsMouseMessage(uMsg) && bCaptured) {
    bHandled = bWasHandled;
  }
  return lResult;
}

void CRichEditUI::HandleEvent(UIEventRecord& event) {
  if (CMouseToParent::Pass<CControlUI>(*this, event)) return;
  switch (event.Type) {
    case UIEVENT_SETCURSOR:
      if (IsEnabled() && m_pTwh && m_pTwh->SetCursorAtPoint(nullptr, event.ptMouse)) return;
      break;
    case UIEVENT_SETFOCUS:
    case UIEVENT_KILLFOCUS: {
      const bool bFocus = event.Type == UIEVENT_SETFOCUS;
      // Focused before the services hear of it, so the caret they place takes the
      // input method's composition along.
      if (bFocus) m_bFocused = true;
      if (m_pTwh) {
        m_pTwh->InPlaceActivate(nullptr);
        LRESULT lResult = 0;
        TxSendMessage(bFocus ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0, &lResult);
      }
      m_bFocused = bFocus;
      Invalidate();
      return;
    }
    case UIEVENT_TIMER:
      if (m_pTwh) {
        LRESULT lResult = 0;
        TxSendMessage(WM_TIMER, event.wParam, event.lParam, &lResult);
      }
      return;
    case UIEVENT_SCROLLWHEEL:
      if (event.wKeyState & MK_CONTROL) return;
      break;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
    case UIEVENT_MOUSEMOVE:
    case UIEVENT_BUTTONUP:
    case UIEVENT_KEYDOWN:
    case UIEVENT_KEYUP:
    case UIEVENT_CHAR:
    case UIEVENT_SYSKEY:
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
    default: break;
  }
  CContainerUI::HandleEvent(event);
}

// --- Scrolling ---

void CRichEditUI::SendScroll(UINT msg, WORD code, WORD pos) {
  LRESULT lResult = 0;
  TxSendMessage(msg, MAKEWPARAM(code, pos), 0, &lResult);
}

void CRichEditUI::ScrollLineUp() { SendScroll(WM_VSCROLL, SB_LINEUP); }

void CRichEditUI::ScrollLineDown() {
  CScrollBarUI* pBar = m_pVerticalScrollBar;
  const bool bWatch = !m_bRich && pBar != nullptr && pBar->IsVisible();
  const int iLast = bWatch ? pBar->GetScrollPos() : 0;
  SendScroll(WM_VSCROLL, SB_LINEDOWN);
  // Plain text may stop short of its last line: the bar goes to its end then.
  if (bWatch && pBar->GetScrollPos() <= iLast) pBar->SetScrollPos(pBar->GetScrollRange());
}

void CRichEditUI::ScrollPageUp() { SendScroll(WM_VSCROLL, SB_PAGEUP); }

void CRichEditUI::ScrollPageDown() { SendScroll(WM_VSCROLL, SB_PAGEDOWN); }

void CRichEditUI::ScrollToTop() { SendScroll(WM_VSCROLL, SB_TOP); }

void CRichEditUI::ScrollToBottom() { SendScroll(WM_VSCROLL, SB_BOTTOM); }

void CRichEditUI::ScrollLineLeft() { SendScroll(WM_HSCROLL, SB_LINELEFT); }

void CRichEditUI::ScrollLineRight() { SendScroll(WM_HSCROLL, SB_LINERIGHT); }

void CRichEditUI::ScrollPageLeft() { SendScroll(WM_HSCROLL, SB_PAGELEFT); }

void CRichEditUI::ScrollPageRight() { SendScroll(WM_HSCROLL, SB_PAGERIGHT); }

void CRichEditUI::ScrollToLeft() { SendScroll(WM_HSCROLL, SB_LEFT); }

void CRichEditUI::ScrollToRight() { SendScroll(WM_HSCROLL, SB_RIGHT); }

void CRichEditUI::SetScrollPos(SIZE szPos) {
  int cx = 0;
  int cy = 0;
  int iLastY = 0;
  if (IsBarShown(m_pVerticalScrollBar)) {
    iLastY = m_pVerticalScrollBar->GetScrollPos();
    m_pVerticalScrollBar->SetScrollPos(szPos.cy);
    cy = m_pVerticalScrollBar->GetScrollPos() - iLastY;
  }
  if (IsBarShown(m_pHorizontalScrollBar)) {
    const int iLastX = m_pHorizontalScrollBar->GetScrollPos();
    m_pHorizontalScrollBar->SetScrollPos(szPos.cx);
    cx = m_pHorizontalScrollBar->GetScrollPos() - iLastX;
  }
  if (cy != 0) {
    const int iPos = m_pVerticalScrollBar->GetScrollPos();
    SendScroll(WM_VSCROLL, SB_THUMBPOSITION, WORD(iPos));
    if (!m_bRich && cy > 0 && m_pVerticalScrollBar->GetScrollPos() <= iLastY) {
      m_pVerticalScrollBar->SetScrollPos(iLastY);
    }
  }
  if (cx != 0) SendScroll(WM_HSCROLL, SB_THUMBPOSITION, WORD(m_pHorizontalScrollBar->GetScrollPos()));
}

// --- Layout and painting ---

LONG CRichEditUI::NaturalHeight(LONG width) const {
  if (!m_pTwh || m_pManager == nullptr) return 0;
  LONG lWidth = width;
  LONG lHeight = 0;
  SIZEL szExtent = {-1, -1};
  m_pTwh->GetTextServices()->TxGetNaturalSize(DVASPECT_CONTENT, m_pManager->GetPaintDC(), nullptr, nullptr,
                                              TXTNS_FITTOCONTENT, &szExtent, &lWidth, &lHeight);
  return lHeight;
}

void CRichEditUI::SetPos(RECT rc) {
  CControlUI::SetPos(rc);
  rc = m_rcItem;
  rc.left += m_rcInset.left;
  rc.top += m_rcInset.top;
  rc.right -= m_rcInset.right;
  rc.bottom -= m_rcInset.bottom;
  const bool bVBarWasShown = IsBarShown(m_pVerticalScrollBar);
  if (bVBarWasShown) rc.right -= m_pVerticalScrollBar->GetFixedWidth();
  if (IsBarShown(m_pHorizontalScrollBar)) rc.bottom -= m_pHorizontalScrollBar->GetFixedHeight();

  if (m_pTwh) {
    RECT rcRich = rc;
    rcRich.left += m_rcTextPadding.left;
    rcRich.right -= m_rcTextPadding.right;
    rcRich.top += m_rcTextPadding.top;
    rcRich.bottom -= m_rcTextPadding.bottom;
    m_pTwh->SetClientRect(rcRich);
    if (bVBarWasShown && (!m_pVerticalScrollBar->IsVisible() || m_bVScrollBarFixing)) {
      const LONG lHeight = NaturalHeight(rcRich.right - rcRich.left + m_pVerticalScrollBar->GetFixedWidth());
      if (lHeight > rcRich.bottom - rcRich.top) {
        m_pVerticalScrollBar->SetVisible(true);
        m_pVerticalScrollBar->SetScrollPos(0);
        m_bVScrollBarFixing = true;
      } else if (m_bVScrollBarFixing) {
        m_pVerticalScrollBar->SetVisible(false);
        m_bVScrollBarFixing = false;
      }
    }
  }

  if (IsBarShown(m_pVerticalScrollBar)) {
    m_pVerticalScrollBar->SetPos(RECT{rc.right, rc.top, rc.right + m_pVerticalScrollBar->GetFixedWidth(), rc.bottom});
  }
  if (IsBarShown(m_pHorizontalScrollBar)) {
    m_pHorizontalScrollBar->SetPos(
        RECT{rc.left, rc.bottom, rc.right, rc.bottom + m_pHorizontalScrollBar->GetFixedHeight()});
  }
  LayoutChildren(rc);
}

void CRichEditUI::LayoutChildren(RECT rc) {
  // Children, when a skin gives any, stand side by side: fixed widths as asked, the
  // rest shared among the others.
  int nFixed = 0;
  int nShared = 0;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    if (!pControl->IsVisible() || pControl->IsFloat()) continue;
    if (pControl->GetFixedWidth() > 0) nFixed += pControl->GetFixedWidth();
    else ++nShared;
  }
  const int nRest = rc.right - rc.left - nFixed;
  const int nShare = nShared > 0 ? std::max(0, nRest) / nShared : 0;
  int x = rc.left;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    if (!pControl->IsVisible()) continue;
    if (pControl->IsFloat()) {
      SetFloatPos(i);
      continue;
    }
    const int cx = pControl->GetFixedWidth() > 0 ? pControl->GetFixedWidth() : nShare;
    pControl->SetPos(RECT{x, rc.top, x + cx, rc.bottom});
    x += cx + m_iChildPadding;
  }
}

void CRichEditUI::Paint(HDC hDC, const RECT& rcPaint) {
  RECT rcTemp = {0, 0, 0, 0};
  if (!::IntersectRect(&rcTemp, &rcPaint, &m_rcItem)) return;
  CSkinClip clip;
  CSkinRenderer::SetClip(hDC, rcTemp, clip);
  CControlUI::Paint(hDC, rcPaint);

  if (m_pTwh) {
    RECT rcClient = m_pTwh->GetClientRect();
    const RECTL rcBounds{rcClient.left, rcClient.top, rcClient.right, rcClient.bottom};
    RECT rcUpdate = rcPaint;
    m_pTwh->GetTextServices()->TxDraw(DVASPECT_CONTENT, 0, nullptr, nullptr, hDC, nullptr, &rcBounds, nullptr,
                                      &rcUpdate, nullptr, 0, TXTVIEW_ACTIVE);
    if (m_bVScrollBarFixing && NaturalHeight(rcClient.right - rcClient.left) <= rcClient.bottom - rcClient.top) {
      RequestLayout();
    }
    if (!m_sTipValue.IsEmpty() && GetTextLength() == 0) {
      CSkinRenderer::DrawPlainText(hDC, m_pManager, rcClient, m_sTipValue, m_dwTipValueColor, m_iFont, DT_VCENTER);
    }
  }

  if (!m_items.IsEmpty()) PaintChildren(hDC, rcPaint);
  if (IsBarShown(m_pVerticalScrollBar) && ::IntersectRect(&rcTemp, &rcPaint, &m_pVerticalScrollBar->GetPos())) {
    m_pVerticalScrollBar->Paint(hDC, rcPaint);
  }
  if (IsBarShown(m_pHorizontalScrollBar) && ::IntersectRect(&rcTemp, &rcPaint, &m_pHorizontalScrollBar->GetPos())) {
    m_pHorizontalScrollBar->Paint(hDC, rcPaint);
  }
}

void CRichEditUI::DrawStateImages(HDC hDC) {
  if (!IsEnabled()) {
    if (DrawImage(hDC, m_diDisabled)) return;
  } else if (m_uButtonState & UISTATE_HOT) {
    if (DrawImage(hDC, m_diHot)) return;
  } else if (IsFocused()) {
    if (DrawImage(hDC, m_diFocused)) return;
  }
  DrawImage(hDC, m_diNormal);
}

}  // namespace SkinUI
