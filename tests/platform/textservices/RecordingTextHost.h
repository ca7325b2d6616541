#pragma once
// A text host for testing the text services alone: it answers with the properties a
// test gives it and records, in order, every call that shows something or asks for
// something on the screen (repaints, caret, capture, timers, cursor, scroll bars,
// notifications) as a short line. It counts the references taken on it; the services
// must take none.
#include <string>
#include <vector>

#include "platform/textservices/TextServ.h"

namespace textservicestest {

class RecordingTextHost : public ITextHost {
 public:
  RecordingTextHost();
  virtual ~RecordingTextHost() = default;

  // What the host answers; change, then tell the services with OnTxPropertyBitsChange.
  DWORD bits = TXTBIT_MULTILINE | TXTBIT_WORDWRAP;
  RECT client{10, 20, 210, 120};
  DWORD maxLength = 0x7FFF;
  TCHAR passwordChar = 0;
  DWORD scrollBars = 0;
  TXTBACKSTYLE backStyle = TXTBACK_TRANSPARENT;
  CHARFORMAT2W charFormat{};
  PARAFORMAT2 paraFormat{};

  // Lines such as "redraw", "caret.pos 10,20", "notify change", "range 0-57".
  std::vector<std::string> calls;
  int references = 0;  // AddRef less Release, from the services
  int viewChanges = 0;

  // The pixel height of a line in the host's font.
  int LineHeight() const;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HDC TxGetDC() override { return nullptr; }
  INT TxReleaseDC(HDC) override { return 1; }
  BOOL TxShowScrollBar(INT fnBar, BOOL fShow) override;
  BOOL TxEnableScrollBar(INT fuSBFlags, INT fuArrowflags) override;
  BOOL TxSetScrollRange(INT fnBar, LONG nMinPos, INT nMaxPos, BOOL fRedraw) override;
  BOOL TxSetScrollPos(INT fnBar, INT nPos, BOOL fRedraw) override;
  void TxInvalidateRect(LPCRECT prc, BOOL fMode) override;
  void TxViewChange(BOOL fUpdate) override;
  BOOL TxCreateCaret(HBITMAP hbmp, INT xWidth, INT yHeight) override;
  BOOL TxShowCaret(BOOL fShow) override;
  BOOL TxSetCaretPos(INT x, INT y) override;
  BOOL TxSetTimer(UINT idTimer, UINT uTimeout) override;
  void TxKillTimer(UINT idTimer) override;
  void TxScrollWindowEx(INT, INT, LPCRECT, LPCRECT, HRGN, LPRECT, UINT) override;
  void TxSetCapture(BOOL fCapture) override;
  void TxSetFocus() override;
  void TxSetCursor(HCURSOR hcur, BOOL fText) override;
  BOOL TxScreenToClient(LPPOINT) override { return TRUE; }
  BOOL TxClientToScreen(LPPOINT) override { return TRUE; }
  HRESULT TxActivate(LONG*) override { return S_OK; }
  HRESULT TxDeactivate(LONG) override { return S_OK; }
  HRESULT TxGetClientRect(LPRECT prc) override;
  HRESULT TxGetViewInset(LPRECT prc) override;
  HRESULT TxGetCharFormat(const CHARFORMATW** ppCF) override;
  HRESULT TxGetParaFormat(const PARAFORMAT** ppPF) override;
  COLORREF TxGetSysColor(int nIndex) override;
  HRESULT TxGetBackStyle(TXTBACKSTYLE* pstyle) override;
  HRESULT TxGetMaxLength(DWORD* plength) override;
  HRESULT TxGetScrollBars(DWORD* pdwScrollBar) override;
  HRESULT TxGetPasswordChar(TCHAR* pch) override;
  HRESULT TxGetAcceleratorPos(LONG* pcp) override;
  HRESULT TxGetExtent(LPSIZEL lpExtent) override;
  HRESULT OnTxCharFormatChange(const CHARFORMATW*) override { return S_OK; }
  HRESULT OnTxParaFormatChange(const PARAFORMAT*) override { return S_OK; }
  HRESULT TxGetPropertyBits(DWORD dwMask, DWORD* pdwBits) override;
  HRESULT TxNotify(DWORD iNotify, void* pv) override;
  HIMC TxImmGetContext() override { return nullptr; }
  void TxImmReleaseContext(HIMC) override {}
  HRESULT TxGetSelectionBarWidth(LONG* lSelBarWidth) override;
};

}  // namespace textservicestest
