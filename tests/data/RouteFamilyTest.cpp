#include <algorithm>
#include <list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data/DAL_PatrolServer.h"
#include "data/InspectRouteParser.h"
#include "data/StartupCaches.h"
#include "tests/data/CampusWorld.h"

namespace {

using test_support::FakePlatformUser;
using test_support::HttpReply;

DigiAreaInfo Building(int campusId, int buildingId, const std::string& name) {
  DigiAreaInfo area;
  area.campusId = campusId;
  area.buildingId = buildingId;
  area.buildingName = name;
  area.flag = 3;
  area.buildingType = "宿舍";
  area.floorNumber = 6;
  return area;
}

void CacheCheckpoint(int id, int areaId) {
  InspectPosDeviceInfo checkpoint;
  checkpoint.iID = id;
  checkpoint.iAreaID = areaId;
  std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
  g_mapInspectPosDevice[id] = checkpoint;
}

// Seeds a route and its links in the fake, in link order; a seed carries its own id.
int SeedRoute(CampusWorld& world, int type, const std::string& name, const std::vector<int>& checkpoints) {
  const int id = static_cast<int>(world.plans.routes().size()) + 1;
  Json::Value route;
  route["iID"] = id;
  route["strName"] = name;
  route["iType"] = type;
  route["iAnnouncerID"] = "t1";
  route["strReserve"] = "2022-06-01 08:00:00";
  world.plans.routes().seed(route);
  for (int checkpoint : checkpoints) {
    Json::Value link;
    link["iID"] = static_cast<int>(world.plans.links().size()) + 1;
    link["iRouteId"] = id;
    link["iDeviceID"] = checkpoint;
    world.plans.links().seed(link);
  }
  return id;
}

std::vector<int> LinkedCheckpoints(const RouteAreaInfo& area) {
  std::vector<int> ids;
  for (const auto& link : area.listDevice) ids.push_back(link.iDeviceID);
  return ids;
}

std::vector<std::string> Paths(CampusWorld& world) {
  std::vector<std::string> paths;
  for (const auto& request : world.http().requests()) paths.push_back(request.path());
  return paths;
}

class RouteParsing : public ::testing::Test {
 protected:
  void SetUp() override {
    world.campus.add_building(Building(1, 5, "一号楼"));
    world.campus.add_building(Building(2, 9, "九号楼"));
    world.platform.add_user(FakePlatformUser{"t1", "陈老师", "", "", "", "s1", 2, {}});
    CacheCheckpoint(101, 5);
    CacheCheckpoint(102, 9);
    CacheCheckpoint(103, 5);
    CacheCheckpoint(104, 77);
  }

