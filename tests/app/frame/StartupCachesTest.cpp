// The start-up load against the fake services, and the plans' statuses by date.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/frame/StartupCacheLoader.h"
#include "data/StartupCaches.h"
#include "platform/base/Clock.h"
#include "tests/data/CampusWorld.h"

namespace {

Json::Value PlanRecord(int id, int type, const std::string& dates) {
  Json::Value plan;
  plan["ID"] = id;
  plan["Name"] = "plan" + std::to_string(id);
  plan["iRouteID"] = 0;
  plan["iAnnouncerID"] = "";
  plan["iEquipmentID"] = 0;
  plan["iType"] = type;
  plan["strDate"] = dates;
  plan["strTime"] = "08:00-09:00";
  plan["Inspectpeople"] = "";
  plan["strWeek"] = "1111111";
  plan["strRemark"] = "";
  return plan;
}

DigiAreaInfo Building(int campus, int id) {
  DigiAreaInfo building;
  building.campusId = campus;
  building.buildingId = id;
  building.buildingName = "楼" + std::to_string(id);
  return building;
}

void PinDay(WORD year, WORD month, WORD day) {
  SYSTEMTIME local = {};
  local.wYear = year;
  local.wMonth = month;
  local.wDay = day;
  local.wHour = 23;
  local.wMinute = 59;
  platform::PinWallClock(local);
}

class StartupCaches : public ::testing::Test {
 protected:
  ~StartupCaches() override { platform::UnpinWallClock(); }

  std::vector<int> CachedPlans() {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    std::vector<int> ids;
    for (const auto& entry : g_mapInspectPlan) ids.push_back(entry.first);
    return ids;
  }

