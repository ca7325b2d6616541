#include "tests/ui/controls/support/ScriptedOleControl.h"

#include "platform/com/WebBrowser.h"

namespace oletest {

using platform::com::ClassRegistry;
using platform::com::ComPtr;

namespace {

ControlScript g_script;
ScriptedOleControl* g_last = nullptr;
int g_made = 0;

const wchar_t kOwnWindowClass[] = L"ScriptedOleWindow";

// The control's own window fills itself with the colour kept in its user data.
LRESULT CALLBACK OwnWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg != WM_PAINT) return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
  PAINTSTRUCT ps = {};
  HDC hdc = ::BeginPaint(hWnd, &ps);
  RECT rc = {};
  ::GetClientRect(hWnd, &rc);
  HBRUSH brush = ::CreateSolidBrush(static_cast<COLORREF>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA)));
  ::FillRect(hdc, &rc, brush);
  ::DeleteObject(brush);
  ::EndPaint(hWnd, &ps);
  return 0;
}

void RegisterOwnWindowClass() {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = OwnWindowProc;
  wc.lpszClassName = kOwnWindowClass;
  ::RegisterClassW(&wc);
}

HRESULT CreateScripted(REFIID riid, void** object) {
  auto* control = new ScriptedOleControl(g_script);
  const HRESULT hr = control->QueryInterface(riid, object);
  control->Release();
  return hr;
}

}  // namespace

ControlScript& ScriptedOleControl::Script() { return g_script; }

void ScriptedOleControl::Register(const CLSID& clsid, const wchar_t* progId) {
  ClassRegistry::Register(clsid, progId != nullptr ? progId : L"", CreateScripted);
}

ScriptedOleControl* ScriptedOleControl::Last() { return g_last; }

int ScriptedOleControl::Made() { return g_made; }

void ScriptedOleControl::ResetScript() {
  g_script = ControlScript();
  g_last = nullptr;
  g_made = 0;
}

ScriptedOleControl::ScriptedOleControl(const ControlScript& script) : script_(script) {
  g_last = this;
  ++g_made;
  if (script_.browser) {
    browserEvents_ = ComPtr<ScriptedConnectionPoint>::Adopt(
        new ScriptedConnectionPoint(static_cast<IConnectionPointContainer*>(this), DIID_DWebBrowserEvents2));
    if (script_.hasDocument) {
      document_ = ComPtr<ScriptedDocument>::Adopt(new ScriptedDocument(script_.documentHasCustomDoc));
    }
  }
  if (script_.flash) {
    flashEvents_ = ComPtr<ScriptedConnectionPoint>::Adopt(
        new ScriptedConnectionPoint(static_cast<IConnectionPointContainer*>(this), DIID__IShockwaveFlashEvents));
  }
}

ScriptedOleControl::~ScriptedOleControl() {
  if (ownWindow != nullptr && ::IsWindow(ownWindow)) ::DestroyWindow(ownWindow);
  if (g_last == this) g_last = nullptr;
}

HRESULT ScriptedOleControl::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  const int view = script_.viewLevel;
  IOleInPlaceObjectWindowless* pInPlace = this;
  IViewObjectEx* pView = this;
  if (riid == IID_IUnknown || (riid == IID_IOleObject && script_.answersOleObject)) {
    *ppvObject = static_cast<IOleObject*>(this);
  } else if (riid == IID_IOleControl) {
    *ppvObject = static_cast<IOleControl*>(this);
  } else if (riid == IID_IPersistStreamInit && script_.persistStreamInit) {
    *ppvObject = static_cast<IPersistStreamInit*>(this);
  } else if ((riid == IID_IViewObjectEx && view >= 3) || (riid == IID_IViewObject2 && view >= 2) ||
             (riid == IID_IViewObject && view >= 1)) {
    *ppvObject = riid == IID_IViewObjectEx  ? static_cast<void*>(pView)
                 : riid == IID_IViewObject2 ? static_cast<void*>(static_cast<IViewObject2*>(pView))
                                            : static_cast<void*>(static_cast<IViewObject*>(pView));
  } else if (riid == IID_IOleInPlaceObjectWindowless && script_.windowless) {
    *ppvObject = pInPlace;
  } else if (riid == IID_IOleInPlaceObject) {
    *ppvObject = static_cast<IOleInPlaceObject*>(pInPlace);
  } else if (riid == IID_IOleInPlaceActiveObject) {
    *ppvObject = static_cast<IOleInPlaceActiveObject*>(this);
  } else if (riid == IID_IObjectWithSite && script_.objectWithSite) {
    *ppvObject = static_cast<IObjectWithSite*>(this);
  } else if (riid == IID_IConnectionPointContainer && (script_.browser || script_.flash)) {
    *ppvObject = static_cast<IConnectionPointContainer*>(this);
  } else if ((riid == IID_IWebBrowser2 || riid == IID_IWebBrowserApp || riid == IID_IWebBrowser) && script_.browser) {
    *ppvObject = static_cast<IWebBrowser2*>(this);
  } else if (riid == IID_IShockwaveFlash && script_.flash) {
    *ppvObject = static_cast<IShockwaveFlash*>(this);
  } else if (riid == IID_IDispatch && (script_.browser || script_.flash)) {
    *ppvObject = script_.browser ? static_cast<IDispatch*>(static_cast<IWebBrowser2*>(this))
                                 : static_cast<IDispatch*>(static_cast<IShockwaveFlash*>(this));
  }
  if (*ppvObject == nullptr) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG ScriptedOleControl::AddRef() { return ++refs_; }

