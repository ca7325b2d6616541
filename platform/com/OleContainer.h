#pragma once
// The document that holds embedded objects, as its objects see it: it names its
// objects, lists them and can be kept running.
#include "platform/com/OleTypes.h"

// What IOleContainer::EnumObjects lists.
#define OLECONTF_EMBEDDINGS 1
#define OLECONTF_LINKS 2
#define OLECONTF_OTHERS 4
#define OLECONTF_ONLYUSER 8
#define OLECONTF_ONLYIFRUNNING 16

extern const IID IID_IEnumUnknown;
extern const IID IID_IParseDisplayName;
extern const IID IID_IOleContainer;

struct IEnumUnknown : IUnknown {
  // Hands out up to celt objects, each with a reference; S_FALSE when fewer were left.
  virtual HRESULT STDMETHODCALLTYPE Next(ULONG celt, IUnknown** rgelt, ULONG* pceltFetched) = 0;
  virtual HRESULT STDMETHODCALLTYPE Skip(ULONG celt) = 0;
  virtual HRESULT STDMETHODCALLTYPE Reset() = 0;
  virtual HRESULT STDMETHODCALLTYPE Clone(IEnumUnknown** ppenum) = 0;

 protected:
  ~IEnumUnknown() = default;
};
typedef IEnumUnknown* LPENUMUNKNOWN;

struct IParseDisplayName : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE ParseDisplayName(IBindCtx* pbc, LPOLESTR pszDisplayName, ULONG* pchEaten,
                                                     IMoniker** ppmkOut) = 0;

 protected:
  ~IParseDisplayName() = default;
};

struct IOleContainer : IParseDisplayName {
  virtual HRESULT STDMETHODCALLTYPE EnumObjects(DWORD grfFlags, IEnumUnknown** ppenum) = 0;
  virtual HRESULT STDMETHODCALLTYPE LockContainer(BOOL fLock) = 0;

 protected:
  ~IOleContainer() = default;
};
typedef IOleContainer* LPOLECONTAINER;
