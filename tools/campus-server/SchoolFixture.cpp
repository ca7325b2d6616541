#include "tools/campus-server/SchoolFixture.h"

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "testing/services/CivilDate.h"
#include "testing/services/GbkWire.h"
#include "testing/services/WireJson.h"
#include "tools/campus-server/FixturePictures.h"

namespace campus_server {

namespace {

using test_support::CivilDate;
using test_support::gbk_from_wire;

Json::Value ReadJsonFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  Json::Value value;
  if (!file || !test_support::read_wire_json(text.str(), value)) {
    throw std::runtime_error("cannot read the fixture " + path);
  }
  return value;
}

std::string Gbk(const Json::Value& value) { return gbk_from_wire(value.asString()); }

// The checkpoint's camera is one of its building's cameras, found by id.
const Json::Value* FindCamera(const Json::Value& campus, int building, const std::string& cameraId) {
  for (const auto& item : campus["buildings"]) {
    if (item["id"].asInt() != building) continue;
    for (const auto& camera : item["cameras"]) {
      if (camera["id"].asString() == cameraId) return &camera;
    }
  }
  return nullptr;
}

std::string DayText(int offset) { return CivilDate::today().plus(offset).text(); }

}  // namespace

SchoolFixture::SchoolFixture(const std::string& folder)
    : m_platform(ReadJsonFile(folder + "/platform.json")),
      m_campus(ReadJsonFile(folder + "/campus.json")),
      m_patrol(ReadJsonFile(folder + "/patrol.json")) {}

void SchoolFixture::Seed(SchoolServices services, const std::string& publicUrl) const {
  SeedPlatform(services.platform, publicUrl);
  SeedCampus(services.campus);
  SeedPatrol(services);
}

void SchoolFixture::SeedSetting(SchoolServices services, const std::string& publicUrl) const {
  SeedPlatform(services.platform, publicUrl);
  SeedCampus(services.campus);
  SeedRights(services.patrol);
}

std::vector<std::string> SchoolFixture::UserIds() const {
  std::vector<std::string> ids;
  for (const auto& user : m_platform["users"]) ids.push_back(user["id"].asString());
  return ids;
}

void SchoolFixture::SeedRights(test_support::FakePatrolServer& patrol) const {
  for (const auto& item : m_patrol["rights"]) {
    Json::Value right;
    right["strUserID"] = item["userId"];
    right["strUserName"] = item["userName"];
    right["TypeAuthority"] = item["types"];
    right["strModuleAuthority"] = item["modules"];
    right["strReserve"] = "";
    patrol.rights().seed(right);
  }
}

void SchoolFixture::SeedPlatform(test_support::FakeBasePlatform& platform, const std::string& publicUrl) const {
  for (const char* id : {"E61", "E80", "E01", "850"}) platform.set_address(id, publicUrl);
  // Pictures are named by paths of the server; the platform gives them as full URLs.
  for (const auto& identity : m_platform["identities"]) {
    const std::string icon = identity["icon"].asString();
    platform.add_picture("/" + icon, FixturePictures::IdentityIcon(identity["code"].asString()),
                         FixturePictures::ContentType(icon));
    platform.add_identity(test_support::FakeIdentity{Gbk(identity["code"]), Gbk(identity["name"]),
                                                     publicUrl + icon, identity["preset"].asBool() ? 1 : 0});
  }
  const std::string school = Gbk(m_platform["school"]["id"]);
  platform.set_school_name(school, Gbk(m_platform["school"]["name"]));
  for (const auto& user : m_platform["users"]) {
    test_support::FakePlatformUser entry;
    entry.userID = Gbk(user["id"]);
    entry.userName = Gbk(user["name"]);
    entry.gender = Gbk(user["gender"]);
    entry.telephone = Gbk(user["telephone"]);
    entry.schoolID = school;
    entry.userType = user["userType"].asInt();
    if (user.isMember("photo")) {
      const std::string photo = user["photo"].asString();
      const std::string type = FixturePictures::ContentType(photo);
      platform.add_picture("/" + photo, FixturePictures::UserPhoto(entry.userID, type == "image/jpeg"), type);
      entry.photoPath = publicUrl + photo;
    }
    for (const auto& code : user["identities"]) entry.identityCodes.push_back(Gbk(code));
    platform.add_user(entry);
    // The login window's account is the user id.
    if (user.isMember("password")) platform.add_account(entry.userID, Gbk(user["password"]), entry.userID);
  }
}

