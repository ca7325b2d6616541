#pragma once
// The start-up caches, ordered by id. The main frame fills them once after login; the
// pages keep them in step with their own adds, updates and deletes.
#include <map>
#include <mutex>

#include "data/CampusInfo.h"
#include "data/DigiAreaInfo.h"
#include "data/InspectDeviceInfo.h"
#include "data/InspectPlanInfo.h"
#include "data/InspectPosDeviceInfo.h"
#include "data/InspectRouteInfo.h"
#include "data/PeopleInfo.h"

extern std::map<int, CampusInfo> g_mapCampus;  // campusId -> campus with its buildings
// The broker's thread reads the plans (to name a pushed record) while the UI thread may
// change them: every access holds the lock, under the same rules as the checkpoints'.
extern std::map<int, InspectPlanInfo> g_mapInspectPlan;
extern std::mutex g_mutexInspectPlan;
extern std::map<int, PeopleInfo> g_mapPeople;
extern std::map<int, InspectRouteInfo> g_mapInspectRoute;
extern std::map<int, InspectDeviceInfo> g_mapInspectDevice;
// The broker's thread reads the checkpoints while the UI thread may change them: every
// access holds the lock, readers copy out what they need, and nobody holds it across an
// HTTP call, a message send or a modal loop.
extern std::map<int, InspectPosDeviceInfo> g_mapInspectPosDevice;
extern std::mutex g_mutexInspectPosDevice;
extern std::map<int, DigiAreaInfo> g_mapDigiArea;  // buildingId -> building
