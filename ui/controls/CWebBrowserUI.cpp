#include "ui/controls/CWebBrowserUI.h"

#include <cwchar>

#include "platform/com/ConnectionPoint.h"
#include "platform/com/HtmlDocument.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace SkinUI {

using platform::com::ComPtr;

namespace {

// What a script error's event object tells; read, and neither shown nor kept.
const wchar_t* const kScriptErrorProperties[] = {L"errorLine", L"errorCharacter", L"errorCode", L"errorMessage",
                                                 L"errorUrl"};

HRESULT ReadProperty(IDispatch* pObject, const wchar_t* pstrName) {
  DISPID dispId = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(pstrName)};
  HRESULT hr = pObject->GetIDsOfNames(IID_NULL, names, 1, LOCALE_SYSTEM_DEFAULT, &dispId);
  if (FAILED(hr)) return hr;
  DISPPARAMS params = {nullptr, nullptr, 0, 0};
  VARIANT value;
  VariantInit(&value);
  hr =
      pObject->Invoke(dispId, IID_NULL, LOCALE_SYSTEM_DEFAULT, DISPATCH_PROPERTYGET, &params, &value, nullptr, nullptr);
  VariantClear(&value);
  return hr;
}

IUnknown* ObjectOf(const VARIANT* pv) {
  if (pv == nullptr) return nullptr;
  if (pv->vt == VT_UNKNOWN) return pv->punkVal;
  if (pv->vt == VT_DISPATCH) return pv->pdispVal;
  return nullptr;
}

}  // namespace

CWebBrowserUI::CWebBrowserUI() : m_dwRef(0), m_dwCookie(0), m_bAutoNavi(false) { m_clsid = CLSID_WebBrowser; }

CWebBrowserUI::~CWebBrowserUI() { CWebBrowserUI::ReleaseControl(); }

LPCTSTR CWebBrowserUI::GetClassName() const { return L"WebBrowserUI"; }

LPVOID CWebBrowserUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"WebBrowser") == 0) return static_cast<CWebBrowserUI*>(this);
  return CActiveXUI::GetInterface(pstrName);
}

void CWebBrowserUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (pstrName == nullptr || pstrValue == nullptr) return CActiveXUI::SetAttribute(pstrName, pstrValue);
  if (wcscmp(pstrName, L"homepage") == 0) {
    SetHomePage(pstrValue);
  } else if (wcscmp(pstrName, L"autonavi") == 0) {
    SetAutoNavigation(wcscmp(pstrValue, L"true") == 0);
  } else {
    CActiveXUI::SetAttribute(pstrName, pstrValue);
  }
}

void CWebBrowserUI::SetHomePage(LPCTSTR lpszUrl) { m_sHomePage = lpszUrl; }

const CUIString& CWebBrowserUI::GetHomePage() const { return m_sHomePage; }

void CWebBrowserUI::SetAutoNavigation(bool bAuto) { m_bAutoNavi = bAuto; }

bool CWebBrowserUI::IsAutoNavigation() const { return m_bAutoNavi; }

IWebBrowser2* CWebBrowserUI::GetWebBrowser2() const { return m_pWebBrowser2.Get(); }

void CWebBrowserUI::Navigate(LPCTSTR lpszUrl) {
  if (lpszUrl == nullptr || *lpszUrl == L'\0' || !m_pWebBrowser2) return;
  VARIANT url;
  VariantInit(&url);
  url.vt = VT_BSTR;
  url.bstrVal = ::SysAllocString(lpszUrl);
  m_pWebBrowser2->Navigate2(&url, nullptr, nullptr, nullptr, nullptr);
  VariantClear(&url);
}

