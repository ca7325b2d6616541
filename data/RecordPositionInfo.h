#pragma once
// One checkpoint of a plan run's area, with its visit.
#include <string>

struct RecordPositionInfo {
  int ID = 0;
  int PositionDeviceID = 0;
  std::string Name;
  std::string strCode;
  int iAbnormal = 0;
  int iState = 0;
  int iType = 0;
  std::string strTime;
  std::string strReserve;
  int iPlanID = 0;
  std::string strInspectPeopleID;
  std::string strDate;
  int iResult = 0;
  std::string strPhoto;
  std::string strSound;
};
