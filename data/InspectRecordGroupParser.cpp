#include <mutex>

#include "data/FixedDigits.h"
#include "data/InspectRecordFields.h"
#include "data/InspectRecordParser.h"
#include "data/ParserRun.h"
#include "data/StartupCaches.h"

namespace {

constexpr int kGroupedType = 2;
constexpr int kUnreadable = -1;

// What a run shows of its plan, copied out under the cache's lock; a plan that is not
// cached is a plan of type 0 with no name, people or windows.
struct PlanView {
  int iType = 0;
  std::string strName;
  std::list<PlanPeopleInfo> listPeople;
  std::list<PlanTimeSpan> listTime;
};

PlanView ViewOfPlan(int iPlanID) {
  PlanView view;
  std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
  const auto plan = g_mapInspectPlan.find(iPlanID);
  if (plan == g_mapInspectPlan.end()) return view;
  view.iType = plan->second.iType;
  view.strName = plan->second.strName;
  view.listPeople = plan->second.listPeople;
  view.listTime = plan->second.listTime;
  return view;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The visit's minute of the day from "HH:MM..."; -1 when the text has no such start.
// The window and the visit lie on the same date, so minutes compare as the times would.
int MinuteOfVisit(const std::string& time) {
  if (time.size() < 5 || !IsDigit(time[0]) || !IsDigit(time[1]) || !IsDigit(time[3]) || !IsDigit(time[4])) {
    return kUnreadable;
  }
  return dal::DigitsAt(time, 0, 2) * 60 + dal::DigitsAt(time, 3, 2);
}

// Both ends belong to the window; a window whose start is after its end takes nothing.
bool InWindow(const PlanTimeSpan& window, int minute) {
  if (minute == kUnreadable) return false;
  const int start = window.iStartHour * 60 + window.iStartMinute;
  const int end = window.iEndHour * 60 + window.iEndMinute;
  return start <= minute && minute <= end;
}

void FileRecord(const InspectRecordInfo& record, const PlanView& plan, InspectRecordGroup& group) {
  const int minute = MinuteOfVisit(record.strTime);
  for (const auto& window : plan.listTime) {
    const std::string key = window.strStart + "-" + window.strEnd;
    auto slot = group.mapSubGroup.find(key);
    if (slot == group.mapSubGroup.end()) {
      InspectRecordSubGroup subGroup;
      subGroup.strDate = record.strDate;
      subGroup.strStart = window.strStart;
      slot = group.mapSubGroup.emplace(key, std::move(subGroup)).first;
    }
    if (InWindow(window, minute)) slot->second.listRecord.push_back(record);
  }
}

void GroupRecord(const InspectRecordInfo& record, std::map<std::string, InspectRecordGroup>& mapGroup) {
  if (record.iType != kGroupedType) return;
  const std::string key = std::to_string(record.iPlanID) + "&" + record.strDate;
  const PlanView plan = ViewOfPlan(record.iPlanID);
  auto existing = mapGroup.find(key);
  if (existing != mapGroup.end()) {
    FileRecord(record, plan, existing->second);
    return;
  }
  InspectRecordGroup group;
  group.iType = plan.iType;
  group.iPlanID = record.iPlanID;
  group.strName = plan.strName;
  group.listPeople = plan.listPeople;
  FileRecord(record, plan, group);
  mapGroup.emplace(key, std::move(group));
}

}  // namespace

void ParseInspectRecordJsonData(const char* pData, std::map<std::string, InspectRecordGroup>& mapGroup) {
  dal::RunParser(DalLogStyle::Text, "ParseInspectRecordJsonData", pData, [&](const Json::Value& root) {
    dal::ParseEachElement<InspectRecordInfo>(
        root, [](const Json::Value& element, InspectRecordInfo& record) { dal::ReadInspectRecord(element, record); },
        [&](InspectRecordInfo&& record) { GroupRecord(record, mapGroup); });
  });
}