HRESULT CWebBrowserUI::RegisterEventHandler(BOOL inAdvise) {
  ComPtr<IWebBrowser2> browser;
  HRESULT hr = QueryControl(IID_IWebBrowser2, browser.PutVoid());
  if (FAILED(hr) || !browser) return FAILED(hr) ? hr : E_NOINTERFACE;
  ComPtr<IConnectionPointContainer> container;
  hr = browser->QueryInterface(IID_IConnectionPointContainer, container.PutVoid());
  if (FAILED(hr) || !container) return FAILED(hr) ? hr : E_NOINTERFACE;
  ComPtr<IConnectionPoint> point;
  hr = container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.Put());
  if (FAILED(hr) || !point) return FAILED(hr) ? hr : E_NOINTERFACE;
  if (inAdvise) return point->Advise(static_cast<IDispatch*>(this), &m_dwCookie);
  hr = point->Unadvise(m_dwCookie);
  m_dwCookie = 0;
  return hr;
}

HRESULT CWebBrowserUI::Download(IMoniker*, IBindCtx*, DWORD, LONG, BINDINFO*, LPCOLESTR, LPCOLESTR, UINT) {
  return S_OK;
}

bool CWebBrowserUI::CreateHostedControl() {
  if (!CActiveXUI::CreateHostedControl()) return false;
  if (m_pManager != nullptr) m_pManager->AddTranslateAccelerator(this);
  QueryControl(IID_IWebBrowser2, m_pWebBrowser2.PutVoid());
  if (m_bAutoNavi && !m_sHomePage.IsEmpty()) Navigate(m_sHomePage);
  RegisterEventHandler(TRUE);
  return true;
}

void CWebBrowserUI::ReleaseControl() {
  m_bCreated = false;
  if (m_pManager != nullptr) m_pManager->RemoveTranslateAccelerator(this);
  RegisterEventHandler(FALSE);
  m_pWebBrowser2.Reset();
  CActiveXUI::ReleaseControl();
}

// --- IUnknown ---

HRESULT CWebBrowserUI::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  if (riid == IID_IUnknown || riid == IID_IDispatch) {
    *ppvObject = static_cast<IDispatch*>(this);
  } else if (riid == IID_IDocHostUIHandler) {
    *ppvObject = static_cast<IDocHostUIHandler*>(this);
  } else if (riid == IID_IServiceProvider) {
    *ppvObject = static_cast<IServiceProvider*>(this);
  } else if (riid == IID_IOleCommandTarget) {
    *ppvObject = static_cast<IOleCommandTarget*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG CWebBrowserUI::AddRef() { return static_cast<ULONG>(++m_dwRef); }

ULONG CWebBrowserUI::Release() { return static_cast<ULONG>(--m_dwRef); }

// --- IDocHostUIHandler ---

HRESULT CWebBrowserUI::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) { return S_FALSE; }

HRESULT CWebBrowserUI::GetHostInfo(DOCHOSTUIINFO*) { return E_NOTIMPL; }

HRESULT CWebBrowserUI::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                              IOleInPlaceUIWindow*) {
  return S_OK;
}

HRESULT CWebBrowserUI::HideUI() { return S_OK; }

HRESULT CWebBrowserUI::UpdateUI() { return S_OK; }

HRESULT CWebBrowserUI::EnableModeless(BOOL) { return E_NOTIMPL; }

HRESULT CWebBrowserUI::OnDocWindowActivate(BOOL) { return E_NOTIMPL; }

HRESULT CWebBrowserUI::OnFrameWindowActivate(BOOL) { return E_NOTIMPL; }

HRESULT CWebBrowserUI::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return E_NOTIMPL; }

HRESULT CWebBrowserUI::TranslateAccelerator(LPMSG, const GUID*, DWORD) { return S_FALSE; }

HRESULT CWebBrowserUI::GetOptionKeyPath(LPOLESTR*, DWORD) { return E_NOTIMPL; }

HRESULT CWebBrowserUI::GetDropTarget(IDropTarget*, IDropTarget**) { return S_FALSE; }

HRESULT CWebBrowserUI::GetExternal(IDispatch**) { return S_FALSE; }

HRESULT CWebBrowserUI::TranslateUrl(DWORD, LPWSTR, LPWSTR* ppchURLOut) {
  if (ppchURLOut != nullptr) *ppchURLOut = nullptr;
  return E_NOTIMPL;
}

