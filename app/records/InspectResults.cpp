#include "app/records/InspectResults.h"

#include <cstdio>
#include <set>

#include "app/records/LocalCalendar.h"
#include "platform/base/CodePage.h"

namespace {

const char kRunning[] = "正在进行";
const char kOver[] = "已结束";
const char kNotStarted[] = "未开始";
const int kPassingResult = 1;

std::string DayText(int year, int month, int day) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d%s%02d%s%02d", year, "-", month, "-", day);
  return text;
}

std::string JoinedNames(const std::list<PlanPeopleInfo>& people) {
  std::string joined;
  for (const PlanPeopleInfo& person : people) {
    if (!joined.empty()) joined += ",";
    joined += person.strName;
  }
  return joined;
}

bool Contains(const std::string& gbk, const std::wstring& search) {
  return search.empty() || platform::codepage::GbkToWide(gbk).find(search) != std::wstring::npos;
}

bool TypeKept(int typeChoice, int planType) { return typeChoice == 0 || (typeChoice > 0 && planType == typeChoice - 1); }

}  // namespace

std::string InspectResults::State(std::time_t start, std::time_t end, std::time_t now) {
  if (now >= end) return kOver;
  if (start < now) return kRunning;
  return kNotStarted;
}

int InspectResults::PassedCheckpoints(const std::list<InspectRecordInfo>& records) {
  std::set<int> passed;
  for (const InspectRecordInfo& record : records) {
    if (record.iResult == kPassingResult) passed.insert(record.iPositionID);
  }
  return static_cast<int>(passed.size());
}

std::time_t InspectResults::DayTime(Midnights& midnights, const std::string& date, int hour, int minute) {
  auto midnight = midnights.find(date);
  if (midnight == midnights.end()) midnight = midnights.emplace(date, LocalCalendar::DateTextTime(date, 0, 0)).first;
  return midnight->second + hour * 3600 + minute * 60;
}

bool InspectResults::RunsOn(const InspectPlanInfo& plan, std::time_t day, int weekday, Midnights& midnights) {
  const std::time_t first = DayTime(midnights, plan.strStartDate, 0, 0);
  const std::time_t last = DayTime(midnights, plan.strEndDate, 0, 0);
  if (day < first || day > last) return false;
  return static_cast<std::size_t>(weekday) < plan.strWeek.size() && plan.strWeek[weekday] == '1';
}

InspectRecordGroup InspectResults::ScheduledGroup(const InspectPlanInfo& plan, const std::string& dayText) {
  InspectRecordGroup group;
  group.iType = plan.iType;
  group.iPlanID = plan.iID;
  group.strName = plan.strName;
  group.listPeople = plan.listPeople;
  for (const PlanTimeSpan& span : plan.listTime) {
    InspectRecordSubGroup slot;
    slot.strDate = dayText;
    slot.strStart = span.strStart;
    group.mapSubGroup.emplace(span.strStart + "-" + span.strEnd, slot);
  }
  return group;
}

InspectResults::RunMap InspectResults::BuildScheduledRuns(const std::string& start, const std::string& end,
                                                          const std::map<int, InspectPlanInfo>& plans) {
  RunMap runs;
  const std::size_t kDateLength = 10;
  if (start.size() < kDateLength || end.size() < kDateLength) return runs;  // a cleared date field
  const std::time_t first = LocalCalendar::Time(LocalCalendar::Number(start, 0, 4), LocalCalendar::Number(start, 5, 2),
                                                LocalCalendar::Number(start, 8, 2), 0, 0);
  std::tm day{};
  const std::time_t last = LocalCalendar::Time(LocalCalendar::Number(end, 0, 4), LocalCalendar::Number(end, 5, 2),
                                               LocalCalendar::Number(end, 8, 2), 0, 0);
  localtime_r(&last, &day);
  Midnights midnights;
  for (std::time_t at = last; at >= first;) {
    const std::string dayText = DayText(day.tm_year + 1900, day.tm_mon + 1, day.tm_mday);
    const int weekday = (day.tm_wday + 6) % 7;  // Monday first, as the week texts are
    for (const auto& [id, plan] : plans) {
      if (plan.strStartDate.empty() || !RunsOn(plan, at, weekday, midnights)) continue;
      runs.emplace(std::to_string(id) + "&" + dayText, ScheduledGroup(plan, dayText));
    }
    at = LocalCalendar::Time(day.tm_year + 1900, day.tm_mon + 1, day.tm_mday - 1, 0, 0);
    localtime_r(&at, &day);
  }
  return runs;
}

void InspectResults::Merge(const RunMap& scheduled, RunMap& recorded) {
  for (const auto& [key, run] : scheduled) recorded.emplace(key, run);
}

void InspectResults::AppendSlotRow(const InspectRecordGroup& run, const std::string& day, const std::string& slot,
                                   const InspectRecordSubGroup& records, const std::string& people, std::time_t now,
                                   int checkpoints, Midnights& midnights, std::list<InspectResultRow>& rows) {
  const std::time_t start =
      DayTime(midnights, day, LocalCalendar::Number(slot, 0, 2), LocalCalendar::Number(slot, 3, 2));
  const std::time_t end = DayTime(midnights, day, LocalCalendar::Number(slot, 6, 2), LocalCalendar::Number(slot, 9, 2));
  InspectResultRow row;
  row.iPlanID = run.iPlanID;
  row.strPlanName = run.strName;
  row.strTime = day + " " + slot;
  row.strPeople = people;
  row.strState = State(start, end, now);
  const int pass = checkpoints == 0 ? 0 : PassedCheckpoints(records.listRecord) * 100 / checkpoints;
  row.strPassRate = std::to_string(pass) + "%";
  row.strMissRate = row.strState == kOver ? std::to_string(100 - pass) + "%" : "--";
  rows.push_back(row);
}

std::list<InspectResultRow> InspectResults::BuildRows(const RunMap& runs, int typeChoice, const std::wstring& search,
                                                      std::time_t now, const CheckpointCount& checkpoints) {
  std::list<InspectResultRow> rows;
  Midnights midnights;
  for (const auto& [key, run] : runs) {
    if (!TypeKept(typeChoice, run.iType) || !Contains(run.strName, search)) continue;
    const std::size_t amp = key.find('&');
    const std::string day = amp == std::string::npos ? std::string() : key.substr(amp + 1);
    const std::string people = JoinedNames(run.listPeople);
    const int count = checkpoints ? checkpoints(run.iPlanID) : 0;
    for (const auto& [slot, records] : run.mapSubGroup) {
      AppendSlotRow(run, day, slot, records, people, now, count, midnights, rows);
    }
  }
  return rows;
}
