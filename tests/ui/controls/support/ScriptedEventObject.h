#pragma once
// A page's event object read by name: each name gets a dispatch id, each property read
// is recorded ("event.get(errorLine)") and answers a number.
#include <string>
#include <vector>

#include "tests/ui/controls/support/HtmlEventObjStub.h"
#include "tests/ui/controls/support/ScriptRecord.h"

namespace oletest {

class ScriptedEventObject final : public HtmlEventObjStub {
 public:
  ScriptedEventObject() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                          DISPID* rgDispId) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                   VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

 private:
  ~ScriptedEventObject() = default;

  ScriptRecord::Alive alive_;
  ULONG refs_ = 1;
  std::vector<std::string> names_;
};

}  // namespace oletest
