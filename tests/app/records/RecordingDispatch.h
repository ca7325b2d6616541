#pragma once
// A stand-in registered as "Excel.Application" in front of our spreadsheet application:
// each object it hands out records the calls made on it (dispatch id, kind, argument
// types, omitted arguments) and passes them on, and a switch makes one dispatch id fail
// the way the application rejects a call or the way a call itself fails.
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/com/Com.h"

namespace records_test {

class CallLog {
 public:
  // "0xaa put I4=3 I4=1 BSTR": the id, get / put / call, then the positional arguments'
  // types in call order (numbers with their values, "omitted" for DISP_E_PARAMNOTFOUND),
  // a written value last.
  std::vector<std::string> Calls() const;
  void Clear();
  size_t CountOf(const std::string& call) const;

  // The next calls of `id` (from its `skip`+1-th on) answer `failure`; DISP_E_EXCEPTION
  // comes with a description, as the application rejects a call.
  void FailFrom(DISPID id, HRESULT failure, int skip = 0);

  void Record(const std::string& call);
  bool ShouldFail(DISPID id, HRESULT* failure);

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> calls_;
  DISPID failId_ = DISPID_UNKNOWN;
  HRESULT failure_ = S_OK;
  int skip_ = 0;
};

class RecordingDispatch final : public IDispatch {
 public:
  // Takes over the reference on `inner`.
  RecordingDispatch(IDispatch* inner, std::shared_ptr<CallLog> log) : inner_(inner), log_(std::move(log)) {}

  // Registers the stand-in under the application's CLSID and ProgID.
  static void RegisterApplication(std::shared_ptr<CallLog> log);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* info, UINT* argError) override;

 private:
  ~RecordingDispatch() { inner_->Release(); }

  IDispatch* inner_;
  std::shared_ptr<CallLog> log_;
  std::atomic<ULONG> references_{1};
};

}  // namespace records_test
