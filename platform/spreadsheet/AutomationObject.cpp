#include "platform/spreadsheet/AutomationObject.h"

namespace platform::spreadsheet {

HRESULT AutomationObject::QueryInterface(REFIID riid, void** ppvObject) {
  if (!ppvObject) return E_POINTER;
  if (riid != IID_IUnknown && riid != IID_IDispatch) {
    *ppvObject = nullptr;
    return E_NOINTERFACE;
  }
  *ppvObject = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

ULONG AutomationObject::AddRef() { return ++references_; }

ULONG AutomationObject::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT AutomationObject::GetTypeInfoCount(UINT* pctinfo) {
  if (!pctinfo) return E_POINTER;
  *pctinfo = 0;
  return S_OK;
}

HRESULT AutomationObject::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) {
  if (ppTInfo) *ppTInfo = nullptr;
  return E_NOTIMPL;
}

HRESULT AutomationObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT cNames, LCID, DISPID* rgDispId) {
  for (UINT i = 0; rgDispId && i < cNames; ++i) rgDispId[i] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT AutomationObject::Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD wFlags, DISPPARAMS* pDispParams,
                                 VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!pDispParams) return E_INVALIDARG;
  if (pVarResult) VariantInit(pVarResult);
  DispatchCall call(dispIdMember, wFlags, pDispParams, pVarResult, pExcepInfo, puArgErr);
  return Call(call);
}

}  // namespace platform::spreadsheet
