#include <atomic>
#include <list>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "data/DAL_PatrolServer.h"
#include "data/InspectRecordParser.h"
#include "data/StartupCaches.h"
#include "tests/data/CampusWorld.h"

namespace {

using test_support::HttpReply;

PlanTimeSpan Window(int startHour, int startMinute, int endHour, int endMinute, const std::string& start,
                    const std::string& end) {
  return PlanTimeSpan{startHour, startMinute, endHour, endMinute, start, end};
}

// Plan 12 patrols 08:00-09:30 and 14:00-15:00 with two people.
void CachePlan12() {
  InspectPlanInfo plan;
  plan.iID = 12;
  plan.strName = "早巡";
  plan.iType = 3;
  plan.listTime = {Window(8, 0, 9, 30, "08:00", "09:30"), Window(14, 0, 15, 0, "14:00", "15:00")};
  plan.listPeople = {PlanPeopleInfo{4, "张三"}, PlanPeopleInfo{5, "李四"}};
  std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
  g_mapInspectPlan[12] = plan;
}

std::string Record(int id, int type, int plan, const std::string& date, const std::string& time) {
  return "{\"iID\":" + std::to_string(id) + ",\"iType\":" + std::to_string(type) + ",\"iPlanID\":" +
         std::to_string(plan) + ",\"strDate\":\"" + date + "\",\"strTime\":\"" + time + "\",\"iResult\":1}";
}

std::vector<int> Ids(const InspectRecordSubGroup& subGroup) {
  std::vector<int> ids;
  for (const auto& record : subGroup.listRecord) ids.push_back(record.iID);
  return ids;
}

struct BoundaryCase {
  const char* label;
  int type;
  const char* time;
  std::vector<int> morning;    // ids in 08:00-09:30
  std::vector<int> afternoon;  // ids in 14:00-15:00
};

class RecordWindows : public ::testing::TestWithParam<BoundaryCase> {};

// Both ends of a window belong to it; every window of a run is kept, empty or not.
TEST_P(RecordWindows, PlaceAVisitByMinute) {
  CampusWorld world;
  CachePlan12();
  const BoundaryCase& c = GetParam();
  const std::string reply = "[" + Record(1, c.type, 12, "2022-06-01", c.time) + "]";
  std::map<std::string, InspectRecordGroup> groups;
  ParseInspectRecordJsonData(reply.c_str(), groups);
  if (c.type != 2) {
    EXPECT_TRUE(groups.empty());
    return;
  }
  ASSERT_EQ(groups.size(), 1u);
  const InspectRecordGroup& group = groups.at("12&2022-06-01");
  ASSERT_EQ(group.mapSubGroup.size(), 2u);
  EXPECT_EQ(Ids(group.mapSubGroup.at("08:00-09:30")), c.morning);
  EXPECT_EQ(Ids(group.mapSubGroup.at("14:00-15:00")), c.afternoon);
  EXPECT_EQ(group.mapSubGroup.at("14:00-15:00").strStart, "14:00");
  EXPECT_EQ(group.mapSubGroup.at("14:00-15:00").strDate, "2022-06-01");
  EXPECT_TRUE(world.logLines().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, RecordWindows,
    ::testing::Values(BoundaryCase{"AtTheStartMinute", 2, "08:00", {1}, {}},
                      BoundaryCase{"AtTheEndMinute", 2, "09:30", {1}, {}},
                      BoundaryCase{"SecondsInsideTheEndMinute", 2, "15:00:59", {}, {1}},
                      BoundaryCase{"MinuteInside", 2, "14:01", {}, {1}},
                      BoundaryCase{"MinuteBefore", 2, "07:59", {}, {}},
                      BoundaryCase{"MinuteAfter", 2, "09:31", {}, {}},
                      BoundaryCase{"Between", 2, "12:00", {}, {}},
                      BoundaryCase{"UnreadableTime", 2, "8:05", {}, {}},
                      BoundaryCase{"EmptyTime", 2, "", {}, {}},
                      BoundaryCase{"OtherKindDropped", 1, "08:30", {}, {}}),
    [](const ::testing::TestParamInfo<BoundaryCase>& info) { return std::string(info.param.label); });

TEST(RecordGrouping, RunsAreKeyedByPlanAndDateAndKeepTheirFirstPlanData) {
  CampusWorld world;
  CachePlan12();
  const std::string reply = "[" + Record(1, 2, 12, "2022-06-01", "08:10") + "," +
                            Record(2, 2, 12, "2022-06-01", "08:20") + "," + Record(3, 2, 12, "2022-06-02", "14:30") +
                            "," + Record(4, 2, 3, "2022-06-01", "08:30") + "," +
                            Record(5, 1, 12, "2022-06-01", "08:40") + "]";
  std::map<std::string, InspectRecordGroup> groups;
  ParseInspectRecordJsonData(reply.c_str(), groups);

  std::vector<std::string> keys;
  for (const auto& entry : groups) keys.push_back(entry.first);
  EXPECT_EQ(keys, (std::vector<std::string>{"12&2022-06-01", "12&2022-06-02", "3&2022-06-01"}))
      << "keys order as text";
  const InspectRecordGroup& first = groups.at("12&2022-06-01");
  EXPECT_EQ(first.iType, 3);
  EXPECT_EQ(first.iPlanID, 12);
  EXPECT_EQ(first.strName, "早巡");
  ASSERT_EQ(first.listPeople.size(), 2u);
  EXPECT_EQ(first.listPeople.back().strName, "李四");
  EXPECT_EQ(Ids(first.mapSubGroup.at("08:00-09:30")), (std::vector<int>{1, 2}));
  EXPECT_EQ(Ids(groups.at("12&2022-06-02").mapSubGroup.at("14:00-15:00")), (std::vector<int>{3}));

  const InspectRecordGroup& unknown = groups.at("3&2022-06-01");
  EXPECT_EQ(unknown.iType, 0) << "a plan missing from the cache";
  EXPECT_EQ(unknown.strName, "");
  EXPECT_TRUE(unknown.mapSubGroup.empty());
  std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
  EXPECT_EQ(g_mapInspectPlan.count(3), 0u) << "the look-up adds nothing";
}

TEST(RecordGrouping, AWindowAcrossMidnightTakesNothingButIsKept) {
  CampusWorld world;
  InspectPlanInfo plan;
  plan.iID = 8;
  plan.listTime = {Window(23, 0, 1, 0, "23:00", "01:00")};
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan[8] = plan;
  }
  std::map<std::string, InspectRecordGroup> groups;
  ParseInspectRecordJsonData(("[" + Record(1, 2, 8, "2022-06-01", "23:30") + "," +
                              Record(2, 2, 8, "2022-06-01", "00:30") + "]")
                                 .c_str(),
                             groups);
  ASSERT_EQ(groups.at("8&2022-06-01").mapSubGroup.size(), 1u);
  EXPECT_TRUE(groups.at("8&2022-06-01").mapSubGroup.at("23:00-01:00").listRecord.empty());
}

TEST(RecordSingle, IsNamedFromThePlanCacheOrLeftUnnamed) {
  CampusWorld world;
  CachePlan12();
  InspectRecordInfo named;
  ParseInspectRecordJsonData(R"({"iID":9,"iType":2,"iPlanID":12,"iPositionID":31,"iState":1,"iResult":1,)"
                             R"("iAbnormal":1,"strInspectPeopleID":"4","strDate":"2022-06-01","strTime":"08:10",)"
                             R"("strPhoto":"a.jpg","strSound":"a.amr","strReserve":"r"})",
                             named);
  EXPECT_EQ(named.strPlanName, "早巡");
  EXPECT_EQ(named.strPeopleNames, "张三,李四");
  EXPECT_EQ(named.iPositionID, 31);
  EXPECT_EQ(named.iAbnormal, 1);
  EXPECT_EQ(named.strTime, "08:10");
  EXPECT_EQ(named.strDate, "2022-06-01");
  EXPECT_EQ(named.strPhoto, "a.jpg");
  EXPECT_EQ(named.strSound, "a.amr");
  EXPECT_EQ(named.strReserve, "r");

  InspectRecordInfo unnamed;
  ParseInspectRecordJsonData(R"({"iID":9,"iPlanID":77})", unnamed);
  EXPECT_EQ(unnamed.strPlanName, "");
  EXPECT_EQ(unnamed.strPeopleNames, "");
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    EXPECT_EQ(g_mapInspectPlan.size(), 1u);
  }

