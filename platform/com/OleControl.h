#pragma once
// An ActiveX control and the site that holds it: keyboard mnemonics, ambient
// properties, focus and the extended control the container wraps around it.
#include "platform/com/Dispatch.h"
#include "platform/com/OleTypes.h"

typedef struct tagCONTROLINFO {
  ULONG cb;
  HACCEL hAccel;
  USHORT cAccel;
  DWORD dwFlags;
} CONTROLINFO, *LPCONTROLINFO;

extern const IID IID_IOleControl;
extern const IID IID_IOleControlSite;

struct IOleControl : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* pCI) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnMnemonic(MSG* pMsg) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID dispID) = 0;
  virtual HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL bFreeze) = 0;

 protected:
  ~IOleControl() = default;
};
typedef IOleControl* LPOLECONTROL;

struct IOleControlSite : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE OnControlInfoChanged() = 0;
  virtual HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL fLock) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** ppDisp) = 0;
  virtual HRESULT STDMETHODCALLTYPE TransformCoords(POINTL* pPtlHimetric, POINTF* pPtfContainer, DWORD dwFlags) = 0;
  virtual HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* pMsg, DWORD grfModifiers) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnFocus(BOOL fGotFocus) = 0;
  virtual HRESULT STDMETHODCALLTYPE ShowPropertyFrame() = 0;

 protected:
  ~IOleControlSite() = default;
};
typedef IOleControlSite* LPOLECONTROLSITE;
