#include "ui/controls/CActiveXCtrl.h"

#include "ui/controls/CActiveXEnum.h"
#include "ui/controls/CActiveXFrameWnd.h"
#include "ui/controls/CActiveXUI.h"
#include "ui/controls/CActiveXWnd.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace SkinUI {

using platform::com::ComPtr;

CActiveXCtrl::CActiveXCtrl(CActiveXUI* pOwner)
    : m_dwRef(1),
      m_pOwner(pOwner),
      m_bLocked(false),
      m_bFocused(false),
      m_bCaptured(false),
      m_bUIActivated(false),
      m_bInPlaceActive(false),
      m_bWindowless(true),
      m_hAccel(nullptr) {}

CActiveXCtrl::~CActiveXCtrl() {
  m_pWindow.reset();
  if (m_hAccel != nullptr) ::DestroyAcceleratorTable(m_hAccel);
}

HRESULT CActiveXCtrl::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  IOleInPlaceSiteWindowless* pInPlaceSite = this;
  if (riid == IID_IUnknown) {
    *ppvObject = static_cast<IUnknown*>(pInPlaceSite);
  } else if (riid == IID_IOleInPlaceSiteWindowless) {
    *ppvObject = pInPlaceSite;
  } else if (riid == IID_IOleInPlaceSiteEx) {
    *ppvObject = static_cast<IOleInPlaceSiteEx*>(pInPlaceSite);
  } else if (riid == IID_IOleInPlaceSite) {
    *ppvObject = static_cast<IOleInPlaceSite*>(pInPlaceSite);
  } else if (riid == IID_IOleWindow) {
    *ppvObject = static_cast<IOleWindow*>(pInPlaceSite);
  } else if (riid == IID_IOleClientSite) {
    *ppvObject = static_cast<IOleClientSite*>(this);
  } else if (riid == IID_IOleControlSite) {
    *ppvObject = static_cast<IOleControlSite*>(this);
  } else if (riid == IID_IOleContainer) {
    *ppvObject = static_cast<IOleContainer*>(this);
  } else if (riid == IID_IObjectWithSite) {
    *ppvObject = static_cast<IObjectWithSite*>(this);
  }
  if (*ppvObject == nullptr) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG CActiveXCtrl::AddRef() { return ++m_dwRef; }

ULONG CActiveXCtrl::Release() {
  const ULONG dwRef = --m_dwRef;
  if (dwRef == 0) delete this;
  return dwRef;
}

// --- IObjectWithSite ---

HRESULT CActiveXCtrl::SetSite(IUnknown* pUnkSite) {
  m_pSite = ComPtr<IUnknown>(pUnkSite);
  return S_OK;
}

HRESULT CActiveXCtrl::GetSite(REFIID riid, void** ppvSite) {
  if (ppvSite == nullptr) return E_POINTER;
  *ppvSite = nullptr;
  if (!m_pSite) return E_FAIL;
  return m_pSite->QueryInterface(riid, ppvSite);
}

// --- IOleClientSite ---

HRESULT CActiveXCtrl::SaveObject() { return E_NOTIMPL; }

HRESULT CActiveXCtrl::GetMoniker(DWORD, DWORD, IMoniker** ppmk) {
  if (ppmk != nullptr) *ppmk = nullptr;
  return E_NOTIMPL;
}

HRESULT CActiveXCtrl::GetContainer(IOleContainer** ppContainer) {
  if (ppContainer == nullptr) return E_POINTER;
  *ppContainer = nullptr;
  HRESULT hr = E_NOTIMPL;
  if (m_pSite) hr = m_pSite->QueryInterface(IID_IOleContainer, reinterpret_cast<void**>(ppContainer));
  if (FAILED(hr)) hr = QueryInterface(IID_IOleContainer, reinterpret_cast<void**>(ppContainer));
  return hr;
}

HRESULT CActiveXCtrl::ShowObject() {
  if (m_pOwner == nullptr) return E_UNEXPECTED;
  HDC hDC = ::GetDC(m_pOwner->m_hwndHost);
  if (hDC == nullptr) return E_FAIL;
  if (m_pViewObject) {
    const RECT& rc = m_pOwner->m_rcItem;
    const RECTL rcBounds = {rc.left, rc.top, rc.right, rc.bottom};
    m_pViewObject->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, hDC, &rcBounds, &rcBounds, nullptr, 0);
  }
  ::ReleaseDC(m_pOwner->m_hwndHost, hDC);
  return S_OK;
}

