#include "tests/app/records/RecordingDispatch.h"

#include <algorithm>
#include <cstdio>

#include "platform/spreadsheet/ApplicationObject.h"
#include "platform/spreadsheet/SpreadsheetApplication.h"

namespace records_test {
namespace {

std::string TypeName(const VARIANT& v) {
  switch (v.vt) {
    case VT_I2:
      return "I2=" + std::to_string(v.iVal);
    case VT_I4:
      return "I4=" + std::to_string(v.lVal);
    case VT_BSTR:
      return "BSTR";
    case VT_DISPATCH:
      return "DISPATCH";
    case VT_ERROR:
      return v.scode == DISP_E_PARAMNOTFOUND ? "omitted" : "ERROR";
    default:
      return "vt" + std::to_string(v.vt);
  }
}

std::string Describe(DISPID id, WORD flags, const DISPPARAMS* params) {
  char head[32];
  const char* kind = flags & DISPATCH_PROPERTYPUT ? "put" : flags & DISPATCH_PROPERTYGET ? "get" : "call";
  std::snprintf(head, sizeof head, "0x%x %s", static_cast<unsigned>(id), kind);
  std::string call = head;
  // Positional arguments stand after the named ones, the last first.
  for (UINT i = params->cArgs; i-- > params->cNamedArgs;) call += " " + TypeName(params->rgvarg[i]);
  for (UINT i = 0; i < params->cNamedArgs; ++i) call += " " + TypeName(params->rgvarg[i]);
  return call;
}

}  // namespace

std::vector<std::string> CallLog::Calls() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return calls_;
}

void CallLog::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  calls_.clear();
}

size_t CallLog::CountOf(const std::string& call) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<size_t>(std::count(calls_.begin(), calls_.end(), call));
}

void CallLog::FailFrom(DISPID id, HRESULT failure, int skip) {
  std::lock_guard<std::mutex> lock(mutex_);
  failId_ = id;
  failure_ = failure;
  skip_ = skip;
}

void CallLog::Record(const std::string& call) {
  std::lock_guard<std::mutex> lock(mutex_);
  calls_.push_back(call);
}

bool CallLog::ShouldFail(DISPID id, HRESULT* failure) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (id != failId_) return false;
  if (skip_ > 0) {
    --skip_;
    return false;
  }
  *failure = failure_;
  return true;
}

void RecordingDispatch::RegisterApplication(std::shared_ptr<CallLog> log) {
  using platform::spreadsheet::SpreadsheetApplication;
  platform::com::ClassRegistry::Register(SpreadsheetApplication::kClassId, SpreadsheetApplication::kProgId,
                                         [log](REFIID riid, void** object) {
                                           auto* proxy = new RecordingDispatch(
                                               new platform::spreadsheet::ApplicationObject(), log);
                                           const HRESULT hr = proxy->QueryInterface(riid, object);
                                           proxy->Release();
                                           return hr;
                                         });
}

HRESULT RecordingDispatch::QueryInterface(REFIID riid, void** object) {
  if (riid != IID_IUnknown && riid != IID_IDispatch) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  *object = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

ULONG RecordingDispatch::AddRef() { return ++references_; }

ULONG RecordingDispatch::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT RecordingDispatch::GetTypeInfoCount(UINT* count) { return inner_->GetTypeInfoCount(count); }

HRESULT RecordingDispatch::GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) {
  return inner_->GetTypeInfo(index, lcid, info);
}

HRESULT RecordingDispatch::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
  return inner_->GetIDsOfNames(riid, names, count, lcid, ids);
}

HRESULT RecordingDispatch::Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                  EXCEPINFO* info, UINT* argError) {
  log_->Record(Describe(id, flags, params));
  HRESULT failure = S_OK;
  if (log_->ShouldFail(id, &failure)) {
    if (failure == DISP_E_EXCEPTION && info) {
      *info = EXCEPINFO{};
      info->scode = static_cast<SCODE>(0x800A03EC);
      info->bstrDescription = SysAllocString(L"injected failure");
    }
    return failure;
  }
  const HRESULT hr = inner_->Invoke(id, riid, lcid, flags, params, result, info, argError);
  if (SUCCEEDED(hr) && result && result->vt == VT_DISPATCH && result->pdispVal) {
    result->pdispVal = new RecordingDispatch(result->pdispVal, log_);
  }
  return hr;
}

}  // namespace records_test
