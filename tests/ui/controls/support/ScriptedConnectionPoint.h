#pragma once
// The connection point of the scripted controls: it records the sinks advised on it
// with their cookies ("cp.Advise=1", "cp.Unadvise(1)") and fires events at them on
// demand.
#include <vector>

#include "platform/com/DispatchConnectionPoint.h"
#include "tests/ui/controls/support/ScriptRecord.h"

namespace oletest {

class ScriptedConnectionPoint final : public platform::com::DispatchConnectionPoint {
 public:
  // The container is not held: it owns this point.
  ScriptedConnectionPoint(IConnectionPointContainer* pContainer, const IID& iid);

  HRESULT STDMETHODCALLTYPE Advise(IUnknown* pUnkSink, DWORD* pdwCookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD dwCookie) override;

  // Invokes the event on every sink (no arguments); what each answered.
  std::vector<HRESULT> Fire(DISPID dispid);

 private:
  ~ScriptedConnectionPoint() override = default;

  ScriptRecord::Alive alive_;
};

}  // namespace oletest
