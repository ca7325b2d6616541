#pragma once
// One fingerprint enrolled on one reader.
#include <string>

struct FingerprintInfo {
  int iID = 0;
  int iDeviceID = 0;  // the reader
  int iPeopleID = 0;
  std::string strPeopleName;  // filled from g_mapPeople, never sent
  std::string strCode;  // the code a swipe record carries as its people code
};
