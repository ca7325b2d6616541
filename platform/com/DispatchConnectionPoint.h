#pragma once
// A connection point for one dispatch event interface: it keeps each advised sink under
// its cookie and invokes the events on them. The object that offers it owns the point;
// a caller may hold the point longer, and then finds it detached.
#include <cstddef>
#include <map>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/Dispatch.h"

namespace platform::com {

class DispatchConnectionPoint : public IConnectionPoint {
 public:
  // The container is not held: it owns this point and detaches it when it goes.
  DispatchConnectionPoint(IConnectionPointContainer* pContainer, const IID& iid);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* pIID) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** ppCPC) override;
  // The sink must answer IDispatch.
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* pUnkSink, DWORD* pdwCookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD dwCookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** ppEnum) override;

  // Invokes the event on the sinks advised when it is fired, and gives what each
  // answered; a sink may unadvise, or release the point's owner, while it handles it.
  std::vector<HRESULT> Fire(DISPID dispid, DISPPARAMS* params);
  // The container is gone: its sinks are let go and no container is answered.
  void Detach();

  // The sink advised under the cookie, or null.
  IDispatch* Sink(DWORD dwCookie) const;
  std::size_t SinkCount() const { return sinks_.size(); }

 protected:
  virtual ~DispatchConnectionPoint() = default;

 private:
  ULONG refs_ = 1;
  IConnectionPointContainer* container_;
  IID iid_;
  DWORD nextCookie_ = 1;
  std::map<DWORD, ComPtr<IDispatch>> sinks_;
};

}  // namespace platform::com
