#include "ui/controls/CActiveXEnum.h"

namespace SkinUI {

using platform::com::ComPtr;

CActiveXEnum::CActiveXEnum(IUnknown* pUnk) : m_iPos(0), m_dwRef(1), m_pControl(pUnk) {}

HRESULT CActiveXEnum::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  if (riid != IID_IUnknown && riid != IID_IEnumUnknown) return E_NOINTERFACE;
  *ppvObject = static_cast<IEnumUnknown*>(this);
  AddRef();
  return S_OK;
}

ULONG CActiveXEnum::AddRef() { return ++m_dwRef; }

ULONG CActiveXEnum::Release() {
  const ULONG dwRef = --m_dwRef;
  if (dwRef == 0) delete this;
  return dwRef;
}

HRESULT CActiveXEnum::Next(ULONG, IUnknown** rgelt, ULONG* pceltFetched) {
  if (pceltFetched != nullptr) *pceltFetched = 0;
  if (rgelt == nullptr) return E_POINTER;
  if (++m_iPos > 1 || !m_pControl) return S_FALSE;
  *rgelt = ComPtr<IUnknown>(m_pControl).Detach();
  if (pceltFetched != nullptr) *pceltFetched = 1;
  return S_OK;
}

HRESULT CActiveXEnum::Skip(ULONG celt) {
  m_iPos += static_cast<LONG>(celt);
  return S_OK;
}

HRESULT CActiveXEnum::Reset() {
  m_iPos = 0;
  return S_OK;
}

HRESULT CActiveXEnum::Clone(IEnumUnknown**) { return E_NOTIMPL; }

}  // namespace SkinUI