ULONG ScriptedOleControl::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

// --- IOleControl ---

HRESULT ScriptedOleControl::GetControlInfo(CONTROLINFO*) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::OnMnemonic(MSG*) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::OnAmbientPropertyChange(DISPID) { return S_OK; }

HRESULT ScriptedOleControl::FreezeEvents(BOOL) { return S_OK; }

// --- IOleObject ---

HRESULT ScriptedOleControl::SetClientSite(IOleClientSite* pClientSite) {
  ScriptRecord::Add(pClientSite != nullptr ? "SetClientSite(site)" : "SetClientSite(null)");
  clientSite_ = ComPtr<IOleClientSite>(pClientSite);
  return S_OK;
}

HRESULT ScriptedOleControl::GetClientSite(IOleClientSite** ppClientSite) {
  if (ppClientSite == nullptr) return E_POINTER;
  *ppClientSite = ComPtr<IOleClientSite>(clientSite_).Detach();
  return S_OK;
}

HRESULT ScriptedOleControl::SetHostNames(LPCOLESTR szContainerApp, LPCOLESTR szContainerObj) {
  ScriptRecord::Add("SetHostNames(" + Narrow(szContainerApp) + "," + Narrow(szContainerObj) + ")");
  return S_OK;
}

HRESULT ScriptedOleControl::Close(DWORD dwSaveOption) {
  ScriptRecord::Add("Close(" + std::to_string(dwSaveOption) + ")");
  if (inPlaceActive_) InPlaceDeactivate();
  // The browser's document lets its UI handler go with the browser.
  document_.Reset();
  return S_OK;
}

HRESULT ScriptedOleControl::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::GetMoniker(DWORD, DWORD, IMoniker** ppmk) {
  if (ppmk != nullptr) *ppmk = nullptr;
  return E_NOTIMPL;
}

HRESULT ScriptedOleControl::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::GetClipboardData(DWORD, IDataObject** ppDataObject) {
  if (ppDataObject != nullptr) *ppDataObject = nullptr;
  return E_NOTIMPL;
}

HRESULT ScriptedOleControl::DoVerb(LONG iVerb, LPMSG, IOleClientSite* pActiveSite, LONG, HWND hwndParent,
                                   LPCRECT lprcPosRect) {
  ScriptRecord::Add("DoVerb(" + std::to_string(iVerb) + "," + (lprcPosRect ? RectText(*lprcPosRect) : "null") +
                    (hwndParent != nullptr ? "" : ",no parent") + ")");
  if (pActiveSite == nullptr) return E_INVALIDARG;
  if (iVerb == OLEIVERB_INPLACEACTIVATE) return ActivateInPlace(pActiveSite);
  if (iVerb == OLEIVERB_UIACTIVATE) return ActivateUI(pActiveSite);
  return E_NOTIMPL;
}

