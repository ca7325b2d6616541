#pragma once
// The class library's holder of an automation object: it owns one reference on an
// IDispatch (given back on release unless told otherwise) and calls its members by
// dispatch id. A failing call throws: COleDispatchException when the object rejected it
// with its own description, COleException for any other failure. A holder with no
// object does nothing when called.
#include <cstdarg>

#include "platform/base/CStringW.h"
#include "platform/com/Com.h"

// Argument type lists for InvokeHelper and SetProperty: one byte per argument.
#define VTS_NONE ""
#define VTS_I2 "\x02"
#define VTS_I4 "\x03"
#define VTS_BSTR "\x08"  // passed as LPCOLESTR
#define VTS_DISPATCH "\x09"
#define VTS_SCODE "\x0A"
#define VTS_VARIANT "\x0C"  // passed as const VARIANT*

class COleDispatchDriver {
 public:
  COleDispatchDriver() = default;
  explicit COleDispatchDriver(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE);
  ~COleDispatchDriver();
  COleDispatchDriver(const COleDispatchDriver&) = delete;
  COleDispatchDriver& operator=(const COleDispatchDriver&) = delete;

  // Creates the object registered under the ProgID and holds its IDispatch. False when
  // that fails, with the HRESULT in *pError when given.
  BOOL CreateDispatch(LPCWSTR lpszProgID, SCODE* pError = nullptr);
  BOOL CreateDispatch(REFCLSID clsid, SCODE* pError = nullptr);

  // Holds `lpDispatch` in place of what was held (which is released first).
  void AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE);
  // Gives up the object without releasing it.
  LPDISPATCH DetachDispatch();
  void ReleaseDispatch();

  LPDISPATCH Dispatch() const { return m_lpDispatch; }
  bool IsEmpty() const { return m_lpDispatch == nullptr; }

  // Calls the member: wFlags is DISPATCH_METHOD, DISPATCH_PROPERTYGET or
  // DISPATCH_PROPERTYPUT; vtRet the type wanted back in *pvRet (VT_EMPTY: none; VT_I2
  // SHORT, VT_I4 LONG, VT_BSTR CStringW, VT_DISPATCH LPDISPATCH with its reference,
  // VT_VARIANT VARIANT); pbParamInfo the arguments' types, a VTS_ list, followed by the
  // arguments in order.
  void InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo, ...);
  void InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo,
                     va_list argList);
  // A property write of one value of type vtProp, passed as InvokeHelper passes it.
  void SetProperty(DISPID dwDispID, VARTYPE vtProp, ...);
  void GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp);

 private:
  LPDISPATCH m_lpDispatch = nullptr;
  BOOL m_bAutoRelease = TRUE;
};
