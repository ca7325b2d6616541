#pragma once
// "A user is logged in on this PC": the token of the last successful token login, kept
// in a file of the user's runtime folder so that every program of the user sees it.
// PATROL_LOGIN_SESSION_DIR names another folder (tests).
#include <string>

namespace platform::login {

class OnlineUserSession {
 public:
  // Empty when nobody is logged in.
  static std::wstring Token();
  static bool Store(const std::wstring& token);
  static void Clear();
  static std::string File();
};

}  // namespace platform::login
