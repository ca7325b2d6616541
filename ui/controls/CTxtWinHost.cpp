#include "ui/controls/CTxtWinHost.h"

#include <algorithm>
#include <cwchar>

#include "platform/textservices/RichEdit.h"
#include "ui/controls/CRichEditUI.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace SkinUI {
namespace {

const LONG kDefaultMaxLength = 0x7FFF;
// The default tab stop, half an inch.
const LONG kTabStopTwips = 720;
const int kHimetricPerInch = 2540;
const DWORD kScrollBarStyles = WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_DISABLENOSCROLL;

}  // namespace

platform::com::ComPtr<CTxtWinHost> CreateTextHost(CRichEditUI* pOwner, const CREATESTRUCTW* pcs) {
  auto host = platform::com::ComPtr<CTxtWinHost>::Adopt(new CTxtWinHost);
  if (!host->Init(pOwner, pcs)) return nullptr;
  return host;
}

CTxtWinHost::CTxtWinHost()
    : m_pOwner(nullptr),
      m_cRefs(1),
      m_dwStyle(ES_MULTILINE),
      m_bAutoWordSelect(false),
      m_bWordWrap(false),
      m_bAllowBeep(false),
      m_bRich(false),
      m_bSaveSelection(false),
      m_bInPlaceActive(false),
      m_bTransparent(false),
      m_bTimer(false),
      m_bCaptured(false),
      m_nSelBarWidth(0),
      m_nMaxLength(kDefaultMaxLength),
      m_rcClient{0, 0, 0, 0},
      m_sizelExtent{0, 0},
      m_cf{},
      m_pf{},
      m_nAccelPos(-1),
      m_chPasswordChar(0),
      m_hRichEdit(nullptr),
      m_hMsftEdit(nullptr) {}

CTxtWinHost::~CTxtWinHost() {
  if (m_pServices) {
    m_pServices->OnTxInPlaceDeactivate();
    m_pServices.Reset();
  }
  if (m_hMsftEdit) ::FreeLibrary(m_hMsftEdit);
  if (m_hRichEdit) ::FreeLibrary(m_hRichEdit);
}

bool CTxtWinHost::Init(CRichEditUI* pOwner, const CREATESTRUCTW* pcs) {
  m_pOwner = pOwner;
  InitCharFormat();
  InitParaFormat();
  m_dwStyle = ES_MULTILINE;
  m_bRich = pOwner->IsRich();
  m_nMaxLength = pOwner->GetLimitText() < 1 ? kDefaultMaxLength : pOwner->GetLimitText();
  if (pcs != nullptr) {
    m_dwStyle = DWORD(pcs->style);
    m_bWordWrap = !(m_dwStyle & (ES_AUTOHSCROLL | WS_HSCROLL));
  }
  if (m_dwStyle & ES_CENTER) m_pf.wAlignment = PFA_CENTER;
  else if (m_dwStyle & ES_RIGHT) m_pf.wAlignment = PFA_RIGHT;
  m_bInPlaceActive = true;

  platform::com::ComPtr<IUnknown> unknown = CreateServicesFrom(L"Riched20.dll", m_hRichEdit);
  if (!unknown) return false;
  // The newer library's services are preferred where the system has them.
  platform::com::ComPtr<IUnknown> newer = CreateServicesFrom(L"msftedit.dll", m_hMsftEdit);
  if (newer) unknown = newer;

  if (FAILED(unknown->QueryInterface(IID_ITextServices, m_pServices.PutVoid()))) return false;
  unknown.Reset();
  newer.Reset();
  if (pcs != nullptr && pcs->lpszName != nullptr && pcs->lpszName[0] != 0) {
    if (FAILED(m_pServices->TxSetText(pcs->lpszName))) return false;
  }
  return true;
}

