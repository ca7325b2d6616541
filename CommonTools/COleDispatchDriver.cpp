#include "CommonTools/COleDispatchDriver.h"

#include <cstring>
#include <memory>
#include <vector>

#include "CommonTools/COleDispatchException.h"
#include "CommonTools/COleException.h"

namespace {

// The most arguments a call keeps without a heap block; the longest call made (a
// workbook's SaveAs) has eleven.
constexpr size_t kInlineArguments = 16;

// The arguments of one call, in rgvarg order (last argument first), kept in the object
// itself: a report makes a call or more a cell. The texts it made are freed afterwards;
// objects and variants the caller passed are only borrowed.
class DispatchArguments {
 public:
  DispatchArguments() = default;
  ~DispatchArguments() {
    for (size_t i = 0; i < count_; ++i) {
      if (!borrowed_[i]) VariantClear(&values_[i]);
    }
  }
  DispatchArguments(const DispatchArguments&) = delete;
  DispatchArguments& operator=(const DispatchArguments&) = delete;

  void Read(const BYTE* types, va_list argList) {
    const size_t count = types ? std::strlen(reinterpret_cast<const char*>(types)) : 0;
    if (count > kInlineArguments) {
      moreValues_.resize(count);
      moreBorrowed_.reset(new bool[count]);
      values_ = moreValues_.data();
      borrowed_ = moreBorrowed_.get();
    }
    for (size_t i = 0; i < count; ++i) {
      VariantInit(&values_[i]);
      borrowed_[i] = false;
    }
    count_ = count;
    va_list args;
    va_copy(args, argList);
    try {
      for (size_t i = 0; i < count; ++i) ReadOne(types[i], args, count - 1 - i);
    } catch (...) {
      va_end(args);
      throw;
    }
    va_end(args);
  }

  VARIANT* Values() { return count_ == 0 ? nullptr : values_; }
  UINT Count() const { return static_cast<UINT>(count_); }

 private:
  void ReadOne(BYTE type, va_list& args, size_t index) {
    VARIANT& value = values_[index];
    switch (type) {
      case VT_I2:
        value.vt = VT_I2;
        value.iVal = static_cast<SHORT>(va_arg(args, int));
        return;
      case VT_I4:
        value.vt = VT_I4;
        value.lVal = va_arg(args, LONG);
        return;
      case VT_ERROR:
        value.vt = VT_ERROR;
        value.scode = va_arg(args, SCODE);
        return;
      case VT_BSTR: {
        const OLECHAR* text = va_arg(args, const OLECHAR*);
        value.bstrVal = SysAllocString(text ? text : L"");
        if (!value.bstrVal) throw COleException(E_OUTOFMEMORY);
        value.vt = VT_BSTR;
        return;
      }
      case VT_DISPATCH:
        value.vt = VT_DISPATCH;
        value.pdispVal = va_arg(args, LPDISPATCH);
        borrowed_[index] = true;
        return;
      case VT_VARIANT:
        value = *va_arg(args, const VARIANT*);
        borrowed_[index] = true;
        return;
      default:
        throw COleException(E_INVALIDARG);
    }
  }

  VARIANT inlineValues_[kInlineArguments];
  bool inlineBorrowed_[kInlineArguments] = {};
  std::vector<VARIANT> moreValues_;
  std::unique_ptr<bool[]> moreBorrowed_;
  VARIANT* values_ = inlineValues_;
  bool* borrowed_ = inlineBorrowed_;
  size_t count_ = 0;
};

CStringW TakeText(BSTR& text) {
  CStringW result(text ? text : L"");
  SysFreeString(text);
  text = nullptr;
  return result;
}

[[noreturn]] void ThrowRejection(EXCEPINFO& info) {
  if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
  SysFreeString(info.bstrHelpFile);
  const CStringW source = TakeText(info.bstrSource);
  const CStringW description = TakeText(info.bstrDescription);
  throw COleDispatchException(info.wCode, info.scode, source, description);
}

// Moves the result into the caller's variable; a result of another type than asked for
// fails the call as the class library's type conversion would.
void StoreResult(VARIANT& result, VARTYPE vtRet, void* pvRet) {
  if (vtRet == VT_VARIANT) {
    *static_cast<VARIANT*>(pvRet) = result;
    VariantInit(&result);
    return;
  }
  if (vtRet == VT_I4 && result.vt == VT_I2) {
    *static_cast<LONG*>(pvRet) = result.iVal;
    return;
  }
  if (vtRet == VT_I2 && result.vt == VT_I4 && result.lVal >= -32768 && result.lVal <= 32767) {
    *static_cast<SHORT*>(pvRet) = static_cast<SHORT>(result.lVal);
    return;
  }
  if (result.vt != vtRet) {
    VariantClear(&result);
    throw COleException(DISP_E_TYPEMISMATCH);
  }
  switch (vtRet) {
    case VT_I2:
      *static_cast<SHORT*>(pvRet) = result.iVal;
      return;
    case VT_I4:
      *static_cast<LONG*>(pvRet) = result.lVal;
      return;
    case VT_BSTR:
      *static_cast<CStringW*>(pvRet) = TakeText(result.bstrVal);
      VariantInit(&result);
      return;
    case VT_DISPATCH:
      *static_cast<LPDISPATCH*>(pvRet) = result.pdispVal;
      VariantInit(&result);
      return;
    default:
      VariantClear(&result);
      throw COleException(DISP_E_BADVARTYPE);
  }
}

}  // namespace

