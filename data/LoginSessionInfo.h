#pragma once
// The login record the patrol server keeps for the client.
#include <string>

struct LoginSessionInfo {
  int ID = 0;
  std::string UserID;
  std::string UserName;
  std::string SchoolID;
  std::string SchoolName;
  std::string Token;
  std::string Time;  // YYYY-MM-DD HH:MM:SS
};