HRESULT CActiveXCtrl::OnShowWindow(BOOL) { return E_NOTIMPL; }

HRESULT CActiveXCtrl::RequestNewObjectLayout() { return E_NOTIMPL; }

// --- IOleInPlaceSiteWindowless ---

HRESULT CActiveXCtrl::CanWindowlessActivate() { return S_OK; }

HRESULT CActiveXCtrl::GetCapture() {
  if (m_pOwner == nullptr) return E_UNEXPECTED;
  return m_bCaptured ? S_OK : S_FALSE;
}

HRESULT CActiveXCtrl::SetCapture(BOOL fCapture) {
  if (m_pOwner == nullptr) return E_UNEXPECTED;
  m_bCaptured = (fCapture == TRUE);
  if (m_bCaptured) {
    ::SetCapture(m_pOwner->m_hwndHost);
  } else {
    ::ReleaseCapture();
  }
  return S_OK;
}

HRESULT CActiveXCtrl::GetFocus() {
  if (m_pOwner == nullptr) return E_UNEXPECTED;
  return m_bFocused ? S_OK : S_FALSE;
}

HRESULT CActiveXCtrl::SetFocus(BOOL fFocus) {
  if (m_pOwner == nullptr) return E_UNEXPECTED;
  if (fFocus) m_pOwner->SetFocus();
  m_bFocused = (fFocus == TRUE);
  return S_OK;
}

HRESULT CActiveXCtrl::GetDC(LPCRECT, DWORD grfFlags, HDC* phDC) {
  if (phDC == nullptr) return E_POINTER;
  if (m_pOwner == nullptr) return E_UNEXPECTED;
  *phDC = ::GetDC(m_pOwner->m_hwndHost);
  if ((grfFlags & OLEDC_PAINTBKGND) != 0 && *phDC != nullptr) {
    const RECT rcItem = ObjectRect();
    ::FillRect(*phDC, &rcItem, reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_WINDOW + 1)));
  }
  return S_OK;
}

HRESULT CActiveXCtrl::ReleaseDC(HDC hDC) {
  if (m_pOwner == nullptr) return E_UNEXPECTED;
  ::ReleaseDC(m_pOwner->m_hwndHost, hDC);
  return S_OK;
}

HRESULT CActiveXCtrl::InvalidateRect(LPCRECT pRect, BOOL fErase) {
  if (m_pOwner == nullptr) return E_UNEXPECTED;
  if (m_pOwner->m_hwndHost == nullptr) return E_FAIL;
  return ::InvalidateRect(m_pOwner->m_hwndHost, pRect, fErase) ? S_OK : E_FAIL;
}

HRESULT CActiveXCtrl::InvalidateRgn(HRGN hRGN, BOOL fErase) {
  if (m_pOwner == nullptr) return E_UNEXPECTED;
  return ::InvalidateRgn(m_pOwner->m_hwndHost, hRGN, fErase) ? S_OK : E_FAIL;
}

HRESULT CActiveXCtrl::ScrollRect(INT, INT, LPCRECT, LPCRECT) { return S_OK; }

HRESULT CActiveXCtrl::AdjustRect(LPRECT) { return S_OK; }

HRESULT CActiveXCtrl::OnDefWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* plResult) {
  if (m_pOwner == nullptr) return E_UNEXPECTED;
  const LRESULT lResult = ::DefWindowProcW(m_pOwner->m_hwndHost, msg, wParam, lParam);
  if (plResult != nullptr) *plResult = lResult;
  return S_OK;
}

// --- IOleInPlaceSiteEx ---

HRESULT CActiveXCtrl::OnInPlaceActivateEx(BOOL*, DWORD dwFlags) {
  if (m_pOwner == nullptr || !m_pOwner->m_pControl) return E_UNEXPECTED;
  IOleObject* pControl = m_pOwner->m_pControl.Get();
  ::OleLockRunning(pControl, TRUE, FALSE);
  HRESULT hr = E_FAIL;
  if ((dwFlags & ACTIVATE_WINDOWLESS) != 0) {
    m_bWindowless = true;
    ComPtr<IOleInPlaceObjectWindowless> windowless;
    hr = pControl->QueryInterface(IID_IOleInPlaceObjectWindowless, windowless.PutVoid());
    if (SUCCEEDED(hr) && windowless) {
      m_pInPlaceObject = ComPtr<IOleInPlaceObject>(windowless.Get());
      m_pOwner->m_hwndHost = PaintWindow();
      if (CWindowManagerUI* pManager = m_pOwner->GetManager()) {
        // Activated again, the host is still filtered once.
        pManager->RemoveMessageFilter(m_pOwner);
        pManager->AddMessageFilter(m_pOwner);
      }
    }
  }
  if ((dwFlags & ACTIVATE_WINDOWLESS) == 0 || FAILED(hr) || !m_pInPlaceObject) {
    m_bWindowless = false;
    hr = CreateActiveXWnd();
    if (FAILED(hr)) return hr;
    hr = pControl->QueryInterface(IID_IOleInPlaceObject, m_pInPlaceObject.PutVoid());
  }
  if (m_pInPlaceObject) {
    const RECT rcItem = ObjectRect();
    m_pInPlaceObject->SetObjectRects(&rcItem, &rcItem);
  }
  m_bInPlaceActive = SUCCEEDED(hr);
  return hr;
}

