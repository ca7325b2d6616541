#pragma once
// The container's frame and document windows as an in-place active object sees them:
// border space, menus, status text and the active object's accelerators.
#include "platform/com/OleWindow.h"

struct IOleInPlaceActiveObject;

typedef RECT BORDERWIDTHS;
typedef LPRECT LPBORDERWIDTHS;
typedef LPCRECT LPCBORDERWIDTHS;
typedef HGLOBAL HOLEMENU;

typedef struct tagOleMenuGroupWidths {
  LONG width[6];
} OLEMENUGROUPWIDTHS, *LPOLEMENUGROUPWIDTHS;

// What GetWindowContext tells an object about its frame.
typedef struct tagOIFI {
  UINT cb;
  BOOL fMDIApp;
  HWND hwndFrame;
  HACCEL haccel;
  UINT cAccelEntries;
} OLEINPLACEFRAMEINFO, *LPOLEINPLACEFRAMEINFO;

extern const IID IID_IOleInPlaceUIWindow;
extern const IID IID_IOleInPlaceFrame;

struct IOleInPlaceUIWindow : IOleWindow {
  virtual HRESULT STDMETHODCALLTYPE GetBorder(LPRECT lprectBorder) = 0;
  virtual HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS pborderwidths) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS pborderwidths) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR pszObjName) = 0;

 protected:
  ~IOleInPlaceUIWindow() = default;
};
typedef IOleInPlaceUIWindow* LPOLEINPLACEUIWINDOW;

struct IOleInPlaceFrame : IOleInPlaceUIWindow {
  virtual HRESULT STDMETHODCALLTYPE InsertMenus(HMENU hmenuShared, LPOLEMENUGROUPWIDTHS lpMenuWidths) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetMenu(HMENU hmenuShared, HOLEMENU holemenu, HWND hwndActiveObject) = 0;
  virtual HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU hmenuShared) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR pszStatusText) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnableModeless(BOOL fEnable) = 0;
  virtual HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG lpmsg, WORD wID) = 0;

 protected:
  ~IOleInPlaceFrame() = default;
};
typedef IOleInPlaceFrame* LPOLEINPLACEFRAME;