platform::com::ComPtr<IUnknown> CTxtWinHost::CreateServicesFrom(LPCWSTR pszLibrary, HMODULE& hModule) {
  hModule = ::LoadLibraryW(pszLibrary);
  if (hModule == nullptr) return nullptr;
  auto create = reinterpret_cast<PCreateTextServices>(::GetProcAddress(hModule, "CreateTextServices"));
  platform::com::ComPtr<IUnknown> unknown;
  if (create == nullptr || FAILED(create(nullptr, this, unknown.Put()))) return nullptr;
  return unknown;
}

void CTxtWinHost::ForgetOwner() { m_pOwner = nullptr; }

void CTxtWinHost::InitCharFormat() {
  m_cf = CHARFORMAT2W{};
  m_cf.cbSize = sizeof(CHARFORMAT2W);
  CWindowManagerUI* pManager = m_pOwner->GetManager();
  HFONT hFont = pManager != nullptr ? pManager->GetFont(m_pOwner->GetFont()) : nullptr;
  if (hFont == nullptr && pManager != nullptr) hFont = pManager->GetDefaultFontInfo()->hFont;
  if (hFont == nullptr) hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  m_cf.dwMask = CFM_SIZE | CFM_OFFSET | CFM_FACE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
  const DWORD dwColor = m_pOwner->GetTextColor();
  m_cf.crTextColor = RGB(GetBValue(dwColor), GetGValue(dwColor), GetRValue(dwColor));
  m_cf.yOffset = 0;
  SetFont(hFont);
}

void CTxtWinHost::InitParaFormat() {
  m_pf = PARAFORMAT2{};
  m_pf.cbSize = sizeof(PARAFORMAT2);
  m_pf.dwMask = PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET | PFM_ALIGNMENT | PFM_TABSTOPS | PFM_NUMBERING |
                PFM_RTLPARA | PFM_OFFSETINDENT;
  m_pf.wAlignment = PFA_LEFT;
  m_pf.cTabCount = 1;
  m_pf.rgxTabs[0] = kTabStopTwips;
}

HWND CTxtWinHost::HostWindow() const {
  CWindowManagerUI* pManager = m_pOwner != nullptr ? m_pOwner->GetManager() : nullptr;
  return pManager != nullptr ? pManager->GetPaintWindow() : nullptr;
}

bool CTxtWinHost::IsLayered() const {
  CWindowManagerUI* pManager = m_pOwner != nullptr ? m_pOwner->GetManager() : nullptr;
  return pManager != nullptr && pManager->IsLayered();
}

void CTxtWinHost::PropertyChanged(DWORD dwBit, DWORD dwValue) {
  if (m_pServices) m_pServices->OnTxPropertyBitsChange(dwBit, dwValue);
}

// --- What the control asks ---

void CTxtWinHost::SetClientRect(const RECT& rc) {
  m_rcClient = rc;
  HDC hDC = TxGetDC();
  const int xPerInch = hDC != nullptr ? ::GetDeviceCaps(hDC, LOGPIXELSX) : 96;
  const int yPerInch = hDC != nullptr ? ::GetDeviceCaps(hDC, LOGPIXELSY) : 96;
  m_sizelExtent.cx = ::MulDiv(rc.right - rc.left, kHimetricPerInch, xPerInch);
  m_sizelExtent.cy = ::MulDiv(rc.bottom - rc.top, kHimetricPerInch, yPerInch);
  PropertyChanged(TXTBIT_VIEWINSETCHANGE, TXTBIT_VIEWINSETCHANGE);
}

void CTxtWinHost::SetColor(DWORD dwColor) {
  m_cf.crTextColor = RGB(GetBValue(dwColor), GetGValue(dwColor), GetRValue(dwColor));
  PropertyChanged(TXTBIT_CHARFORMATCHANGE, TXTBIT_CHARFORMATCHANGE);
}

