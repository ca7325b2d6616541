#pragma once
// One user whom the base platform entitles to the patrol module.
#include <list>
#include <string>

struct ModuleUserInfo {
  std::string UserID;
  std::string UserName;
  std::string Gender;
  std::string PhotoPath;
  int UserType = 0;
  int IsSuperUser = 0;  // 1 when one of the identity codes is exactly "IC0001"
  std::list<std::string> IdentityCode;
};
