#pragma once
// One identity (role) type of the base platform.
#include <string>

struct IdentityInfo {
  std::string IdentityCode;
  std::string IdentityName;
  std::string IconUrl;
  bool IsPreset = false;
};
