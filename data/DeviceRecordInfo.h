#pragma once
// One raw record read out of a reader, with the names the caches give its codes.
#include <string>

struct DeviceRecordInfo {
  int iID = 0;
  int iType = 0;  // 4 manual alarm, 5 low battery, anything else a check-in
  std::string strDeviceCode;
  std::string strDeviceName;
  std::string strPeopleCode;
  std::string strPeopleName;
  std::string strInspectPositionDeviceCode;
  std::string strPositionName;
  std::string strAreaName;
  std::string strTime;
  std::string strReserve;
};
