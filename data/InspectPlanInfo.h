#pragma once
// A patrol plan: the route walked, on which dates and weekdays, in which time windows, by
// which people.
#include <list>
#include <string>

#include "data/PlanPeopleInfo.h"
#include "data/PlanTimeSpan.h"

struct InspectPlanInfo {
  int iID = -1;  // -1 until the server has stored the plan
  std::string strName;
  int iRouteID = 0;
  std::string strRouteName;  // "--" when the route is not in the route cache
  std::string strAnnouncerID;
  std::string strAnnouncerName;
  int iEquipmentID = 0;
  std::string strEquipmentName;
  int iType = 0;
  int iPlanState = 0;  // 1 not started, 2 running, 3 finished; set by the start-up load
  std::string strStartDate;  // YYYY-MM-DD
  std::string strEndDate;    // YYYY-MM-DD
  std::list<PlanTimeSpan> listTime;
  std::list<PlanPeopleInfo> listPeople;
  std::string strPeopleIDs;  // the people ids joined by ","
  std::string strWeek;       // seven "0"/"1", one per weekday option
  std::string strTime;       // the windows as sent, "&"-joined
  std::string strRemark;
  std::string strReserve;
};
