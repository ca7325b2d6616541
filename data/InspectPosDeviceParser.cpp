#include "data/InspectPosDeviceParser.h"

#include "data/JsonMembers.h"
#include "data/ParserRun.h"
#include "data/StartupCaches.h"

namespace {

std::string BuildingName(int iAreaID) {
  const auto building = g_mapDigiArea.find(iAreaID);
  return building == g_mapDigiArea.end() ? std::string() : building->second.buildingName;
}

void ReadPosDevice(const Json::Value& element, InspectPosDeviceInfo& device) {
  const dal::JsonMembers fields(element);
  device.iID = fields.Int("iID");
  device.strName = fields.Text("strName");
  device.iAreaID = fields.Int("iAreaID");
  device.ifloor = fields.Int("ifloor");
  device.strCode = fields.Text("strCode");
  device.strAreaName = BuildingName(device.iAreaID);
  device.strCameraID = fields.Text("strCameraID");
  device.strCamName = fields.Text("strCamName");
  device.strCamIp = fields.Text("strCamIp");
  device.strCamAccount = fields.Text("strCamAccount");
  device.strCamPassword = fields.Text("strCamPassword");
  device.CamPort = fields.Int("CamPort");
  device.CamBrand = fields.Int("CamBrand");
  device.strReserve = fields.Text("strReserve");
}

}  // namespace

void ParseInspectPosDeviceJsonData(const char* pData, std::list<InspectPosDeviceInfo>& listPosDevice) {
  dal::RunParser(DalLogStyle::TextPrefixed, "ParseInspectPosDeviceJsonData", pData,
                 [&](Json::Value& root) {
                   dal::ParseEachElement<InspectPosDeviceInfo>(
                       root, ReadPosDevice,
                       [&](InspectPosDeviceInfo&& device) { listPosDevice.push_back(std::move(device)); });
                 });
}
