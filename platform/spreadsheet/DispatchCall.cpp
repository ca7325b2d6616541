#include "platform/spreadsheet/DispatchCall.h"

namespace platform::spreadsheet {

DispatchCall::DispatchCall(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info, UINT* argError)
    : id_(id), flags_(flags), params_(params), result_(result), info_(info), argError_(argError) {}

UINT DispatchCall::PositionalCount() const {
  if (!params_) return 0;
  return params_->cArgs - params_->cNamedArgs;
}

VARIANT* DispatchCall::Positional(UINT index) const {
  if (index >= PositionalCount()) return nullptr;
  // Named arguments come first; the positional ones follow, the last one first.
  return &params_->rgvarg[params_->cArgs - 1 - index];
}

HRESULT DispatchCall::Expect(WORD kind, UINT required, UINT allowed) {
  if ((flags_ & kind) == 0) return DISP_E_MEMBERNOTFOUND;
  if (!params_ || params_->cArgs < params_->cNamedArgs) return E_INVALIDARG;
  const bool put = kind == DISPATCH_PROPERTYPUT;
  if (put && (params_->cNamedArgs != 1 || params_->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)) {
    return params_->cNamedArgs == 0 ? DISP_E_PARAMNOTFOUND : DISP_E_NONAMEDARGS;
  }
  if (!put && params_->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
  const UINT count = PositionalCount();
  if (count < required || count > allowed) return DISP_E_BADPARAMCOUNT;
  return S_OK;
}

bool DispatchCall::IsOmitted(const VARIANT* argument) {
  return argument->vt == VT_ERROR && argument->scode == DISP_E_PARAMNOTFOUND;
}

HRESULT DispatchCall::Mismatch(const VARIANT* argument) {
  if (argError_) *argError_ = static_cast<UINT>(argument - params_->rgvarg);
  return IsOmitted(argument) ? DISP_E_PARAMNOTFOUND : DISP_E_TYPEMISMATCH;
}

template <typename T>
HRESULT DispatchCall::Read(VARIANT* argument, VARTYPE type, T VARIANT::*field, T* value) {
  if (!argument) return DISP_E_PARAMNOTFOUND;
  if (argument->vt != type) return Mismatch(argument);
  *value = argument->*field;
  return S_OK;
}

HRESULT DispatchCall::Text(UINT index, std::wstring* value) {
  BSTR text = nullptr;
  const HRESULT hr = Read(Positional(index), VT_BSTR, &VARIANT::bstrVal, &text);
  if (SUCCEEDED(hr)) value->assign(text ? text : L"", SysStringLen(text));
  return hr;
}

HRESULT DispatchCall::Int32(UINT index, LONG* value) { return Read(Positional(index), VT_I4, &VARIANT::lVal, value); }

HRESULT DispatchCall::Int16(UINT index, SHORT* value) { return Read(Positional(index), VT_I2, &VARIANT::iVal, value); }

bool DispatchCall::IsPresent(UINT index) const {
  const VARIANT* argument = Positional(index);
  return argument && !IsOmitted(argument);
}

HRESULT DispatchCall::Omitted(UINT index) {
  const VARIANT* argument = Positional(index);
  if (!argument || IsOmitted(argument)) return S_OK;
  if (argError_) *argError_ = static_cast<UINT>(argument - params_->rgvarg);
  return DISP_E_TYPEMISMATCH;
}

HRESULT DispatchCall::PutText(std::wstring* value) {
  std::wstring_view text;
  const HRESULT hr = PutText(&text);
  if (SUCCEEDED(hr)) value->assign(text);
  return hr;
}

HRESULT DispatchCall::PutText(std::wstring_view* value) {
  BSTR text = nullptr;
  const HRESULT hr = Read(&params_->rgvarg[0], VT_BSTR, &VARIANT::bstrVal, &text);
  if (SUCCEEDED(hr)) *value = text ? std::wstring_view(text, SysStringLen(text)) : std::wstring_view();
  return hr;
}

HRESULT DispatchCall::PutInt32(LONG* value) { return Read(&params_->rgvarg[0], VT_I4, &VARIANT::lVal, value); }

HRESULT DispatchCall::PutInt16(SHORT* value) { return Read(&params_->rgvarg[0], VT_I2, &VARIANT::iVal, value); }

HRESULT DispatchCall::Return(IDispatch* object) {
  if (!result_) {
    object->Release();
    return S_OK;
  }
  VariantClear(result_);
  result_->vt = VT_DISPATCH;
  result_->pdispVal = object;
  return S_OK;
}

HRESULT DispatchCall::Return(LONG value) {
  if (!result_) return S_OK;
  VariantClear(result_);
  result_->vt = VT_I4;
  result_->lVal = value;
  return S_OK;
}

HRESULT DispatchCall::Reject(const std::wstring& description) {
  if (!info_) return DISP_E_EXCEPTION;
  *info_ = EXCEPINFO{};
  info_->bstrSource = SysAllocString(L"Excel.Application");
  info_->bstrDescription = SysAllocStringLen(description.data(), static_cast<UINT>(description.size()));
  info_->scode = kRejectedCall;
  return DISP_E_EXCEPTION;
}

}  // namespace platform::spreadsheet
