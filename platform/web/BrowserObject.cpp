#include "platform/web/BrowserObject.h"

#include <atomic>

#include "platform/base/CodePage.h"
#include "platform/com/ClassRegistry.h"
#include "platform/web/WebUrl.h"

namespace platform::web {

using platform::com::ComPtr;
using platform::com::DispatchConnectionPoint;

namespace {

// What a failed navigation reports as its status: the page was not found.
const LONG kResourceNotFound = static_cast<LONG>(0x800C0005L);

std::atomic<int> g_live{0};

HRESULT CreateBrowser(REFIID riid, void** object) {
  auto* browser = new BrowserObject();
  const HRESULT hr = browser->QueryInterface(riid, object);
  browser->Release();
  return hr;
}

bool IsEmptyArgument(const VARIANT* argument) { return argument == nullptr || argument->vt == VT_EMPTY; }

}  // namespace

void BrowserObject::Register() {
  platform::com::ClassRegistry::Register(CLSID_WebBrowser, L"Shell.Explorer.2", &CreateBrowser);
}

int BrowserObject::Live() { return g_live.load(); }

BrowserObject::BrowserObject() {
  ++g_live;
  events_ = ComPtr<DispatchConnectionPoint>::Adopt(
      new DispatchConnectionPoint(static_cast<IConnectionPointContainer*>(this), DIID_DWebBrowserEvents2));
  view_ = wkeCreateWebView();
  wkeOnLoadingFinish(view_, &BrowserObject::OnLoadingFinish, this);
  wkeOnCreateView(view_, &BrowserObject::OnCreateView, this);
}

BrowserObject::~BrowserObject() {
  events_->Detach();
  window_.reset();
  if (view_ != nullptr) wkeDestroyWebView(view_);
  --g_live;
}

HRESULT BrowserObject::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  if (riid == IID_IUnknown || riid == IID_IOleObject) {
    *ppvObject = static_cast<IOleObject*>(this);
  } else if (riid == IID_IOleControl) {
    *ppvObject = static_cast<IOleControl*>(this);
  } else if (riid == IID_IPersistStreamInit || riid == IID_IPersist) {
    *ppvObject = static_cast<IPersistStreamInit*>(this);
  } else if (riid == IID_IOleInPlaceObject || riid == IID_IOleWindow) {
    *ppvObject = static_cast<IOleInPlaceObject*>(this);
  } else if (riid == IID_IOleInPlaceActiveObject) {
    *ppvObject = static_cast<IOleInPlaceActiveObject*>(this);
  } else if (riid == IID_IObjectWithSite) {
    *ppvObject = static_cast<IObjectWithSite*>(this);
  } else if (riid == IID_IConnectionPointContainer) {
    *ppvObject = static_cast<IConnectionPointContainer*>(this);
  } else if (riid == IID_IWebBrowser2 || riid == IID_IWebBrowserApp || riid == IID_IWebBrowser ||
             riid == IID_IDispatch) {
    *ppvObject = static_cast<IWebBrowser2*>(this);
  }
  if (*ppvObject == nullptr) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG BrowserObject::AddRef() { return ++refs_; }

ULONG BrowserObject::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

// --- IOleObject ---

HRESULT BrowserObject::SetClientSite(IOleClientSite* pClientSite) {
  clientSite_ = ComPtr<IOleClientSite>(pClientSite);
  return S_OK;
}

HRESULT BrowserObject::GetClientSite(IOleClientSite** ppClientSite) {
  if (ppClientSite == nullptr) return E_POINTER;
  *ppClientSite = ComPtr<IOleClientSite>(clientSite_).Detach();
  return S_OK;
}

HRESULT BrowserObject::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

HRESULT BrowserObject::Close(DWORD) {
  ComPtr<BrowserObject> self(this);
  InPlaceDeactivate();
  return S_OK;
}

HRESULT BrowserObject::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

HRESULT BrowserObject::GetMoniker(DWORD, DWORD, IMoniker** ppmk) {
  if (ppmk != nullptr) *ppmk = nullptr;
  return E_NOTIMPL;
}

HRESULT BrowserObject::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

HRESULT BrowserObject::GetClipboardData(DWORD, IDataObject** ppDataObject) {
  if (ppDataObject != nullptr) *ppDataObject = nullptr;
  return E_NOTIMPL;
}

HRESULT BrowserObject::DoVerb(LONG iVerb, LPMSG, IOleClientSite* pActiveSite, LONG, HWND, LPCRECT lprcPosRect) {
  switch (iVerb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
      return ActivateInPlace(pActiveSite, lprcPosRect);
    case OLEIVERB_UIACTIVATE: {
      const HRESULT hr = ActivateInPlace(pActiveSite, lprcPosRect);
      return FAILED(hr) ? hr : ActivateUI();
    }
    case OLEIVERB_HIDE:
      return InPlaceDeactivate();
    default:
      return E_NOTIMPL;
  }
}

HRESULT BrowserObject::ActivateInPlace(IOleClientSite* pActiveSite, LPCRECT lprcPosRect) {
  if (inPlaceActive_) return S_OK;
  IOleClientSite* pSite = pActiveSite != nullptr ? pActiveSite : clientSite_.Get();
  if (pSite == nullptr) return E_INVALIDARG;
  ComPtr<IOleInPlaceSite> site;
  if (FAILED(pSite->QueryInterface(IID_IOleInPlaceSite, site.PutVoid())) || !site) return E_NOINTERFACE;
  if (site->CanInPlaceActivate() != S_OK) return E_FAIL;
  // Where the object goes: the container's rectangle for now, until it sets the
  // object's rectangles (it may while it hears of the activation).
  if (lprcPosRect != nullptr && ::IsRectEmpty(&rect_)) rect_ = *lprcPosRect;
  HRESULT hr = site->OnInPlaceActivate();
  if (FAILED(hr)) return hr;
  inPlaceSite_ = site;
  inPlaceActive_ = true;

  HWND parent = nullptr;
  if (FAILED(site->GetWindow(&parent)) || parent == nullptr) {
    InPlaceDeactivate();
    return E_FAIL;
  }
  RECT pos = rect_;
  RECT clip = rect_;
  OLEINPLACEFRAMEINFO info = {};
  info.cb = sizeof(info);
  if (FAILED(site->GetWindowContext(frame_.Put(), document_.Put(), &pos, &clip, &info))) {
    frame_.Reset();
    document_.Reset();
  } else if (!::IsRectEmpty(&pos)) {
    // A window the container has not placed yet has no size to give.
    rect_ = pos;
  }
  window_ = std::make_unique<BrowserWindow>(parent, rect_, view_, pageDrawn_);
  ResizeView();
  return S_OK;
}

HRESULT BrowserObject::ActivateUI() {
  if (uiActive_ || !inPlaceSite_) return S_OK;
  uiActive_ = true;
  inPlaceSite_->OnUIActivate();
  if (frame_) frame_->SetActiveObject(static_cast<IOleInPlaceActiveObject*>(this), nullptr);
  return S_OK;
}

HRESULT BrowserObject::EnumVerbs(IEnumOLEVERB** ppEnumOleVerb) {
  if (ppEnumOleVerb != nullptr) *ppEnumOleVerb = nullptr;
  return E_NOTIMPL;
}

HRESULT BrowserObject::Update() { return S_OK; }

HRESULT BrowserObject::IsUpToDate() { return S_OK; }

HRESULT BrowserObject::GetUserClassID(CLSID* pClsid) {
  if (pClsid == nullptr) return E_POINTER;
  *pClsid = CLSID_WebBrowser;
  return S_OK;
}

HRESULT BrowserObject::GetUserType(DWORD, LPOLESTR* pszUserType) {
  if (pszUserType != nullptr) *pszUserType = nullptr;
  return E_NOTIMPL;
}

HRESULT BrowserObject::SetExtent(DWORD, SIZEL* psizel) {
  if (psizel == nullptr) return E_POINTER;
  extent_ = *psizel;
  return S_OK;
}

HRESULT BrowserObject::GetExtent(DWORD, SIZEL* psizel) {
  if (psizel == nullptr) return E_POINTER;
  *psizel = extent_;
  return S_OK;
}

HRESULT BrowserObject::Advise(IAdviseSink*, DWORD* pdwConnection) {
  if (pdwConnection != nullptr) *pdwConnection = 0;
  return E_NOTIMPL;
}

HRESULT BrowserObject::Unadvise(DWORD) { return E_NOTIMPL; }

HRESULT BrowserObject::EnumAdvise(IEnumSTATDATA** ppenumAdvise) {
  if (ppenumAdvise != nullptr) *ppenumAdvise = nullptr;
  return E_NOTIMPL;
}

HRESULT BrowserObject::GetMiscStatus(DWORD, DWORD* pdwStatus) {
  if (pdwStatus == nullptr) return E_POINTER;
  *pdwStatus = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE;
  return S_OK;
}

HRESULT BrowserObject::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

// --- IOleControl ---

HRESULT BrowserObject::GetControlInfo(CONTROLINFO*) { return E_NOTIMPL; }

HRESULT BrowserObject::OnMnemonic(MSG*) { return E_NOTIMPL; }

HRESULT BrowserObject::OnAmbientPropertyChange(DISPID) { return S_OK; }

HRESULT BrowserObject::FreezeEvents(BOOL) { return S_OK; }

// --- IPersistStreamInit ---

HRESULT BrowserObject::GetClassID(CLSID* pClassID) { return GetUserClassID(pClassID); }

HRESULT BrowserObject::IsDirty() { return S_FALSE; }

HRESULT BrowserObject::Load(LPSTREAM) { return E_NOTIMPL; }

HRESULT BrowserObject::Save(LPSTREAM, BOOL) { return E_NOTIMPL; }

HRESULT BrowserObject::GetSizeMax(ULARGE_INTEGER*) { return E_NOTIMPL; }

HRESULT BrowserObject::InitNew() { return S_OK; }

// --- IOleWindow ---

HRESULT BrowserObject::GetWindow(HWND* phwnd) {
  if (phwnd == nullptr) return E_POINTER;
  *phwnd = window_ ? window_->Handle() : nullptr;
  return *phwnd != nullptr ? S_OK : E_FAIL;
}

HRESULT BrowserObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

// --- IOleInPlaceObject ---

HRESULT BrowserObject::InPlaceDeactivate() {
  if (!inPlaceActive_) return S_OK;
  UIDeactivate();
  inPlaceActive_ = false;
  window_.reset();
  ComPtr<IOleInPlaceSite> site = std::move(inPlaceSite_);
  frame_.Reset();
  document_.Reset();
  site->OnInPlaceDeactivate();
  return S_OK;
}

HRESULT BrowserObject::UIDeactivate() {
  if (!uiActive_) return S_OK;
  uiActive_ = false;
  if (frame_) frame_->SetActiveObject(nullptr, nullptr);
  if (inPlaceSite_) inPlaceSite_->OnUIDeactivate(FALSE);
  return S_OK;
}

HRESULT BrowserObject::SetObjectRects(LPCRECT lprcPosRect, LPCRECT lprcClipRect) {
  if (lprcPosRect == nullptr || lprcClipRect == nullptr) return E_POINTER;
  rect_ = *lprcPosRect;
  if (window_) window_->Move(rect_);
  ResizeView();
  return S_OK;
}

void BrowserObject::ResizeView() {
  const int width = rect_.right - rect_.left;
  const int height = rect_.bottom - rect_.top;
  if (width < 0 || height < 0) return;
  wkeResize(view_, width, height);
}

HRESULT BrowserObject::ReactivateAndUndo() { return E_NOTIMPL; }

// --- IOleInPlaceActiveObject ---

HRESULT BrowserObject::TranslateAccelerator(LPMSG) { return S_FALSE; }

HRESULT BrowserObject::OnFrameWindowActivate(BOOL) { return S_OK; }

HRESULT BrowserObject::OnDocWindowActivate(BOOL) { return S_OK; }

HRESULT BrowserObject::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }

