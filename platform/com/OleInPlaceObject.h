#pragma once
// An object while it is active in place: its rectangles, deactivation, the keys it
// translates while UI-active and, without a window of its own, the window messages
// its container passes on to it.
#include "platform/com/OleInPlaceFrame.h"

extern const IID IID_IOleInPlaceActiveObject;
extern const IID IID_IOleInPlaceObject;
extern const IID IID_IOleInPlaceObjectWindowless;

struct IOleInPlaceActiveObject : IOleWindow {
  // S_OK when the object translated the message (it is then not dispatched).
  virtual HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG lpmsg) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL fActivate) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL fActivate) = 0;
  virtual HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow,
                                                 BOOL fFrameWindow) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnableModeless(BOOL fEnable) = 0;

 protected:
  ~IOleInPlaceActiveObject() = default;
};
typedef IOleInPlaceActiveObject* LPOLEINPLACEACTIVEOBJECT;

struct IOleInPlaceObject : IOleWindow {
  virtual HRESULT STDMETHODCALLTYPE InPlaceDeactivate() = 0;
  virtual HRESULT STDMETHODCALLTYPE UIDeactivate() = 0;
  virtual HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT lprcPosRect, LPCRECT lprcClipRect) = 0;
  virtual HRESULT STDMETHODCALLTYPE ReactivateAndUndo() = 0;

 protected:
  ~IOleInPlaceObject() = default;
};
typedef IOleInPlaceObject* LPOLEINPLACEOBJECT;

struct IOleInPlaceObjectWindowless : IOleInPlaceObject {
  // S_OK when the object handled the message, with its result in *plResult.
  virtual HRESULT STDMETHODCALLTYPE OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* plResult) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget** ppDropTarget) = 0;

 protected:
  ~IOleInPlaceObjectWindowless() = default;
};
