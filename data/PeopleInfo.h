#pragma once
// A patrol person: a base-platform user registered with a set of people types.
#include <string>

struct PeopleInfo {
  int iID = 0;
  // The people types as a seven-digit 0/1 mask read as a decimal number, so a mask with
  // leading zeros is stored with fewer digits.
  int iGroup = 0;
  std::string UserID;
  std::string strName;
  int iIdentity = 0;  // the platform user type, stored unchanged
  std::string strTelephone;
  std::string strReserve;
};
