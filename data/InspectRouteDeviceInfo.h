#pragma once
// One link between a route and a checkpoint, with a copy of the checkpoint's data.
#include <string>

struct InspectRouteDeviceInfo {
  int iID = 0;
  int iDeviceID = 0;  // the checkpoint's id
  std::string strDeviceName;
  std::string strCode;
  std::string CamID;
  std::string CamName;
  std::string CamIp;
  std::string CamAccount;
  std::string CamPassword;
  int CamPort = 0;
  int CamBrand = 0;
};
