#include "tests/platform/textservices/RecordingTextHost.h"

#include <cwchar>
#include <string>

#include "platform/gdi/Gdi.h"
#include "platform/user/Cursor.h"

namespace textservicestest {
namespace {

std::string Bar(INT bar) {
  switch (bar) {
    case SB_VERT: return "vert";
    case SB_HORZ: return "horz";
    case SB_BOTH: return "both";
    default: return "bar" + std::to_string(bar);
  }
}

}  // namespace

RecordingTextHost::RecordingTextHost() {
  charFormat.cbSize = sizeof(charFormat);
  charFormat.dwMask = CFM_SIZE | CFM_FACE | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
  charFormat.yHeight = 14 * 1440 / 96;
  charFormat.crTextColor = RGB(0, 0, 0);
  std::wcscpy(charFormat.szFaceName, L"微软雅黑");
  paraFormat.cbSize = sizeof(paraFormat);
  paraFormat.dwMask = PFM_ALIGNMENT;
  paraFormat.wAlignment = PFA_LEFT;
}

int RecordingTextHost::LineHeight() const {
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(charFormat.yHeight, 96, 1440);
  std::wcscpy(lf.lfFaceName, charFormat.szFaceName);
  HFONT font = CreateFontIndirectW(&lf);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
  return tm.tmHeight;
}

HRESULT RecordingTextHost::QueryInterface(REFIID riid, void** ppvObject) {
  *ppvObject = nullptr;
  if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_ITextHost)) return E_NOINTERFACE;
  *ppvObject = static_cast<ITextHost*>(this);
  AddRef();
  return S_OK;
}

ULONG RecordingTextHost::AddRef() { return ULONG(++references); }

ULONG RecordingTextHost::Release() { return ULONG(--references); }

BOOL RecordingTextHost::TxShowScrollBar(INT fnBar, BOOL fShow) {
  calls.push_back("showbar " + Bar(fnBar) + (fShow ? " on" : " off"));
  return TRUE;
}

BOOL RecordingTextHost::TxEnableScrollBar(INT fuSBFlags, INT fuArrowflags) {
  calls.push_back("enablebar " + Bar(fuSBFlags) + (fuArrowflags == ESB_DISABLE_BOTH ? " disabled" : " enabled"));
  return TRUE;
}

BOOL RecordingTextHost::TxSetScrollRange(INT fnBar, LONG nMinPos, INT nMaxPos, BOOL) {
  calls.push_back("range " + Bar(fnBar) + " " + std::to_string(nMinPos) + "-" + std::to_string(nMaxPos));
  return TRUE;
}

BOOL RecordingTextHost::TxSetScrollPos(INT fnBar, INT nPos, BOOL) {
  calls.push_back("scrollpos " + Bar(fnBar) + " " + std::to_string(nPos));
  return TRUE;
}

void RecordingTextHost::TxInvalidateRect(LPCRECT prc, BOOL) { calls.push_back(prc ? "redraw part" : "redraw"); }

void RecordingTextHost::TxViewChange(BOOL) { ++viewChanges; }

BOOL RecordingTextHost::TxCreateCaret(HBITMAP, INT xWidth, INT yHeight) {
  calls.push_back("caret.create " + std::to_string(xWidth) + "x" + std::to_string(yHeight));
  return TRUE;
}

BOOL RecordingTextHost::TxShowCaret(BOOL fShow) {
  calls.push_back(fShow ? "caret.show" : "caret.hide");
  return TRUE;
}

BOOL RecordingTextHost::TxSetCaretPos(INT x, INT y) {
  calls.push_back("caret.pos " + std::to_string(x) + "," + std::to_string(y));
  return TRUE;
}

BOOL RecordingTextHost::TxSetTimer(UINT, UINT) {
  calls.push_back("timer.set");
  return TRUE;
}

void RecordingTextHost::TxKillTimer(UINT) { calls.push_back("timer.kill"); }

void RecordingTextHost::TxScrollWindowEx(INT, INT, LPCRECT, LPCRECT, HRGN, LPRECT, UINT) {
  calls.push_back("scrollwindow");
}

void RecordingTextHost::TxSetCapture(BOOL fCapture) { calls.push_back(fCapture ? "capture" : "release"); }

void RecordingTextHost::TxSetFocus() { calls.push_back("focus"); }

void RecordingTextHost::TxSetCursor(HCURSOR hcur, BOOL) {
  calls.push_back(hcur == LoadCursorW(nullptr, IDC_IBEAM) ? "cursor ibeam" : "cursor other");
}

HRESULT RecordingTextHost::TxGetClientRect(LPRECT prc) {
  *prc = client;
  return S_OK;
}

HRESULT RecordingTextHost::TxGetViewInset(LPRECT prc) {
  *prc = RECT{0, 0, 0, 0};
  return S_OK;
}

HRESULT RecordingTextHost::TxGetCharFormat(const CHARFORMATW** ppCF) {
  *ppCF = &charFormat;
  return S_OK;
}

HRESULT RecordingTextHost::TxGetParaFormat(const PARAFORMAT** ppPF) {
  *ppPF = &paraFormat;
  return S_OK;
}

COLORREF RecordingTextHost::TxGetSysColor(int nIndex) { return GetSysColor(nIndex); }

HRESULT RecordingTextHost::TxGetBackStyle(TXTBACKSTYLE* pstyle) {
  *pstyle = backStyle;
  return S_OK;
}

HRESULT RecordingTextHost::TxGetMaxLength(DWORD* plength) {
  *plength = maxLength;
  return S_OK;
}

HRESULT RecordingTextHost::TxGetScrollBars(DWORD* pdwScrollBar) {
  *pdwScrollBar = scrollBars;
  return S_OK;
}

HRESULT RecordingTextHost::TxGetPasswordChar(TCHAR* pch) {
  *pch = passwordChar;
  return S_OK;
}

HRESULT RecordingTextHost::TxGetAcceleratorPos(LONG* pcp) {
  *pcp = -1;
  return S_OK;
}

HRESULT RecordingTextHost::TxGetExtent(LPSIZEL lpExtent) {
  *lpExtent = SIZEL{0, 0};
  return S_OK;
}

HRESULT RecordingTextHost::TxGetPropertyBits(DWORD dwMask, DWORD* pdwBits) {
  *pdwBits = bits & dwMask;
  return S_OK;
}

HRESULT RecordingTextHost::TxNotify(DWORD iNotify, void*) {
  calls.push_back(iNotify == EN_CHANGE ? "notify change" : "notify " + std::to_string(iNotify));
  return S_OK;
}

HRESULT RecordingTextHost::TxGetSelectionBarWidth(LONG* lSelBarWidth) {
  *lSelBarWidth = 0;
  return S_OK;
}

}  // namespace textservicestest
