#pragma once
// The base platform's side of the login component, by the protocol of
// testing/services/OnlineUserProtocol.md: log in with account and password, the user of a
// token, the token check, log out. One blocking HTTP exchange per call, with the limits
// of the program's other HTTP calls; false (or an empty optional) when the exchange
// failed, which is not the same as a refusal.
#include <optional>
#include <string>

#include "platform/login/OnlineUserRecord.h"

namespace platform::login {

class OnlineUserService {
 public:
  // The platform's base address, "http://host/" (a missing final "/" is added).
  OnlineUserService(std::wstring baseAddress, std::wstring systemId);

  // The platform's "code|text" reply.
  std::optional<std::wstring> Login(const std::wstring& account, const std::wstring& password) const;
  // The user; an empty record (no user ID) when the platform does not know the token.
  std::optional<OnlineUserRecord> UserByToken(const std::wstring& token) const;
  // Whether the token is still valid.
  std::optional<bool> CheckToken(const std::wstring& token) const;
  bool Logout(const std::wstring& token) const;

  // Connect and read limits, as the program's HTTP transport has them.
  static constexpr long kLimitMilliseconds = 30000;

 private:
  std::string Url(const std::string& page, const std::string& query) const;

  std::string base_;
  std::string systemId_;
};

}  // namespace platform::login
