#pragma once
// One time slot of a plan that runs today, as the dashboard's tree shows it.
#include <string>

#include "data/PlanTimeSpan.h"

enum class SlotPhase { NotStarted, UnderWay, Finished };

struct TodaySlot {
  PlanTimeSpan span;
  std::string runKey;  // YYYY-MM-DD/HH:MM-HH:MM
  SlotPhase phase = SlotPhase::NotStarted;
  int passPercent = 0;   // under way: the records passed so far
  bool anomaly = false;  // under way: a record reported something abnormal
  bool missed = false;   // finished: a record did not pass
};
