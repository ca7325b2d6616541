#include "ui/controls/CActiveXUI.h"

#include <cwchar>

#include "ui/controls/CActiveXCtrl.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace SkinUI {

using platform::com::ComPtr;

namespace {

// Characters of a "clsid" text that are read.
const int kMaxClsidText = 99;

bool IsMouseMessage(UINT uMsg) { return uMsg >= WM_MOUSEFIRST && uMsg <= WM_MOUSELAST; }

bool IsKeyMessage(UINT uMsg) { return uMsg >= WM_KEYFIRST && uMsg <= WM_KEYLAST; }

// Pixels to HIMETRIC (hundredths of a millimetre) at the screen's resolution.
SIZEL HimetricSize(int cx, int cy) {
  HDC hdc = ::GetDC(nullptr);
  const int dpiX = ::GetDeviceCaps(hdc, LOGPIXELSX);
  const int dpiY = ::GetDeviceCaps(hdc, LOGPIXELSY);
  ::ReleaseDC(nullptr, hdc);
  return SIZEL{::MulDiv(2540, cx, dpiX), ::MulDiv(2540, cy, dpiY)};
}

// The view the control offers, the richest first.
ComPtr<IViewObject> FirstViewObject(IOleObject* pControl) {
  ComPtr<IViewObject> view;
  for (const IID* iid : {&IID_IViewObjectEx, &IID_IViewObject2, &IID_IViewObject}) {
    if (SUCCEEDED(pControl->QueryInterface(*iid, view.PutVoid())) && view) return view;
  }
  return nullptr;
}

}  // namespace

CActiveXUI::CActiveXUI() : m_clsid(GUID_NULL), m_bCreated(false), m_bDelayCreate(true), m_hwndHost(nullptr) {}

CActiveXUI::~CActiveXUI() { CActiveXUI::ReleaseControl(); }

LPCTSTR CActiveXUI::GetClassName() const { return L"ActiveXUI"; }

LPVOID CActiveXUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"ActiveX") == 0) return static_cast<CActiveXUI*>(this);
  return CControlUI::GetInterface(pstrName);
}

void CActiveXUI::SetPos(RECT rc) {
  CControlUI::SetPos(rc);
  if (!m_bCreated) CreateHostedControl();
  if (!m_pControl || !m_pSite) return;

  SIZEL hmSize = HimetricSize(m_rcItem.right - m_rcItem.left, m_rcItem.bottom - m_rcItem.top);
  m_pControl->SetExtent(DVASPECT_CONTENT, &hmSize);
  // The calls above may let the control go.
  if (!m_pSite) return;
  if (IOleInPlaceObject* pInPlace = m_pSite->GetInPlaceObject()) {
    RECT rcObject = m_rcItem;
    if (!m_pSite->IsWindowless()) ::OffsetRect(&rcObject, -rcObject.left, -rcObject.top);
    pInPlace->SetObjectRects(&rcObject, &rcObject);
  }
  if (m_pSite && !m_pSite->IsWindowless() && m_pSite->GetChildWindow() != nullptr) {
    ::MoveWindow(m_pSite->GetChildWindow(), m_rcItem.left, m_rcItem.top, m_rcItem.right - m_rcItem.left,
                 m_rcItem.bottom - m_rcItem.top, TRUE);
  }
}

void CActiveXUI::SetVisible(bool bVisible) {
  CControlUI::SetVisible(bVisible);
  ShowHostWindow();
}

void CActiveXUI::SetParentVisible(bool bVisible) {
  CControlUI::SetParentVisible(bVisible);
  ShowHostWindow();
}

void CActiveXUI::ShowHostWindow() {
  if (m_hwndHost == nullptr || !m_pSite || m_pSite->IsWindowless()) return;
  ::ShowWindow(m_hwndHost, IsVisible() ? SW_SHOW : SW_HIDE);
}

void CActiveXUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (pstrName == nullptr || pstrValue == nullptr) return CControlUI::SetAttribute(pstrName, pstrValue);
  if (wcscmp(pstrName, L"clsid") == 0) {
    CreateControlFromText(pstrValue);
  } else if (wcscmp(pstrName, L"modulename") == 0) {
    SetModuleName(pstrValue);
  } else if (wcscmp(pstrName, L"delaycreate") == 0) {
    SetDelayCreate(wcscmp(pstrValue, L"true") == 0);
  } else {
    CControlUI::SetAttribute(pstrName, pstrValue);
  }
}

void CActiveXUI::Paint(HDC hDC, const RECT& rcPaint) {
  RECT rcTemp = {};
  if (!::IntersectRect(&rcTemp, &rcPaint, &m_rcItem)) return;
  if (!m_pSite || !m_pSite->IsWindowless() || m_pSite->GetViewObject() == nullptr) return;
  const RECTL rcBounds = {m_rcItem.left, m_rcItem.top, m_rcItem.right, m_rcItem.bottom};
  m_pSite->GetViewObject()->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, hDC, &rcBounds, &rcBounds, nullptr,
                                    0);
}

