#include "app/frame/StartupCacheLoader.h"

#include <cstdlib>
#include <functional>
#include <iterator>
#include <list>
#include <mutex>

#include "data/ConcurrentCalls.h"
#include "data/DAL_Digital_Lessmark.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "data/TypeFilter.h"
#include "platform/base/Clock.h"

namespace {

std::time_t LocalMidnight(int year, int month, int day) {
  std::tm local = {};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_isdst = 0;
  return std::mktime(&local);
}

void LoadBuildingsAndCampuses() {
  DAL_Digital_Lessmark campus;
  g_mapDigiArea = campus.GetAllBuilding();
  g_mapCampus = campus.GetCampusInfo();
  DAL_Digital_Lessmark::AttachBuildings(g_mapDigiArea, g_mapCampus);
}

void LoadPeople() {
  g_mapPeople.clear();
  for (const PeopleInfo& person : DAL_PatrolServer().DAL_People_Get()) g_mapPeople[person.iID] = person;
}

// Asked before the lock is taken: nobody holds it across an HTTP call.
void LoadCheckpoints() {
  const std::list<InspectPosDeviceInfo> checkpoints = DAL_PatrolServer().DAL_InspectPosDevice_Get();
  std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
  g_mapInspectPosDevice.clear();
  for (const InspectPosDeviceInfo& checkpoint : checkpoints) g_mapInspectPosDevice[checkpoint.iID] = checkpoint;
}

void LoadRoutes() {
  g_mapInspectRoute.clear();
  for (const InspectRouteInfo& route : DAL_PatrolServer().DAL_InspectRoute_Get()) g_mapInspectRoute[route.iID] = route;
}

void LoadPlans() {
  const std::list<InspectPlanInfo> plans = DAL_PatrolServer().DAL_InspectPlan_Get();
  std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
  g_mapInspectPlan.clear();
  for (const InspectPlanInfo& plan : plans) {
    if (dal::TypeVisible(plan.iType)) g_mapInspectPlan[plan.iID] = plan;
  }
}

void LoadReaders() {
  g_mapInspectDevice.clear();
  for (const InspectDeviceInfo& reader : DAL_PatrolServer().DAL_InspectDevice_Get()) {
    g_mapInspectDevice[reader.iID] = reader;
  }
}

}  // namespace

// Two chains at once, each in its own order: a parser reads the caches filled before it in
// its chain and never one of the other chain, so neither waits on the other's replies.
// Buildings first: the checkpoint parser names each checkpoint's area from them, the route
// parser files its links by their checkpoints' buildings, the plan parser names the plans'
// routes. People before readers: a reader's fingerprints are named after their people.
void StartupCacheLoader::Load() {
  const std::function<void()> chains[] = {
      [] {
        LoadBuildingsAndCampuses();
        LoadCheckpoints();
        LoadRoutes();
        LoadPlans();
      },
      [] {
        LoadPeople();
        LoadReaders();
      },
  };
  dal::RunConcurrently(std::size(chains), [&chains](std::size_t i) { chains[i](); }, std::size(chains));
  UpdatePlanStates();
}

void StartupCacheLoader::UpdatePlanStates() {
  const std::time_t today = Today();
  std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
  for (auto& entry : g_mapInspectPlan) {
    InspectPlanInfo& plan = entry.second;
    plan.iPlanState = PlanState(plan.strStartDate, plan.strEndDate, today);
  }
}

int StartupCacheLoader::PlanState(const std::string& startDate, const std::string& endDate, std::time_t today) {
  if (today > DateToTime(endDate)) return PLAN_FINISHED;
  if (today < DateToTime(startDate)) return PLAN_NOT_STARTED;
  return PLAN_RUNNING;
}

std::time_t StartupCacheLoader::Today() {
  const std::time_t now = platform::WallClockSeconds();
  std::tm local = {};
  localtime_r(&now, &local);
  return LocalMidnight(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::time_t StartupCacheLoader::DateToTime(const std::string& date) {
  const size_t first = date.find('-');
  const size_t last = date.rfind('-');
  const int year = std::atoi(date.substr(0, first).c_str());
  const std::string month = first == std::string::npos ? std::string() : date.substr(first + 1, last - first - 1);
  const std::string day = last == std::string::npos ? std::string() : date.substr(last + 1);
  return LocalMidnight(year, std::atoi(month.c_str()), std::atoi(day.c_str()));
}
