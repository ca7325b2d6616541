#include "ui/controls/CActiveXFrameWnd.h"

#include "ui/controls/CActiveXUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace SkinUI {

using platform::com::ComPtr;

CActiveXFrameWnd::CActiveXFrameWnd(CActiveXUI* pOwner) : m_dwRef(1), m_pOwner(pOwner) {}

HRESULT CActiveXFrameWnd::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  IOleInPlaceFrame* pFrame = this;
  if (riid == IID_IUnknown) {
    *ppvObject = static_cast<IUnknown*>(pFrame);
  } else if (riid == IID_IOleWindow) {
    *ppvObject = static_cast<IOleWindow*>(pFrame);
  } else if (riid == IID_IOleInPlaceFrame) {
    *ppvObject = pFrame;
  } else if (riid == IID_IOleInPlaceUIWindow) {
    *ppvObject = static_cast<IOleInPlaceUIWindow*>(pFrame);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG CActiveXFrameWnd::AddRef() { return ++m_dwRef; }

ULONG CActiveXFrameWnd::Release() {
  const ULONG dwRef = --m_dwRef;
  if (dwRef == 0) delete this;
  return dwRef;
}

HRESULT CActiveXFrameWnd::GetWindow(HWND* phwnd) {
  if (phwnd == nullptr) return E_POINTER;
  *phwnd = nullptr;
  if (m_pOwner == nullptr || m_pOwner->GetManager() == nullptr) return E_UNEXPECTED;
  *phwnd = m_pOwner->GetManager()->GetPaintWindow();
  return S_OK;
}

HRESULT CActiveXFrameWnd::ContextSensitiveHelp(BOOL) { return S_OK; }

HRESULT CActiveXFrameWnd::GetBorder(LPRECT) { return S_OK; }

HRESULT CActiveXFrameWnd::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }

HRESULT CActiveXFrameWnd::SetBorderSpace(LPCBORDERWIDTHS) { return S_OK; }

HRESULT CActiveXFrameWnd::SetActiveObject(IOleInPlaceActiveObject* pActiveObject, LPCOLESTR) {
  m_pActiveObject = ComPtr<IOleInPlaceActiveObject>(pActiveObject);
  return S_OK;
}

HRESULT CActiveXFrameWnd::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return S_OK; }

HRESULT CActiveXFrameWnd::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }

HRESULT CActiveXFrameWnd::RemoveMenus(HMENU) { return S_OK; }

HRESULT CActiveXFrameWnd::SetStatusText(LPCOLESTR) { return S_OK; }

HRESULT CActiveXFrameWnd::EnableModeless(BOOL) { return S_OK; }

HRESULT CActiveXFrameWnd::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

IOleInPlaceActiveObject* CActiveXFrameWnd::GetActiveObject() const { return m_pActiveObject.Get(); }

}  // namespace SkinUI