  CampusWorld world;
};

TEST_F(RouteParsing, GroupsLinksByBuildingAndTakesTheCampusOfTheLastBuilding) {
  SeedRoute(world, 0, "r59", {101, 102, 103});
  SeedRoute(world, 0, "r95", {101, 103, 102});
  const auto routes = DAL_PatrolServer().DAL_InspectRoute_Get();
  ASSERT_EQ(routes.size(), 2u);

  const InspectRouteInfo& first = routes.front();
  EXPECT_EQ(first.strAnnouncerID, "t1");
  EXPECT_EQ(first.strAnnouncerName, "陈老师");
  EXPECT_EQ(first.strReserve, "2022-06-01 08:00:00");
  ASSERT_EQ(first.mapArea.size(), 2u);
  EXPECT_EQ(LinkedCheckpoints(first.mapArea.at(5)), (std::vector<int>{101, 103}));
  EXPECT_EQ(LinkedCheckpoints(first.mapArea.at(9)), (std::vector<int>{102}));
  EXPECT_EQ(first.mapArea.at(5).buildingName, "一号楼");
  EXPECT_EQ(first.mapArea.at(5).buildingType, "宿舍");
  EXPECT_EQ(first.mapArea.at(5).flag, 3);
  EXPECT_EQ(first.mapArea.at(5).floorNumber, 6);
  EXPECT_EQ(first.iCampusID, 1) << "building 5 came last";
  EXPECT_EQ(routes.back().iCampusID, 2) << "building 9 came last";
}

TEST_F(RouteParsing, LinksOfUnknownCheckpointsOrBuildingsAreKeptUnderTheirAreaOrMinusOne) {
  SeedRoute(world, 0, "lost", {104, 105, 104});
  const auto routes = DAL_PatrolServer().DAL_InspectRoute_Get();
  ASSERT_EQ(routes.size(), 1u);
  const InspectRouteInfo& route = routes.front();
  ASSERT_EQ(route.mapArea.size(), 2u);
  EXPECT_EQ(LinkedCheckpoints(route.mapArea.at(77)), (std::vector<int>{104, 104}));
  EXPECT_EQ(route.mapArea.at(77).buildingId, 77);
  EXPECT_EQ(route.mapArea.at(77).buildingName, "");
  EXPECT_EQ(LinkedCheckpoints(route.mapArea.at(-1)), (std::vector<int>{105}));
  EXPECT_EQ(route.mapArea.at(-1).buildingId, -1);
  EXPECT_EQ(route.iCampusID, -1) << "no building was found";
}

TEST_F(RouteParsing, AskBuildingsOnceAndNameAndLinksPerVisibleRoute) {
  world.session().m_nAllRights = 0;
  world.session().m_nAllTypes = 0;
  world.session().m_mapTypes = {{0, "安保"}, {2, "消防"}};
  SeedRoute(world, 0, "seen", {101});
  SeedRoute(world, 3, "hidden", {102});
  SeedRoute(world, 2, "seen too", {103});
  const auto routes = DAL_PatrolServer().DAL_InspectRoute_Get();
  ASSERT_EQ(routes.size(), 2u);
  EXPECT_EQ(routes.front().strName, "seen");
  EXPECT_EQ(routes.back().strName, "seen too");

  const std::string address = "/Base/WS/Service_Basic.asmx/WS_G_GetSubSystemInnerServerInfo";
  const std::string name = "/BaseApi/UserMgr/UserInfoMgr/SearchUserByIDsOrName";
  // Each route's name and links are asked over several connections at once, in no fixed
  // order.
  std::vector<std::string> paths = Paths(world);
  ASSERT_GE(paths.size(), 3u);
  std::sort(paths.begin() + 3, paths.end());
  EXPECT_EQ(paths, (std::vector<std::string>{"/api/InspectRoute/Get", address, "//buildingInfo/getAllBuilding",
                                             name, name, "/api/InspectRouteDevice/GetByID",
                                             "/api/InspectRouteDevice/GetByID"}));
  for (const auto& request : world.http().requests()) {
    if (request.path() != "/api/InspectRouteDevice/GetByID") continue;
    EXPECT_EQ(request.target.find("?ID=2"), std::string::npos) << "no request for the hidden route";
  }
}

TEST_F(RouteParsing, AReplyThatIsNotJsonMakesNoFurtherRequest) {
  world.http().route("GET", "/api/InspectRoute/Get", HttpReply(200, "<html>busy</html>"));
  EXPECT_TRUE(DAL_PatrolServer().DAL_InspectRoute_Get().empty());
  EXPECT_EQ(Paths(world), (std::vector<std::string>{"/api/InspectRoute/Get"}));
  const auto lines = world.logLines(DalLog::Sink::TextLog);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind("[ParseInspectRouteJsonData]出错，错误信息为：", 0), 0u) << lines[0];
}

TEST_F(RouteParsing, ALibraryErrorGoesToTheAsynchronousLogAndKeepsEarlierRoutes) {
  world.http().route("GET", "/api/InspectRoute/Get",
                     HttpReply(200, R"([{"iID":1,"strName":"a","iType":0},{"iID":"2","strName":"b"}])"));
  const auto routes = DAL_PatrolServer().DAL_InspectRoute_Get();
  ASSERT_EQ(routes.size(), 1u);
  EXPECT_EQ(routes.front().iID, 1);
  const auto lines = world.logLines(DalLog::Sink::AsyncLog);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind("[ParseInspectRouteJsonData]解析异常，异常信息为：", 0), 0u) << lines[0];
  EXPECT_NE(lines[0].find("\njson数据为：[{"), std::string::npos);
}