HRESULT ScriptedOleControl::ActivateInPlace(IOleClientSite* pActiveSite) {
  if (inPlaceActive_) return S_OK;
  ComPtr<IOleInPlaceSite> site;
  if (FAILED(pActiveSite->QueryInterface(IID_IOleInPlaceSite, site.PutVoid())) || !site) return E_NOINTERFACE;
  HRESULT hr = site->CanInPlaceActivate();
  ScriptRecord::Add("site.CanInPlaceActivate");
  if (hr != S_OK) return E_FAIL;

  bool bWindowless = false;
  ComPtr<IOleInPlaceSiteWindowless> windowlessSite;
  if (script_.windowless &&
      SUCCEEDED(pActiveSite->QueryInterface(IID_IOleInPlaceSiteWindowless, windowlessSite.PutVoid())) &&
      windowlessSite) {
    ScriptRecord::Add("site.CanWindowlessActivate");
    bWindowless = windowlessSite->CanWindowlessActivate() == S_OK;
  }
  if (bWindowless) {
    BOOL noRedraw = FALSE;
    hr = windowlessSite->OnInPlaceActivateEx(&noRedraw, ACTIVATE_WINDOWLESS);
    ScriptRecord::Add("site.OnInPlaceActivateEx(windowless)");
  } else {
    hr = site->OnInPlaceActivate();
    ScriptRecord::Add("site.OnInPlaceActivate");
  }
  if (FAILED(hr)) return hr;
  inPlaceSite_ = site;
  inPlaceActive_ = true;

  site->GetWindow(&siteWindow);
  ScriptRecord::Add("site.GetWindow");
  RECT pos = {}, clip = {};
  OLEINPLACEFRAMEINFO info = {};
  info.cb = sizeof(info);
  ComPtr<IOleInPlaceUIWindow> document;
  hr = site->GetWindowContext(frame_.Put(), document.Put(), &pos, &clip, &info);
  ScriptRecord::Add("site.GetWindowContext(" + RectText(pos) + ")");
  if (!bWindowless) CreateOwnWindow();
  return S_OK;
}

HRESULT ScriptedOleControl::ActivateUI(IOleClientSite* pActiveSite) {
  HRESULT hr = ActivateInPlace(pActiveSite);
  if (FAILED(hr) || uiActive_) return hr;
  uiActive_ = true;
  inPlaceSite_->OnUIActivate();
  ScriptRecord::Add("site.OnUIActivate");
  if (frame_) frame_->SetActiveObject(static_cast<IOleInPlaceActiveObject*>(this), nullptr);
  return S_OK;
}

void ScriptedOleControl::CreateOwnWindow() {
  RegisterOwnWindowClass();
  ownWindow = ::CreateWindowExW(0, kOwnWindowClass, L"", WS_CHILD | WS_VISIBLE, objectRect.left, objectRect.top,
                                objectRect.right - objectRect.left, objectRect.bottom - objectRect.top, siteWindow,
                                nullptr, nullptr, nullptr);
  ::SetWindowLongPtrW(ownWindow, GWLP_USERDATA, static_cast<LONG_PTR>(script_.color));
}

HRESULT ScriptedOleControl::EnumVerbs(IEnumOLEVERB** ppEnumOleVerb) {
  if (ppEnumOleVerb != nullptr) *ppEnumOleVerb = nullptr;
  return E_NOTIMPL;
}

HRESULT ScriptedOleControl::Update() { return S_OK; }

HRESULT ScriptedOleControl::IsUpToDate() { return S_OK; }

HRESULT ScriptedOleControl::GetUserClassID(CLSID*) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::GetUserType(DWORD, LPOLESTR* pszUserType) {
  if (pszUserType != nullptr) *pszUserType = nullptr;
  return E_NOTIMPL;
}

HRESULT ScriptedOleControl::SetExtent(DWORD dwDrawAspect, SIZEL* psizel) {
  if (psizel == nullptr) return E_POINTER;
  ScriptRecord::Add("SetExtent(" + std::to_string(dwDrawAspect) + "," + std::to_string(psizel->cx) + "," +
                    std::to_string(psizel->cy) + ")");
  return S_OK;
}

HRESULT ScriptedOleControl::GetExtent(DWORD, SIZEL*) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::Advise(IAdviseSink*, DWORD*) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::Unadvise(DWORD) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::EnumAdvise(IEnumSTATDATA** ppenumAdvise) {
  if (ppenumAdvise != nullptr) *ppenumAdvise = nullptr;
  return E_NOTIMPL;
}

HRESULT ScriptedOleControl::GetMiscStatus(DWORD dwAspect, DWORD* pdwStatus) {
  ScriptRecord::Add("GetMiscStatus(" + std::to_string(dwAspect) + ")");
  if (pdwStatus == nullptr) return E_POINTER;
  *pdwStatus = script_.miscStatus;
  return S_OK;
}

HRESULT ScriptedOleControl::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

// --- IPersistStreamInit ---

HRESULT ScriptedOleControl::GetClassID(CLSID*) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::IsDirty() { return S_FALSE; }