  InspectRecordInfo fromArray;
  ParseInspectRecordJsonData(R"([{"iID":9}])", fromArray);
  EXPECT_EQ(fromArray.iID, 0);
  const auto lines = world.logLines(DalLog::Sink::TextLog);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind("[ParseInspectRecordJsonData]解析异常，异常信息为：", 0), 0u) << lines[0];
}

// The broker reads a record's plan on its own thread while the UI thread edits the cache;
// every reader sees a whole plan, one name with its own people.
TEST(RecordSingle, ReadsThePlanCacheSafelyWhileItChanges) {
  CampusWorld world;
  CachePlan12();
  std::atomic<bool> stop{false};
  std::thread writer([&] {
    for (int i = 0; i < 2000 && !stop; ++i) {
      InspectPlanInfo plan;
      plan.iID = 12;
      plan.strName = i % 2 ? "A" : "B";
      plan.listPeople = {PlanPeopleInfo{1, i % 2 ? "a" : "b"}};
      std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
      g_mapInspectPlan[12] = plan;
    }
  });
  for (int i = 0; i < 2000; ++i) {
    InspectRecordInfo record;
    ParseInspectRecordJsonData(R"({"iPlanID":12})", record);
    const bool consistent = (record.strPlanName == "A" && record.strPeopleNames == "a") ||
                            (record.strPlanName == "B" && record.strPeopleNames == "b") ||
                            (record.strPlanName == "早巡" && record.strPeopleNames == "张三,李四");
    if (!consistent) {
      ADD_FAILURE() << record.strPlanName << " / " << record.strPeopleNames;
      break;
    }
  }
  stop = true;
  writer.join();
}

