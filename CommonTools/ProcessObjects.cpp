// Process-wide objects, defined in one translation unit because their construction
// order is fixed (and destruction runs in the reverse order, the session object
// excepted). The full order, to be kept when the others are added in place:
//   1  global_singleton instance
//   2  g_mapWebView
//   3  g_log
//   4  g_OnlineUserInfo
//   5  g_mapCampus
//   6  g_mapInspectPlan
//   7  g_mapPeople
//   8  g_mapInspectRoute
//   9  g_mapInspectDevice
//   10 g_mapInspectPosDevice
//   11 g_mapDigiArea
//   12 CommonTools::log_queue
//   13 g_strUserID
#include "CommonTools/ProcessObjects.h"
#include "CommonTools/Log.h"
#include "CommonTools/LogHelper.h"

namespace {
// 1. Created here, during static initialisation and before anything below, rather
// than whenever some other translation unit happens to ask for it first.
[[maybe_unused]] const global_singleton& sessionCreatedFirst =
    global_singleton::get_const_instance();
}  // namespace

// 3.
Log g_log;

// 4.
OnlineUserInfo g_OnlineUserInfo;

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

// 12.
CommonTools::bounded_buffer CommonTools::log_queue(256);

// 13.
std::string g_strUserID;
