#pragma once
// The web browser object: the class registered under the browser's CLSID, showing its
// pages with the web engine. A container creates it, gives it its site, activates it in
// place in a window of the container's (the object's own window goes inside it, at the
// rectangles the container gives), and navigates it to local pages; the object reports
// each navigation's end to the sinks advised on its DWebBrowserEvents2 connection
// point. Everything runs on the thread that created it, whose message queue brings the
// engine's reports.
#include <memory>
#include <string>

#include "platform/com/ComPtr.h"
#include "platform/com/DispatchConnectionPoint.h"
#include "platform/com/OleHosting.h"
#include "platform/web/BrowserWindow.h"
#include "platform/web/RefusingWebBrowser.h"
#include "platform/web/Wke.h"

namespace platform::web {

class BrowserObject final : public IOleObject,
                            public IOleControl,
                            public IPersistStreamInit,
                            public IOleInPlaceObject,
                            public IOleInPlaceActiveObject,
                            public IObjectWithSite,
                            public IConnectionPointContainer,
                            public RefusingWebBrowser {
 public:
  // Registers the class under the browser's CLSID (and "Shell.Explorer.2"), replacing
  // any class registered there before; the engine is to be initialised first.
  static void Register();
  // How many browser objects are alive in the process.
  static int Live();

  BrowserObject();
  BrowserObject(const BrowserObject&) = delete;
  BrowserObject& operator=(const BrowserObject&) = delete;

  // IUnknown: the identity is the IOleObject part.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IOleObject
  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* pClientSite) override;
  HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** ppClientSite) override;
  HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR szContainerApp, LPCOLESTR szContainerObj) override;
  HRESULT STDMETHODCALLTYPE Close(DWORD dwSaveOption) override;
  HRESULT STDMETHODCALLTYPE SetMoniker(DWORD dwWhichMoniker, IMoniker* pmk) override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
  HRESULT STDMETHODCALLTYPE InitFromData(IDataObject* pDataObject, BOOL fCreation, DWORD dwReserved) override;
  HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD dwReserved, IDataObject** ppDataObject) override;
  HRESULT STDMETHODCALLTYPE DoVerb(LONG iVerb, LPMSG lpmsg, IOleClientSite* pActiveSite, LONG lindex, HWND hwndParent,
                                   LPCRECT lprcPosRect) override;
  HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** ppEnumOleVerb) override;
  HRESULT STDMETHODCALLTYPE Update() override;
  HRESULT STDMETHODCALLTYPE IsUpToDate() override;
  HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* pClsid) override;
  HRESULT STDMETHODCALLTYPE GetUserType(DWORD dwFormOfType, LPOLESTR* pszUserType) override;
  HRESULT STDMETHODCALLTYPE SetExtent(DWORD dwDrawAspect, SIZEL* psizel) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD dwDrawAspect, SIZEL* psizel) override;
  HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD dwConnection) override;
  HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** ppenumAdvise) override;
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD dwAspect, DWORD* pdwStatus) override;
  HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE* pLogpal) override;

  // IOleControl
  HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* pCI) override;
  HRESULT STDMETHODCALLTYPE OnMnemonic(MSG* pMsg) override;
  HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID dispID) override;
  HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL bFreeze) override;

  // IPersistStreamInit
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* pClassID) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override;
  HRESULT STDMETHODCALLTYPE Load(LPSTREAM pStm) override;
  HRESULT STDMETHODCALLTYPE Save(LPSTREAM pStm, BOOL fClearDirty) override;
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* pCbSize) override;
  HRESULT STDMETHODCALLTYPE InitNew() override;

  // IOleWindow, of the in-place object and the active object: the object's own window.
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* phwnd) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL fEnterMode) override;

  // IOleInPlaceObject
  HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE UIDeactivate() override;
  HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT lprcPosRect, LPCRECT lprcClipRect) override;
  HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override;

  // IOleInPlaceActiveObject: the pages take no accelerators.
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG lpmsg) override;
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL fActivate) override;
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL fActivate) override;
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fFrameWindow) override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL fEnable) override;

  // IObjectWithSite
  HRESULT STDMETHODCALLTYPE SetSite(IUnknown* pUnkSite) override;
  HRESULT STDMETHODCALLTYPE GetSite(REFIID riid, void** ppvSite) override;

  // IConnectionPointContainer
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** ppEnum) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) override;

  // IWebBrowser2. A local path (with "\" or "/") followed by a query goes to the engine
  // as a file:// URL with the query as written; it starts loading and returns at once.
  HRESULT STDMETHODCALLTYPE Navigate(BSTR URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                                     VARIANT* Headers) override;
  HRESULT STDMETHODCALLTYPE Navigate2(VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                                      VARIANT* Headers) override;
  // The program reads nothing back from its pages: S_FALSE and no document.
  HRESULT STDMETHODCALLTYPE get_Document(IDispatch** ppDisp) override;
  // The URL of the last navigation, as the engine was given it.
  HRESULT STDMETHODCALLTYPE get_LocationURL(BSTR* LocationURL) override;

 private:
  ~BrowserObject();

  static void OnLoadingFinish(wkeWebView webView, void* param, const wkeString url, wkeLoadingResult result,
                              const wkeString failedReason);
  static wkeWebView OnCreateView(wkeWebView webView, void* param, wkeNavigationType navigationType, const wkeString url,
                                 const wkeWindowFeatures* windowFeatures);

  HRESULT ActivateInPlace(IOleClientSite* pActiveSite, LPCRECT lprcPosRect);
  HRESULT ActivateUI();
  void ResizeView();
  void FireNavigateComplete(const std::wstring& url);
  void FireNavigateError(const std::wstring& url);

  ULONG refs_ = 1;
  wkeWebView view_ = nullptr;
  std::unique_ptr<BrowserWindow> window_;
  bool pageDrawn_ = false;  // a load has ended: the window shows the view
  RECT rect_ = RECT{0, 0, 0, 0};
  SIZEL extent_ = SIZEL{0, 0};
  std::wstring location_;
  bool inPlaceActive_ = false;
  bool uiActive_ = false;
  platform::com::ComPtr<IOleClientSite> clientSite_;
  platform::com::ComPtr<IUnknown> site_;
  platform::com::ComPtr<IOleInPlaceSite> inPlaceSite_;
  platform::com::ComPtr<IOleInPlaceFrame> frame_;
  platform::com::ComPtr<IOleInPlaceUIWindow> document_;
  platform::com::ComPtr<platform::com::DispatchConnectionPoint> events_;
};

}  // namespace platform::web