HRESULT CActiveXCtrl::OnInPlaceDeactivateEx(BOOL) {
  m_bInPlaceActive = false;
  m_pInPlaceObject.Reset();
  if (m_pWindow) {
    // The owner no longer has that window to work in.
    if (m_pOwner != nullptr && m_pOwner->m_hwndHost == m_pWindow->GetHWND()) m_pOwner->m_hwndHost = nullptr;
    m_pWindow.reset();
  }
  return S_OK;
}

HRESULT CActiveXCtrl::RequestUIActivate() { return S_OK; }

// --- IOleInPlaceSite ---

HRESULT CActiveXCtrl::CanInPlaceActivate() { return S_OK; }

HRESULT CActiveXCtrl::OnInPlaceActivate() { return OnInPlaceActivateEx(nullptr, 0); }

HRESULT CActiveXCtrl::OnUIActivate() {
  m_bUIActivated = true;
  return S_OK;
}

HRESULT CActiveXCtrl::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect,
                                       LPRECT lprcClipRect, LPOLEINPLACEFRAMEINFO lpFrameInfo) {
  if (ppFrame == nullptr || ppDoc == nullptr || lprcPosRect == nullptr || lprcClipRect == nullptr) return E_POINTER;
  *ppFrame = nullptr;
  *ppDoc = nullptr;
  if (m_pOwner == nullptr) return E_UNEXPECTED;
  if (!m_bWindowless && m_pWindow) {
    ::GetClientRect(m_pWindow->GetHWND(), lprcPosRect);
  } else {
    *lprcPosRect = m_pOwner->GetPos();
  }
  *lprcClipRect = *lprcPosRect;
  *ppFrame = new CActiveXFrameWnd(m_pOwner);
  if (m_hAccel == nullptr) {
    ACCEL ac = {};
    m_hAccel = ::CreateAcceleratorTableW(&ac, 1);
  }
  if (lpFrameInfo != nullptr) {
    lpFrameInfo->cb = sizeof(OLEINPLACEFRAMEINFO);
    lpFrameInfo->fMDIApp = FALSE;
    lpFrameInfo->hwndFrame = PaintWindow();
    lpFrameInfo->haccel = m_hAccel;
    lpFrameInfo->cAccelEntries = 1;
  }
  return S_OK;
}

HRESULT CActiveXCtrl::Scroll(SIZE) { return E_NOTIMPL; }

HRESULT CActiveXCtrl::OnUIDeactivate(BOOL) {
  m_bUIActivated = false;
  return S_OK;
}

HRESULT CActiveXCtrl::OnInPlaceDeactivate() { return OnInPlaceDeactivateEx(TRUE); }

HRESULT CActiveXCtrl::DiscardUndoState() { return E_NOTIMPL; }

HRESULT CActiveXCtrl::DeactivateAndUndo() { return E_NOTIMPL; }

HRESULT CActiveXCtrl::OnPosRectChange(LPCRECT) { return E_NOTIMPL; }

// --- IOleWindow ---

HRESULT CActiveXCtrl::GetWindow(HWND* phwnd) {
  if (phwnd == nullptr) return E_POINTER;
  *phwnd = nullptr;
  if (m_pOwner == nullptr) return E_UNEXPECTED;
  if (m_pOwner->m_hwndHost == nullptr) CreateActiveXWnd();
  if (m_pOwner->m_hwndHost == nullptr) return E_FAIL;
  *phwnd = m_pOwner->m_hwndHost;
  return S_OK;
}

HRESULT CActiveXCtrl::ContextSensitiveHelp(BOOL) { return S_OK; }

// --- IOleControlSite ---

HRESULT CActiveXCtrl::OnControlInfoChanged() { return S_OK; }

