#pragma once
// Our login component: the in-process class registered as "ZaZeDivadAduvo.OnlineUser".
// It keeps no user of its own beyond the one it last read from the base platform, and
// talks only to the platform (OnlineUserService). A failed exchange is a failed HRESULT
// (E_FAIL), a refusal a false answer.
#include <atomic>
#include <memory>
#include <string>

#include "platform/login/IOnlineUser.h"
#include "platform/login/OnlineUserRecord.h"
#include "platform/login/OnlineUserService.h"

namespace platform::login {

class OnlineUserObject final : public IOnlineUser {
 public:
  static const wchar_t kProgId[];

  // Registers the class under its CLSID and ProgID (again: replaces the registration).
  static bool Register();
  static bool Unregister();

  OnlineUserObject() = default;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: the component is called through its vtable only.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                          DISPID* rgDispId) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                   VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

  // IOnlineUser
  // True for an "http://" base address.
  HRESULT STDMETHODCALLTYPE Init(BSTR baseAddress, BSTR systemId, VARIANT_BOOL* ok) override;
  // True when this PC's session token still passes the platform's check; the getters then
  // give that user.
  HRESULT STDMETHODCALLTYPE IsUserOnline(VARIANT_BOOL* online) override;
  // True when the platform knows the token; the getters then give its user, and the
  // token becomes this PC's session.
  HRESULT STDMETHODCALLTYPE LoginByToken(BSTR token, VARIANT_BOOL* ok) override;
  HRESULT STDMETHODCALLTYPE Login(BSTR user, BSTR password, BSTR* reply) override;
  HRESULT STDMETHODCALLTYPE Unused11() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Unused12() override { return E_NOTIMPL; }
  // Ends the session on the platform and on this PC.
  HRESULT STDMETHODCALLTYPE Logout(VARIANT_BOOL* ok) override;
  HRESULT STDMETHODCALLTYPE GetUserId(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE GetUserName(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE Unused16() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetExtra1(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE GetExtra2(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE Unused19() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Unused20() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetExtra3(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE GetExtra4(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE GetUserType(int* value) override;
  HRESULT STDMETHODCALLTYPE Unused24() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetPhotoUrl(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE Unused26() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Unused27() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Unused28() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Unused29() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSchoolId(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE GetSchoolName(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE Unused32() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetToken(BSTR* value) override;

 private:
  ~OnlineUserObject() = default;
  static HRESULT Give(const std::wstring& text, BSTR* value);
  // False (with E_FAIL) when the platform could not be asked.
  HRESULT ReadUser(const std::wstring& token, bool* known);

  std::atomic<ULONG> references_{1};
  std::unique_ptr<OnlineUserService> service_;
  OnlineUserRecord user_;
};

}  // namespace platform::login