void CTxtWinHost::SetFont(HFONT hFont) {
  if (hFont == nullptr) return;
  LOGFONTW lf{};
  ::GetObjectW(hFont, sizeof(LOGFONTW), &lf);
  HWND hWnd = HostWindow();
  HDC hDC = hWnd != nullptr ? TxGetDC() : nullptr;
  const int yPerInch = hDC != nullptr ? ::GetDeviceCaps(hDC, LOGPIXELSY) : 96;
  m_cf.yHeight = -lf.lfHeight * 1440 / yPerInch;
  m_cf.dwEffects &= ~(CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE);
  if (lf.lfWeight >= FW_BOLD) m_cf.dwEffects |= CFE_BOLD;
  if (lf.lfItalic) m_cf.dwEffects |= CFE_ITALIC;
  if (lf.lfUnderline) m_cf.dwEffects |= CFE_UNDERLINE;
  m_cf.bCharSet = lf.lfCharSet;
  m_cf.bPitchAndFamily = lf.lfPitchAndFamily;
  const size_t nFace = std::min(wcsnlen(lf.lfFaceName, LF_FACESIZE), size_t(LF_FACESIZE_RICHEDIT - 1));
  std::wmemset(m_cf.szFaceName, 0, LF_FACESIZE_RICHEDIT);
  std::wmemcpy(m_cf.szFaceName, lf.lfFaceName, nFace);
  PropertyChanged(TXTBIT_CHARFORMATCHANGE, TXTBIT_CHARFORMATCHANGE);
}

void CTxtWinHost::SetMaxLength(LONG nLength) {
  m_nMaxLength = nLength < 1 ? kDefaultMaxLength : nLength;
  PropertyChanged(TXTBIT_MAXLENGTHCHANGE, TXTBIT_MAXLENGTHCHANGE);
}

void CTxtWinHost::SetRichTextFlag(bool bRich) {
  m_bRich = bRich;
  PropertyChanged(TXTBIT_RICHTEXT, bRich ? TXTBIT_RICHTEXT : 0);
}

void CTxtWinHost::SetTransparent(bool bTransparent) {
  m_bTransparent = bTransparent;
  PropertyChanged(TXTBIT_BACKSTYLECHANGE, 0);
}

bool CTxtWinHost::InPlaceActivate(LPCRECT prcClient) {
  m_bInPlaceActive = true;
  if (m_pServices && SUCCEEDED(m_pServices->OnTxInPlaceActivate(prcClient))) return true;
  m_bInPlaceActive = false;
  return false;
}

bool CTxtWinHost::SetCursorAtPoint(LPCRECT prc, POINT pt) {
  const RECT rc = prc != nullptr ? *prc : m_rcClient;
  if (!::PtInRect(&rc, pt) || !m_pServices) return false;
  LPCRECT prcClient = (m_bInPlaceActive && prc == nullptr) ? nullptr : &rc;
  m_pServices->OnTxSetCursor(DVASPECT_CONTENT, -1, nullptr, nullptr, TxGetDC(), nullptr, prcClient, pt.x, pt.y);
  return true;
}

// --- IUnknown ---

HRESULT CTxtWinHost::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_ITextHost)) return E_NOINTERFACE;
  *ppvObject = static_cast<ITextHost*>(this);
  AddRef();
  return S_OK;
}

ULONG CTxtWinHost::AddRef() { return ++m_cRefs; }

ULONG CTxtWinHost::Release() {
  const ULONG cRefs = --m_cRefs;
  if (cRefs == 0) delete this;
  return cRefs;
}

// --- ITextHost ---

HDC CTxtWinHost::TxGetDC() {
  CWindowManagerUI* pManager = m_pOwner != nullptr ? m_pOwner->GetManager() : nullptr;
  return pManager != nullptr ? pManager->GetPaintDC() : nullptr;
}

INT CTxtWinHost::TxReleaseDC(HDC) { return 1; }