HRESULT BrowserObject::EnableModeless(BOOL) { return S_OK; }

// --- IObjectWithSite ---

HRESULT BrowserObject::SetSite(IUnknown* pUnkSite) {
  site_ = ComPtr<IUnknown>(pUnkSite);
  return S_OK;
}

HRESULT BrowserObject::GetSite(REFIID riid, void** ppvSite) {
  if (ppvSite == nullptr) return E_POINTER;
  *ppvSite = nullptr;
  if (!site_) return E_FAIL;
  return site_->QueryInterface(riid, ppvSite);
}

// --- IConnectionPointContainer ---

HRESULT BrowserObject::EnumConnectionPoints(IEnumConnectionPoints** ppEnum) {
  if (ppEnum != nullptr) *ppEnum = nullptr;
  return E_NOTIMPL;
}

HRESULT BrowserObject::FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) {
  if (ppCP == nullptr) return E_POINTER;
  *ppCP = nullptr;
  if (riid != DIID_DWebBrowserEvents2) return CONNECT_E_NOCONNECTION;
  *ppCP = ComPtr<IConnectionPoint>(events_.Get()).Detach();
  return S_OK;
}

// --- IWebBrowser2 ---

HRESULT BrowserObject::Navigate(BSTR URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                                VARIANT* Headers) {
  if (URL == nullptr || URL[0] == L'\0') return E_INVALIDARG;
  // Pages are shown as they are: no flags, frames, posted data or headers.
  for (const VARIANT* argument : {Flags, TargetFrameName, PostData, Headers}) {
    if (!IsEmptyArgument(argument) && argument->vt != VT_ERROR) return E_INVALIDARG;
  }
  location_ = codepage::Utf8ToWide(EngineUrl(URL));
  wkeLoadW(view_, location_.c_str());
  return S_OK;
}

