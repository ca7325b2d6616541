#pragma once
// What the plan dialog's controls hold when "确定" is pressed, as narrow texts in the order
// the save reads them.
#include <list>
#include <string>
#include <utility>
#include <vector>

#include "data/PlanPeopleInfo.h"

struct PlanForm {
  std::string name;
  int type = 0;  // the type combo's selected index
  std::string routeText;
  std::list<PlanPeopleInfo> people;  // the ticked tiles, in tile order
  std::string startDate;             // YYYY-MM-DD
  std::string endDate;
  std::string week;  // one "1"/"0" per weekday box present, Monday first
  std::vector<std::pair<std::string, std::string>> slots;  // start and end "HH:MM", row order
  std::string remark;
};
