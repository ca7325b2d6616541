#pragma once
// The root interface of every COM object: identity, interface discovery and the
// reference count that decides the object's life.
#include "platform/com/Guid.h"
#include "platform/com/HResult.h"

#define STDMETHODCALLTYPE
#define STDAPI HRESULT

extern const IID IID_IUnknown;

struct IUnknown {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;

 protected:
  // Objects end through Release, never through a pointer to the interface.
  ~IUnknown() = default;
};
typedef IUnknown* LPUNKNOWN;
