#pragma once
// The list of the objects in a host's container: the one hosted control.
#include "platform/com/ComPtr.h"
#include "platform/com/OleHosting.h"

namespace SkinUI {

class CActiveXEnum final : public IEnumUnknown {
 public:
  // Holds a reference on the control; a null control makes an empty list.
  explicit CActiveXEnum(IUnknown* pUnk);
  CActiveXEnum(const CActiveXEnum&) = delete;
  CActiveXEnum& operator=(const CActiveXEnum&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // Hands out the control on the first call after a reset (whatever count is asked);
  // S_FALSE afterwards.
  HRESULT STDMETHODCALLTYPE Next(ULONG celt, IUnknown** rgelt, ULONG* pceltFetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG celt) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumUnknown** ppenum) override;

 private:
  ~CActiveXEnum() = default;

  LONG m_iPos;
  ULONG m_dwRef;
  platform::com::ComPtr<IUnknown> m_pControl;
};

}  // namespace SkinUI
