#include <algorithm>
#include <list>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data/DAL_PatrolServer.h"
#include "data/InspectPlanParser.h"
#include "data/StartupCaches.h"
#include "tests/data/CampusWorld.h"

namespace {

using test_support::FakePlatformUser;
using test_support::HttpReply;

void SeedPerson(CampusWorld& world, int id, const char* utf8Name) {
  Json::Value person;
  person["iID"] = id;
  person["strName"] = utf8Name;
  person["iGroup"] = 1;
  person["iIdentity"] = 2;
  world.patrol.people().seed(person);
}

// A plan as the server keeps it; the fields a test does not name are plausible defaults.
Json::Value PlanRecord(int id, int type, const std::string& people, const std::string& windows,
                       const std::string& dates = "2022-06-01&2022-06-30") {
  Json::Value plan;
  plan["ID"] = id;
  plan["Name"] = "plan" + std::to_string(id);
  plan["iRouteID"] = 4;
  plan["iAnnouncerID"] = "t1";
  plan["iEquipmentID"] = 2;
  plan["iType"] = type;
  plan["strDate"] = dates;
  plan["strTime"] = windows;
  plan["Inspectpeople"] = people;
  plan["strWeek"] = "1111100";
  plan["strRemark"] = "";
  return plan;
}

std::vector<std::string> Targets(CampusWorld& world, const std::string& base) {
  std::vector<std::string> targets;
  for (const auto& request : world.http().requests()) {
    std::string target = request.target;
    if (target.rfind(base, 0) == 0) target = target.substr(base.size());
    targets.push_back(target);
  }
  return targets;
}

class PlanParsing : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedPerson(world, 12, u8"张三");
    SeedPerson(world, 7, u8"李四");
    world.platform.add_user(FakePlatformUser{"t1", "陈老师", "", "", "", "s1", 2, {}});
    InspectRouteInfo route;
    route.iID = 4;
    route.strName = "北线";
    g_mapInspectRoute[4] = route;
  }

  CampusWorld world;
};

TEST_F(PlanParsing, ReadsDatesWindowsAndPeopleInRequestOrder) {
  world.plans.plans().seed(PlanRecord(1, 0, "12&7", "08:00-09:30&14:00-15:00"));
  const auto plans = DAL_PatrolServer().DAL_InspectPlan_Get();
  ASSERT_EQ(plans.size(), 1u);
  const InspectPlanInfo& plan = plans.front();
  EXPECT_EQ(plan.iID, 1);
  EXPECT_EQ(plan.strName, "plan1");
  EXPECT_EQ(plan.strStartDate, "2022-06-01");
  EXPECT_EQ(plan.strEndDate, "2022-06-30");
  EXPECT_EQ(plan.strRouteName, "北线");
  EXPECT_EQ(plan.strEquipmentName, "--");
  EXPECT_EQ(plan.iEquipmentID, 2);
  EXPECT_EQ(plan.strAnnouncerName, "陈老师");
  EXPECT_EQ(plan.strWeek, "1111100");
  EXPECT_EQ(plan.strTime, "08:00-09:30&14:00-15:00");
  EXPECT_EQ(plan.strPeopleIDs, "12,7");
  ASSERT_EQ(plan.listPeople.size(), 2u);
  EXPECT_EQ(plan.listPeople.front().iID, 12);
  EXPECT_EQ(plan.listPeople.front().strName, "张三");
  EXPECT_EQ(plan.listPeople.back().strName, "李四");
  ASSERT_EQ(plan.listTime.size(), 2u);
  const PlanTimeSpan& morning = plan.listTime.front();
  EXPECT_EQ(std::vector<int>({morning.iStartHour, morning.iStartMinute, morning.iEndHour, morning.iEndMinute}),
            std::vector<int>({8, 0, 9, 30}));
  EXPECT_EQ(morning.strStart, "08:00");
  EXPECT_EQ(morning.strEnd, "09:30");
  const PlanTimeSpan& afternoon = plan.listTime.back();
  EXPECT_EQ(std::vector<int>({afternoon.iStartHour, afternoon.iStartMinute, afternoon.iEndHour, afternoon.iEndMinute}),
            std::vector<int>({14, 0, 15, 0}));

  const std::string name = "BaseApi/UserMgr/UserInfoMgr/SearchUserByIDsOrName?appid=E61&access_token=";
  // The names are asked over several connections at once, in no fixed order.
  auto targets = Targets(world, world.patrol.base_url());
  ASSERT_EQ(targets.size(), 4u);
  EXPECT_EQ(targets[0], "api/InspectPlan/Get");
  std::sort(targets.begin() + 1, targets.end());
  EXPECT_EQ(targets[1].rfind(name, 0), 0u) << targets[1];
  EXPECT_EQ(targets[2], "api/InspectPeople/GetByID?ID=12");
  EXPECT_EQ(targets[3], "api/InspectPeople/GetByID?ID=7");
}

