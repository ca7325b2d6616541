#pragma once
// What every object of the spreadsheet application shares: COM identity (IUnknown and
// IDispatch), a thread-safe reference count, and Invoke handing each call to the
// object's members by dispatch id. Names are not looked up: callers use fixed ids.
#include <atomic>

#include "platform/com/Dispatch.h"
#include "platform/spreadsheet/DispatchCall.h"

namespace platform::spreadsheet {

class AutomationObject : public IDispatch {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                          DISPID* rgDispId) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                   VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

 protected:
  AutomationObject() = default;
  virtual ~AutomationObject() = default;

  // One member call; DISP_E_MEMBERNOTFOUND for an id the object does not have.
  virtual HRESULT Call(DispatchCall& call) = 0;

 private:
  std::atomic<ULONG> references_{1};
};

}  // namespace platform::spreadsheet
