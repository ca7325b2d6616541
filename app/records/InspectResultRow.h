#pragma once
// One row of the patrol-result tab and of the result export (GBK texts).
#include <string>

struct InspectResultRow {
  int iPlanID = 0;  // not written to the report
  std::string strPlanName;
  std::string strTime;
  std::string strPeople;
  std::string strPassRate;
  std::string strMissRate;
  std::string strState;
};
