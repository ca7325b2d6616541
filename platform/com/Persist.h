#pragma once
// Objects that keep their state in a stream, and start empty when there is none.
#include "platform/com/OleTypes.h"

extern const IID IID_IPersist;
extern const IID IID_IPersistStreamInit;

struct IPersist : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetClassID(CLSID* pClassID) = 0;

 protected:
  ~IPersist() = default;
};

struct IPersistStreamInit : IPersist {
  virtual HRESULT STDMETHODCALLTYPE IsDirty() = 0;
  virtual HRESULT STDMETHODCALLTYPE Load(LPSTREAM pStm) = 0;
  virtual HRESULT STDMETHODCALLTYPE Save(LPSTREAM pStm, BOOL fClearDirty) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* pCbSize) = 0;
  virtual HRESULT STDMETHODCALLTYPE InitNew() = 0;

 protected:
  ~IPersistStreamInit() = default;
};
typedef IPersistStreamInit* LPPERSISTSTREAMINIT;
