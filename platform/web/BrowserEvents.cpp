#include "platform/web/BrowserEvents.h"

#include <vector>

#include "platform/com/WebBrowser.h"

namespace platform::web {

using platform::com::ComPtr;

BrowserEvents::BrowserEvents(IConnectionPointContainer* pContainer) : container_(pContainer) {}

HRESULT BrowserEvents::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  if (riid != IID_IUnknown && riid != IID_IConnectionPoint) return E_NOINTERFACE;
  *ppvObject = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}

ULONG BrowserEvents::AddRef() { return ++refs_; }

ULONG BrowserEvents::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT BrowserEvents::GetConnectionInterface(IID* pIID) {
  if (pIID == nullptr) return E_POINTER;
  *pIID = DIID_DWebBrowserEvents2;
  return S_OK;
}

HRESULT BrowserEvents::GetConnectionPointContainer(IConnectionPointContainer** ppCPC) {
  if (ppCPC == nullptr) return E_POINTER;
  *ppCPC = nullptr;
  if (container_ == nullptr) return E_UNEXPECTED;
  *ppCPC = ComPtr<IConnectionPointContainer>(container_).Detach();
  return S_OK;
}

HRESULT BrowserEvents::Advise(IUnknown* pUnkSink, DWORD* pdwCookie) {
  if (pdwCookie == nullptr) return E_POINTER;
  *pdwCookie = 0;
  if (pUnkSink == nullptr) return E_POINTER;
  ComPtr<IDispatch> sink;
  if (FAILED(pUnkSink->QueryInterface(IID_IDispatch, sink.PutVoid())) || !sink) return CONNECT_E_CANNOTCONNECT;
  *pdwCookie = nextCookie_++;
  sinks_[*pdwCookie] = sink;
  return S_OK;
}

HRESULT BrowserEvents::Unadvise(DWORD dwCookie) {
  const auto found = sinks_.find(dwCookie);
  if (found == sinks_.end()) return CONNECT_E_NOCONNECTION;
  // The sink may hold the last reference on its owner: it goes after the map is sound.
  ComPtr<IDispatch> sink = std::move(found->second);
  sinks_.erase(found);
  return S_OK;
}

HRESULT BrowserEvents::EnumConnections(IEnumConnections** ppEnum) {
  if (ppEnum != nullptr) *ppEnum = nullptr;
  return E_NOTIMPL;
}

void BrowserEvents::Fire(DISPID dispid, DISPPARAMS* params) {
  ComPtr<BrowserEvents> self(this);
  std::vector<ComPtr<IDispatch>> sinks;
  for (const auto& entry : sinks_) sinks.push_back(entry.second);
  for (const ComPtr<IDispatch>& sink : sinks) {
    sink->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, params, nullptr, nullptr, nullptr);
  }
}

void BrowserEvents::Detach() {
  container_ = nullptr;
  std::map<DWORD, ComPtr<IDispatch>> sinks = std::move(sinks_);
  sinks_.clear();
}

}  // namespace platform::web