// Within one reply each person and each creator is asked for once, whatever number of
// plans name them; the next reply asks again.
TEST_F(PlanParsing, AsksEachDistinctPersonAndCreatorOncePerReply) {
  world.platform.add_user(FakePlatformUser{"t2", "王老师", "", "", "", "s1", 2, {}});
  world.plans.plans().seed(PlanRecord(1, 0, "12&7", "08:00-09:30"));
  Json::Value second = PlanRecord(2, 0, "7", "08:00-09:30");
  second["iAnnouncerID"] = "t2";
  world.plans.plans().seed(second);
  world.plans.plans().seed(PlanRecord(3, 0, "12&12&99", "08:00-09:30"));
  for (int reply = 1; reply <= 2; ++reply) {
    SCOPED_TRACE(reply);
    world.http().clear_requests();
    const auto plans = DAL_PatrolServer().DAL_InspectPlan_Get();
    ASSERT_EQ(plans.size(), 3u);
    std::vector<std::string> names;
    for (const auto& plan : plans) {
      std::string line = plan.strAnnouncerName + ":";
      for (const auto& person : plan.listPeople) line += std::to_string(person.iID) + person.strName + ",";
      names.push_back(line);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"陈老师:12张三,7李四,", "王老师:7李四,", "陈老师:12张三,12张三,0,"}));
    std::map<std::string, int> asked;
    for (const auto& request : world.http().requests()) ++asked[request.path()];
    EXPECT_EQ(asked["/api/InspectPeople/GetByID"], 3) << "12, 7 and 99";
    EXPECT_EQ(asked["/BaseApi/UserMgr/UserInfoMgr/SearchUserByIDsOrName"], 2) << "t1 and t2";
  }
}

TEST_F(PlanParsing, APlanWithoutPeopleAsksOnceForIdZero) {
  world.plans.plans().seed(PlanRecord(1, 0, "", "08:00-09:30"));
  const auto plans = DAL_PatrolServer().DAL_InspectPlan_Get();
  ASSERT_EQ(plans.size(), 1u);
  ASSERT_EQ(plans.front().listPeople.size(), 1u);
  EXPECT_EQ(plans.front().listPeople.front().iID, 0);
  EXPECT_EQ(plans.front().listPeople.front().strName, "");
  EXPECT_EQ(plans.front().strPeopleIDs, "");
  // The person and the creator are asked at once, so only how often each is asked is fixed.
  const auto targets = Targets(world, world.patrol.base_url());
  EXPECT_EQ(std::count(targets.begin(), targets.end(), "api/InspectPeople/GetByID?ID=0"), 1);
}

TEST_F(PlanParsing, AMissingRouteOrCreatorKeepsDefaults) {
  Json::Value plan = PlanRecord(1, 0, "12", "08:00-09:30", "2022-06-01");
  plan["iRouteID"] = 99;
  plan["iAnnouncerID"] = "nobody";
  world.plans.plans().seed(plan);
  const auto plans = DAL_PatrolServer().DAL_InspectPlan_Get();
  ASSERT_EQ(plans.size(), 1u);
  EXPECT_EQ(plans.front().strRouteName, "--");
  EXPECT_EQ(plans.front().strAnnouncerName, "");
  EXPECT_EQ(plans.front().strStartDate, "2022-06-01") << "a date without '&' is both ends";
  EXPECT_EQ(plans.front().strEndDate, "2022-06-01");
}

TEST_F(PlanParsing, PlansOfHiddenTypesMakeNoRequests) {
  world.session().m_nAllRights = 0;
  world.session().m_nAllTypes = 0;
  world.session().m_mapTypes = {{0, "安保"}};
  world.plans.plans().seed(PlanRecord(1, 0, "12", "08:00-09:30"));
  world.plans.plans().seed(PlanRecord(2, 3, "7", "08:00-09:30"));
  const auto plans = DAL_PatrolServer().DAL_InspectPlan_Get();
  ASSERT_EQ(plans.size(), 1u);
  EXPECT_EQ(plans.front().iID, 1);
  for (const auto& target : Targets(world, world.patrol.base_url())) EXPECT_NE(target, "api/InspectPeople/GetByID?ID=7");
  EXPECT_EQ(world.http().request_count(), 3u);
}

struct WindowCase {
  const char* label;
  const char* text;
  std::vector<int> numbers;  // start hour, start minute, end hour, end minute
  const char* start;
  const char* end;
};

class PlanWindows : public ::testing::TestWithParam<WindowCase> {};