HRESULT ScriptedOleControl::Load(LPSTREAM) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::Save(LPSTREAM, BOOL) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::GetSizeMax(ULARGE_INTEGER*) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::InitNew() {
  ScriptRecord::Add("InitNew");
  return script_.initNewResult;
}

// --- IViewObjectEx ---

HRESULT ScriptedOleControl::Draw(DWORD dwDrawAspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC hdcDraw,
                                 LPCRECTL lprcBounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
  if (dwDrawAspect != DVASPECT_CONTENT || hdcDraw == nullptr || lprcBounds == nullptr) return E_INVALIDARG;
  ++draws;
  const RECT rc = {lprcBounds->left, lprcBounds->top, lprcBounds->right, lprcBounds->bottom};
  HBRUSH brush = ::CreateSolidBrush(script_.color);
  ::FillRect(hdcDraw, &rc, brush);
  ::DeleteObject(brush);
  return S_OK;
}

HRESULT ScriptedOleControl::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** ppColorSet) {
  if (ppColorSet != nullptr) *ppColorSet = nullptr;
  return S_FALSE;
}

HRESULT ScriptedOleControl::Freeze(DWORD, LONG, void*, DWORD*) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::Unfreeze(DWORD) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::SetAdvise(DWORD, DWORD, IAdviseSink*) { return S_OK; }

HRESULT ScriptedOleControl::GetAdvise(DWORD*, DWORD*, IAdviseSink** ppAdvSink) {
  if (ppAdvSink != nullptr) *ppAdvSink = nullptr;
  return S_OK;
}

HRESULT ScriptedOleControl::GetExtent(DWORD, LONG, DVTARGETDEVICE*, LPSIZEL) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::GetRect(DWORD, LPRECTL) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::GetViewStatus(DWORD* pdwStatus) {
  if (pdwStatus != nullptr) *pdwStatus = 0;
  return S_OK;
}

HRESULT ScriptedOleControl::QueryHitPoint(DWORD, LPCRECT pRectBounds, POINT ptlLoc, LONG, DWORD* pHitResult) {
  if (pRectBounds == nullptr || pHitResult == nullptr) return E_POINTER;
  RECT leftHalf = *pRectBounds;
  leftHalf.right = leftHalf.left + (leftHalf.right - leftHalf.left) / 2;
  *pHitResult = ::PtInRect(&leftHalf, ptlLoc) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
  return S_OK;
}

HRESULT ScriptedOleControl::QueryHitRect(DWORD, LPCRECT, LPCRECT, LONG, DWORD*) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::GetNaturalExtent(DWORD, LONG, DVTARGETDEVICE*, HDC, DVEXTENTINFO*, LPSIZEL) {
  return E_NOTIMPL;
}

// --- IOleWindow ---

HRESULT ScriptedOleControl::GetWindow(HWND* phwnd) {
  if (phwnd == nullptr) return E_POINTER;
  *phwnd = ownWindow;
  return ownWindow != nullptr ? S_OK : E_FAIL;
}

HRESULT ScriptedOleControl::ContextSensitiveHelp(BOOL) { return S_OK; }

// --- IOleInPlaceObjectWindowless ---

HRESULT ScriptedOleControl::InPlaceDeactivate() {
  if (!inPlaceActive_) return S_OK;
  inPlaceActive_ = false;
  uiActive_ = false;
  if (ownWindow != nullptr) {
    ::DestroyWindow(ownWindow);
    ownWindow = nullptr;
  }
  ComPtr<IOleInPlaceSite> site = std::move(inPlaceSite_);
  frame_.Reset();
  site->OnInPlaceDeactivate();
  ScriptRecord::Add("site.OnInPlaceDeactivate");
  return S_OK;
}

HRESULT ScriptedOleControl::UIDeactivate() { return S_OK; }

HRESULT ScriptedOleControl::SetObjectRects(LPCRECT lprcPosRect, LPCRECT lprcClipRect) {
  if (lprcPosRect == nullptr || lprcClipRect == nullptr) return E_POINTER;
  ScriptRecord::Add("SetObjectRects(" + RectText(*lprcPosRect) + ")");
  objectRect = *lprcPosRect;
  if (ownWindow != nullptr) {
    ::MoveWindow(ownWindow, objectRect.left, objectRect.top, objectRect.right - objectRect.left,
                 objectRect.bottom - objectRect.top, TRUE);
  }
  return S_OK;
}

HRESULT ScriptedOleControl::ReactivateAndUndo() { return E_NOTIMPL; }

