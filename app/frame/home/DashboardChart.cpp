#include "app/frame/home/DashboardChart.h"

#include <list>
#include <mutex>
#include <vector>

#include "app/frame/home/TodayPlanReader.h"
#include "data/ConcurrentCalls.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "platform/user/CivilCalendar.h"

namespace {

std::wstring Item(const std::wstring& label, int value, const wchar_t* group) {
  return L"{ name: '" + label + L"', value: " + std::to_wstring(value) + L", group: '" + group + L"' }";
}

}  // namespace

PassRateBuckets DashboardChart::ComputePassRates(int planType, const SYSTEMTIME& today, int range) {
  const std::atomic<bool> never{false};
  return ComputePassRates(planType, today, range, never);
}

PassRateBuckets DashboardChart::ComputePassRates(int planType, const SYSTEMTIME& today, int range,
                                                 const std::atomic<bool>& stop) {
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
  std::vector<std::list<PassRateInfo>> rates(plans.size());
  dal::RunConcurrently(plans.size(), [&](std::size_t i) {
    if (!stop) rates[i] = DAL_PatrolServer().DAL_InspectRecord_GetPassRate(plans[i], date, range);
  });
  // Summed in plan order, as the answers of one plan after another would be.
  for (const std::list<PassRateInfo>& ofPlan : rates) {
    for (const PassRateInfo& rate : ofPlan) {
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
