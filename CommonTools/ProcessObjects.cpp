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
// The start-up caches, 5 to 11, are the data layer's and are defined in that order in
// data/StartupCaches.cpp. They depend on nothing here and nothing here depends on them,
// so their place against the objects of this file, which the language does not fix
// between two translation units, is free.
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

// 12.
CommonTools::bounded_buffer CommonTools::log_queue(256);

// 13.
std::string g_strUserID;
