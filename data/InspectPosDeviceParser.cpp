#include "data/InspectPosDeviceParser.h"

#include "data/ParserRun.h"
#include "data/StartupCaches.h"

namespace {

std::string BuildingName(int iAreaID) {
  const auto building = g_mapDigiArea.find(iAreaID);
  return building == g_mapDigiArea.end() ? std::string() : building->second.buildingName;
}

void ReadPosDevice(const Json::Value& element, InspectPosDeviceInfo& device) {
  device.iID = dal::ReadInt(element, "iID");
  device.strName = dal::ReadText(element, "strName");
  device.iAreaID = dal::ReadInt(element, "iAreaID");
  device.ifloor = dal::ReadInt(element, "ifloor");
  device.strCode = dal::ReadText(element, "strCode");
  device.strAreaName = BuildingName(device.iAreaID);
  device.strCameraID = dal::ReadText(element, "strCameraID");
  device.strCamName = dal::ReadText(element, "strCamName");
  device.strCamIp = dal::ReadText(element, "strCamIp");
  device.strCamAccount = dal::ReadText(element, "strCamAccount");
  device.strCamPassword = dal::ReadText(element, "strCamPassword");
  device.CamPort = dal::ReadInt(element, "CamPort");
  device.CamBrand = dal::ReadInt(element, "CamBrand");
  device.strReserve = dal::ReadText(element, "strReserve");
}

}  // namespace

void ParseInspectPosDeviceJsonData(const char* pData, std::list<InspectPosDeviceInfo>& listPosDevice) {
  dal::RunParser(DalLogStyle::TextPrefixed, "ParseInspectPosDeviceJsonData", pData,
                 [&](const Json::Value& root) {
                   dal::ParseEachElement<InspectPosDeviceInfo>(
                       root, ReadPosDevice,
                       [&](InspectPosDeviceInfo&& device) { listPosDevice.push_back(std::move(device)); });
                 });
}