POINT CActiveXUI::MessagePoint(UINT uMsg, LPARAM lParam) const {
  // WM_SETCURSOR carries a hit code and the wheel a screen point, neither a point in the
  // client area: the cursor's place stands for both.
  POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (uMsg == WM_SETCURSOR) ::GetCursorPos(&pt);
  if (uMsg == WM_SETCURSOR || uMsg == WM_MOUSEWHEEL || uMsg == WM_MOUSEHWHEEL) ::ScreenToClient(m_hwndHost, &pt);
  return pt;
}

bool CActiveXUI::IsHit(UINT uMsg, LPARAM lParam) const {
  if (m_pSite->IsCaptured()) return true;
  IViewObject* pView = m_pSite->GetViewObject();
  if (pView == nullptr) return false;
  ComPtr<IViewObjectEx> viewEx;
  if (FAILED(pView->QueryInterface(IID_IViewObjectEx, viewEx.PutVoid())) || !viewEx) return false;
  DWORD dwHitResult = HITRESULT_OUTSIDE;
  viewEx->QueryHitPoint(DVASPECT_CONTENT, &m_rcItem, MessagePoint(uMsg, lParam), 0, &dwHitResult);
  return dwHitResult == HITRESULT_HIT;
}

LRESULT CActiveXUI::FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
  if (!m_pSite || !m_pSite->IsInPlaceActive()) return 0;
  ComPtr<IOleInPlaceObjectWindowless> windowless(m_pSite->GetWindowlessObject());
  if (!windowless) return 0;
  const bool bMouse = IsMouseMessage(uMsg);
  if (bMouse && !IsMouseEnabled()) return 0;

  // Whether the control's answer ends the window's own handling of the message.
  bool bPassOn = true;
  if (bMouse || uMsg == WM_SETCURSOR) {
    if (!IsHit(uMsg, lParam)) return 0;
    if (uMsg == WM_SETCURSOR) bPassOn = false;
  } else if (IsKeyMessage(uMsg)) {
    if (!IsFocused()) return 0;
  } else if (uMsg == WM_HELP || uMsg == WM_CONTEXTMENU) {
    bPassOn = false;
  } else {
    return 0;
  }

  LRESULT lResult = 0;
  if (windowless->OnWindowMessage(uMsg, wParam, lParam, &lResult) == S_OK) bHandled = bPassOn;
  return lResult;
}

bool CActiveXUI::CreateControlFromText(LPCTSTR pstrCLSID) {
  if (pstrCLSID == nullptr) return false;
  wchar_t szCLSID[kMaxClsidText + 1] = {};
  wcsncpy(szCLSID, pstrCLSID, kMaxClsidText);
  CLSID clsid = GUID_NULL;
  if (szCLSID[0] == L'{') {
    ::CLSIDFromString(szCLSID, &clsid);
  } else {
    ::CLSIDFromProgID(szCLSID, &clsid);
  }
  return CreateControlByClsid(clsid);
}

bool CActiveXUI::CreateControlByClsid(const CLSID& clsid) {
  if (clsid == GUID_NULL) return false;
  m_bCreated = false;
  m_clsid = clsid;
  if (m_bDelayCreate) return true;
  return CreateHostedControl();
}

void CActiveXUI::SetDelayCreate(bool bDelayCreate) {
  if (m_bDelayCreate == bDelayCreate) return;
  if (!bDelayCreate && !m_bCreated && m_clsid != GUID_NULL) CreateHostedControl();
  m_bDelayCreate = bDelayCreate;
}

bool CActiveXUI::IsDelayCreate() const { return m_bDelayCreate; }

void CActiveXUI::SetModuleName(LPCTSTR pstrText) { m_sModuleName = pstrText; }

const CUIString& CActiveXUI::GetModuleName() const { return m_sModuleName; }

const CLSID& CActiveXUI::GetClsid() const { return m_clsid; }

HRESULT CActiveXUI::QueryControl(REFIID riid, LPVOID* ppRet) {
  if (ppRet == nullptr) return E_POINTER;
  *ppRet = nullptr;
  if (!m_pControl) return E_PENDING;
  return m_pControl->QueryInterface(riid, ppRet);
}

DWORD CActiveXUI::GetSkinBackground() const {
  for (const CControlUI* control = this; control != nullptr; control = control->GetParent()) {
    if (control->GetBkColor() != 0) return control->GetBkColor();
  }
  return 0;
}

HWND CActiveXUI::GetHostWindow() const { return m_hwndHost; }

LRESULT CActiveXUI::TranslateAcceleratorFor(IUnknown* pObject, MSG* pMsg) const {
  if (pMsg == nullptr || !IsKeyMessage(pMsg->message)) return S_FALSE;
  if (pObject == nullptr) return E_NOTIMPL;
  if (!IsFocusInHostWindow()) return S_FALSE;
  ComPtr<IOleInPlaceActiveObject> activeObject;
  if (FAILED(pObject->QueryInterface(IID_IOleInPlaceActiveObject, activeObject.PutVoid())) || !activeObject) {
    return S_FALSE;
  }
  return activeObject->TranslateAccelerator(pMsg);
}