HRESULT BrowserObject::Navigate2(VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                                 VARIANT* Headers) {
  if (URL == nullptr) return E_INVALIDARG;
  const VARIANT* text = URL->vt == (VT_VARIANT | VT_BYREF) ? URL->pvarVal : URL;
  if (text == nullptr || text->vt != VT_BSTR) return E_INVALIDARG;
  return Navigate(text->bstrVal, Flags, TargetFrameName, PostData, Headers);
}

HRESULT BrowserObject::get_Document(IDispatch** ppDisp) {
  if (ppDisp == nullptr) return E_POINTER;
  *ppDisp = nullptr;
  return S_FALSE;
}

HRESULT BrowserObject::get_LocationURL(BSTR* LocationURL) {
  if (LocationURL == nullptr) return E_POINTER;
  *LocationURL = ::SysAllocString(location_.c_str());
  return S_OK;
}

// --- The engine's reports ---

void BrowserObject::OnLoadingFinish(wkeWebView, void* param, const wkeString url, wkeLoadingResult result,
                                    const wkeString) {
  auto* browser = static_cast<BrowserObject*>(param);
  // A sink may release the browser while it handles the event.
  ComPtr<BrowserObject> self(browser);
  const wchar_t* text = wkeGetStringW(url);
  const std::wstring loaded = text != nullptr ? text : L"";
  // Whatever the outcome, the view now holds what the engine shows for it.
  if (result != WKE_LOADING_CANCELED) {
    browser->pageDrawn_ = true;
    if (browser->window_) browser->window_->ShowPage();
  }
  if (result == WKE_LOADING_SUCCEEDED) browser->FireNavigateComplete(loaded);
  if (result == WKE_LOADING_FAILED) browser->FireNavigateError(loaded);
}

