#include "data/DAL_Digital_Lessmark.h"

#include <json/json.h>

#include "CommonTools/CurlRequest.h"
#include "CommonTools/global_singleton.h"
#include "data/DalLog.h"
#include "data/JsonFields.h"
#include "data/SubSystemInfo.h"

namespace {

constexpr long kTimeoutMs = 4000;
const char kBuildingsHead[] =
    "[auto DAL_Digital_Lessmark::ParseDigiAreaInfoByFlag(const char * pData, list<int>& listArea) -> int]:";
const char kCampusHead[] = "[ParseCampuInfo]:";

// Both readers say the same of a reply they cannot use, each under its own head.
void LogRefused(const char* head, const char* pData) {
  DalLog::TextLine(std::string(head) + "解析Json格式数字化地块类型失败，字符信息为:" + pData + "\n");
}

DigiCameraInfo ReadCamera(const Json::Value& element) {
  DigiCameraInfo camera;
  camera.cameraPort = dal::ReadInt(element, "cameraPort");
  camera.cameraBrandId = dal::ReadInt(element, "cameraBrandId");
  camera.buildingFloor = dal::ReadInt(element, "buildingFloor");
  camera.equipmentId = dal::ReadText(element, "equipmentId");
  camera.cameraName = dal::ReadText(element, "cameraName");
  camera.cameraIp = dal::ReadText(element, "cameraIp");
  camera.account = dal::ReadText(element, "account");
  camera.password = dal::ReadText(element, "password");
  return camera;
}

DigiAreaInfo ReadBuilding(const Json::Value& element) {
  DigiAreaInfo area;
  area.campusId = dal::ReadInt(element, "campusId");
  area.buildingId = dal::ReadInt(element, "buildingId");
  area.buildingName = dal::ReadText(element, "buildingName");
  area.schoolId = dal::ReadText(element, "schoolId");
  area.flag = dal::ReadInt(element, "flag");
  area.buildingType = dal::ReadText(element, "buildingType");
  area.floorNumber = dal::ReadInt(element, "floorNumber");
  area.sizeX = dal::ReadInt(element, "sizeX");
  area.sizeY = dal::ReadInt(element, "sizeY");
  area.rPerson = dal::ReadText(element, "rPerson");
  area.rPersonNumber = dal::ReadText(element, "rPersonNumber");
  const Json::Value& cameras = element["equipments"]["cameraInfos"];
  for (Json::ArrayIndex i = 0; i < cameras.size(); ++i) area.listCamera.push_back(ReadCamera(cameras[i]));
  return area;
}

CampusInfo ReadCampus(const Json::Value& element) {
  const Json::Value& info = element["campusInfo"];
  CampusInfo campus;
  campus.campusId = dal::ReadInt(info, "campusId");
  campus.campusName = dal::ReadText(info, "campusName");
  campus.schoolId = dal::ReadText(info, "schoolId");
  return campus;
}

const Json::Value& BuildingList(const Json::Value& root) { return root["data"]["buildingInfos"]; }
const Json::Value& CampusList(const Json::Value& root) { return root["data"]; }

// Adds the elements of the reply's `list`, read by `read`, under the ids `key` gives them,
// where the id is new. A reply that is not JSON, or that holds a value of a type the
// service never sends, is logged under `head` and adds nothing; so does an "error" other
// than 0, without a line.
template <typename Record, typename Reader, typename KeyOf>
void ReadKeyed(const char* head, const char* pData, const Json::Value& (*list)(const Json::Value&),
               Reader read, KeyOf key, std::map<int, Record>& out) {
  if (!pData) pData = "";
  Json::Value root;
  std::string errors;
  if (!dal::ParseReply(pData, root, errors)) {
    LogRefused(head, pData);
    return;
  }
  std::map<int, Record> records;
  try {
    if (dal::ReadInt(root, "error") != 0) return;
    const Json::Value& elements = list(root);
    for (Json::ArrayIndex i = 0; i < elements.size(); ++i) {
      Record record = read(elements[i]);
      const int id = key(record);
      records.emplace(id, std::move(record));
    }
  } catch (const Json::Exception&) {
    LogRefused(head, pData);
    return;
  }
  out.insert(records.begin(), records.end());
}

}  // namespace

std::map<int, DigiAreaInfo> DAL_Digital_Lessmark::GetAllBuilding() {
  std::map<int, DigiAreaInfo> buildings;
  std::string reply;
  if (Ask("/buildingInfo/getAllBuilding", reply)) ParseDigiAreaInfoByFlag(reply.c_str(), buildings);
  return buildings;
}

std::map<int, CampusInfo> DAL_Digital_Lessmark::GetCampusInfo() {
  std::map<int, CampusInfo> campuses;
  std::string reply;
  if (Ask("campusInfo/getCampusInfo", reply)) ParseCampuInfo(reply.c_str(), campuses);
  return campuses;
}

// The service knows the caller by headers; it takes the user id also as the user name.
bool DAL_Digital_Lessmark::Ask(const std::string& path, std::string& reply) {
  const OnlineUserInfo& user = global_singleton::get_const_instance().m_userInfo;
  CurlRequest request(GetSubSystemInfo("E01") + path);
  request.SetMethod("GET")
      .AddHeader("Content-Type", "application/x-www-form-urlencoded")
      .AddHeader("Authorization", user.strToken)
      .AddHeader("userId", user.strUserID)
      .AddHeader("userName", user.strUserID)
      .AddHeader("sysId", "E61");
  CurlResult result = request.Perform(kTimeoutMs);
  if (!result.ok) return false;
  reply = std::move(result.text);
  return true;
}

void DAL_Digital_Lessmark::ParseDigiAreaInfoByFlag(const char* pData,
                                                   std::map<int, DigiAreaInfo>& mapArea) {
  ReadKeyed(kBuildingsHead, pData, BuildingList, ReadBuilding,
            [](const DigiAreaInfo& area) { return area.buildingId; }, mapArea);
}

void DAL_Digital_Lessmark::ParseCampuInfo(const char* pData, std::map<int, CampusInfo>& mapCampus) {
  ReadKeyed(kCampusHead, pData, CampusList, ReadCampus,
            [](const CampusInfo& campus) { return campus.campusId; }, mapCampus);
}

void DAL_Digital_Lessmark::AttachBuildings(const std::map<int, DigiAreaInfo>& mapArea,
                                           std::map<int, CampusInfo>& mapCampus) {
  for (const auto& entry : mapArea) {
    const auto campus = mapCampus.find(entry.second.campusId);
    if (campus != mapCampus.end()) campus->second.listArea.push_back(entry.second);
  }
}
