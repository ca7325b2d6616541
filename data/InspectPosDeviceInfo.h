#pragma once
// A checkpoint: a tag on one floor of one building, optionally bound to a camera.
#include <string>

struct InspectPosDeviceInfo {
  int iID = 0;
  std::string strName;
  std::string strCode;  // the tag's code as a reader records it
  int ifloor = 0;
  int iAreaID = 0;  // the building, a key of g_mapDigiArea
  std::string strAreaName;  // filled from g_mapDigiArea, never sent
  std::string strCameraID;
  std::string strCamName;
  std::string strCamIp;
  std::string strCamAccount;
  std::string strCamPassword;
  int CamPort = 0;
  int CamBrand = 0;
  std::string strReserve;
};
