#pragma once
// The root of every COM interface: asking an object for another of its interfaces,
// and the reference count that decides its life.
#include "platform/base/WinTypes.h"
#include "platform/com/Guid.h"

#define STDMETHODCALLTYPE

#define E_NOINTERFACE ((HRESULT)0x80004002L)
#define E_UNEXPECTED ((HRESULT)0x8000FFFFL)

extern const IID IID_IUnknown;

struct IUnknown {
  // S_OK with an added reference in *ppvObject, or E_NOINTERFACE with null there.
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  // The object deletes itself when the count reaches 0.
  virtual ULONG STDMETHODCALLTYPE Release() = 0;

 protected:
  ~IUnknown() = default;
};
typedef IUnknown* LPUNKNOWN;
