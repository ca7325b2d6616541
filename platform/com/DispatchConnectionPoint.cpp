#include "platform/com/DispatchConnectionPoint.h"

#include <utility>

namespace platform::com {

DispatchConnectionPoint::DispatchConnectionPoint(IConnectionPointContainer* pContainer, const IID& iid)
    : container_(pContainer), iid_(iid) {}

HRESULT DispatchConnectionPoint::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  if (riid != IID_IUnknown && riid != IID_IConnectionPoint) return E_NOINTERFACE;
  *ppvObject = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}

ULONG DispatchConnectionPoint::AddRef() { return ++refs_; }

ULONG DispatchConnectionPoint::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT DispatchConnectionPoint::GetConnectionInterface(IID* pIID) {
  if (pIID == nullptr) return E_POINTER;
  *pIID = iid_;
  return S_OK;
}

HRESULT DispatchConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** ppCPC) {
  if (ppCPC == nullptr) return E_POINTER;
  *ppCPC = nullptr;
  if (container_ == nullptr) return E_UNEXPECTED;
  *ppCPC = ComPtr<IConnectionPointContainer>(container_).Detach();
  return S_OK;
}

HRESULT DispatchConnectionPoint::Advise(IUnknown* pUnkSink, DWORD* pdwCookie) {
  if (pdwCookie == nullptr) return E_POINTER;
  *pdwCookie = 0;
  if (pUnkSink == nullptr) return E_POINTER;
  ComPtr<IDispatch> sink;
  if (FAILED(pUnkSink->QueryInterface(IID_IDispatch, sink.PutVoid())) || !sink) return CONNECT_E_CANNOTCONNECT;
  *pdwCookie = nextCookie_++;
  sinks_[*pdwCookie] = sink;
  return S_OK;
}

HRESULT DispatchConnectionPoint::Unadvise(DWORD dwCookie) {
  const auto found = sinks_.find(dwCookie);
  if (found == sinks_.end()) return CONNECT_E_NOCONNECTION;
  // The sink may hold the last reference on its owner: it goes after the map is sound.
  ComPtr<IDispatch> sink = std::move(found->second);
  sinks_.erase(found);
  return S_OK;
}

HRESULT DispatchConnectionPoint::EnumConnections(IEnumConnections** ppEnum) {
  if (ppEnum != nullptr) *ppEnum = nullptr;
  return E_NOTIMPL;
}

std::vector<HRESULT> DispatchConnectionPoint::Fire(DISPID dispid, DISPPARAMS* params) {
  ComPtr<DispatchConnectionPoint> self(this);
  std::vector<ComPtr<IDispatch>> sinks;
  for (const auto& entry : sinks_) sinks.push_back(entry.second);
  std::vector<HRESULT> answers;
  for (const ComPtr<IDispatch>& sink : sinks) {
    answers.push_back(
        sink->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, params, nullptr, nullptr, nullptr));
  }
  return answers;
}

void DispatchConnectionPoint::Detach() {
  container_ = nullptr;
  std::map<DWORD, ComPtr<IDispatch>> sinks = std::move(sinks_);
  sinks_.clear();
}

IDispatch* DispatchConnectionPoint::Sink(DWORD dwCookie) const {
  const auto found = sinks_.find(dwCookie);
  return found == sinks_.end() ? nullptr : found->second.Get();
}

}  // namespace platform::com
