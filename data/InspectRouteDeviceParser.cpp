#include "data/InspectRouteDeviceParser.h"

#include "data/ParserRun.h"

namespace {

void ReadLink(const Json::Value& element, InspectRouteDeviceInfo& link) {
  link.iID = dal::ReadInt(element, "iID");
  link.iDeviceID = dal::ReadInt(element, "iDeviceID");
  link.strDeviceName = dal::ReadText(element, "strDeviceName");
  link.strCode = dal::ReadText(element, "strCode");
  link.CamID = dal::ReadText(element, "CamID");
  link.CamName = dal::ReadText(element, "CamName");
  link.CamIp = dal::ReadText(element, "CamIp");
  link.CamAccount = dal::ReadText(element, "CamAccount");
  link.CamPassword = dal::ReadText(element, "CamPassword");
  link.CamPort = dal::ReadInt(element, "CamPort");
  link.CamBrand = dal::ReadInt(element, "CamBrand");
}

}  // namespace

void ParseInspectRouteDeviceJsonData(const char* pData, std::list<InspectRouteDeviceInfo>& listDevice) {
  dal::RunParser(DalLogStyle::Text, DalLogStyle::AsyncRead, "ParseInspectRouteDeviceJsonData", pData,
                 [&](const Json::Value& root) {
    dal::ParseEachElement<InspectRouteDeviceInfo>(
        root, ReadLink, [&](InspectRouteDeviceInfo&& link) { listDevice.push_back(std::move(link)); });
  });
}
