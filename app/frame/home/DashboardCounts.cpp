#include "app/frame/home/DashboardCounts.h"

#include <mutex>

#include "data/StartupCaches.h"

DashboardCounts DashboardCounts::FromCaches() {
  DashboardCounts counts;
  counts.people = static_cast<int>(g_mapPeople.size());
  counts.readers = static_cast<int>(g_mapInspectDevice.size());
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    counts.checkpoints = static_cast<int>(g_mapInspectPosDevice.size());
  }
  std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
  for (const auto& entry : g_mapInspectPlan) {
    const int type = entry.second.iType;
    if (type < 0 || type >= PLAN_TYPES) continue;
    ++counts.total[type];
    if (entry.second.iPlanState == 1 || entry.second.iPlanState == 2) ++counts.active[type];
  }
  return counts;
}
