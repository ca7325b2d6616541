#pragma once
// One plan's patrol outcome on one day (GBK texts).
#include <string>

struct PlanDayTally {
  std::string strPlanName;
  std::string strDate;    // the record's date as the server gives it
  std::string strPeople;  // the plan's people names joined by ","
  int iPassed = 0;        // records with a non-zero result
  int iMissed = 0;        // records with result 0
};