void SchoolFixture::SeedCampus(test_support::FakeCampusService& campus) const {
  const std::string school = Gbk(m_platform["school"]["id"]);
  for (const auto& item : m_campus["campuses"]) {
    CampusInfo info;
    info.campusId = item["id"].asInt();
    info.campusName = Gbk(item["name"]);
    info.schoolId = school;
    campus.add_campus(info);
  }
  for (const auto& item : m_campus["buildings"]) {
    DigiAreaInfo building;
    building.campusId = item["campus"].asInt();
    building.buildingId = item["id"].asInt();
    building.buildingName = Gbk(item["name"]);
    building.schoolId = school;
    building.flag = item["flag"].asInt();
    building.buildingType = Gbk(item["type"]);
    building.floorNumber = item["floors"].asInt();
    building.sizeX = item["sizeX"].asInt();
    building.sizeY = item["sizeY"].asInt();
    building.rPerson = Gbk(item["person"]);
    building.rPersonNumber = Gbk(item["phone"]);
    for (const auto& camera : item["cameras"]) {
      DigiCameraInfo info;
      info.cameraPort = camera["port"].asInt();
      info.cameraBrandId = camera["brand"].asInt();
      info.buildingFloor = camera["floor"].asInt();
      info.equipmentId = Gbk(camera["id"]);
      info.cameraName = Gbk(camera["name"]);
      info.cameraIp = Gbk(camera["ip"]);
      info.account = Gbk(camera["account"]);
      info.password = Gbk(camera["password"]);
      building.listCamera.push_back(info);
    }
    campus.add_building(building);
  }
}

