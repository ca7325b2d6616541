#pragma once
// A connection point for one event interface that records the sinks advised on it with
// their cookies ("cp.Advise=1", "cp.Unadvise(1)") and fires events at them on demand.
#include <map>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/Dispatch.h"
#include "tests/ui/controls/support/ScriptRecord.h"

namespace oletest {

class ScriptedConnectionPoint final : public IConnectionPoint {
 public:
  // The container is not held: it owns this point.
  ScriptedConnectionPoint(IConnectionPointContainer* pContainer, const IID& iid);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* pIID) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** ppCPC) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* pUnkSink, DWORD* pdwCookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD dwCookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** ppEnum) override;

  // Invokes the event on every sink (no arguments); what each answered.
  std::vector<HRESULT> Fire(DISPID dispid);
  // The sink advised under the cookie, or null.
  IUnknown* Sink(DWORD dwCookie) const;
  size_t SinkCount() const { return sinks_.size(); }

 private:
  ~ScriptedConnectionPoint() = default;

  ScriptRecord::Alive alive_;
  ULONG refs_ = 1;
  IConnectionPointContainer* container_;
  IID iid_;
  DWORD nextCookie_ = 1;
  std::map<DWORD, platform::com::ComPtr<IUnknown>> sinks_;
};

}  // namespace oletest