HRESULT ScriptedOleControl::OnWindowMessage(UINT msg, WPARAM, LPARAM, LRESULT* plResult) {
  messages.push_back(msg);
  if (plResult != nullptr) *plResult = static_cast<LRESULT>(msg);
  return S_OK;
}

HRESULT ScriptedOleControl::GetDropTarget(IDropTarget** ppDropTarget) {
  if (ppDropTarget != nullptr) *ppDropTarget = nullptr;
  return E_NOTIMPL;
}

// --- IOleInPlaceActiveObject ---

HRESULT ScriptedOleControl::TranslateAccelerator(LPMSG lpmsg) {
  if (lpmsg == nullptr) return E_POINTER;
  translated.push_back(lpmsg->message);
  return script_.translateResult;
}

HRESULT ScriptedOleControl::OnFrameWindowActivate(BOOL) { return S_OK; }

HRESULT ScriptedOleControl::OnDocWindowActivate(BOOL) { return S_OK; }

HRESULT ScriptedOleControl::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }

HRESULT ScriptedOleControl::EnableModeless(BOOL) { return S_OK; }

// --- IObjectWithSite ---

HRESULT ScriptedOleControl::SetSite(IUnknown* pUnkSite) {
  ScriptRecord::Add(pUnkSite != nullptr ? "SetSite(site)" : "SetSite(null)");
  site_ = ComPtr<IUnknown>(pUnkSite);
  return S_OK;
}

HRESULT ScriptedOleControl::GetSite(REFIID riid, void** ppvSite) {
  if (ppvSite == nullptr) return E_POINTER;
  *ppvSite = nullptr;
  if (!site_) return E_FAIL;
  return site_->QueryInterface(riid, ppvSite);
}

// --- IConnectionPointContainer ---

HRESULT ScriptedOleControl::EnumConnectionPoints(IEnumConnectionPoints** ppEnum) {
  if (ppEnum != nullptr) *ppEnum = nullptr;
  return E_NOTIMPL;
}

HRESULT ScriptedOleControl::FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) {
  if (ppCP == nullptr) return E_POINTER;
  *ppCP = nullptr;
  if (browserEvents_ && riid == DIID_DWebBrowserEvents2) {
    *ppCP = ComPtr<IConnectionPoint>(browserEvents_.Get()).Detach();
  } else if (flashEvents_ && riid == DIID__IShockwaveFlashEvents) {
    *ppCP = ComPtr<IConnectionPoint>(flashEvents_.Get()).Detach();
  }
  return *ppCP != nullptr ? S_OK : CONNECT_E_NOCONNECTION;
}

// --- IDispatch ---

HRESULT ScriptedOleControl::GetTypeInfoCount(UINT* pctinfo) {
  if (pctinfo != nullptr) *pctinfo = 0;
  return S_OK;
}

HRESULT ScriptedOleControl::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT ScriptedOleControl::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return DISP_E_UNKNOWNNAME; }

HRESULT ScriptedOleControl::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return DISP_E_MEMBERNOTFOUND;
}

// --- IWebBrowser2 ---

HRESULT ScriptedOleControl::Navigate(BSTR URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                                     VARIANT* Headers) {
  for (const VARIANT* empty : {Flags, TargetFrameName, PostData, Headers}) {
    if (empty != nullptr && empty->vt != VT_EMPTY) return E_INVALIDARG;
  }
  navigated.push_back(URL != nullptr ? URL : L"");
  navigatingThreads.push_back(GetCurrentThreadId());
  return S_OK;
}

HRESULT ScriptedOleControl::Navigate2(VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                                      VARIANT* Headers) {
  if (URL == nullptr || URL->vt != VT_BSTR) return E_INVALIDARG;
  for (const VARIANT* none : {Flags, TargetFrameName, PostData, Headers}) {
    if (none != nullptr && none->vt != VT_EMPTY) return E_INVALIDARG;
  }
  navigated.push_back(std::wstring(L"2:") + (URL->bstrVal != nullptr ? URL->bstrVal : L""));
  navigatingThreads.push_back(GetCurrentThreadId());
  return S_OK;
}

HRESULT ScriptedOleControl::get_Document(IDispatch** ppDisp) {
  if (ppDisp == nullptr) return E_POINTER;
  *ppDisp = nullptr;
  if (!document_) return S_FALSE;
  IHTMLDocument2* pDocument = document_.Get();
  *ppDisp = ComPtr<IDispatch>(pDocument).Detach();
  return S_OK;
}

}  // namespace oletest
