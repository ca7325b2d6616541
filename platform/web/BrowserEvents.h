#pragma once
// The browser object's one connection point, for DWebBrowserEvents2: it keeps each
// advised sink under its cookie and invokes the events on them. The object owns the
// point; a caller may hold the point longer, and then finds it detached.
#include <map>

#include "platform/com/ComPtr.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/Dispatch.h"

namespace platform::web {

class BrowserEvents final : public IConnectionPoint {
 public:
  // The container is not held: it owns this point and detaches it when it goes.
  explicit BrowserEvents(IConnectionPointContainer* pContainer);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* pIID) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** ppCPC) override;
  // The sink must answer IDispatch.
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* pUnkSink, DWORD* pdwCookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD dwCookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** ppEnum) override;

  // Invokes the event on the sinks advised when it is fired; a sink may unadvise,
  // or release the browser, while it handles it.
  void Fire(DISPID dispid, DISPPARAMS* params);
  // The container is gone: its sinks are let go and no container is answered.
  void Detach();

 private:
  ~BrowserEvents() = default;

  ULONG refs_ = 1;
  IConnectionPointContainer* container_;
  DWORD nextCookie_ = 1;
  std::map<DWORD, platform::com::ComPtr<IDispatch>> sinks_;
};

}  // namespace platform::web
