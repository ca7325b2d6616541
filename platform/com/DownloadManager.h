#pragma once
// The service a browser asks its host for to hand over a download; the service id is
// the interface id.
#include "platform/com/OleTypes.h"

struct _tagBINDINFO;
typedef struct _tagBINDINFO BINDINFO;

extern const IID IID_IDownloadManager;
#define SID_SDownloadManager IID_IDownloadManager

struct IDownloadManager : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Download(IMoniker* pmk, IBindCtx* pbc, DWORD dwBindVerb, LONG grfBINDF,
                                             BINDINFO* pBindInfo, LPCOLESTR pszHeaders, LPCOLESTR pszRedir,
                                             UINT uiCP) = 0;

 protected:
  ~IDownloadManager() = default;
};
