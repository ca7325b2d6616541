#pragma once
// A scripted OLE control for the host's tests. It records every call made on it with
// its arguments, and the calls it makes on its site ("site.GetWindow"), in the
// ScriptRecord; it activates in place windowless or windowed as its script says, paints
// its colour through IViewObject::Draw or into a child window of its own, takes window
// messages and accelerators, and can act as the web browser (recording the URLs it is
// sent to, with a document that has ICustomDoc or not) and as the Flash control, with a
// connection point for each one's events.
//
// Tests register it under the CLSIDs they need with a script; the registry makes a
// new control from the script current at creation.
#include <string>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/OleHosting.h"
#include "platform/web/RefusingWebBrowser.h"
#include "tests/ui/controls/support/ScriptRecord.h"
#include "tests/ui/controls/support/ScriptedConnectionPoint.h"
#include "tests/ui/controls/support/ScriptedDocument.h"
#include "tests/ui/controls/support/ShockwaveFlashStub.h"

namespace oletest {

struct ControlScript {
  // Activates without a window when the site allows it, else in a window of its own.
  bool windowless = true;
  DWORD miscStatus = 0;
  bool answersOleObject = true;
  bool persistStreamInit = true;
  HRESULT initNewResult = S_OK;
  // 3: IViewObjectEx (with hit testing), 2: IViewObject2, 1: IViewObject, 0: none.
  int viewLevel = 3;
  bool objectWithSite = true;
  // Acts as the web browser: IWebBrowser2 and a DWebBrowserEvents2 connection point.
  bool browser = false;
  // The browser's document: none, or one with or without ICustomDoc.
  bool hasDocument = true;
  bool documentHasCustomDoc = true;
  // Acts as the Flash control: IShockwaveFlash and its events' connection point.
  bool flash = false;
  // What the control paints, 0x00BBGGRR.
  COLORREF color = RGB(0, 128, 255);
  // What IOleInPlaceActiveObject::TranslateAccelerator answers.
  HRESULT translateResult = S_OK;
};

class ScriptedOleControl final : public IOleControl,
                                 public IOleObject,
                                 public IPersistStreamInit,
                                 public IViewObjectEx,
                                 public IOleInPlaceObjectWindowless,
                                 public IOleInPlaceActiveObject,
                                 public IObjectWithSite,
                                 public IConnectionPointContainer,
                                 public platform::web::RefusingWebBrowser,
                                 public ShockwaveFlashStub {
 public:
  // The script the next control is made from.
  static ControlScript& Script();
  // Registers the control under the class, with a ProgID when one is given.
  static void Register(const CLSID& clsid, const wchar_t* progId = L"");
  // The last control made (valid while it lives), and how many were made.
  static ScriptedOleControl* Last();
  static int Made();
  // Forgets the script, the last control and the count.
  static void ResetScript();

  explicit ScriptedOleControl(const ControlScript& script);

  // What the control recorded besides the call log.
  std::vector<UINT> messages;           // window messages passed to it
  std::vector<std::wstring> navigated;  // URLs given to Navigate and Navigate2 (with "2:")
  std::vector<DWORD> navigatingThreads;  // the thread of each of those calls
  std::vector<UINT> translated;         // messages offered as accelerators
  int draws = 0;
  HWND siteWindow = nullptr;           // what the site's GetWindow answered
  HWND ownWindow = nullptr;            // the child window of a windowed activation
  RECT objectRect = RECT{0, 0, 0, 0};  // the last SetObjectRects position

  ULONG RefCount() const { return refs_; }
  ScriptedConnectionPoint* BrowserEvents() const { return browserEvents_.Get(); }
  ScriptedConnectionPoint* FlashEvents() const { return flashEvents_.Get(); }
  ScriptedDocument* Document() const { return document_.Get(); }
  IOleClientSite* ClientSite() const { return clientSite_.Get(); }
  bool IsInPlaceActive() const { return inPlaceActive_; }

  // IUnknown: the identity is the IOleObject part.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IOleControl
  HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* pCI) override;
  HRESULT STDMETHODCALLTYPE OnMnemonic(MSG* pMsg) override;
  HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID dispID) override;
  HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL bFreeze) override;

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

  // IPersistStreamInit
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* pClassID) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override;
  HRESULT STDMETHODCALLTYPE Load(LPSTREAM pStm) override;
  HRESULT STDMETHODCALLTYPE Save(LPSTREAM pStm, BOOL fClearDirty) override;
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* pCbSize) override;
  HRESULT STDMETHODCALLTYPE InitNew() override;

  // IViewObjectEx
  HRESULT STDMETHODCALLTYPE Draw(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd, HDC hdcTargetDev,
                                 HDC hdcDraw, LPCRECTL lprcBounds, LPCRECTL lprcWBounds,
                                 BOOL(STDMETHODCALLTYPE* pfnContinue)(ULONG_PTR dwContinue),
                                 ULONG_PTR dwContinue) override;
  HRESULT STDMETHODCALLTYPE GetColorSet(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd,
                                        HDC hicTargetDev, LOGPALETTE** ppColorSet) override;
  HRESULT STDMETHODCALLTYPE Freeze(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DWORD* pdwFreeze) override;
  HRESULT STDMETHODCALLTYPE Unfreeze(DWORD dwFreeze) override;
  HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* pAdvSink) override;
  HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD dwDrawAspect, LONG lindex, DVTARGETDEVICE* ptd, LPSIZEL lpsizel) override;
  HRESULT STDMETHODCALLTYPE GetRect(DWORD dwAspect, LPRECTL pRect) override;
  HRESULT STDMETHODCALLTYPE GetViewStatus(DWORD* pdwStatus) override;
  // Hits the left half of the bounds.
  HRESULT STDMETHODCALLTYPE QueryHitPoint(DWORD dwAspect, LPCRECT pRectBounds, POINT ptlLoc, LONG lCloseHint,
                                          DWORD* pHitResult) override;
  HRESULT STDMETHODCALLTYPE QueryHitRect(DWORD dwAspect, LPCRECT pRectBounds, LPCRECT pRectLoc, LONG lCloseHint,
                                         DWORD* pHitResult) override;
  HRESULT STDMETHODCALLTYPE GetNaturalExtent(DWORD dwAspect, LONG lindex, DVTARGETDEVICE* ptd, HDC hicTargetDev,
                                             DVEXTENTINFO* pExtentInfo, LPSIZEL pSizel) override;

  // IOleWindow, of the in-place object and the active object
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* phwnd) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL fEnterMode) override;

  // IOleInPlaceObjectWindowless
  HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE UIDeactivate() override;
  HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT lprcPosRect, LPCRECT lprcClipRect) override;
  HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override;
  HRESULT STDMETHODCALLTYPE OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* plResult) override;
  HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget** ppDropTarget) override;

  // IOleInPlaceActiveObject
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

  // IDispatch, of the browser and the Flash interfaces
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                          DISPID* rgDispId) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                   VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

  // IWebBrowser2
  HRESULT STDMETHODCALLTYPE Navigate(BSTR URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                                     VARIANT* Headers) override;
  HRESULT STDMETHODCALLTYPE Navigate2(VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                                      VARIANT* Headers) override;
  HRESULT STDMETHODCALLTYPE get_Document(IDispatch** ppDisp) override;

 private:
  ~ScriptedOleControl();

  HRESULT ActivateInPlace(IOleClientSite* pActiveSite);
  HRESULT ActivateUI(IOleClientSite* pActiveSite);
  void CreateOwnWindow();

  ScriptRecord::Alive alive_;
  ULONG refs_ = 1;
  ControlScript script_;
  bool inPlaceActive_ = false;
  bool uiActive_ = false;
  platform::com::ComPtr<IOleClientSite> clientSite_;
  platform::com::ComPtr<IUnknown> site_;
  platform::com::ComPtr<IOleInPlaceSite> inPlaceSite_;
  platform::com::ComPtr<IOleInPlaceFrame> frame_;
  platform::com::ComPtr<ScriptedConnectionPoint> browserEvents_;
  platform::com::ComPtr<ScriptedConnectionPoint> flashEvents_;
  platform::com::ComPtr<ScriptedDocument> document_;
};

}  // namespace oletest
