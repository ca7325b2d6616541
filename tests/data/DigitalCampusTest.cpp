#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data/DAL_Digital_Lessmark.h"
#include "tests/data/CampusWorld.h"

namespace {

using test_support::HttpReply;

DigiAreaInfo Building(int campusId, int buildingId, const std::string& name, int cameras = 0) {
  DigiAreaInfo area;
  area.campusId = campusId;
  area.buildingId = buildingId;
  area.buildingName = name;
  area.schoolId = "s1";
  area.flag = 1;
  area.buildingType = "教学楼";
  area.floorNumber = 5;
  area.sizeX = 120;
  area.sizeY = 80;
  area.rPerson = "王师傅";
  area.rPersonNumber = "13700000000";
  for (int i = 1; i <= cameras; ++i) {
    DigiCameraInfo camera;
    camera.cameraPort = 554;
    camera.cameraBrandId = 2;
    camera.buildingFloor = i;
    camera.equipmentId = "cam" + std::to_string(buildingId) + "-" + std::to_string(i);
    camera.cameraName = name + "摄像头";
    camera.cameraIp = "192.0.2." + std::to_string(i);
    camera.account = "admin";
    camera.password = "pw";
    area.listCamera.push_back(camera);
  }
  return area;
}

CampusInfo Campus(int campusId, const std::string& name) {
  CampusInfo campus;
  campus.campusId = campusId;
  campus.campusName = name;
  campus.schoolId = "s1";
  return campus;
}

TEST(DigitalCampusRequests, CarryTheFiveHeadersAndTheUserIdAsName) {
  CampusWorld world;
  world.session().m_userInfo.strUserID = "t100";
  world.session().m_userInfo.strUserName = "张老师";
  world.session().m_userInfo.strToken = "TK";
  DAL_Digital_Lessmark service;
  service.GetAllBuilding();
  service.GetCampusInfo();

  const auto requests = world.http().requests();
  // The address query of each call, then the call itself.
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(requests[1].target, "//buildingInfo/getAllBuilding");
  EXPECT_EQ(requests[3].target, "/campusInfo/getCampusInfo");
  for (const auto* request : {&requests[1], &requests[3]}) {
    EXPECT_EQ(request->method, "GET");
    EXPECT_EQ(request->header("Authorization"), "TK");
    EXPECT_EQ(request->header("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(request->header("sysId"), "E61");
    EXPECT_EQ(request->header("userId"), "t100");
    EXPECT_EQ(request->header("userName"), "t100");
  }
}

TEST(DigitalCampusBuildings, ReadEveryFieldAndCameraInReplyOrder) {
  CampusWorld world;
  world.campus.add_building(Building(1, 7, "图书馆", 2));
  world.campus.add_building(Building(1, 3, "实验楼"));
  const auto buildings = DAL_Digital_Lessmark().GetAllBuilding();
  ASSERT_EQ(buildings.size(), 2u);
  EXPECT_EQ(buildings.begin()->first, 3) << "ordered by id, not by reply";
  const DigiAreaInfo& library = buildings.at(7);
  EXPECT_EQ(library.buildingName, "图书馆");
  EXPECT_EQ(library.buildingType, "教学楼");
  EXPECT_EQ(library.rPerson, "王师傅");
  EXPECT_EQ(library.rPersonNumber, "13700000000");
  EXPECT_EQ(library.floorNumber, 5);
  EXPECT_EQ(library.sizeX, 120);
  EXPECT_EQ(library.sizeY, 80);
  EXPECT_EQ(library.iReserve1, 0);
  EXPECT_EQ(library.iReserve2, 0);
  ASSERT_EQ(library.listCamera.size(), 2u);
  EXPECT_EQ(library.listCamera.front().equipmentId, "cam7-1");
  EXPECT_EQ(library.listCamera.back().buildingFloor, 2);
  EXPECT_EQ(library.listCamera.back().cameraName, "图书馆摄像头");
  EXPECT_EQ(library.listCamera.back().cameraPort, 554);
  EXPECT_TRUE(buildings.at(3).listCamera.empty()) << "a building without equipments has no cameras";
}

struct BuildingReplyCase {
  const char* label;
  const char* reply;
  std::vector<int> ids;
  const char* firstName;
  bool logged;  // the text log receives the refusal with the reply
};

const char kBuildingsRefused[] =
    "[auto DAL_Digital_Lessmark::ParseDigiAreaInfoByFlag(const char * pData, list<int>& listArea) -> int]:"
    "解析Json格式数字化地块类型失败，字符信息为:";

class BuildingReplies : public ::testing::TestWithParam<BuildingReplyCase> {};

// The replies are written as UTF-8, the way they travel.

TEST_P(BuildingReplies, FirstOfEqualIdsWinsAndRefusalsGiveNothing) {
  CampusWorld world;
  world.http().route("GET", "//buildingInfo/getAllBuilding", HttpReply(200, GetParam().reply));
  const auto buildings = DAL_Digital_Lessmark().GetAllBuilding();
  std::vector<int> ids;
  for (const auto& entry : buildings) ids.push_back(entry.first);
  EXPECT_EQ(ids, GetParam().ids);
  if (!buildings.empty()) {
    EXPECT_EQ(buildings.begin()->second.buildingName, GetParam().firstName);
  }
  const std::vector<std::string> refused{kBuildingsRefused + std::string(GetParam().reply) + "\n"};
  EXPECT_EQ(world.logLines(DalLog::Sink::TextLog), GetParam().logged ? refused : std::vector<std::string>());
}

INSTANTIATE_TEST_SUITE_P(
    Replies, BuildingReplies,
    ::testing::Values(
        BuildingReplyCase{"DuplicateIds",
                          u8R"({"error":0,"data":{"buildingInfos":[{"buildingId":4,"buildingName":"甲"},{"buildingId":4,"buildingName":"乙"},{"buildingId":9}]}})",
                          {4, 9}, "甲", false},
        BuildingReplyCase{"ErrorOne", R"({"error":1,"data":{"buildingInfos":[{"buildingId":4}]}})", {}, "", false},
        BuildingReplyCase{"ErrorMissingCountsAsZero", u8R"({"data":{"buildingInfos":[{"buildingId":5,"buildingName":"丙"}]}})",
                          {5}, "丙", false},
        BuildingReplyCase{"NotJson", "<html>gateway</html>", {}, "", true},
        BuildingReplyCase{"WrongTypeIsAFailure",
                          R"({"error":0,"data":{"buildingInfos":[{"buildingId":4},{"buildingId":"x"}]}})", {}, "",
                          true}),
    [](const ::testing::TestParamInfo<BuildingReplyCase>& info) { return std::string(info.param.label); });

TEST(DigitalCampusFailures, AnUnreachableServiceGivesEmptyMaps) {
  CampusWorld world;
  world.platform.set_address("E01", RefusingBaseUrl());
  world.campus.add_building(Building(1, 1, "A"));
  EXPECT_TRUE(DAL_Digital_Lessmark().GetAllBuilding().empty());
  EXPECT_TRUE(DAL_Digital_Lessmark().GetCampusInfo().empty());
  EXPECT_TRUE(world.logLines().empty());
}

TEST(DigitalCampusCampuses, ReadTheCampusObjectsFirstOfEqualIdsWins) {
  CampusWorld world;
  world.campus.add_campus(Campus(2, "南校区"));
  world.campus.add_campus(Campus(1, "北校区"));
  world.campus.add_campus(Campus(2, "重复"));
  const auto campuses = DAL_Digital_Lessmark().GetCampusInfo();
  ASSERT_EQ(campuses.size(), 2u);
  EXPECT_EQ(campuses.at(2).campusName, "南校区");
  EXPECT_EQ(campuses.at(1).campusName, "北校区");
  EXPECT_EQ(campuses.at(1).schoolId, "s1");
  EXPECT_TRUE(campuses.at(1).listArea.empty());
  world.campus.set_error(1);
  EXPECT_TRUE(DAL_Digital_Lessmark().GetCampusInfo().empty());
  EXPECT_TRUE(world.logLines().empty()) << "an error the service reports is no refused reply";

  const std::string wrongType = R"({"error":0,"data":[{"campusInfo":{"campusId":"x"}}]})";
  world.http().route("GET", "/campusInfo/getCampusInfo", HttpReply(200, wrongType));
  EXPECT_TRUE(DAL_Digital_Lessmark().GetCampusInfo().empty());
  EXPECT_EQ(world.logLines(DalLog::Sink::TextLog),
            (std::vector<std::string>{"[ParseCampuInfo]:解析Json格式数字化地块类型失败，字符信息为:" + wrongType + "\n"}));
}

TEST(DigitalCampusStartup, BuildingsJoinTheirCampusInAscendingId) {
  CampusWorld world;
  for (int id : {12, 3, 8, 5}) world.campus.add_building(Building(id % 2 ? 1 : 2, id, "B" + std::to_string(id)));
  world.campus.add_building(Building(9, 20, "orphan"));
  world.campus.add_campus(Campus(1, "北校区"));
  world.campus.add_campus(Campus(2, "南校区"));
  DAL_Digital_Lessmark service;
  const auto buildings = service.GetAllBuilding();
  auto campuses = service.GetCampusInfo();
  DAL_Digital_Lessmark::AttachBuildings(buildings, campuses);

  const auto ids = [](const CampusInfo& campus) {
    std::vector<int> out;
    for (const auto& area : campus.listArea) out.push_back(area.buildingId);
    return out;
  };
  EXPECT_EQ(ids(campuses.at(1)), (std::vector<int>{3, 5}));
  EXPECT_EQ(ids(campuses.at(2)), (std::vector<int>{8, 12}));
  EXPECT_EQ(buildings.count(20), 1u) << "a building of an unknown campus stays in the building map";
}

}  // namespace
