#pragma once
// What one user of the client may see and open; each list travels as one ","-joined text.
#include <string>
#include <vector>

struct AuthorityInfo {
  std::string strUserID;
  std::string strUserName;
  std::vector<std::string> TypeAuthority;  // patrol type names
  std::vector<std::string> strModuleAuthority;  // module names
  std::string strReserve;
};
