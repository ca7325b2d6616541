#pragma once
// A patrol route: a named set of checkpoints of one patrol type, grouped by building.
#include <map>
#include <string>

#include "data/RouteAreaInfo.h"

struct InspectRouteInfo {
  int iID = 0;
  int iType = 0;
  std::string strName;
  std::string strAnnouncerID;  // the creator's platform user id
  std::string strAnnouncerName;
  std::string strReserve;  // the local time of creation
  int iCampusID = -1;  // the campus of the last building found for its checkpoints
  std::map<int, RouteAreaInfo> mapArea;  // building id -> area
};
