#pragma once
// A hand-held patrol reader with the settings given to it and its enrolled fingerprints.
#include <list>
#include <string>

#include "data/FingerprintInfo.h"

struct InspectDeviceInfo {
  int iID = 0;
  std::string strName;
  std::string strCode;  // the device code its swipe records carry
  std::string strReserve;  // the registration time
  int iPeopleID = 0;  // -1 after a reset
  std::string strTelephone;
  int iVoiceStatus = 0;
  int iVoice = 0;
  int iNotifyWay = 0;
  int iFingerprintStatus = 0;
  std::list<FingerprintInfo> listFingerprint;  // fetched per reader by the list parser
  int ServerType = 0;  // 1 IP address and port, 2 domain name
  std::string Serveraddr;
};
