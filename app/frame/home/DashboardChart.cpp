#include "app/frame/home/DashboardChart.h"

#include <list>
#include <mutex>
#include <vector>

#include "app/frame/home/TodayPlanReader.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "platform/user/CivilCalendar.h"

namespace {

std::wstring Item(const std::wstring& label, int value, const wchar_t* group) {
  return L"{ name: '" + label + L"', value: " + std::to_wstring(value) + L", group: '" + group + L"' }";
}

}  // namespace

PassRateBuckets DashboardChart::ComputePassRates(int planType, const SYSTEMTIME& today, int range) {
  PassRateBuckets buckets;
  for (int slot = 1; slot <= PERIODS; ++slot) buckets[slot] = PassRateBucket();
  std::vector<int> plans;
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    for (const auto& entry : g_mapInspectPlan) {
      if (entry.second.iType == planType) plans.push_back(entry.second.iID);
    }
  }
  const std::string date = TodayPlanReader::DateText(today);
  DAL_PatrolServer server;
  for (int planId : plans) {
    for (const PassRateInfo& rate : server.DAL_InspectRecord_GetPassRate(planId, date, range)) {
      PassRateBucket& bucket = buckets[rate.dateflag];
      const int passed = static_cast<int>(rate.listRecord.size());
      bucket.passed += passed;
      bucket.missed += rate.iTodalNum - passed;
      bucket.flag = 0;
    }
  }
  return buckets;
}

std::wstring DashboardChart::Label(int range, int back, const SYSTEMTIME& today) {
  switch (range) {
    case DAY: {
      const SYSTEMTIME day = platform::user::CivilCalendar::AddDays(today, -back);
      return std::to_wstring(day.wMonth) + L"-" + std::to_wstring(day.wDay);
    }
    case WEEK:
      return back == 0 ? std::wstring(L"本周") : L"第" + std::to_wstring(back + 1) + L"周";
    case MONTH: {
      int month = today.wMonth - back;
      if (month < 1) month += 12;
      return std::to_wstring(month) + L"月";
    }
    case YEAR:
      return std::to_wstring(today.wYear - back);
    default:
      return std::wstring();
  }
}

std::wstring DashboardChart::DataScript(int range, const PassRateBuckets& buckets, const SYSTEMTIME& today) {
  std::wstring items;
  for (int back = 0; back < PERIODS; ++back) {
    const auto found = buckets.find(PERIODS - back);
    const PassRateBucket bucket = found == buckets.end() ? PassRateBucket() : found->second;
    const std::wstring label = Label(range, back, today);
    if (!items.empty()) items += L",";
    items += Item(label, bucket.PassPercent(), L"合格率") + L"," + Item(label, bucket.MissPercent(), L"漏检率");
  }
  return L"var data = [" + items + L"];";
}

std::wstring DashboardChart::DrawScript() {
  return std::wstring(L"DrawBars(data, 'main', {xName:'时间', yName:'合格率'}, true,'") + L"dark" + L"');";
}