void CTxtWinHost::BarVisibility(bool bVertical, bool bShow) {
  if (m_pOwner == nullptr) return;
  CScrollBarUI* pBar = bVertical ? m_pOwner->GetVerticalScrollBar() : m_pOwner->GetHorizontalScrollBar();
  if (pBar == nullptr || pBar->IsVisible() == bShow) return;
  pBar->SetVisible(bShow);
  m_pOwner->RequestLayout();
}

BOOL CTxtWinHost::TxShowScrollBar(INT fnBar, BOOL fShow) {
  if (fnBar == SB_VERT || fnBar == SB_BOTH) BarVisibility(true, fShow == TRUE);
  if (fnBar == SB_HORZ || fnBar == SB_BOTH) BarVisibility(false, fShow == TRUE);
  return TRUE;
}

BOOL CTxtWinHost::TxEnableScrollBar(INT fuSBFlags, INT fuArrowflags) {
  if (m_pOwner == nullptr) return FALSE;
  const bool bVertical = fuSBFlags == SB_VERT || fuSBFlags == SB_BOTH;
  const bool bHorizontal = fuSBFlags == SB_HORZ || fuSBFlags == SB_BOTH;
  const bool bHadVertical = m_pOwner->GetVerticalScrollBar() != nullptr;
  const bool bHadHorizontal = m_pOwner->GetHorizontalScrollBar() != nullptr;
  m_pOwner->EnableScrollBar(bVertical || bHadVertical, bHorizontal || bHadHorizontal);
  const bool bShow = fuArrowflags != ESB_DISABLE_BOTH;
  if (bVertical) BarVisibility(true, bShow);
  if (bHorizontal) BarVisibility(false, bShow);
  return TRUE;
}

BOOL CTxtWinHost::TxSetScrollRange(INT fnBar, LONG nMinPos, INT nMaxPos, BOOL) {
  if (m_pOwner == nullptr) return FALSE;
  const bool bVertical = fnBar == SB_VERT;
  CScrollBarUI* pBar = bVertical ? m_pOwner->GetVerticalScrollBar() : m_pOwner->GetHorizontalScrollBar();
  if (pBar == nullptr) return TRUE;
  const LONG nView = bVertical ? m_rcClient.bottom - m_rcClient.top : m_rcClient.right - m_rcClient.left;
  const LONG nOver = (LONG(nMaxPos) - nMinPos) - nView;
  if (nOver > 0) {
    pBar->SetScrollRange(int(nOver));
    BarVisibility(bVertical, true);
  } else {
    BarVisibility(bVertical, false);
  }
  return TRUE;
}

BOOL CTxtWinHost::TxSetScrollPos(INT fnBar, INT nPos, BOOL) {
  if (m_pOwner == nullptr) return FALSE;
  CScrollBarUI* pBar = fnBar == SB_VERT ? m_pOwner->GetVerticalScrollBar() : m_pOwner->GetHorizontalScrollBar();
  if (pBar != nullptr) pBar->SetScrollPos(nPos);
  return TRUE;
}

void CTxtWinHost::TxInvalidateRect(LPCRECT prc, BOOL) {
  CWindowManagerUI* pManager = m_pOwner != nullptr ? m_pOwner->GetManager() : nullptr;
  if (pManager == nullptr) return;
  pManager->Invalidate(prc != nullptr ? *prc : m_rcClient);
}

void CTxtWinHost::TxViewChange(BOOL) {
  if (m_pOwner != nullptr && m_pOwner->OnTxViewChanged()) m_pOwner->Invalidate();
}

BOOL CTxtWinHost::TxCreateCaret(HBITMAP hbmp, INT xWidth, INT yHeight) {
  if (m_pOwner == nullptr) return FALSE;
  if (IsLayered()) return m_pOwner->GetManager()->CreateCaret(hbmp, xWidth, yHeight) ? TRUE : FALSE;
  return ::CreateCaret(HostWindow(), hbmp, xWidth, yHeight);
}

