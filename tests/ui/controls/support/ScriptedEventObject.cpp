#include "tests/ui/controls/support/ScriptedEventObject.h"

namespace oletest {

HRESULT ScriptedEventObject::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  if (riid != IID_IUnknown && riid != IID_IDispatch && riid != IID_IHTMLEventObj) return E_NOINTERFACE;
  *ppvObject = static_cast<IHTMLEventObj*>(this);
  AddRef();
  return S_OK;
}

ULONG ScriptedEventObject::AddRef() { return ++refs_; }

ULONG ScriptedEventObject::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT ScriptedEventObject::GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgDispId) {
  if (rgszNames == nullptr || rgDispId == nullptr || cNames != 1) return E_INVALIDARG;
  names_.push_back(Narrow(rgszNames[0]));
  rgDispId[0] = static_cast<DISPID>(names_.size());
  return S_OK;
}

HRESULT ScriptedEventObject::Invoke(DISPID dispIdMember, REFIID, LCID lcid, WORD wFlags, DISPPARAMS*,
                                    VARIANT* pVarResult, EXCEPINFO*, UINT*) {
  if (dispIdMember < 1 || static_cast<size_t>(dispIdMember) > names_.size()) return DISP_E_MEMBERNOTFOUND;
  ScriptRecord::Add("event.get(" + names_[dispIdMember - 1] + ")" +
                    (wFlags == DISPATCH_PROPERTYGET && lcid == LOCALE_SYSTEM_DEFAULT ? "" : " as something else"));
  if (pVarResult != nullptr) {
    pVarResult->vt = VT_I4;
    pVarResult->lVal = 12;
  }
  return S_OK;
}

}  // namespace oletest
