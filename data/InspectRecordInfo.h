#pragma once
// One checkpoint visit made during a plan's run.
#include <string>

struct InspectRecordInfo {
  int iID = 0;
  int iType = 0;  // the result window and the broker's alerts take only kind 2
  int iPlanID = 0;
  std::string strPlanName;  // filled only when a single record is fetched
  int iPositionID = 0;
  std::string strInspectPeopleID;
  std::string strPeopleNames;  // the plan's people, ","-joined; single record only
  std::string strDate;  // YYYY-MM-DD
  std::string strTime;  // HH:MM at its start
  int iState = 0;
  int iResult = 0;  // non-zero: qualified
  int iAbnormal = 0;  // 1: something abnormal was reported
  std::string strPhoto;
  std::string strSound;
  std::string strReserve;
};
