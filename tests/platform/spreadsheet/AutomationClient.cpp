#include "tests/platform/spreadsheet/AutomationClient.h"

#include <algorithm>
#include <utility>

namespace spreadsheet_test {

VARIANT Text(const std::wstring& text) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return v;
}

VARIANT I2(SHORT value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I2;
  v.iVal = value;
  return v;
}

VARIANT I4(LONG value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

VARIANT Omitted() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_ERROR;
  v.scode = DISP_E_PARAMNOTFOUND;
  return v;
}

AutomationClient::~AutomationClient() {
  if (object_) object_->Release();
}

AutomationClient::AutomationClient(AutomationClient&& other) noexcept
    : object_(std::exchange(other.object_, nullptr)) {}

AutomationClient& AutomationClient::operator=(AutomationClient&& other) noexcept {
  std::swap(object_, other.object_);
  return *this;
}

AutomationClient AutomationClient::CreateApplication() {
  CLSID clsid{};
  IDispatch* application = nullptr;
  if (FAILED(CLSIDFromProgID(L"Excel.Application", &clsid))) return AutomationClient();
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IDispatch, reinterpret_cast<void**>(&application)))) {
    return AutomationClient();
  }
  return AutomationClient(application);
}

HRESULT AutomationClient::Invoke(DISPID id, WORD flags, std::vector<VARIANT> arguments, VARIANT* result) {
  std::reverse(arguments.begin(), arguments.end());
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{arguments.empty() ? nullptr : arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
  if (flags == DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &named;
    params.cNamedArgs = 1;
  }
  EXCEPINFO info{};
  UINT argError = 0;
  lastResult_ = object_ ? object_->Invoke(id, IID_NULL, 0, flags, &params, result, &info, &argError) : E_POINTER;
  rejection_ = info.bstrDescription ? info.bstrDescription : L"";
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrHelpFile);
  for (VARIANT& argument : arguments) VariantClear(&argument);
  return lastResult_;
}

AutomationClient AutomationClient::Get(DISPID id, std::vector<VARIANT> arguments) {
  VARIANT result;
  VariantInit(&result);
  if (FAILED(Invoke(id, DISPATCH_PROPERTYGET, std::move(arguments), &result)) || result.vt != VT_DISPATCH) {
    VariantClear(&result);
    return AutomationClient();
  }
  return AutomationClient(result.pdispVal);
}

LONG AutomationClient::GetNumber(DISPID id) {
  VARIANT result;
  VariantInit(&result);
  if (FAILED(Invoke(id, DISPATCH_PROPERTYGET, {}, &result)) || result.vt != VT_I4) return -1;
  return result.lVal;
}

HRESULT AutomationClient::Put(DISPID id, VARIANT value, std::vector<VARIANT> arguments) {
  arguments.push_back(value);
  return Invoke(id, DISPATCH_PROPERTYPUT, std::move(arguments));
}

HRESULT AutomationClient::Call(DISPID id, std::vector<VARIANT> arguments) {
  VARIANT result;
  VariantInit(&result);
  const HRESULT hr = Invoke(id, DISPATCH_METHOD, std::move(arguments), &result);
  VariantClear(&result);
  return hr;
}

}  // namespace spreadsheet_test
