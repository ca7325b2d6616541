#pragma once
// The text host of one rich edit: it loads the windowless text services by library
// name, creates them with itself as their host, keeps the formats, rectangle and
// properties they ask for, and turns their requests (repaint, caret, timers, capture,
// cursor, scroll bars, notifications) into operations of its control and of the
// window manager. Reference-counted: the control holds one reference, and the
// services hold none (the host owns them and releases them when it goes).
#include "platform/com/ComPtr.h"
#include "platform/textservices/TextServ.h"
#include "platform/win32.h"

namespace SkinUI {

class CRichEditUI;
class CTxtWinHost;

// A host for the control made from the creation record (style and text); null when
// the text services could not be loaded or made.
platform::com::ComPtr<CTxtWinHost> CreateTextHost(CRichEditUI* pOwner, const CREATESTRUCTW* pcs);

class CTxtWinHost : public ITextHost {
 public:
  CTxtWinHost();
  CTxtWinHost(const CTxtWinHost&) = delete;
  CTxtWinHost& operator=(const CTxtWinHost&) = delete;

  bool Init(CRichEditUI* pOwner, const CREATESTRUCTW* pcs);
  ITextServices* GetTextServices() const { return m_pServices.Get(); }
  // The control is going: nothing more reaches it, whatever the services still ask.
  void ForgetOwner();
  CRichEditUI* GetOwner() const { return m_pOwner; }

  void SetClientRect(const RECT& rc);
  const RECT& GetClientRect() const { return m_rcClient; }
  // ARGB; the alpha is dropped.
  void SetColor(DWORD dwColor);
  void SetFont(HFONT hFont);
  // Below 1: the default, 0x7FFF.
  void SetMaxLength(LONG nLength);
  LONG GetMaxLength() const { return m_nMaxLength; }
  void SetRichTextFlag(bool bRich);
  void SetTransparent(bool bTransparent);
  bool InPlaceActivate(LPCRECT prcClient);
  bool IsCaptured() const { return m_bCaptured; }
  // False when the point lies outside the rectangle (the client rectangle by default).
  bool SetCursorAtPoint(LPCRECT prc, POINT pt);
  const CHARFORMAT2W& GetCharFormat() const { return m_cf; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // ITextHost
  HDC TxGetDC() override;
  INT TxReleaseDC(HDC hdc) override;
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
  void TxScrollWindowEx(INT dx, INT dy, LPCRECT lprcScroll, LPCRECT lprcClip, HRGN hrgnUpdate, LPRECT lprcUpdate,
                        UINT fuScroll) override;
  void TxSetCapture(BOOL fCapture) override;
  void TxSetFocus() override;
  void TxSetCursor(HCURSOR hcur, BOOL fText) override;
  BOOL TxScreenToClient(LPPOINT lppt) override;
  BOOL TxClientToScreen(LPPOINT lppt) override;
  HRESULT TxActivate(LONG* plOldState) override;
  HRESULT TxDeactivate(LONG lNewState) override;
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
  HRESULT OnTxCharFormatChange(const CHARFORMATW* pcf) override;
  HRESULT OnTxParaFormatChange(const PARAFORMAT* ppf) override;
  HRESULT TxGetPropertyBits(DWORD dwMask, DWORD* pdwBits) override;
  HRESULT TxNotify(DWORD iNotify, void* pv) override;
  HIMC TxImmGetContext() override;
  void TxImmReleaseContext(HIMC himc) override;
  HRESULT TxGetSelectionBarWidth(LONG* lSelBarWidth) override;

  virtual ~CTxtWinHost();

 private:
  // The owner's font, colour and size as the services' default character format.
  void InitCharFormat();
  void InitParaFormat();
  // The services of one library, through its CreateTextServices; null when missing.
  platform::com::ComPtr<IUnknown> CreateServicesFrom(LPCWSTR pszLibrary, HMODULE& hModule);
  HWND HostWindow() const;
  bool IsLayered() const;
  void PropertyChanged(DWORD dwBit, DWORD dwValue);
  // The owner lays itself out again when a bar comes or goes.
  void BarVisibility(bool bVertical, bool bShow);

  CRichEditUI* m_pOwner;
  ULONG m_cRefs;
  platform::com::ComPtr<ITextServices> m_pServices;
  DWORD m_dwStyle;
  bool m_bAutoWordSelect;
  bool m_bWordWrap;
  bool m_bAllowBeep;
  bool m_bRich;
  bool m_bSaveSelection;
  bool m_bInPlaceActive;
  bool m_bTransparent;
  bool m_bTimer;
  bool m_bCaptured;
  LONG m_nSelBarWidth;
  LONG m_nMaxLength;
  RECT m_rcClient;
  SIZEL m_sizelExtent;  // HIMETRIC
  CHARFORMAT2W m_cf;
  PARAFORMAT2 m_pf;
  LONG m_nAccelPos;
  WCHAR m_chPasswordChar;
  HMODULE m_hRichEdit;  // the libraries the services came from, freed last
  HMODULE m_hMsftEdit;
};

}  // namespace SkinUI
