#include "data/InspectRouteParser.h"

#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include "data/ConcurrentCalls.h"
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

// The routes of the reply the user may see, in reply order, without their names and links.
void ReadRoutes(const Json::Value& root, std::vector<InspectRouteInfo>& routes) {
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
    routes.push_back(std::move(route));
  }
}

// Each route's two requests are its own; many routes' go over several connections at once.
void CompleteRoutes(std::vector<InspectRouteInfo>& routes, const std::map<int, DigiAreaInfo>& buildings,
                    std::list<InspectRouteInfo>& listRoute) {
  std::vector<std::list<InspectRouteDeviceInfo>> links(routes.size());
  dal::RunConcurrently(routes.size(), [&](std::size_t i) {
    routes[i].strAnnouncerName = GetUserNameByUserID(routes[i].strAnnouncerID);
    links[i] = DAL_PatrolServer().DAL_InspectRouteDevice_GetByID(routes[i].iID);
  });
  for (std::size_t i = 0; i < routes.size(); ++i) {
    FileLinks(links[i], buildings, routes[i]);
    listRoute.push_back(std::move(routes[i]));
  }
}

}  // namespace

void ParseInspectRouteJsonData(const char* pData, std::list<InspectRouteInfo>& listRoute) {
  dal::RunParser(DalLogStyle::Text, DalLogStyle::AsyncRead, "ParseInspectRouteJsonData", pData,
                 [&](const Json::Value& root) {
    const std::map<int, DigiAreaInfo> buildings = DAL_Digital_Lessmark().GetAllBuilding();
    std::vector<InspectRouteInfo> routes;
    // An element the library cannot read ends the reply; the routes before it still count.
    try {
      ReadRoutes(root, routes);
    } catch (...) {
      CompleteRoutes(routes, buildings, listRoute);
      throw;
    }
    CompleteRoutes(routes, buildings, listRoute);
  });
}
