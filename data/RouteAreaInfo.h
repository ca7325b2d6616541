#pragma once
// One building a route passes through, with the route's links whose checkpoint stands in
// it, in link order.
#include <list>
#include <string>

#include "data/InspectRouteDeviceInfo.h"

struct RouteAreaInfo {
  int buildingId = 0;
  std::string buildingName;
  int flag = 0;
  std::string buildingType;
  // Copies of the building's two integers that no reply fills.
  int iReserve1 = 0;
  int iReserve2 = 0;
  int floorNumber = 0;
  std::list<InspectRouteDeviceInfo> listDevice;
};