  CampusWorld world;
};

TEST_F(StartupCaches, AsksEachChainInOrderAndAttachesBuildingsToTheirCampus) {
  world.campus.add_building(Building(1, 11));
  world.campus.add_building(Building(9, 12));  // its campus is not in the reply
  CampusInfo campus;
  campus.campusId = 1;
  campus.campusName = "本部";
  world.campus.add_campus(campus);
  Json::Value person;
  person["iID"] = 3;
  person["strName"] = u8"张三";
  world.patrol.people().seed(person);
  world.plans.plans().seed(PlanRecord(5, 0, "2024-03-01&2024-03-31"));
  PinDay(2024, 3, 6);

  StartupCacheLoader::Load();

  // The two chains run at once; within each, every service in the order of its first
  // request (the route parser asks for the buildings again, for its own grouping).
  const std::vector<std::vector<std::string>> chains = {
      {"/buildingInfo/getAllBuilding", "/campusInfo/getCampusInfo", "/api/InspectPositionDevice/Get",
       "/api/InspectRoute/Get", "/api/InspectPlan/Get"},
      {"/api/InspectPeople/Get", "/api/InspectDevice/Get"}};
  for (const std::vector<std::string>& order : chains) {
    std::vector<std::string> asked;
    for (const auto& request : world.http().requests()) {
      for (const std::string& path : order) {
        const bool match = request.path() == path || request.path() == "/" + path;
        if (match && std::find(asked.begin(), asked.end(), path) == asked.end()) asked.push_back(path);
      }
    }
    EXPECT_EQ(asked, order);
  }
  ASSERT_EQ(g_mapDigiArea.size(), 2u);
  ASSERT_EQ(g_mapCampus.size(), 1u);
  ASSERT_EQ(g_mapCampus[1].listArea.size(), 1u);
  EXPECT_EQ(g_mapCampus[1].listArea.front().buildingId, 11);
  EXPECT_EQ(g_mapPeople.size(), 1u);
  EXPECT_EQ(CachedPlans(), std::vector<int>{5});
  std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
  EXPECT_EQ(g_mapInspectPlan[5].iPlanState, StartupCacheLoader::PLAN_RUNNING);
}

// Each cache filled from a reply whose parser names things from the caches before it:
// loaded at once, a cache read before it was filled would leave its name empty.
TEST_F(StartupCaches, NamesEachRecordFromTheCachesItReads) {
  world.campus.add_building(Building(1, 11));
  Json::Value checkpoint;
  checkpoint["iID"] = 7;
  checkpoint["strName"] = "east gate";
  checkpoint["iAreaID"] = 11;
  world.patrol.checkpoints().seed(checkpoint);
  Json::Value route;
  route["iID"] = 4;
  route["strName"] = "north round";
  route["iType"] = 0;
  route["iAnnouncerID"] = "";
  route["strReserve"] = "";
  world.plans.routes().seed(route);
  Json::Value link;
  link["iRouteId"] = 4;
  link["iDeviceID"] = 7;
  world.plans.links().seed(link);
  Json::Value plan = PlanRecord(5, 0, "2024-03-01&2024-03-31");
  plan["iRouteID"] = 4;
  plan["Inspectpeople"] = "3";
  world.plans.plans().seed(plan);
  Json::Value person;
  person["iID"] = 3;
  person["strName"] = "zhang";
  world.patrol.people().seed(person);
  Json::Value reader;
  reader["iID"] = 2;
  reader["strName"] = "reader";
  world.patrol.readers().seed(reader);
  Json::Value fingerprint;
  fingerprint["iID"] = 1;
  fingerprint["iDeviceID"] = 2;
  fingerprint["iPeopleID"] = 3;
  fingerprint["strCode"] = "f1";
  world.patrol.fingerprints().seed(fingerprint);
  PinDay(2024, 3, 6);

  // Again and again: the two chains interleave differently each time.
  for (int run = 0; run < 5; ++run) {
    SCOPED_TRACE(run);
    StartupCacheLoader::Load();
    ASSERT_EQ(g_mapDigiArea.count(11), 1u);
    EXPECT_EQ(g_mapInspectPosDevice[7].strAreaName, g_mapDigiArea[11].buildingName);
    ASSERT_EQ(g_mapInspectRoute.count(4), 1u);
    ASSERT_EQ(g_mapInspectRoute[4].mapArea.count(11), 1u) << "the link filed under its checkpoint's building";
    EXPECT_EQ(g_mapInspectRoute[4].mapArea[11].listDevice.size(), 1u);
    {
      std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
      ASSERT_EQ(g_mapInspectPlan.count(5), 1u);
      EXPECT_EQ(g_mapInspectPlan[5].strRouteName, "north round");
      ASSERT_EQ(g_mapInspectPlan[5].listPeople.size(), 1u);
      EXPECT_EQ(g_mapInspectPlan[5].listPeople.front().strName, "zhang");
      EXPECT_EQ(g_mapInspectPlan[5].iPlanState, StartupCacheLoader::PLAN_RUNNING);
    }
    EXPECT_EQ(g_mapPeople[3].strName, "zhang");
    ASSERT_EQ(g_mapInspectDevice[2].listFingerprint.size(), 1u);
    EXPECT_EQ(g_mapInspectDevice[2].listFingerprint.front().strPeopleName, "zhang");
  }
}

TEST_F(StartupCaches, KeepsThePlansOfTheUsersTypes) {
  const struct {
    const char* label;
    int allRights;
    int allTypes;
    std::map<int, std::string> types;
    std::vector<int> plans;
  } cases[] = {
      {"type map {0}", 0, 0, {{0, "安防"}}, {1}},
      {"administrator", 1, 0, {}, {1, 2, 3}},
      {"all areas", 0, 1, {}, {1, 2, 3}},
  };
  world.plans.plans().seed(PlanRecord(1, 0, "2024-03-01&2024-03-31"));
  world.plans.plans().seed(PlanRecord(2, 2, "2024-03-01&2024-03-31"));
  world.plans.plans().seed(PlanRecord(3, 6, "2024-03-01&2024-03-31"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    world.session().m_nAllRights = c.allRights;
    world.session().m_nAllTypes = c.allTypes;
    world.session().m_mapTypes = c.types;
    StartupCacheLoader::Load();
    EXPECT_EQ(CachedPlans(), c.plans);
  }
}

TEST_F(StartupCaches, AFailedServiceLeavesItsCacheEmpty) {
  world.campus.add_building(Building(1, 11));
  world.campus.set_error(1);
  world.session().m_strServerAddr = RefusingBaseUrl();
  StartupCacheLoader::Load();
  EXPECT_TRUE(g_mapDigiArea.empty());
  EXPECT_TRUE(g_mapCampus.empty());
  EXPECT_TRUE(g_mapPeople.empty());
  EXPECT_TRUE(g_mapInspectRoute.empty());
  EXPECT_TRUE(CachedPlans().empty());
}

TEST(PlanState, BothLimitsCountAsRunning) {
  const struct {
    const char* label;
    const char* start;
    const char* end;
    int day;
    int state;
  } cases[] = {
      {"1st to 8th, on the 8th", "2024-03-01", "2024-03-08", 8, 2},
      {"1st to 8th, on the 9th", "2024-03-01", "2024-03-08", 9, 3},
      {"starting tomorrow", "2024-03-09", "2024-03-20", 8, 1},
      {"ending yesterday", "2024-02-01", "2024-03-07", 8, 3},
      {"one day, today", "2024-03-08", "2024-03-08", 8, 2},
      {"without leading zeros", "2024-3-8", "2024-3-8", 8, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    PinDay(2024, 3, c.day);
    EXPECT_EQ(StartupCacheLoader::PlanState(c.start, c.end, StartupCacheLoader::Today()), c.state);
  }
  platform::UnpinWallClock();
}

TEST(PlanState, ADateWithoutItsPartsNeverThrows) {
  for (const char* date : {"", "2024", "2024-", "-", "abc"}) {
    SCOPED_TRACE(date);
    EXPECT_NO_THROW(StartupCacheLoader::DateToTime(date));
  }
}

}  // namespace
