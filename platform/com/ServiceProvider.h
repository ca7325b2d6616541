#pragma once
// Services an object asks its site for by service id, beyond the site's interfaces.
#include "platform/com/Unknown.h"

extern const IID IID_IServiceProvider;

struct IServiceProvider : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE QueryService(REFGUID guidService, REFIID riid, void** ppvObject) = 0;

 protected:
  ~IServiceProvider() = default;
};
