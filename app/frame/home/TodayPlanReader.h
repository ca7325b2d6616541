#pragma once
// Which plans of the cache run today and how far each of their slots has got. Reading asks
// the patrol server for the records of every slot that has begun (over several
// connections at once), so it runs on a worker; it touches no control.
#include <atomic>
#include <vector>

#include "app/frame/home/TodayPlan.h"
#include "platform/win32.h"

class TodayPlanReader {
 public:
  // The plans that run on the day of `now`, in cache order, each slot with its state at
  // `now` (to the minute).
  static std::vector<TodayPlan> Read(const SYSTEMTIME& now);
  // The same, asking nothing more once stop is set (what is read then is to be dropped).
  static std::vector<TodayPlan> Read(const SYSTEMTIME& now, const std::atomic<bool>& stop);

  // Within the plan's dates (YYYY-MM-DD, both days included) and on one of its weekdays
  // (seven "1"/"0" from Monday).
  static bool RunsOn(const InspectPlanInfo& plan, const SYSTEMTIME& day);
  // A slot is under way from its start minute up to, not including, its end minute.
  static SlotPhase PhaseAt(const PlanTimeSpan& span, const SYSTEMTIME& now);
  // "YYYY-MM-DD", as the server takes days.
  static std::string DateText(const SYSTEMTIME& day);
  // "YYYY-MM-DD/HH:MM-HH:MM": the day of `day` and the slot's own texts.
  static std::string RunKey(const SYSTEMTIME& day, const PlanTimeSpan& span);

 private:
  static TodaySlot StartSlot(const PlanTimeSpan& span, const SYSTEMTIME& now);
  static void ReadRecords(int planId, TodaySlot& slot);
};