BOOL CTxtWinHost::TxShowCaret(BOOL fShow) {
  if (m_pOwner == nullptr) return FALSE;
  if (!IsLayered()) return fShow ? ::ShowCaret(HostWindow()) : ::HideCaret(HostWindow());
  CWindowManagerUI* pManager = m_pOwner->GetManager();
  if (pManager->GetCaretOwner() != m_pOwner || (!m_pOwner->IsReadOnly() && m_pOwner->Activate())) {
    return pManager->ShowCaret(fShow == TRUE) ? TRUE : FALSE;
  }
  return pManager->ShowCaret(false) ? TRUE : FALSE;
}

BOOL CTxtWinHost::TxSetCaretPos(INT x, INT y) {
  if (m_pOwner == nullptr) return FALSE;
  BOOL bPlaced = TRUE;
  if (IsLayered()) m_pOwner->GetManager()->SetCaretPos(m_pOwner, x, y);
  else bPlaced = ::SetCaretPos(x, y);
  // No input method of this desktop announces a composition before it begins, so the
  // composition follows the caret of the focused control as it moves.
  if (m_pOwner->IsFocused()) m_pOwner->MoveCompositionToCaret();
  return bPlaced;
}

BOOL CTxtWinHost::TxSetTimer(UINT idTimer, UINT uTimeout) {
  if (m_pOwner == nullptr || m_pOwner->GetManager() == nullptr) return FALSE;
  m_bTimer = m_pOwner->GetManager()->SetTimer(m_pOwner, idTimer, uTimeout);
  return m_bTimer ? TRUE : FALSE;
}

void CTxtWinHost::TxKillTimer(UINT idTimer) {
  if (m_pOwner != nullptr && m_pOwner->GetManager() != nullptr) m_pOwner->GetManager()->KillTimer(m_pOwner, idTimer);
  m_bTimer = false;
}

void CTxtWinHost::TxScrollWindowEx(INT, INT, LPCRECT, LPCRECT, HRGN, LPRECT, UINT) {}

void CTxtWinHost::TxSetCapture(BOOL fCapture) {
  m_bCaptured = fCapture == TRUE;
  if (m_pOwner == nullptr || m_pOwner->GetManager() == nullptr) return;
  if (fCapture) m_pOwner->GetManager()->SetCapture();
  else m_pOwner->GetManager()->ReleaseCapture();
}

void CTxtWinHost::TxSetFocus() {
  if (m_pOwner != nullptr) m_pOwner->SetFocus();
}

void CTxtWinHost::TxSetCursor(HCURSOR hcur, BOOL) { ::SetCursor(hcur); }

BOOL CTxtWinHost::TxScreenToClient(LPPOINT lppt) { return ::ScreenToClient(HostWindow(), lppt); }

BOOL CTxtWinHost::TxClientToScreen(LPPOINT lppt) { return ::ClientToScreen(HostWindow(), lppt); }

HRESULT CTxtWinHost::TxActivate(LONG*) { return S_OK; }

HRESULT CTxtWinHost::TxDeactivate(LONG) { return S_OK; }

HRESULT CTxtWinHost::TxGetClientRect(LPRECT prc) {
  if (prc == nullptr) return E_POINTER;
  *prc = m_rcClient;
  return S_OK;
}

HRESULT CTxtWinHost::TxGetViewInset(LPRECT prc) {
  if (prc == nullptr) return E_POINTER;
  *prc = RECT{0, 0, 0, 0};
  return S_OK;
}

HRESULT CTxtWinHost::TxGetCharFormat(const CHARFORMATW** ppCF) {
  if (ppCF == nullptr) return E_POINTER;
  *ppCF = &m_cf;
  return S_OK;
}

HRESULT CTxtWinHost::TxGetParaFormat(const PARAFORMAT** ppPF) {
  if (ppPF == nullptr) return E_POINTER;
  *ppPF = &m_pf;
  return S_OK;
}

COLORREF CTxtWinHost::TxGetSysColor(int nIndex) { return ::GetSysColor(nIndex); }

