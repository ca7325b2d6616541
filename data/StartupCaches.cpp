// The start-up caches belong to the data layer, so they are defined here and not with the
// other process-wide objects in CommonTools/ProcessObjects.cpp, whose order puts them
// between the user record and the asynchronous logger's queue (numbered as there). In this
// one translation unit they keep that order among themselves, and are destroyed in the
// reverse one. Between this file and that one the language fixes no order, and the caches
// need none: the maps are built empty and the mutexes are constant-initialised, neither
// their construction nor their destruction touches another object, and no other
// process-wide object touches a cache while it is built or destroyed.
#include "data/StartupCaches.h"

// 5.
std::map<int, CampusInfo> g_mapCampus;

// 6.
std::map<int, InspectPlanInfo> g_mapInspectPlan;
std::mutex g_mutexInspectPlan;

// 7.
std::map<int, PeopleInfo> g_mapPeople;

// 8.
std::map<int, InspectRouteInfo> g_mapInspectRoute;

// 9.
std::map<int, InspectDeviceInfo> g_mapInspectDevice;

// 10.
std::map<int, InspectPosDeviceInfo> g_mapInspectPosDevice;
std::mutex g_mutexInspectPosDevice;

// 11.
std::map<int, DigiAreaInfo> g_mapDigiArea;