HRESULT CWebBrowserUI::FilterDataObject(IDataObject*, IDataObject** ppDORet) {
  if (ppDORet != nullptr) *ppDORet = nullptr;
  return E_NOTIMPL;
}

// --- IServiceProvider ---

HRESULT CWebBrowserUI::QueryService(REFGUID, REFIID, void** ppvObject) {
  // The download manager is not offered either: the browser keeps its own downloads.
  if (ppvObject != nullptr) *ppvObject = nullptr;
  return E_NOINTERFACE;
}

// --- IOleCommandTarget ---

HRESULT CWebBrowserUI::QueryStatus(const GUID*, ULONG, OLECMD[], OLECMDTEXT*) { return OLECMDERR_E_NOTSUPPORTED; }

HRESULT CWebBrowserUI::Exec(const GUID* pguidCmdGroup, DWORD nCmdID, DWORD, VARIANT* pvaIn, VARIANT* pvaOut) {
  if (pguidCmdGroup == nullptr || *pguidCmdGroup != CGID_DocHostCommandHandler) return OLECMDERR_E_UNKNOWNGROUP;
  if (nCmdID != OLECMDID_SHOWSCRIPTERROR) return OLECMDERR_E_NOTSUPPORTED;
  const HRESULT hr = ReadScriptError(pvaIn);
  if (pvaOut != nullptr) {
    // The page's scripts go on, and no error dialog comes up.
    pvaOut->vt = VT_BOOL;
    pvaOut->boolVal = VARIANT_TRUE;
  }
  return hr;
}

HRESULT CWebBrowserUI::ReadScriptError(VARIANT* pvaIn) {
  IUnknown* pDocument = ObjectOf(pvaIn);
  if (pDocument == nullptr) return E_INVALIDARG;
  ComPtr<IHTMLDocument2> document;
  HRESULT hr = pDocument->QueryInterface(IID_IHTMLDocument2, document.PutVoid());
  if (FAILED(hr) || !document) return FAILED(hr) ? hr : E_NOINTERFACE;
  ComPtr<IHTMLWindow2> window;
  hr = document->get_parentWindow(window.Put());
  if (FAILED(hr) || !window) return FAILED(hr) ? hr : E_FAIL;
  ComPtr<IHTMLEventObj> event;
  hr = window->get_event(event.Put());
  if (FAILED(hr) || !event) return FAILED(hr) ? hr : E_FAIL;
  for (const wchar_t* pstrName : kScriptErrorProperties) hr = ReadProperty(event.Get(), pstrName);
  return hr;
}

// --- IDispatch ---

HRESULT CWebBrowserUI::GetTypeInfoCount(UINT* pctinfo) {
  if (pctinfo != nullptr) *pctinfo = 0;
  return E_NOTIMPL;
}

HRESULT CWebBrowserUI::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT CWebBrowserUI::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT CWebBrowserUI::Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  if (riid != IID_NULL) return E_INVALIDARG;
  switch (dispIdMember) {
    case DISPID_STATUSTEXTCHANGE:
    case DISPID_COMMANDSTATECHANGE:
    case DISPID_BEFORENAVIGATE2:
    case DISPID_NAVIGATEERROR:
    case DISPID_NEWWINDOW3:
      return S_OK;
    case DISPID_NAVIGATECOMPLETE2:
      NavigateComplete2();
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

void CWebBrowserUI::NavigateComplete2() {
  if (!m_pWebBrowser2) return;
  ComPtr<IDispatch> document;
  if (FAILED(m_pWebBrowser2->get_Document(document.Put())) || !document) return;
  ComPtr<ICustomDoc> customDoc;
  if (FAILED(document->QueryInterface(IID_ICustomDoc, customDoc.PutVoid())) || !customDoc) return;
  customDoc->SetUIHandler(this);
}

// --- ITranslateAccelerator ---

LRESULT CWebBrowserUI::TranslateAccelerator(MSG* pMsg) { return TranslateAcceleratorFor(m_pWebBrowser2.Get(), pMsg); }

}  // namespace SkinUI
