#pragma once
// The lightweight siting of an object that is no embedding: its container hands it
// one object to ask for services.
#include "platform/com/Unknown.h"

extern const IID IID_IObjectWithSite;

struct IObjectWithSite : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetSite(IUnknown* pUnkSite) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetSite(REFIID riid, void** ppvSite) = 0;

 protected:
  ~IObjectWithSite() = default;
};
