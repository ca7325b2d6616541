#pragma once
// One audit-log entry: who did what, from which PC and when.
#include <string>

struct SystemLogInfo {
  int iID = 0;
  std::string strUserID;
  std::string strUser;  // sent as "strUserName", read back as "strUser"
  std::string strUserIP;
  std::string strTime;  // YYYY-MM-DD HH:MM:SS
  std::string strEvent;
};