wkeWebView BrowserObject::OnCreateView(wkeWebView, void*, wkeNavigationType, const wkeString,
                                       const wkeWindowFeatures*) {
  return nullptr;
}

void BrowserObject::FireNavigateComplete(const std::wstring& url) {
  VARIANT urlValue;
  VariantInit(&urlValue);
  urlValue.vt = VT_BSTR;
  urlValue.bstrVal = ::SysAllocString(url.c_str());
  // Arguments stand last first: (pDisp, URL).
  VARIANT args[2];
  VariantInit(&args[0]);
  args[0].vt = VT_VARIANT | VT_BYREF;
  args[0].pvarVal = &urlValue;
  VariantInit(&args[1]);
  args[1].vt = VT_DISPATCH;
  args[1].pdispVal = static_cast<IWebBrowser2*>(this);
  DISPPARAMS params = {args, nullptr, 2, 0};
  events_->Fire(DISPID_NAVIGATECOMPLETE2, &params);
  VariantClear(&urlValue);
}

void BrowserObject::FireNavigateError(const std::wstring& url) {
  VARIANT urlValue, frameValue, statusValue;
  VariantInit(&urlValue);
  urlValue.vt = VT_BSTR;
  urlValue.bstrVal = ::SysAllocString(url.c_str());
  VariantInit(&frameValue);
  frameValue.vt = VT_BSTR;
  frameValue.bstrVal = ::SysAllocString(L"");
  VariantInit(&statusValue);
  statusValue.vt = VT_I4;
  statusValue.lVal = kResourceNotFound;
  VARIANT_BOOL cancel = VARIANT_FALSE;
  // Arguments stand last first: (pDisp, URL, Frame, StatusCode, Cancel).
  VARIANT args[5];
  for (VARIANT& arg : args) VariantInit(&arg);
  args[0].vt = VT_BOOL | VT_BYREF;
  args[0].pboolVal = &cancel;
  args[1].vt = VT_VARIANT | VT_BYREF;
  args[1].pvarVal = &statusValue;
  args[2].vt = VT_VARIANT | VT_BYREF;
  args[2].pvarVal = &frameValue;
  args[3].vt = VT_VARIANT | VT_BYREF;
  args[3].pvarVal = &urlValue;
  args[4].vt = VT_DISPATCH;
  args[4].pdispVal = static_cast<IWebBrowser2*>(this);
  DISPPARAMS params = {args, nullptr, 5, 0};
  events_->Fire(DISPID_NAVIGATEERROR, &params);
  VariantClear(&urlValue);
  VariantClear(&frameValue);
}

}  // namespace platform::web