bool CActiveXUI::IsFocusInHostWindow() const {
  if (m_hwndHost == nullptr) return false;
  for (HWND hWnd = ::GetFocus(); hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
    if (hWnd == m_hwndHost) return true;
  }
  return false;
}

HRESULT CActiveXUI::CreateFromModule(IUnknown** ppUnk) {
  HMODULE hModule = ::LoadLibraryW(m_sModuleName);
  if (hModule == nullptr) return E_FAIL;
  auto pfnGetClassObject = reinterpret_cast<LPFNGETCLASSOBJECT>(::GetProcAddress(hModule, "DllGetClassObject"));
  if (pfnGetClassObject == nullptr) return E_FAIL;
  ComPtr<IClassFactory> factory;
  HRESULT hr = pfnGetClassObject(m_clsid, IID_IClassFactory, factory.PutVoid());
  if (FAILED(hr) || !factory) return FAILED(hr) ? hr : E_FAIL;
  return factory->CreateInstance(nullptr, IID_IOleObject, reinterpret_cast<void**>(ppUnk));
}

bool CActiveXUI::CreateHostedControl() {
  ReleaseControl();
  m_bCreated = true;

  ComPtr<IUnknown> created;
  HRESULT hr = E_FAIL;
  if (!m_sModuleName.IsEmpty()) hr = CreateFromModule(created.Put());
  if (FAILED(hr)) hr = ::CoCreateInstance(m_clsid, nullptr, CLSCTX_ALL, IID_IOleControl, created.PutVoid());
  if (FAILED(hr) || !created) return false;
  hr = created->QueryInterface(IID_IOleObject, m_pControl.PutVoid());
  created.Reset();
  if (FAILED(hr) || !m_pControl) {
    m_pControl.Reset();
    return false;
  }

  m_pSite = ComPtr<CActiveXCtrl>::Adopt(new CActiveXCtrl(this));
  DWORD dwMiscStatus = 0;
  m_pControl->GetMiscStatus(DVASPECT_CONTENT, &dwMiscStatus);
  ComPtr<IOleClientSite> clientSite = m_pSite->ClientSite();
  const bool bSiteFirst = (dwMiscStatus & OLEMISC_SETCLIENTSITEFIRST) != 0;
  if (bSiteFirst) m_pControl->SetClientSite(clientSite.Get());
  ComPtr<IPersistStreamInit> persist;
  if (SUCCEEDED(m_pControl->QueryInterface(IID_IPersistStreamInit, persist.PutVoid())) && persist) {
    hr = persist->InitNew();
    persist.Reset();
    if (FAILED(hr)) {
      // A control that could not start empty is let go like any other failed creation.
      clientSite.Reset();
      CActiveXUI::ReleaseControl();
      return false;
    }
  }
  if (!bSiteFirst) m_pControl->SetClientSite(clientSite.Get());
  m_pSite->SetViewObject(FirstViewObject(m_pControl.Get()));
  m_pControl->SetHostNames(L"UIActiveX", nullptr);
  if (m_pManager != nullptr) m_pManager->SendNotify(this, L"showactivex", 0, 0, false);
  // A listener of the notification may have let the control go.
  if (!m_pControl) return false;
  if ((dwMiscStatus & OLEMISC_INVISIBLEATRUNTIME) == 0) {
    const HWND hWndParent = m_pManager != nullptr ? m_pManager->GetPaintWindow() : nullptr;
    hr = m_pControl->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, clientSite.Get(), 0, hWndParent, &m_rcItem);
  }
  if (!m_pControl) return false;
  ComPtr<IObjectWithSite> withSite;
  if (SUCCEEDED(m_pControl->QueryInterface(IID_IObjectWithSite, withSite.PutVoid())) && withSite && m_pSite) {
    withSite->SetSite(static_cast<IOleClientSite*>(m_pSite.Get()));
  }
  return SUCCEEDED(hr);
}

void CActiveXUI::ReleaseControl() {
  m_hwndHost = nullptr;
  if (m_pControl) {
    ComPtr<IOleObject> control = std::move(m_pControl);
    ComPtr<IObjectWithSite> withSite;
    if (SUCCEEDED(control->QueryInterface(IID_IObjectWithSite, withSite.PutVoid())) && withSite) {
      withSite->SetSite(nullptr);
    }
    control->Close(OLECLOSE_NOSAVE);
    control->SetClientSite(nullptr);
  }
  if (m_pSite) {
    ComPtr<CActiveXCtrl> site = std::move(m_pSite);
    site->SetOwner(nullptr);
  }
  if (m_pManager != nullptr) m_pManager->RemoveMessageFilter(this);
}

}  // namespace SkinUI
