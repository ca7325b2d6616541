#include "testing/services/FakeCampusService.h"

#include "testing/services/GbkWire.h"

namespace test_support {

namespace {

Json::Value camera_json(const DigiCameraInfo& camera) {
  Json::Value item;
  item["cameraPort"] = camera.cameraPort;
  item["cameraBrandId"] = camera.cameraBrandId;
  item["buildingFloor"] = camera.buildingFloor;
  item["equipmentId"] = wire_text(camera.equipmentId);
  item["cameraName"] = wire_text(camera.cameraName);
  item["cameraIp"] = wire_text(camera.cameraIp);
  item["account"] = wire_text(camera.account);
  item["password"] = wire_text(camera.password);
  return item;
}

// A building without cameras comes without "equipments", as the service sends it.
Json::Value building_json(const DigiAreaInfo& building) {
  Json::Value item;
  item["campusId"] = building.campusId;
  item["buildingId"] = building.buildingId;
  item["buildingName"] = wire_text(building.buildingName);
  item["schoolId"] = wire_text(building.schoolId);
  item["flag"] = building.flag;
  item["buildingType"] = wire_text(building.buildingType);
  item["floorNumber"] = building.floorNumber;
  item["sizeX"] = building.sizeX;
  item["sizeY"] = building.sizeY;
  item["rPerson"] = wire_text(building.rPerson);
  item["rPersonNumber"] = wire_text(building.rPersonNumber);
  if (building.listCamera.empty()) return item;
  Json::Value cameras(Json::arrayValue);
  for (const auto& camera : building.listCamera) cameras.append(camera_json(camera));
  item["equipments"]["cameraInfos"] = cameras;
  return item;
}

}  // namespace

FakeCampusService::FakeCampusService(FakeHttpServer& server) {
  // The client's buildings path begins with a slash, so after an address that ends in
  // one the path holds two.
  auto buildings_handler = [this](const RecordedRequest& r) { return serve_buildings(r); };
  server.route("GET", "//buildingInfo/getAllBuilding", buildings_handler);
  server.route("GET", "/buildingInfo/getAllBuilding", buildings_handler);
  server.route("GET", "/campusInfo/getCampusInfo",
               [this](const RecordedRequest& r) { return serve_campuses(r); });
}

void FakeCampusService::add_building(const DigiAreaInfo& building) {
  std::lock_guard<std::mutex> lock(mutex_);
  buildings_.push_back(building);
}

void FakeCampusService::add_campus(const CampusInfo& campus) {
  std::lock_guard<std::mutex> lock(mutex_);
  campuses_.push_back(campus);
}

void FakeCampusService::set_error(int error) {
  std::lock_guard<std::mutex> lock(mutex_);
  error_ = error;
}

std::vector<DigiAreaInfo> FakeCampusService::buildings() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return buildings_;
}

HttpReply FakeCampusService::serve_buildings(const RecordedRequest&) const {
  std::lock_guard<std::mutex> lock(mutex_);
  Json::Value root;
  root["error"] = error_;
  root["data"]["buildingInfos"] = Json::Value(Json::arrayValue);
  for (const auto& building : buildings_) root["data"]["buildingInfos"].append(building_json(building));
  return wire_json_reply(root);
}

HttpReply FakeCampusService::serve_campuses(const RecordedRequest&) const {
  std::lock_guard<std::mutex> lock(mutex_);
  Json::Value root;
  root["error"] = error_;
  root["data"] = Json::Value(Json::arrayValue);
  for (const auto& campus : campuses_) {
    Json::Value item;
    item["campusInfo"]["campusId"] = campus.campusId;
    item["campusInfo"]["campusName"] = wire_text(campus.campusName);
    item["campusInfo"]["schoolId"] = wire_text(campus.schoolId);
    root["data"].append(item);
  }
  return wire_json_reply(root);
}

}  // namespace test_support
