#pragma once
// The container's side of in-place activation: whether and where an object may
// activate, its window context, and for an object without a window of its own the
// capture, focus, drawing and invalidation it does through its container.
#include "platform/com/OleInPlaceFrame.h"

// OnInPlaceActivateEx flags.
#define ACTIVATE_WINDOWLESS 1

// IOleInPlaceSiteWindowless::GetDC flags.
#define OLEDC_NODRAW 0x1
#define OLEDC_PAINTBKGND 0x2
#define OLEDC_OFFSCREEN 0x4

extern const IID IID_IOleInPlaceSite;
extern const IID IID_IOleInPlaceSiteEx;
extern const IID IID_IOleInPlaceSiteWindowless;

struct IOleInPlaceSite : IOleWindow {
  virtual HRESULT STDMETHODCALLTYPE CanInPlaceActivate() = 0;
  virtual HRESULT STDMETHODCALLTYPE OnInPlaceActivate() = 0;
  virtual HRESULT STDMETHODCALLTYPE OnUIActivate() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                                     LPRECT lprcPosRect, LPRECT lprcClipRect,
                                                     LPOLEINPLACEFRAMEINFO lpFrameInfo) = 0;
  virtual HRESULT STDMETHODCALLTYPE Scroll(SIZE scrollExtant) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL fUndoable) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() = 0;
  virtual HRESULT STDMETHODCALLTYPE DiscardUndoState() = 0;
  virtual HRESULT STDMETHODCALLTYPE DeactivateAndUndo() = 0;
  virtual HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT lprcPosRect) = 0;

 protected:
  ~IOleInPlaceSite() = default;
};
typedef IOleInPlaceSite* LPOLEINPLACESITE;

struct IOleInPlaceSiteEx : IOleInPlaceSite {
  virtual HRESULT STDMETHODCALLTYPE OnInPlaceActivateEx(BOOL* pfNoRedraw, DWORD dwFlags) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnInPlaceDeactivateEx(BOOL fNoRedraw) = 0;
  virtual HRESULT STDMETHODCALLTYPE RequestUIActivate() = 0;

 protected:
  ~IOleInPlaceSiteEx() = default;
};

struct IOleInPlaceSiteWindowless : IOleInPlaceSiteEx {
  virtual HRESULT STDMETHODCALLTYPE CanWindowlessActivate() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCapture() = 0;
  virtual HRESULT STDMETHODCALLTYPE SetCapture(BOOL fCapture) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFocus() = 0;
  virtual HRESULT STDMETHODCALLTYPE SetFocus(BOOL fFocus) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDC(LPCRECT pRect, DWORD grfFlags, HDC* phDC) = 0;
  virtual HRESULT STDMETHODCALLTYPE ReleaseDC(HDC hDC) = 0;
  virtual HRESULT STDMETHODCALLTYPE InvalidateRect(LPCRECT pRect, BOOL fErase) = 0;
  virtual HRESULT STDMETHODCALLTYPE InvalidateRgn(HRGN hRGN, BOOL fErase) = 0;
  virtual HRESULT STDMETHODCALLTYPE ScrollRect(INT dx, INT dy, LPCRECT pRectScroll, LPCRECT pRectClip) = 0;
  virtual HRESULT STDMETHODCALLTYPE AdjustRect(LPRECT prc) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnDefWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* plResult) = 0;

 protected:
  ~IOleInPlaceSiteWindowless() = default;
};
