#pragma once
// An embedded object as its container drives it: its site, verbs (in-place
// activation among them), extent, status bits and closing.
#include "platform/com/OleClientSite.h"

// GetMiscStatus bits.
#define OLEMISC_INSIDEOUT 0x80
#define OLEMISC_ACTIVATEWHENVISIBLE 0x100
#define OLEMISC_INVISIBLEATRUNTIME 0x400
#define OLEMISC_NOUIACTIVATE 0x4000
#define OLEMISC_SETCLIENTSITEFIRST 0x20000

// DoVerb verbs.
#define OLEIVERB_PRIMARY 0L
#define OLEIVERB_SHOW (-1L)
#define OLEIVERB_OPEN (-2L)
#define OLEIVERB_HIDE (-3L)
#define OLEIVERB_UIACTIVATE (-4L)
#define OLEIVERB_INPLACEACTIVATE (-5L)
#define OLEIVERB_DISCARDUNDOSTATE (-6L)

// Close options.
#define OLECLOSE_SAVEIFDIRTY 0
#define OLECLOSE_NOSAVE 1
#define OLECLOSE_PROMPTSAVE 2

extern const IID IID_IOleObject;

struct IOleObject : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* pClientSite) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** ppClientSite) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR szContainerApp, LPCOLESTR szContainerObj) = 0;
  virtual HRESULT STDMETHODCALLTYPE Close(DWORD dwSaveOption) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetMoniker(DWORD dwWhichMoniker, IMoniker* pmk) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetMoniker(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) = 0;
  virtual HRESULT STDMETHODCALLTYPE InitFromData(IDataObject* pDataObject, BOOL fCreation, DWORD dwReserved) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD dwReserved, IDataObject** ppDataObject) = 0;
  virtual HRESULT STDMETHODCALLTYPE DoVerb(LONG iVerb, LPMSG lpmsg, IOleClientSite* pActiveSite, LONG lindex,
                                           HWND hwndParent, LPCRECT lprcPosRect) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** ppEnumOleVerb) = 0;
  virtual HRESULT STDMETHODCALLTYPE Update() = 0;
  virtual HRESULT STDMETHODCALLTYPE IsUpToDate() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* pClsid) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetUserType(DWORD dwFormOfType, LPOLESTR* pszUserType) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetExtent(DWORD dwDrawAspect, SIZEL* psizel) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetExtent(DWORD dwDrawAspect, SIZEL* psizel) = 0;
  virtual HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection) = 0;
  virtual HRESULT STDMETHODCALLTYPE Unadvise(DWORD dwConnection) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** ppenumAdvise) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD dwAspect, DWORD* pdwStatus) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE* pLogpal) = 0;

 protected:
  ~IOleObject() = default;
};
typedef IOleObject* LPOLEOBJECT;
