#pragma once
// The rows of the patrol-result tab: one per plan, day and time slot over a date range,
// the runs the plans schedule merged with the runs the server recorded, with each slot's
// pass and miss rates and its state at a given minute.
#include <ctime>
#include <functional>
#include <list>
#include <map>
#include <string>

#include "app/records/InspectResultRow.h"
#include "data/InspectPlanInfo.h"
#include "data/InspectRecordGroup.h"

class InspectResults {
 public:
  // "planId&YYYY-MM-DD" -> the plan's run on that day.
  using RunMap = std::map<std::string, InspectRecordGroup>;
  // The number of checkpoints of a plan's route; 0 for a plan or route nobody knows.
  using CheckpointCount = std::function<int(int planId)>;

  // The runs the plans schedule from the start day to the end day (YYYY-MM-DD, both
  // included), without records.
  static RunMap BuildScheduledRuns(const std::string& start, const std::string& end,
                                   const std::map<int, InspectPlanInfo>& plans);
  // A scheduled run the server did not record joins the recorded ones as it is.
  static void Merge(const RunMap& scheduled, RunMap& recorded);
  // Type choice 0 keeps every plan type, k the type k - 1, -1 nothing; a non-empty search
  // keeps plans whose name contains it. `now` is a local time to the minute.
  static std::list<InspectResultRow> BuildRows(const RunMap& runs, int typeChoice, const std::wstring& search,
                                               std::time_t now, const CheckpointCount& checkpoints);

  // "正在进行" inside the slot, "已结束" from its end minute on, "未开始" up to its start.
  static std::string State(std::time_t start, std::time_t end, std::time_t now);
  // Checkpoints with at least one passing record: a checkpoint passed twice counts once.
  static int PassedCheckpoints(const std::list<InspectRecordInfo>& records);

 private:
  // Local midnight of each "YYYY-MM-DD" text a listing meets, worked out once: thousands
  // of plans share a few dates, and each working out reads the time zone again.
  using Midnights = std::map<std::string, std::time_t>;
  // The local time of a date text and a time of day; with daylight saving held off, the
  // date's midnight plus the hours and minutes.
  static std::time_t DayTime(Midnights& midnights, const std::string& date, int hour, int minute);
  static bool RunsOn(const InspectPlanInfo& plan, std::time_t day, int weekday, Midnights& midnights);
  static InspectRecordGroup ScheduledGroup(const InspectPlanInfo& plan, const std::string& dayText);
  static void AppendSlotRow(const InspectRecordGroup& run, const std::string& day, const std::string& slot,
                            const InspectRecordSubGroup& records, const std::string& people, std::time_t now,
                            int checkpoints, Midnights& midnights, std::list<InspectResultRow>& rows);
};
