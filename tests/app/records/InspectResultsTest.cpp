// The rows of the patrol-result tab: which runs the plans schedule, how they merge with
// the recorded ones, and the rates and states each slot gets at a pinned minute.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/records/InspectResults.h"
#include "app/records/LocalCalendar.h"

namespace {

InspectPlanInfo Plan(int id, int type, const std::string& week, const std::string& first, const std::string& last) {
  InspectPlanInfo plan;
  plan.iID = id;
  plan.iType = type;
  plan.strName = "计划" + std::to_string(id);
  plan.strWeek = week;
  plan.strStartDate = first;
  plan.strEndDate = last;
  PlanTimeSpan slot;
  slot.strStart = "08:00";
  slot.strEnd = "09:00";
  plan.listTime = {slot};
  plan.listPeople = {{1, "张三"}, {2, "李四"}};
  return plan;
}

InspectRecordInfo Passed(int checkpoint, int result = 1) {
  InspectRecordInfo record;
  record.iPositionID = checkpoint;
  record.iResult = result;
  return record;
}

std::vector<std::string> Keys(const InspectResults::RunMap& runs) {
  std::vector<std::string> keys;
  for (const auto& [key, run] : runs) keys.push_back(key);
  return keys;
}

// 2022-06-01 is a Wednesday.
TEST(ScheduledRuns, FollowTheWeekMaskAndThePlanDates) {
  const struct {
    const char* what;
    InspectPlanInfo plan;
    std::string start, end;
    std::vector<std::string> keys;
  } cases[] = {
      {"Monday to Friday over a week", Plan(1, 0, "1111100", "2022-01-01", "2022-12-31"), "2022-05-30", "2022-06-05",
       {"1&2022-05-30", "1&2022-05-31", "1&2022-06-01", "1&2022-06-02", "1&2022-06-03"}},
      {"Sunday only", Plan(1, 0, "0000001", "2022-01-01", "2022-12-31"), "2022-05-30", "2022-06-05", {"1&2022-06-05"}},
      {"a week text too short", Plan(1, 0, "111111", "2022-01-01", "2022-12-31"), "2022-06-05", "2022-06-05", {}},
      {"the same start and end day", Plan(1, 0, "1111111", "2022-01-01", "2022-12-31"), "2022-06-01", "2022-06-01",
       {"1&2022-06-01"}},
      {"within the plan's own dates", Plan(1, 0, "1111111", "2022-06-02", "2022-06-03"), "2022-05-30", "2022-06-05",
       {"1&2022-06-02", "1&2022-06-03"}},
      {"a plan without dates", Plan(1, 0, "1111111", "", ""), "2022-05-30", "2022-06-05", {}},
      {"a cleared date field", Plan(1, 0, "1111111", "2022-01-01", "2022-12-31"), "", "2022-06-05", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const InspectResults::RunMap runs = InspectResults::BuildScheduledRuns(c.start, c.end, {{1, c.plan}});
    EXPECT_EQ(Keys(runs), c.keys);
    for (const auto& [key, run] : runs) {
      EXPECT_EQ(run.strName, "计划1");
      ASSERT_EQ(run.mapSubGroup.count("08:00-09:00"), 1u);
      EXPECT_EQ(run.mapSubGroup.at("08:00-09:00").strDate, key.substr(2));
      EXPECT_TRUE(run.mapSubGroup.at("08:00-09:00").listRecord.empty());
    }
  }
}

TEST(ScheduledRuns, KeysOrderPlanTenBeforePlanTwo) {
  const std::map<int, InspectPlanInfo> plans = {{2, Plan(2, 0, "1111111", "2022-01-01", "2022-12-31")},
                                                {10, Plan(10, 0, "1111111", "2022-01-01", "2022-12-31")}};
  InspectResults::RunMap runs = InspectResults::BuildScheduledRuns("2022-06-01", "2022-06-01", plans);
  EXPECT_EQ(Keys(runs), (std::vector<std::string>{"10&2022-06-01", "2&2022-06-01"}));
  const auto rows = InspectResults::BuildRows(runs, 0, L"", 0, nullptr);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows.front().iPlanID, 10);
}

TEST(ResultRows, MergeKeepsTheRecordedRunWithItsRecords) {
  const std::map<int, InspectPlanInfo> plans = {{1, Plan(1, 0, "1111111", "2022-01-01", "2022-12-31")}};
  InspectResults::RunMap recorded;
  InspectRecordGroup run;
  run.iPlanID = 1;
  run.strName = "计划1";
  run.mapSubGroup["08:00-09:00"].listRecord = {Passed(1), Passed(2), Passed(3)};
  recorded["1&2022-06-01"] = run;
  InspectResults::Merge(InspectResults::BuildScheduledRuns("2022-05-31", "2022-06-01", plans), recorded);
  EXPECT_EQ(Keys(recorded), (std::vector<std::string>{"1&2022-05-31", "1&2022-06-01"}));
  EXPECT_EQ(recorded["1&2022-06-01"].mapSubGroup["08:00-09:00"].listRecord.size(), 3u);
  EXPECT_TRUE(recorded["1&2022-06-01"].listPeople.empty()) << "the recorded group is kept as it came";
}

struct RowCase {
  const char* what;
  std::vector<InspectRecordInfo> records;
  int checkpoints;
  int nowHour, nowMinute;
  std::string pass, miss, state;
};

TEST(ResultRows, RatesAndStatesOfOneSlot) {
  const RowCase cases[] = {
      {"3 of 8 passed, over", {Passed(1), Passed(2), Passed(3), Passed(4, 0)}, 8, 10, 0, "37%", "63%", "已结束"},
      {"no records, over", {}, 8, 10, 0, "0%", "100%", "已结束"},
      {"no records, running", {}, 8, 8, 30, "0%", "--", "正在进行"},
      {"at the start minute", {}, 8, 8, 0, "0%", "--", "未开始"},
      {"before the start", {}, 8, 7, 59, "0%", "--", "未开始"},
      {"at the end minute", {}, 8, 9, 0, "0%", "100%", "已结束"},
      {"a checkpoint passed twice counts once", {Passed(1), Passed(1), Passed(2)}, 4, 10, 0, "50%", "50%", "已结束"},
      {"a plan or route the caches lack", {Passed(1)}, 0, 10, 0, "0%", "100%", "已结束"},
  };
  for (const RowCase& c : cases) {
    SCOPED_TRACE(c.what);
    InspectResults::RunMap runs;
    InspectRecordGroup& run = runs["7&2022-06-01"];
    run.iPlanID = 7;
    run.strName = "东区夜巡";
    run.listPeople = {{1, "张三"}, {2, "李四"}};
    run.mapSubGroup["08:00-09:00"].listRecord.assign(c.records.begin(), c.records.end());
    const std::time_t now = LocalCalendar::Time(2022, 6, 1, c.nowHour, c.nowMinute);
    const auto rows = InspectResults::BuildRows(runs, 0, L"", now, [&](int planId) {
      EXPECT_EQ(planId, 7);
      return c.checkpoints;
    });
    ASSERT_EQ(rows.size(), 1u);
    const InspectResultRow& row = rows.front();
    EXPECT_EQ(row.strPlanName, "东区夜巡");
    EXPECT_EQ(row.strTime, "2022-06-01 08:00-09:00");
    EXPECT_EQ(row.strPeople, "张三,李四");
    EXPECT_EQ(row.strPassRate, c.pass);
    EXPECT_EQ(row.strMissRate, c.miss);
    EXPECT_EQ(row.strState, c.state);
  }
}

TEST(ResultRows, TypeChoiceAndSearch) {
  InspectResults::RunMap runs;
  for (int type = 0; type < 7; ++type) {
    InspectRecordGroup& run = runs[std::to_string(type + 1) + "&2022-06-01"];
    run.iPlanID = type + 1;
    run.iType = type;
    run.strName = type == 2 ? "消防巡查" : "日常巡查";
    run.mapSubGroup["08:00-09:00"];
  }
  const struct {
    int choice;
    std::wstring search;
    std::vector<int> plans;
  } cases[] = {
      {0, L"", {1, 2, 3, 4, 5, 6, 7}},
      {1, L"", {1}},  // the first type, 安防 (0)
      {3, L"", {3}},  // 消防 (2)
      {7, L"", {7}},
      {-1, L"", {}},
      {0, L"消防", {3}},
      {2, L"消防", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.choice);
    std::vector<int> plans;
    for (const InspectResultRow& row : InspectResults::BuildRows(runs, c.choice, c.search, 0, nullptr)) {
      plans.push_back(row.iPlanID);
    }
    EXPECT_EQ(plans, c.plans);
  }
}

}  // namespace