TEST(RecordLists, PassRateBucketsAndDownloadListsKeepReplyOrder) {
  std::list<PassRateInfo> rates;
  ParseInspectRecordRateJsonData(
      R"([{"dateflag":2,"iTodalNum":6,"InspectRecordPassRateList":[{"iID":4},{"iID":5}]},{"dateflag":1,"iTodalNum":3}])",
      rates);
  ASSERT_EQ(rates.size(), 2u);
  EXPECT_EQ(rates.front().dateflag, 2);
  EXPECT_EQ(rates.front().iTodalNum, 6);
  ASSERT_EQ(rates.front().listRecord.size(), 2u);
  EXPECT_EQ(rates.front().listRecord.back().iID, 5);
  EXPECT_TRUE(rates.back().listRecord.empty());

  CampusWorld world;
  CachePlan12();
  std::list<InspectRecordInfo> records;
  ParseInspectRecordJsonData(R"([{"iID":7,"iPlanID":12},{"iID":6,"iPlanID":12}])", records);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records.front().iID, 7);
  EXPECT_EQ(records.front().strPlanName, "") << "the list form names nothing";
}

TEST(RecordAreas, ReadAreasWithTheirCheckpoints) {
  std::list<RecordAreaInfo> areas;
  ParseInspectRecordJsonData(
      u8R"([{"AreaID":5,"planID":12,"AreaName":"一号楼","iAreaType":1,"strBuildingType":"宿舍","iCoordinate_x":40,)"
      u8R"("iCoordinate_y":50,"leftFocus":1,"topFocus":2,"iTrajectoryNum":3,"PositionDevicelist":[)"
      u8R"({"ID":9,"PositionDeviceID":31,"Name":"东门","strCode":"C1","iAbnormal":1,"iState":1,"iType":2,)"
      u8R"("strTime":"08:10","strReserve":"","iPlanID":12,"strInspectPeopleID":"4","strDate":"2022-06-01",)"
      u8R"("iResult":1,"strPhoto":"p","strSound":"s"}]}])",
      areas);
  ASSERT_EQ(areas.size(), 1u);
  const RecordAreaInfo& area = areas.front();
  EXPECT_EQ(area.AreaID, 5);
  EXPECT_EQ(area.iTrajectoryNum, 3);
  EXPECT_EQ(area.topFocus, 2);
  ASSERT_EQ(area.listPosition.size(), 1u);
  EXPECT_EQ(area.listPosition.front().PositionDeviceID, 31);
  EXPECT_EQ(area.listPosition.front().strDate, "2022-06-01");
  EXPECT_EQ(area.listPosition.front().strSound, "s");
}

TEST(RecordRoundTrip, UpdateAndReadBackThroughTheFakeServer) {
  CampusWorld world;
  CachePlan12();
  Json::Value visit;
  visit["iID"] = 40;
  for (const char* key : {"iState", "iResult", "iAbnormal", "iPositionID"}) visit[key] = 0;
  visit["iType"] = 2;
  visit["iPlanID"] = 12;
  for (const char* key : {"strInspectPeopleID", "strPhoto", "strSound", "strReserve"}) visit[key] = "";
  visit["strDate"] = "2022-06-01";
  visit["strTime"] = "08:10";
  world.plans.visits().seed(visit);

  DAL_PatrolServer dal;
  EXPECT_EQ(dal.DAL_InspectRecord_Update(40, 2, 12, 31, "4&5", "2022-06-01", "08:12", 1, 1, 1, "x.jpg", "", "异常"), 40);
  const InspectRecordInfo record = dal.DAL_InspectRecord_GetByID(40);
  EXPECT_EQ(record.iAbnormal, 1);
  EXPECT_EQ(record.strTime, "08:12");
  EXPECT_EQ(record.strReserve, "异常");
  EXPECT_EQ(record.strPlanName, "早巡");
  EXPECT_TRUE(world.patrol.audit_log().size() == 0) << "record updates are not audited";

  const auto groups = dal.DAL_InspectRecord_GetByDate("2022-06-01", "2022-06-01");
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(Ids(groups.at("12&2022-06-01").mapSubGroup.at("08:00-09:30")), (std::vector<int>{40}));

  dal.DAL_InspectRecord_GetByIDAndTime(12, "2022-06-01/08:00-09:30", 1);
  const auto requests = world.http().requests();
  EXPECT_EQ(requests.back().target, world.patrol.base_url() +
                                        "api/InspectRecord/GetByIDAndTime?token=tok&userID=u1&campusId=1&ID=12"
                                        "&strTime=2022-06-01%2F08%3A00-09%3A30&Type=1");
  EXPECT_EQ(dal.DAL_InspectRecord_Update(41, 2, 12, 31, "", "", "", 0, 0, 0, "", "", ""), -1);
}

}  // namespace