HRESULT CActiveXCtrl::LockInPlaceActive(BOOL) { return S_OK; }

HRESULT CActiveXCtrl::GetExtendedControl(IDispatch** ppDisp) {
  if (ppDisp == nullptr) return E_POINTER;
  *ppDisp = nullptr;
  if (m_pOwner == nullptr || !m_pOwner->m_pControl) return E_UNEXPECTED;
  return m_pOwner->m_pControl->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(ppDisp));
}

HRESULT CActiveXCtrl::TransformCoords(POINTL*, POINTF*, DWORD) { return S_OK; }

HRESULT CActiveXCtrl::TranslateAccelerator(MSG*, DWORD) { return S_FALSE; }

HRESULT CActiveXCtrl::OnFocus(BOOL fGotFocus) {
  m_bFocused = (fGotFocus == TRUE);
  return S_OK;
}

HRESULT CActiveXCtrl::ShowPropertyFrame() { return E_NOTIMPL; }

// --- IOleContainer ---

HRESULT CActiveXCtrl::ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker**) { return E_NOTIMPL; }

HRESULT CActiveXCtrl::EnumObjects(DWORD, IEnumUnknown** ppenum) {
  if (ppenum == nullptr) return E_POINTER;
  *ppenum = nullptr;
  if (m_pOwner == nullptr) return E_UNEXPECTED;
  *ppenum = new CActiveXEnum(m_pOwner->m_pControl.Get());
  return S_OK;
}

HRESULT CActiveXCtrl::LockContainer(BOOL fLock) {
  m_bLocked = (fLock != FALSE);
  return S_OK;
}

// --- The host's side ---

void CActiveXCtrl::SetOwner(CActiveXUI* pOwner) { m_pOwner = pOwner; }

CActiveXUI* CActiveXCtrl::GetOwner() const { return m_pOwner; }

void CActiveXCtrl::SetViewObject(ComPtr<IViewObject> pViewObject) { m_pViewObject = std::move(pViewObject); }

IViewObject* CActiveXCtrl::GetViewObject() const { return m_pViewObject.Get(); }

IOleInPlaceObject* CActiveXCtrl::GetInPlaceObject() const { return m_pInPlaceObject.Get(); }

IOleInPlaceObjectWindowless* CActiveXCtrl::GetWindowlessObject() const {
  // A windowless activation keeps only the windowless in-place object.
  if (!m_bWindowless) return nullptr;
  return static_cast<IOleInPlaceObjectWindowless*>(m_pInPlaceObject.Get());
}

HWND CActiveXCtrl::GetChildWindow() const { return m_pWindow ? m_pWindow->GetHWND() : nullptr; }

bool CActiveXCtrl::IsWindowless() const { return m_bWindowless; }

bool CActiveXCtrl::IsInPlaceActive() const { return m_bInPlaceActive; }

bool CActiveXCtrl::IsUIActivated() const { return m_bUIActivated; }

bool CActiveXCtrl::IsFocused() const { return m_bFocused; }

bool CActiveXCtrl::IsCaptured() const { return m_bCaptured; }

bool CActiveXCtrl::IsLocked() const { return m_bLocked; }

void CActiveXCtrl::SetFocused(bool bFocused) { m_bFocused = bFocused; }

ComPtr<IOleClientSite> CActiveXCtrl::ClientSite() { return ComPtr<IOleClientSite>(this); }

HRESULT CActiveXCtrl::CreateActiveXWnd() {
  if (m_pWindow) return S_OK;
  if (m_pOwner == nullptr) return E_UNEXPECTED;
  std::unique_ptr<CActiveXWnd> window(new (std::nothrow) CActiveXWnd(this));
  if (!window) return E_OUTOFMEMORY;
  const HWND hWnd = window->Init(PaintWindow());
  if (hWnd == nullptr) return E_FAIL;
  m_pOwner->m_hwndHost = hWnd;
  m_pWindow = std::move(window);
  return S_OK;
}

HWND CActiveXCtrl::PaintWindow() const {
  if (m_pOwner == nullptr || m_pOwner->GetManager() == nullptr) return nullptr;
  return m_pOwner->GetManager()->GetPaintWindow();
}

RECT CActiveXCtrl::ObjectRect() const {
  RECT rc = m_pOwner != nullptr ? m_pOwner->GetPos() : RECT{0, 0, 0, 0};
  if (!m_bWindowless) ::OffsetRect(&rc, -rc.left, -rc.top);
  return rc;
}

}  // namespace SkinUI
