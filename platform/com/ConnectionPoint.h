#pragma once
// Outgoing interfaces: an object offers a connection point per event interface, and a
// sink advised there receives the events until it is unadvised with its cookie.
#include "platform/com/Unknown.h"

struct IEnumConnections;
struct IEnumConnectionPoints;
struct IConnectionPointContainer;

extern const IID IID_IConnectionPointContainer;
extern const IID IID_IConnectionPoint;

struct IConnectionPoint : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* pIID) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** ppCPC) = 0;
  virtual HRESULT STDMETHODCALLTYPE Advise(IUnknown* pUnkSink, DWORD* pdwCookie) = 0;
  virtual HRESULT STDMETHODCALLTYPE Unadvise(DWORD dwCookie) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** ppEnum) = 0;

 protected:
  ~IConnectionPoint() = default;
};
typedef IConnectionPoint* LPCONNECTIONPOINT;

struct IConnectionPointContainer : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) = 0;

 protected:
  ~IConnectionPointContainer() = default;
};
typedef IConnectionPointContainer* LPCONNECTIONPOINTCONTAINER;
