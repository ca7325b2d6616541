#pragma once
// The program's one holder of the base platform's local login component
// ("ZaZeDivadAduvo.OnlineUser"). A failed call of the component (a failed HRESULT) reads
// as a false or empty answer and is logged; nothing escapes as an exception.
#include <string>

#include "CommonTools/OnlineUserInfo.h"
#include "platform/com/ComPtr.h"
#include "platform/login/IOnlineUser.h"

#include "CommonTools/ProcessObjects.h"

// The token of the user last read from the component (g_strUserID, which the exit record
// uses, receives the ID).
extern std::string g_strUserToken;

class OnlineUserClient {
 public:
  static OnlineUserClient& Instance();

  // 0 ready, 1 the ProgID is not registered, 2 the object cannot be created, 3 the
  // component refused the platform base address of the session.
  int Init();
  // The component's "code|text" reply (GBK); empty when no component is held or the
  // call failed.
  std::string Login(const std::wstring& user, const std::wstring& password);
  // False for an empty token (the component is not asked) and with no component.
  bool LoginByToken(OnlineUserInfo& out, const std::string& token);
  // The user the component holds; it does not ask whether one is online.
  bool ReadOnlineUser(OnlineUserInfo& out);
  // Whether a user is logged in on this PC; false with no component.
  bool IsUserOnline();
  bool HasComponent() const { return static_cast<bool>(m_user); }
  void Logout();
  void Release();

 private:
  OnlineUserClient() = default;
  // The component's text, GBK; empty after a failed call.
  std::string Text(HRESULT (STDMETHODCALLTYPE IOnlineUser::*getter)(BSTR*), const char* name);
  bool Succeeded(HRESULT hr, const char* call) const;
  void FillUser(OnlineUserInfo& out);

  platform::com::ComPtr<IOnlineUser> m_user;
};
