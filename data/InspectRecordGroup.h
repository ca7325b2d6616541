#pragma once
// One plan run (a plan on one date) of the result window, with its time windows.
#include <list>
#include <map>
#include <string>

#include "data/InspectRecordSubGroup.h"
#include "data/PlanPeopleInfo.h"

struct InspectRecordGroup {
  int iType = 0;
  int iPlanID = 0;
  std::string strName;
  std::list<PlanPeopleInfo> listPeople;
  std::map<std::string, InspectRecordSubGroup> mapSubGroup;  // "HH:MM-HH:MM" -> window
};
