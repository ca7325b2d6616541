#pragma once
// One patrol person of a plan.
#include <string>

struct PlanPeopleInfo {
  int iID = 0;
  std::string strName;
};
