#pragma once
// An ActiveX host fixed to the web browser control (skin element "WebBrowser"). It
// keeps the browser's IWebBrowser2, listens to its events, becomes the UI handler of
// each document it navigates to, answers script errors without a dialog, passes
// accelerators to the browser while the browser has the focus, and can open a home
// page once the browser exists (at the first layout).
//
// The COM parts only count references: the control tree owns the object.
#include <atomic>

#include "platform/com/DocHostUIHandler.h"
#include "platform/com/DownloadManager.h"
#include "platform/com/ServiceProvider.h"
#include "platform/com/WebBrowser.h"
#include "ui/controls/CActiveXUI.h"
#include "ui/core/manager/ITranslateAccelerator.h"

namespace SkinUI {

class CWebBrowserUI : public CActiveXUI,
                      public IDocHostUIHandler,
                      public IServiceProvider,
                      public IOleCommandTarget,
                      public IDispatch,
                      public ITranslateAccelerator {
 public:
  CWebBrowserUI();
  ~CWebBrowserUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;

  void SetHomePage(LPCTSTR lpszUrl);
  const CUIString& GetHomePage() const;
  void SetAutoNavigation(bool bAuto = true);
  bool IsAutoNavigation() const;
  // Opens the URL in the browser; nothing without a URL or a browser.
  void Navigate(LPCTSTR lpszUrl);
  // Connects to the browser's events (or disconnects); what the last call gave.
  HRESULT RegisterEventHandler(BOOL inAdvise);
  IWebBrowser2* GetWebBrowser2() const;
  // The download manager's operation, for a download the browser would hand over;
  // the browser is not offered the service, so nothing calls it yet.
  virtual HRESULT Download(IMoniker* pmk, IBindCtx* pbc, DWORD dwBindVerb, LONG grfBINDF, BINDINFO* pBindInfo,
                           LPCOLESTR pszHeaders, LPCOLESTR pszRedir, UINT uiCP);

  // IUnknown, shared by the parts. IUnknown is the IDispatch part.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDocHostUIHandler
  HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD dwID, POINT* ppt, IUnknown* pcmdtReserved,
                                            IDispatch* pdispReserved) override;
  HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* pInfo) override;
  HRESULT STDMETHODCALLTYPE ShowUI(DWORD dwID, IOleInPlaceActiveObject* pActiveObject,
                                   IOleCommandTarget* pCommandTarget, IOleInPlaceFrame* pFrame,
                                   IOleInPlaceUIWindow* pDoc) override;
  HRESULT STDMETHODCALLTYPE HideUI() override;
  HRESULT STDMETHODCALLTYPE UpdateUI() override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL fEnable) override;
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL fActivate) override;
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL fActivate) override;
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fRameWindow) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG lpMsg, const GUID* pguidCmdGroup, DWORD nCmdID) override;
  HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR* pchKey, DWORD dw) override;
  HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget* pDropTarget, IDropTarget** ppDropTarget) override;
  HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** ppDispatch) override;
  HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD dwTranslate, LPWSTR pchURLIn, LPWSTR* ppchURLOut) override;
  HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject* pDO, IDataObject** ppDORet) override;

  // IServiceProvider
  HRESULT STDMETHODCALLTYPE QueryService(REFGUID guidService, REFIID riid, void** ppvObject) override;

  // IOleCommandTarget
  HRESULT STDMETHODCALLTYPE QueryStatus(const GUID* pguidCmdGroup, ULONG cCmds, OLECMD prgCmds[],
                                        OLECMDTEXT* pCmdText) override;
  HRESULT STDMETHODCALLTYPE Exec(const GUID* pguidCmdGroup, DWORD nCmdID, DWORD nCmdexecopt, VARIANT* pvaIn,
                                 VARIANT* pvaOut) override;

  // IDispatch: the browser's events.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                          DISPID* rgDispId) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                   VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

  // ITranslateAccelerator: keys go to the browser while the focus is in its window.
  LRESULT TranslateAccelerator(MSG* pMsg) override;

 protected:
  // Lets the browser go: out of the window's accelerators, its events disconnected,
  // its interface released, then the host's release.
  void ReleaseControl() override;
  bool CreateHostedControl() override;

 private:
  void NavigateComplete2();
  // Reads the properties of the script error's event object; what the last read gave.
  HRESULT ReadScriptError(VARIANT* pvaIn);

  platform::com::ComPtr<IWebBrowser2> m_pWebBrowser2;
  std::atomic<LONG> m_dwRef;
  DWORD m_dwCookie;
  CUIString m_sHomePage;
  bool m_bAutoNavi;
};

}  // namespace SkinUI