TEST(RouteLinkParsing, ReadsEveryFieldInReplyOrder) {
  CampusWorld world;
  world.http().route("GET", "/api/InspectRouteDevice/GetByID",
                     HttpReply(200, u8R"([{"iID":3,"iDeviceID":101,"strDeviceName":"东门","strCode":"C1","CamID":"c9",)"
                                    u8R"("CamName":"门口","CamIp":"10.0.0.9","CamAccount":"admin","CamPassword":"pw",)"
                                    u8R"("CamPort":554,"CamBrand":2},{"iID":4,"iDeviceID":102}])"));
  const auto links = DAL_PatrolServer().DAL_InspectRouteDevice_GetByID(8);
  ASSERT_EQ(links.size(), 2u);
  const InspectRouteDeviceInfo& link = links.front();
  EXPECT_EQ(link.iID, 3);
  EXPECT_EQ(link.iDeviceID, 101);
  EXPECT_EQ(link.strDeviceName, "东门");
  EXPECT_EQ(link.strCode, "C1");
  EXPECT_EQ(link.CamID, "c9");
  EXPECT_EQ(link.CamName, "门口");
  EXPECT_EQ(link.CamIp, "10.0.0.9");
  EXPECT_EQ(link.CamAccount, "admin");
  EXPECT_EQ(link.CamPassword, "pw");
  EXPECT_EQ(link.CamPort, 554);
  EXPECT_EQ(link.CamBrand, 2);
  EXPECT_EQ(links.back().strDeviceName, "");
}

TEST(RouteRoundTrip, AddLinkReadUpdateAndDelete) {
  CampusWorld world;
  world.campus.add_building(Building(1, 5, "一号楼"));
  Json::Value checkpoint;
  checkpoint["iID"] = 31;
  checkpoint["strName"] = u8"东门";
  checkpoint["iAreaID"] = 5;
  checkpoint["strCode"] = "C1";
  const int checkpointId = world.patrol.checkpoints().seed(checkpoint);
  CacheCheckpoint(checkpointId, 5);

  DAL_PatrolServer dal;
  const int id = dal.DAL_InspectRoute_Add("北线", 2);
  ASSERT_GT(id, 0);
  EXPECT_EQ(dal.DAL_InspectRouteDevice_Delete(id), 1);
  EXPECT_GT(dal.DAL_InspectRouteDevice_Add(id, checkpointId), 0);
  EXPECT_EQ(world.patrol.audit_log().size(), 1u);

  auto routes = dal.DAL_InspectRoute_Get();
  ASSERT_EQ(routes.size(), 1u);
  const InspectRouteInfo added = routes.front();
  EXPECT_EQ(added.strName, "北线");
  EXPECT_EQ(added.iType, 2);
  EXPECT_EQ(added.strAnnouncerID, "u1");
  EXPECT_EQ(added.strReserve.size(), 19u) << added.strReserve;
  EXPECT_EQ(LinkedCheckpoints(added.mapArea.at(5)), (std::vector<int>{checkpointId}));
  EXPECT_EQ(added.mapArea.at(5).listDevice.front().strDeviceName, "东门");
  EXPECT_EQ(added.iCampusID, 1);

  EXPECT_EQ(dal.DAL_InspectRoute_Update(id, "南线", 3, added.strAnnouncerID, added.strReserve), id);
  EXPECT_EQ(world.patrol.audit_log().size(), 2u);
  EXPECT_EQ(dal.DAL_InspectRouteDevice_Delete(id), 1);
  routes = dal.DAL_InspectRoute_Get();
  ASSERT_EQ(routes.size(), 1u);
  EXPECT_EQ(routes.front().strName, "南线");
  EXPECT_EQ(routes.front().iType, 3);
  EXPECT_EQ(routes.front().strReserve, added.strReserve);
  EXPECT_TRUE(routes.front().mapArea.empty());

  EXPECT_EQ(dal.DAL_InspectRoute_Delete(id), 1);
  EXPECT_TRUE(dal.DAL_InspectRoute_Get().empty());
  EXPECT_EQ(dal.DAL_InspectRoute_Delete(id), -1) << "the server refuses a route it no longer has";
  EXPECT_EQ(dal.DAL_InspectRoute_Update(id, "x", 3, "u1", ""), -1);
  EXPECT_EQ(world.patrol.audit_log().size(), 2u) << "no audit entry after a failure";
}

}  // namespace
