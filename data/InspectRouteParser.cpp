#include "data/InspectRouteParser.h"

#include <map>
#include <mutex>

#include "data/DAL_Digital_Lessmark.h"
#include "data/DAL_PatrolServer.h"
#include "data/ParserRun.h"
#include "data/PlatformUsers.h"
#include "data/StartupCaches.h"
#include "data/TypeFilter.h"

namespace {

constexpr int kNoBuilding = -1;

// The building the checkpoint stands in, or -1 when the checkpoint is not in the cache.
int BuildingOfCheckpoint(int iDeviceID) {
  std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
  const auto found = g_mapInspectPosDevice.find(iDeviceID);
  return found == g_mapInspectPosDevice.end() ? kNoBuilding : found->second.iAreaID;
}

RouteAreaInfo AreaOf(const DigiAreaInfo& building) {
  RouteAreaInfo area;
  area.buildingId = building.buildingId;
  area.buildingName = building.buildingName;
  area.flag = building.flag;
  area.buildingType = building.buildingType;
  area.iReserve1 = building.iReserve1;
  area.iReserve2 = building.iReserve2;
  area.floorNumber = building.floorNumber;
  return area;
}

// A link whose building is unknown is still kept, under the checkpoint's area id (or -1
// for a checkpoint that is not cached) with no building data, so no link is lost.
void FileLinks(const std::list<InspectRouteDeviceInfo>& links, const std::map<int, DigiAreaInfo>& buildings,
               InspectRouteInfo& route) {
  for (const auto& link : links) {
    const int buildingId = BuildingOfCheckpoint(link.iDeviceID);
    RouteAreaInfo area;
    area.buildingId = buildingId;
    const auto building = buildings.find(buildingId);
    if (building != buildings.end()) {
      area = AreaOf(building->second);
      route.iCampusID = building->second.campusId;
    }
    auto slot = route.mapArea.emplace(buildingId, std::move(area)).first;
    slot->second.listDevice.push_back(link);
  }
}

}  // namespace

void ParseInspectRouteJsonData(const char* pData, std::list<InspectRouteInfo>& listRoute) {
  dal::RunParser(DalLogStyle::Text, DalLogStyle::AsyncRead, "ParseInspectRouteJsonData", pData,
                 [&](const Json::Value& root) {
    const std::map<int, DigiAreaInfo> buildings = DAL_Digital_Lessmark().GetAllBuilding();
    const Json::ArrayIndex count = root.size();
    for (Json::ArrayIndex i = 0; i < count; ++i) {
      const Json::Value& element = root[i];
      InspectRouteInfo route;
      route.iID = dal::ReadInt(element, "iID");
      route.strName = dal::ReadText(element, "strName");
      route.iType = dal::ReadInt(element, "iType");
      route.strAnnouncerID = dal::ReadText(element, "iAnnouncerID");
      route.strReserve = dal::ReadText(element, "strReserve");
      if (!dal::TypeVisible(route.iType)) continue;
      route.strAnnouncerName = GetUserNameByUserID(route.strAnnouncerID);
      FileLinks(DAL_PatrolServer().DAL_InspectRouteDevice_GetByID(route.iID), buildings, route);
      listRoute.push_back(std::move(route));
    }
  });
}
