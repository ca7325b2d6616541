#pragma once
// The windowless text services: a plain-text, multi-line editor behind ITextServices.
// It reads its rectangle, formats and properties from its host, takes the host's
// window messages through TxSendMessage, draws into the device context TxDraw gives,
// and asks the host for everything on the screen (invalidation, caret, capture,
// timers, cursor, scroll bars) and tells it of each change of text (EN_CHANGE, while
// the event mask asks for it). Plain text only: no formatting of ranges, no undo.
#include <atomic>

#include "platform/textservices/MultiLineEditor.h"
#include "platform/textservices/TextServ.h"

namespace platform::textservices {

class TextServices final : public ITextServices {
 public:
  // The object behind CreateTextServices; aggregation is not offered.
  static HRESULT Create(IUnknown* outer, ITextHost* host, IUnknown** out);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // ITextServices
  HRESULT STDMETHODCALLTYPE TxSendMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT* plresult) override;
  HRESULT STDMETHODCALLTYPE TxDraw(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd, HDC hdcDraw,
                                   HDC hicTargetDev, LPCRECTL lprcBounds, LPCRECTL lprcWBounds, LPRECT lprcUpdate,
                                   BOOL(CALLBACK* pfnContinue)(DWORD), DWORD dwContinue, LONG lViewId) override;
  HRESULT STDMETHODCALLTYPE TxGetHScroll(LONG* plMin, LONG* plMax, LONG* plPos, LONG* plPage,
                                         BOOL* pfEnabled) override;
  HRESULT STDMETHODCALLTYPE TxGetVScroll(LONG* plMin, LONG* plMax, LONG* plPos, LONG* plPage,
                                         BOOL* pfEnabled) override;
  HRESULT STDMETHODCALLTYPE OnTxSetCursor(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd,
                                          HDC hdcDraw, HDC hicTargetDev, LPCRECT lprcClient, INT x, INT y) override;
  HRESULT STDMETHODCALLTYPE TxQueryHitPoint(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd,
                                            HDC hdcDraw, HDC hicTargetDev, LPCRECT lprcClient, INT x, INT y,
                                            DWORD* pHitResult) override;
  HRESULT STDMETHODCALLTYPE OnTxInPlaceActivate(LPCRECT prcClient) override;
  HRESULT STDMETHODCALLTYPE OnTxInPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE OnTxUIActivate() override;
  HRESULT STDMETHODCALLTYPE OnTxUIDeactivate() override;
  HRESULT STDMETHODCALLTYPE TxGetText(BSTR* pbstrText) override;
  HRESULT STDMETHODCALLTYPE TxSetText(LPCWSTR pszText) override;
  HRESULT STDMETHODCALLTYPE TxGetCurTargetX(LONG* px) override;
  HRESULT STDMETHODCALLTYPE TxGetBaseLinePos(LONG* pBaseLinePos) override;
  HRESULT STDMETHODCALLTYPE TxGetNaturalSize(DWORD dwAspect, HDC hdcDraw, HDC hicTargetDev, DVTARGETDEVICE* ptd,
                                             DWORD dwMode, const SIZEL* psizelExtent, LONG* pwidth,
                                             LONG* pheight) override;
  HRESULT STDMETHODCALLTYPE TxGetDropTarget(IDropTarget** ppDropTarget) override;
  HRESULT STDMETHODCALLTYPE OnTxPropertyBitsChange(DWORD dwMask, DWORD dwBits) override;
  HRESULT STDMETHODCALLTYPE TxGetCachedSize(DWORD* pdwWidth, DWORD* pdwHeight) override;

  // The drag-scrolling timer's id, as given to TxSetTimer.
  static constexpr UINT kAutoScrollTimer = 0x5E11;

 private:
  explicit TextServices(ITextHost* host);
  ~TextServices();

  // What the host says, read again when the bits naming it change.
  void ReadClientRect(LPCRECT given);
  void ReadPropertyBits();
  void ReadCharFormat();
  void ReadParaFormat();
  void ReadMaxLength();
  void ReadScrollBars();
  void ReadBackStyle();

  bool Focused() const { return focused_; }
  bool ReadOnly() const { return (bits_ & TXTBIT_READONLY) != 0; }
  bool VerticalScrolling() const;
  POINT ToView(LPARAM lParam) const;

  HRESULT OnKeyDown(WPARAM vk);
  HRESULT OnChar(wchar_t ch);
  HRESULT OnMouse(UINT msg, WPARAM wParam, LPARAM lParam);
  HRESULT OnScroll(bool vertical, WPARAM wParam);
  HRESULT OnTimer(WPARAM id);
  LRESULT GetTextLength(const GETTEXTLENGTHEX* info, HRESULT& hr) const;
  LRESULT GetText(const GETTEXTEX* info, LPWSTR buffer, HRESULT& hr) const;
  LRESULT SetSelection(const CHARRANGE* range);

  void Copy();
  void Paste();

  // The text changed: scroll bars, picture, caret, then EN_CHANGE.
  void TextChanged();
  // The caret, the selection or the scroll offsets moved.
  void ViewChanged();
  void UpdateScrollBars(bool force);
  void UpdateCaret();
  void Invalidate();
  void StopAutoScroll();

  std::atomic<ULONG> refs_{1};
  ITextHost* host_;  // uncounted: the host owns the services and outlives them
  MultiLineEditor editor_;
  HFONT font_ = nullptr;  // owned, made from the host's character format
  COLORREF textColor_ = 0;
  DWORD bits_ = 0;
  DWORD scrollBars_ = 0;
  DWORD eventMask_ = 0;
  TXTBACKSTYLE backStyle_ = TXTBACK_OPAQUE;
  RECT client_{};
  bool focused_ = false;
  bool capturing_ = false;
  bool timerRunning_ = false;
  int shownContentHeight_ = -1;  // the content height the scroll range last told
  int shownScrollY_ = 0;
  POINT lastMouse_{};
};

}  // namespace platform::textservices
