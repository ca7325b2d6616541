#pragma once
// The interface of the base platform's local login component, ProgID
// "ZaZeDivadAduvo.OnlineUser": a dual interface whose methods sit in these vtable slots
// after IDispatch's seven (the unused slots are kept as placeholders so that the order
// holds). Every method returns an HRESULT and gives its value through its last argument;
// a BSTR handed out belongs to the caller.
#include "platform/com/Com.h"

extern const IID IID_IOnlineUser;
extern const CLSID CLSID_OnlineUser;

struct IOnlineUser : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE Init(BSTR baseAddress, BSTR systemId, VARIANT_BOOL* ok) = 0;  // 7
  virtual HRESULT STDMETHODCALLTYPE IsUserOnline(VARIANT_BOOL* online) = 0;                     // 8
  virtual HRESULT STDMETHODCALLTYPE LoginByToken(BSTR token, VARIANT_BOOL* ok) = 0;              // 9
  // "code|text": code "1" and a token, or another code and a message.
  virtual HRESULT STDMETHODCALLTYPE Login(BSTR user, BSTR password, BSTR* reply) = 0;            // 10
  virtual HRESULT STDMETHODCALLTYPE Unused11() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused12() = 0;
  virtual HRESULT STDMETHODCALLTYPE Logout(VARIANT_BOOL* ok) = 0;                                // 13
  virtual HRESULT STDMETHODCALLTYPE GetUserId(BSTR* value) = 0;                                  // 14
  virtual HRESULT STDMETHODCALLTYPE GetUserName(BSTR* value) = 0;                                // 15
  virtual HRESULT STDMETHODCALLTYPE Unused16() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetExtra1(BSTR* value) = 0;                                  // 17
  virtual HRESULT STDMETHODCALLTYPE GetExtra2(BSTR* value) = 0;                                  // 18
  virtual HRESULT STDMETHODCALLTYPE Unused19() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused20() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetExtra3(BSTR* value) = 0;                                  // 21
  virtual HRESULT STDMETHODCALLTYPE GetExtra4(BSTR* value) = 0;                                  // 22
  virtual HRESULT STDMETHODCALLTYPE GetUserType(int* value) = 0;                                 // 23
  virtual HRESULT STDMETHODCALLTYPE Unused24() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetPhotoUrl(BSTR* value) = 0;                                // 25
  virtual HRESULT STDMETHODCALLTYPE Unused26() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused27() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused28() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unused29() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetSchoolId(BSTR* value) = 0;                                // 30
  virtual HRESULT STDMETHODCALLTYPE GetSchoolName(BSTR* value) = 0;                              // 31
  virtual HRESULT STDMETHODCALLTYPE Unused32() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetToken(BSTR* value) = 0;                                   // 33

 protected:
  ~IOnlineUser() = default;
};