HRESULT CTxtWinHost::TxGetBackStyle(TXTBACKSTYLE* pstyle) {
  if (pstyle == nullptr) return E_POINTER;
  *pstyle = m_bTransparent ? TXTBACK_TRANSPARENT : TXTBACK_OPAQUE;
  return S_OK;
}

HRESULT CTxtWinHost::TxGetMaxLength(DWORD* plength) {
  if (plength == nullptr) return E_POINTER;
  *plength = DWORD(m_nMaxLength);
  return S_OK;
}

HRESULT CTxtWinHost::TxGetScrollBars(DWORD* pdwScrollBar) {
  if (pdwScrollBar == nullptr) return E_POINTER;
  *pdwScrollBar = m_dwStyle & kScrollBarStyles;
  return S_OK;
}

HRESULT CTxtWinHost::TxGetPasswordChar(TCHAR* pch) {
  if (pch == nullptr) return E_POINTER;
  *pch = m_chPasswordChar;
  return S_OK;
}

HRESULT CTxtWinHost::TxGetAcceleratorPos(LONG* pcp) {
  if (pcp == nullptr) return E_POINTER;
  *pcp = m_nAccelPos;
  return S_OK;
}

HRESULT CTxtWinHost::TxGetExtent(LPSIZEL lpExtent) {
  if (lpExtent == nullptr) return E_POINTER;
  *lpExtent = m_sizelExtent;
  return S_OK;
}

HRESULT CTxtWinHost::OnTxCharFormatChange(const CHARFORMATW*) { return S_OK; }

HRESULT CTxtWinHost::OnTxParaFormatChange(const PARAFORMAT*) { return S_OK; }

HRESULT CTxtWinHost::TxGetPropertyBits(DWORD dwMask, DWORD* pdwBits) {
  if (pdwBits == nullptr) return E_POINTER;
  DWORD dwBits = 0;
  if (m_dwStyle & ES_MULTILINE) dwBits |= TXTBIT_MULTILINE;
  if (m_bRich) dwBits |= TXTBIT_RICHTEXT;
  if (m_dwStyle & ES_READONLY) dwBits |= TXTBIT_READONLY;
  if (m_dwStyle & ES_PASSWORD) dwBits |= TXTBIT_USEPASSWORD;
  if (!(m_dwStyle & ES_NOHIDESEL)) dwBits |= TXTBIT_HIDESELECTION;
  if (m_bAutoWordSelect) dwBits |= TXTBIT_AUTOWORDSEL;
  if (m_bWordWrap) dwBits |= TXTBIT_WORDWRAP;
  if (m_bAllowBeep) dwBits |= TXTBIT_ALLOWBEEP;
  if (m_bSaveSelection) dwBits |= TXTBIT_SAVESELECTION;
  *pdwBits = dwBits & dwMask;
  return S_OK;
}

HRESULT CTxtWinHost::TxNotify(DWORD iNotify, void* pv) {
  if (iNotify == EN_REQUESTRESIZE && pv != nullptr) {
    const RECT& rcRequested = static_cast<REQRESIZE*>(pv)->rc;
    RECT rc = m_rcClient;
    rc.right = rc.left + (rcRequested.right - rcRequested.left);
    rc.bottom = rc.top + (rcRequested.bottom - rcRequested.top);
    SetClientRect(rc);
  }
  if (m_pOwner != nullptr) m_pOwner->OnTxNotify(iNotify, pv);
  return S_OK;
}

HIMC CTxtWinHost::TxImmGetContext() { return nullptr; }

void CTxtWinHost::TxImmReleaseContext(HIMC) {}

HRESULT CTxtWinHost::TxGetSelectionBarWidth(LONG* lSelBarWidth) {
  if (lSelBarWidth == nullptr) return E_POINTER;
  *lSelBarWidth = m_nSelBarWidth;
  return S_OK;
}

}  // namespace SkinUI
