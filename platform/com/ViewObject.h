#pragma once
// How an object draws itself into a device context its container gives it, and, for
// an object without a window, which of its points answer the mouse.
#include "platform/com/OleTypes.h"

// QueryHitPoint and QueryHitRect answers.
#define HITRESULT_OUTSIDE 0
#define HITRESULT_TRANSPARENT 1
#define HITRESULT_CLOSE 2
#define HITRESULT_HIT 3

extern const IID IID_IViewObject;
extern const IID IID_IViewObject2;
extern const IID IID_IViewObjectEx;

struct IViewObject : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Draw(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd,
                                         HDC hdcTargetDev, HDC hdcDraw, LPCRECTL lprcBounds, LPCRECTL lprcWBounds,
                                         BOOL(STDMETHODCALLTYPE* pfnContinue)(ULONG_PTR dwContinue),
                                         ULONG_PTR dwContinue) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetColorSet(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd,
                                                HDC hicTargetDev, LOGPALETTE** ppColorSet) = 0;
  virtual HRESULT STDMETHODCALLTYPE Freeze(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DWORD* pdwFreeze) = 0;
  virtual HRESULT STDMETHODCALLTYPE Unfreeze(DWORD dwFreeze) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* pAdvSink) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink) = 0;

 protected:
  ~IViewObject() = default;
};

struct IViewObject2 : IViewObject {
  virtual HRESULT STDMETHODCALLTYPE GetExtent(DWORD dwDrawAspect, LONG lindex, DVTARGETDEVICE* ptd,
                                              LPSIZEL lpsizel) = 0;

 protected:
  ~IViewObject2() = default;
};

struct IViewObjectEx : IViewObject2 {
  virtual HRESULT STDMETHODCALLTYPE GetRect(DWORD dwAspect, LPRECTL pRect) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetViewStatus(DWORD* pdwStatus) = 0;
  virtual HRESULT STDMETHODCALLTYPE QueryHitPoint(DWORD dwAspect, LPCRECT pRectBounds, POINT ptlLoc, LONG lCloseHint,
                                                  DWORD* pHitResult) = 0;
  virtual HRESULT STDMETHODCALLTYPE QueryHitRect(DWORD dwAspect, LPCRECT pRectBounds, LPCRECT pRectLoc, LONG lCloseHint,
                                                 DWORD* pHitResult) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetNaturalExtent(DWORD dwAspect, LONG lindex, DVTARGETDEVICE* ptd, HDC hicTargetDev,
                                                     DVEXTENTINFO* pExtentInfo, LPSIZEL pSizel) = 0;

 protected:
  ~IViewObjectEx() = default;
};