COleDispatchDriver::COleDispatchDriver(LPDISPATCH lpDispatch, BOOL bAutoRelease)
    : m_lpDispatch(lpDispatch), m_bAutoRelease(bAutoRelease) {}

COleDispatchDriver::~COleDispatchDriver() { ReleaseDispatch(); }

BOOL COleDispatchDriver::CreateDispatch(LPCWSTR lpszProgID, SCODE* pError) {
  CLSID clsid{};
  const HRESULT hr = CLSIDFromProgID(lpszProgID, &clsid);
  if (FAILED(hr)) {
    if (pError) *pError = hr;
    return FALSE;
  }
  return CreateDispatch(clsid, pError);
}

BOOL COleDispatchDriver::CreateDispatch(REFCLSID clsid, SCODE* pError) {
  ReleaseDispatch();
  LPDISPATCH dispatch = nullptr;
  const HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  if (FAILED(hr) || !dispatch) {
    if (pError) *pError = FAILED(hr) ? hr : E_NOINTERFACE;
    return FALSE;
  }
  AttachDispatch(dispatch, TRUE);
  return TRUE;
}

void COleDispatchDriver::AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease) {
  ReleaseDispatch();
  m_lpDispatch = lpDispatch;
  m_bAutoRelease = bAutoRelease;
}

LPDISPATCH COleDispatchDriver::DetachDispatch() {
  LPDISPATCH dispatch = m_lpDispatch;
  m_lpDispatch = nullptr;
  return dispatch;
}

void COleDispatchDriver::ReleaseDispatch() {
  LPDISPATCH dispatch = DetachDispatch();
  if (dispatch && m_bAutoRelease) dispatch->Release();
}

void COleDispatchDriver::InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                      const BYTE* pbParamInfo, ...) {
  va_list argList;
  va_start(argList, pbParamInfo);
  try {
    InvokeHelperV(dwDispID, wFlags, vtRet, pvRet, pbParamInfo, argList);
  } catch (...) {
    va_end(argList);
    throw;
  }
  va_end(argList);
}

void COleDispatchDriver::InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                       const BYTE* pbParamInfo, va_list argList) {
  if (!m_lpDispatch) return;
  DispatchArguments arguments;
  arguments.Read(pbParamInfo, argList);
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS params{arguments.Values(), nullptr, arguments.Count(), 0};
  if (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    params.rgdispidNamedArgs = &putId;
    params.cNamedArgs = 1;
  }
  VARIANT result;
  VariantInit(&result);
  EXCEPINFO info{};
  UINT argError = 0;
  const HRESULT hr = m_lpDispatch->Invoke(dwDispID, IID_NULL, 0, wFlags, &params,
                                          vtRet == VT_EMPTY ? nullptr : &result, &info, &argError);
  if (hr == DISP_E_EXCEPTION) ThrowRejection(info);
  if (FAILED(hr)) {
    VariantClear(&result);
    throw COleException(hr);
  }
  if (vtRet == VT_EMPTY) return;
  StoreResult(result, vtRet, pvRet);
}

void COleDispatchDriver::SetProperty(DISPID dwDispID, VARTYPE vtProp, ...) {
  const BYTE types[2] = {static_cast<BYTE>(vtProp), 0};
  const WORD flags = vtProp == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
  va_list argList;
  va_start(argList, vtProp);
  try {
    InvokeHelperV(dwDispID, flags, VT_EMPTY, nullptr, types, argList);
  } catch (...) {
    va_end(argList);
    throw;
  }
  va_end(argList);
}

void COleDispatchDriver::GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) {
  InvokeHelper(dwDispID, DISPATCH_PROPERTYGET, vtProp, pvProp, reinterpret_cast<const BYTE*>(VTS_NONE));
}
