#include "tests/ui/controls/support/ScriptedConnectionPoint.h"

namespace oletest {

using platform::com::ComPtr;

ScriptedConnectionPoint::ScriptedConnectionPoint(IConnectionPointContainer* pContainer, const IID& iid)
    : container_(pContainer), iid_(iid) {}

HRESULT ScriptedConnectionPoint::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  if (riid != IID_IUnknown && riid != IID_IConnectionPoint) return E_NOINTERFACE;
  *ppvObject = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}

ULONG ScriptedConnectionPoint::AddRef() { return ++refs_; }

ULONG ScriptedConnectionPoint::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT ScriptedConnectionPoint::GetConnectionInterface(IID* pIID) {
  if (pIID == nullptr) return E_POINTER;
  *pIID = iid_;
  return S_OK;
}

HRESULT ScriptedConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** ppCPC) {
  if (ppCPC == nullptr) return E_POINTER;
  *ppCPC = ComPtr<IConnectionPointContainer>(container_).Detach();
  return S_OK;
}

HRESULT ScriptedConnectionPoint::Advise(IUnknown* pUnkSink, DWORD* pdwCookie) {
  if (pUnkSink == nullptr || pdwCookie == nullptr) return E_POINTER;
  *pdwCookie = nextCookie_++;
  sinks_[*pdwCookie] = ComPtr<IUnknown>(pUnkSink);
  ScriptRecord::Add("cp.Advise=" + std::to_string(*pdwCookie));
  return S_OK;
}

HRESULT ScriptedConnectionPoint::Unadvise(DWORD dwCookie) {
  ScriptRecord::Add("cp.Unadvise(" + std::to_string(dwCookie) + ")");
  return sinks_.erase(dwCookie) == 1 ? S_OK : CONNECT_E_NOCONNECTION;
}

HRESULT ScriptedConnectionPoint::EnumConnections(IEnumConnections** ppEnum) {
  if (ppEnum != nullptr) *ppEnum = nullptr;
  return E_NOTIMPL;
}

std::vector<HRESULT> ScriptedConnectionPoint::Fire(DISPID dispid) {
  // A sink may unadvise while it handles the event.
  std::vector<ComPtr<IUnknown>> sinks;
  for (const auto& entry : sinks_) sinks.push_back(entry.second);
  std::vector<HRESULT> answers;
  for (const ComPtr<IUnknown>& sink : sinks) {
    ComPtr<IDispatch> dispatch;
    HRESULT hr = sink->QueryInterface(IID_IDispatch, dispatch.PutVoid());
    if (SUCCEEDED(hr)) {
      DISPPARAMS params = {nullptr, nullptr, 0, 0};
      hr = dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
    answers.push_back(hr);
  }
  return answers;
}

IUnknown* ScriptedConnectionPoint::Sink(DWORD dwCookie) const {
  const auto found = sinks_.find(dwCookie);
  return found == sinks_.end() ? nullptr : found->second.Get();
}

}  // namespace oletest
