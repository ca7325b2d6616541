#pragma once
// The user the base platform describes for a token, as the login component keeps it.
#include <string>

namespace platform::login {

struct OnlineUserRecord {
  int userType = 0;
  std::wstring userID;
  std::wstring userName;
  std::wstring schoolID;
  std::wstring schoolName;
  std::wstring extra1;
  std::wstring extra2;
  std::wstring extra3;
  std::wstring extra4;
  std::wstring photoUrl;
  std::wstring token;
};

}  // namespace platform::login
