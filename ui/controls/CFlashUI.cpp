#include "ui/controls/CFlashUI.h"

#include <cwchar>

#include "platform/com/ConnectionPoint.h"

namespace SkinUI {

using platform::com::ComPtr;

namespace {

const wchar_t kFlashClsid[] = L"{D27CDB6E-AE6D-11CF-96B8-444553540000}";

}  // namespace

CFlashUI::CFlashUI() : m_dwRef(0), m_dwCookie(0) { ::CLSIDFromString(kFlashClsid, &m_clsid); }

CFlashUI::~CFlashUI() { CFlashUI::ReleaseControl(); }

LPCTSTR CFlashUI::GetClassName() const { return L"Flash"; }

LPVOID CFlashUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"Flash") == 0) return static_cast<CFlashUI*>(this);
  return CActiveXUI::GetInterface(pstrName);
}

IShockwaveFlash* CFlashUI::GetShockwaveFlash() const { return m_pFlash.Get(); }

HRESULT CFlashUI::RegisterEventHandler(BOOL inAdvise) {
  if (!m_pFlash) return S_FALSE;
  ComPtr<IConnectionPointContainer> container;
  HRESULT hr = m_pFlash->QueryInterface(IID_IConnectionPointContainer, container.PutVoid());
  if (FAILED(hr) || !container) return FAILED(hr) ? hr : E_NOINTERFACE;
  ComPtr<IConnectionPoint> point;
  hr = container->FindConnectionPoint(DIID__IShockwaveFlashEvents, point.Put());
  if (FAILED(hr) || !point) return FAILED(hr) ? hr : E_NOINTERFACE;
  if (inAdvise) return point->Advise(static_cast<IDispatch*>(this), &m_dwCookie);
  hr = point->Unadvise(m_dwCookie);
  m_dwCookie = 0;
  return hr;
}

bool CFlashUI::CreateHostedControl() {
  if (!CActiveXUI::CreateHostedControl()) return false;
  QueryControl(IID_IShockwaveFlash, m_pFlash.PutVoid());
  RegisterEventHandler(TRUE);
  return true;
}

void CFlashUI::ReleaseControl() {
  RegisterEventHandler(FALSE);
  m_pFlash.Reset();
  CActiveXUI::ReleaseControl();
}

// --- IUnknown ---

HRESULT CFlashUI::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  if (riid != IID_IUnknown && riid != IID_IDispatch && riid != DIID__IShockwaveFlashEvents) return E_NOINTERFACE;
  *ppvObject = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

ULONG CFlashUI::AddRef() { return static_cast<ULONG>(++m_dwRef); }

ULONG CFlashUI::Release() { return static_cast<ULONG>(--m_dwRef); }

// --- IDispatch ---

HRESULT CFlashUI::GetTypeInfoCount(UINT* pctinfo) {
  if (pctinfo != nullptr) *pctinfo = 0;
  return E_NOTIMPL;
}

HRESULT CFlashUI::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }

HRESULT CFlashUI::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT CFlashUI::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) { return S_OK; }

// --- ITranslateAccelerator ---

LRESULT CFlashUI::TranslateAccelerator(MSG* pMsg) { return TranslateAcceleratorFor(m_pFlash.Get(), pMsg); }

}  // namespace SkinUI