// Odd window texts are read at their fixed places without reading past their end.
TEST_P(PlanWindows, AreReadAtFixedPlaces) {
  CampusWorld world;
  const std::string reply = std::string(R"([{"ID":1,"iType":0,"Inspectpeople":"","strTime":")") + GetParam().text + "\"}]";
  std::list<InspectPlanInfo> plans;
  ParseInspectPlanJsonData(reply.c_str(), plans);
  ASSERT_EQ(plans.size(), 1u);
  ASSERT_EQ(plans.front().listTime.size(), 1u);
  const PlanTimeSpan& window = plans.front().listTime.front();
  EXPECT_EQ(std::vector<int>({window.iStartHour, window.iStartMinute, window.iEndHour, window.iEndMinute}),
            GetParam().numbers);
  EXPECT_EQ(window.strStart, GetParam().start);
  EXPECT_EQ(window.strEnd, GetParam().end);
}

INSTANTIATE_TEST_SUITE_P(Texts, PlanWindows,
                         ::testing::Values(WindowCase{"Regular", "07:05-23:59", {7, 5, 23, 59}, "07:05", "23:59"},
                                           WindowCase{"NoMinutes", "8-9", {8, 0, 9, 0}, "8", "9"},
                                           WindowCase{"NoDash", "06:30", {6, 30, 6, 30}, "06:30", "06:30"},
                                           WindowCase{"Empty", "", {0, 0, 0, 0}, "", ""},
                                           WindowCase{"LetterInside", "0x:1y-12:3", {0, 1, 12, 3}, "0x:1y", "12:3"}),
                         [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.label); });

TEST(PlanParserFailures, LogLikeTheRouteFamily) {
  CampusWorld world;
  std::list<InspectPlanInfo> plans(1);
  ParseInspectPlanJsonData("{oops", plans);
  EXPECT_EQ(plans.size(), 1u);
  ASSERT_EQ(world.logLines(DalLog::Sink::TextLog).size(), 1u);
  EXPECT_EQ(world.logLines(DalLog::Sink::TextLog)[0].rfind("[ParseInspectPlanJsonData]出错，错误信息为：", 0), 0u);

  ParseInspectPlanJsonData(R"([{"ID":5,"iType":0},{"ID":6,"iType":"0"}])", plans);
  ASSERT_EQ(plans.size(), 2u) << "the plan before the error stays, the failing one is dropped";
  EXPECT_EQ(plans.back().iID, 5);
  ASSERT_EQ(world.logLines(DalLog::Sink::AsyncLog).size(), 1u);
  EXPECT_EQ(world.logLines(DalLog::Sink::AsyncLog)[0].rfind("[ParseInspectPlanJsonData]解析异常，异常信息为：", 0), 0u);
}

TEST(PlanRoundTrip, AddReadUpdateTestDatesAndDelete) {
  CampusWorld world;
  SeedPerson(world, 12, u8"张三");
  DAL_PatrolServer dal;
  const int id = dal.DAL_InspectPlan_Add("早巡", 4, "u1", 2, 1, "2022-06-01&2022-06-30", "08:00-09:30", "12",
                                         "1111100", "备注", "");
  ASSERT_GT(id, 0);
  auto plans = dal.DAL_InspectPlan_Get();
  ASSERT_EQ(plans.size(), 1u);
  EXPECT_EQ(plans.front().iID, id);
  EXPECT_EQ(plans.front().strName, "早巡");
  EXPECT_EQ(plans.front().iType, 1);
  EXPECT_EQ(plans.front().strRemark, "备注");
  EXPECT_EQ(plans.front().listPeople.front().strName, "张三");

  EXPECT_EQ(dal.DAL_InspectPlan_Update(id, "晚巡", 4, "u1", 2, 1, "2022-06-01&2022-07-31", "20:00-21:00", "12",
                                       "0000011", "", ""),
            id);
  plans = dal.DAL_InspectPlan_Get();
  ASSERT_EQ(plans.size(), 1u);
  EXPECT_EQ(plans.front().strName, "晚巡");
  EXPECT_EQ(plans.front().strEndDate, "2022-07-31");
  EXPECT_EQ(plans.front().listTime.front().iStartHour, 20);
  EXPECT_EQ(world.patrol.audit_log().size(), 2u);

  EXPECT_EQ(dal.DAL_InspectPlan_DateTest("2022-06-01", "2022-06-05", "1111100", "0000011"), 0);
  EXPECT_EQ(dal.DAL_InspectPlan_DateTest("2022-06-01", "2022-06-05", "1111100", "0000111"), 1);

  EXPECT_EQ(dal.DAL_InspectPlan_Delete(id), 1);
  EXPECT_TRUE(dal.DAL_InspectPlan_Get().empty());
  EXPECT_EQ(dal.DAL_InspectPlan_Delete(id), -1);
  world.session().m_strServerAddr = RefusingBaseUrl();
  EXPECT_EQ(DAL_PatrolServer().DAL_InspectPlan_DateTest("a", "b", "c", "d"), 0) << "no answer reads as no clash";
  EXPECT_EQ(DAL_PatrolServer().DAL_InspectPlan_Delete(id), -1);
}

}  // namespace
