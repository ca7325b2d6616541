#pragma once
// What an embedded object asks of the place it sits in: its container, saving, being
// shown.
#include "platform/com/OleContainer.h"

extern const IID IID_IOleClientSite;

struct IOleClientSite : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SaveObject() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetMoniker(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** ppContainer) = 0;
  virtual HRESULT STDMETHODCALLTYPE ShowObject() = 0;
  virtual HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL fShow) = 0;
  virtual HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() = 0;

 protected:
  ~IOleClientSite() = default;
};
typedef IOleClientSite* LPOLECLIENTSITE;
