#include "app/frame/home/TodayPlanReader.h"

#include <cstdio>
#include <mutex>
#include <utility>

#include "data/ConcurrentCalls.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"

namespace {

const int kRunType = 1;

// Days counted in a way that only needs to order them.
bool DayNumber(const std::string& text, int& number) {
  int year = 0;
  int month = 0;
  int day = 0;
  if (std::sscanf(text.c_str(), "%d-%d-%d", &year, &month, &day) != 3) return false;
  number = (year * 12 + month) * 31 + day;
  return true;
}

int DayNumber(const SYSTEMTIME& day) { return (day.wYear * 12 + day.wMonth) * 31 + day.wDay; }

int Minutes(int hour, int minute) { return hour * 60 + minute; }

}  // namespace

bool TodayPlanReader::RunsOn(const InspectPlanInfo& plan, const SYSTEMTIME& day) {
  int first = 0;
  int last = 0;
  if (plan.strStartDate.empty() || !DayNumber(plan.strStartDate, first) || !DayNumber(plan.strEndDate, last)) {
    return false;
  }
  const int today = DayNumber(day);
  if (today < first || today > last) return false;
  // wDayOfWeek counts from Sunday; the week text from Monday.
  const size_t position = day.wDayOfWeek == 0 ? 6 : static_cast<size_t>(day.wDayOfWeek) - 1;
  return position < plan.strWeek.size() && plan.strWeek[position] == '1';
}

SlotPhase TodayPlanReader::PhaseAt(const PlanTimeSpan& span, const SYSTEMTIME& now) {
  const int minute = Minutes(now.wHour, now.wMinute);
  const int start = Minutes(span.iStartHour, span.iStartMinute);
  const int end = Minutes(span.iEndHour, span.iEndMinute);
  if (minute < start) return SlotPhase::NotStarted;
  if (minute < end) return SlotPhase::UnderWay;
  return SlotPhase::Finished;
}

std::string TodayPlanReader::DateText(const SYSTEMTIME& day) {
  char date[32] = {0};
  std::snprintf(date, sizeof(date), "%04d%s%02d%s%02d", day.wYear, "-", day.wMonth, "-", day.wDay);
  return date;
}

std::string TodayPlanReader::RunKey(const SYSTEMTIME& day, const PlanTimeSpan& span) {
  return DateText(day) + "/" + span.strStart + "-" + span.strEnd;
}

TodaySlot TodayPlanReader::StartSlot(const PlanTimeSpan& span, const SYSTEMTIME& now) {
  TodaySlot slot;
  slot.span = span;
  slot.runKey = RunKey(now, span);
  slot.phase = PhaseAt(span, now);
  return slot;
}

void TodayPlanReader::ReadRecords(int planId, TodaySlot& slot) {
  DAL_PatrolServer server;
  int total = 0;
  int passed = 0;
  for (const RecordAreaInfo& area : server.DAL_InspectRecord_GetByIDAndTime(planId, slot.runKey, kRunType)) {
    for (const RecordPositionInfo& record : area.listPosition) {
      ++total;
      if (record.iResult == 1) ++passed;
      if (record.iAbnormal == 1) slot.anomaly = true;
      if (record.iResult != 1) slot.missed = true;
    }
  }
  slot.passPercent = passed * 100 / (total == 0 ? 1 : total);
}

std::vector<TodayPlan> TodayPlanReader::Read(const SYSTEMTIME& now) {
  const std::atomic<bool> never{false};
  return Read(now, never);
}

std::vector<TodayPlan> TodayPlanReader::Read(const SYSTEMTIME& now, const std::atomic<bool>& stop) {
  std::vector<TodayPlan> today;
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    for (const auto& entry : g_mapInspectPlan) {
      if (RunsOn(entry.second, now)) today.push_back(TodayPlan{entry.second, {}});
    }
  }
  std::vector<std::pair<int, TodaySlot*>> begun;
  for (TodayPlan& plan : today) {
    for (const PlanTimeSpan& span : plan.plan.listTime) plan.slots.push_back(StartSlot(span, now));
    for (TodaySlot& slot : plan.slots) {
      if (slot.phase != SlotPhase::NotStarted) begun.emplace_back(plan.plan.iID, &slot);
    }
  }
  dal::RunConcurrently(begun.size(), [&](std::size_t i) {
    if (!stop) ReadRecords(begun[i].first, *begun[i].second);
  });
  return today;
}