// Ids are given in fixture order from 1; records refer to each other by code or name.
void SchoolFixture::SeedPatrol(SchoolServices services) const {
  const std::string now = DayText(0) + " 08:00:00";
  std::map<std::string, int> people;  // platform user id -> patrol person id
  for (const auto& item : m_patrol["people"]) {
    Json::Value person;
    person["iID"] = static_cast<int>(people.size()) + 1;
    person["iGroup"] = item["group"].asInt();
    person["strName"] = item["name"];
    person["UserID"] = item["userId"];
    person["iIdentity"] = item["identity"].asInt();
    person["strTelephone"] = item["telephone"];
    person["strReserve"] = "";
    people[item["userId"].asString()] = services.patrol.people().seed(person);
  }
  std::map<std::string, int> checkpoints;  // code -> id
  for (const auto& item : m_patrol["checkpoints"]) {
    const int building = item["building"].asInt();
    const Json::Value* camera = FindCamera(m_campus, building, item["camera"].asString());
    Json::Value checkpoint;
    checkpoint["iID"] = static_cast<int>(checkpoints.size()) + 1;
    checkpoint["strName"] = item["name"];
    checkpoint["iAreaID"] = building;
    checkpoint["ifloor"] = item["floor"].asInt();
    checkpoint["strCode"] = item["code"];
    checkpoint["strCameraID"] = camera ? (*camera)["id"].asString() : "";
    checkpoint["strCamName"] = camera ? (*camera)["name"].asString() : "";
    checkpoint["strCamIp"] = camera ? (*camera)["ip"].asString() : "";
    checkpoint["strCamAccount"] = camera ? (*camera)["account"].asString() : "";
    checkpoint["strCamPassword"] = camera ? (*camera)["password"].asString() : "";
    checkpoint["CamPort"] = camera ? (*camera)["port"].asInt() : 0;
    checkpoint["CamBrand"] = camera ? (*camera)["brand"].asInt() : 0;
    checkpoint["strReserve"] = "";
    checkpoints[item["code"].asString()] = services.patrol.checkpoints().seed(checkpoint);
  }
  std::map<std::string, int> readers;  // code -> id
  for (const auto& item : m_patrol["readers"]) {
    Json::Value reader;
    reader["iID"] = static_cast<int>(readers.size()) + 1;
    reader["strName"] = item["name"];
    reader["strCode"] = item["code"];
    reader["iPeopleID"] = people[item["person"].asString()];
    reader["strTelephone"] = item["telephone"];
    reader["iVoiceStatus"] = 1;
    reader["iVoice"] = 5;
    reader["iNotifyWay"] = 1;
    reader["iFingerprintStatus"] = 0;
    reader["ServerType"] = 1;
    reader["Serveraddr"] = item["server"];
    reader["strReserve"] = now;
    readers[item["code"].asString()] = services.patrol.readers().seed(reader);
  }
  SeedRights(services.patrol);
  std::map<std::string, int> routes;  // name -> id
  for (const auto& item : m_patrol["routes"]) {
    Json::Value route;
    const int id = static_cast<int>(routes.size()) + 1;
    route["iID"] = id;
    route["strName"] = item["name"];
    route["iType"] = item["type"].asInt();
    route["iAnnouncerID"] = item["creator"];
    route["strReserve"] = DayText(-30) + " 09:00:00";
    routes[item["name"].asString()] = services.plans.routes().seed(route);
    for (const auto& code : item["checkpoints"]) {
      Json::Value link;
      link["iID"] = static_cast<int>(services.plans.links().size()) + 1;
      link["iRouteId"] = id;
      link["iDeviceID"] = checkpoints[code.asString()];
      services.plans.links().seed(link);
    }
  }
  std::map<std::string, int> plans;  // name -> id
  for (const auto& item : m_patrol["plans"]) {
    std::string members;
    for (const auto& person : item["people"]) {
      if (!members.empty()) members += "&";
      members += std::to_string(people[person.asString()]);
    }
    Json::Value plan;
    plan["ID"] = static_cast<int>(plans.size()) + 1;
    plan["Name"] = item["name"];
    plan["iRouteID"] = routes[item["route"].asString()];
    plan["iAnnouncerID"] = item["creator"];
    plan["iEquipmentID"] = readers[item["reader"].asString()];
    plan["iType"] = item["type"].asInt();
    plan["strDate"] = DayText(item["from"].asInt()) + "&" + DayText(item["to"].asInt());
    plan["strTime"] = item["windows"];
    plan["Inspectpeople"] = members;
    plan["strWeek"] = item["week"];
    plan["strRemark"] = item["remark"];
    plans[item["name"].asString()] = services.plans.plans().seed(plan);
  }
  int visitId = 0;
  for (const auto& item : m_patrol["visits"]) {
    Json::Value visit;
    visit["iID"] = ++visitId;
    visit["iType"] = 2;
    visit["iPlanID"] = plans[item["plan"].asString()];
    visit["iPositionID"] = checkpoints[item["checkpoint"].asString()];
    visit["iState"] = 1;
    visit["iResult"] = item["result"].asInt();
    visit["iAbnormal"] = item["abnormal"].asInt();
    visit["strInspectPeopleID"] = std::to_string(people[item["people"].asString()]);
    visit["strDate"] = DayText(item["day"].asInt());
    visit["strTime"] = item["time"];
    visit["strPhoto"] = item["photo"].asString();
    visit["strSound"] = "";
    visit["strReserve"] = item["reserve"].asString();
    services.plans.visits().seed(visit);
  }
}

}  // namespace campus_server
