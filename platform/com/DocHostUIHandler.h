#pragma once
// What a browser's document asks of the application that hosts it: context menus,
// its frame's UI, keys, the script object the page may reach. Commands the document
// sends its host (such as a script error) come in the group CGID_DocHostCommandHandler.
#include "platform/com/CommandTarget.h"
#include "platform/com/Dispatch.h"
#include "platform/com/OleInPlaceObject.h"

typedef struct _DOCHOSTUIINFO {
  ULONG cbSize;
  DWORD dwFlags;
  DWORD dwDoubleClick;
  OLECHAR* pchHostCss;
  OLECHAR* pchHostNS;
} DOCHOSTUIINFO;

extern const IID IID_IDocHostUIHandler;
extern const GUID CGID_DocHostCommandHandler;

struct IDocHostUIHandler : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD dwID, POINT* ppt, IUnknown* pcmdtReserved,
                                                    IDispatch* pdispReserved) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* pInfo) = 0;
  virtual HRESULT STDMETHODCALLTYPE ShowUI(DWORD dwID, IOleInPlaceActiveObject* pActiveObject,
                                           IOleCommandTarget* pCommandTarget, IOleInPlaceFrame* pFrame,
                                           IOleInPlaceUIWindow* pDoc) = 0;
  virtual HRESULT STDMETHODCALLTYPE HideUI() = 0;
  virtual HRESULT STDMETHODCALLTYPE UpdateUI() = 0;
  virtual HRESULT STDMETHODCALLTYPE EnableModeless(BOOL fEnable) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL fActivate) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL fActivate) = 0;
  virtual HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow,
                                                 BOOL fRameWindow) = 0;
  virtual HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG lpMsg, const GUID* pguidCmdGroup, DWORD nCmdID) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR* pchKey, DWORD dw) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget* pDropTarget, IDropTarget** ppDropTarget) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** ppDispatch) = 0;
  virtual HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD dwTranslate, LPWSTR pchURLIn, LPWSTR* ppchURLOut) = 0;
  virtual HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject* pDO, IDataObject** ppDORet) = 0;

 protected:
  ~IDocHostUIHandler() = default;
};
