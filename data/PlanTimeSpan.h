#pragma once
// One time window of a plan, "HH:MM-HH:MM" on the wire.
#include <string>

struct PlanTimeSpan {
  int iStartHour = 0;
  int iStartMinute = 0;
  int iEndHour = 0;
  int iEndMinute = 0;
  std::string strStart;  // HH:MM
  std::string strEnd;    // HH:MM
};
