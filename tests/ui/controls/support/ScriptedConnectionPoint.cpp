#include "tests/ui/controls/support/ScriptedConnectionPoint.h"

#include <string>

namespace oletest {

ScriptedConnectionPoint::ScriptedConnectionPoint(IConnectionPointContainer* pContainer, const IID& iid)
    : DispatchConnectionPoint(pContainer, iid) {}

HRESULT ScriptedConnectionPoint::Advise(IUnknown* pUnkSink, DWORD* pdwCookie) {
  const HRESULT hr = DispatchConnectionPoint::Advise(pUnkSink, pdwCookie);
  if (SUCCEEDED(hr)) ScriptRecord::Add("cp.Advise=" + std::to_string(*pdwCookie));
  return hr;
}

HRESULT ScriptedConnectionPoint::Unadvise(DWORD dwCookie) {
  ScriptRecord::Add("cp.Unadvise(" + std::to_string(dwCookie) + ")");
  return DispatchConnectionPoint::Unadvise(dwCookie);
}

std::vector<HRESULT> ScriptedConnectionPoint::Fire(DISPID dispid) {
  DISPPARAMS params = {nullptr, nullptr, 0, 0};
  return DispatchConnectionPoint::Fire(dispid, &params);
}

}  // namespace oletest
