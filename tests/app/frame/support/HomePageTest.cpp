#include "tests/app/frame/support/HomePageTest.h"

#include <chrono>
#include <cstdio>
#include <thread>
#include <mutex>

#include <json/json.h>

#include "data/StartupCaches.h"
#include "platform/base/Clock.h"
#include "testing/base/LocalTime.h"
#include "testing/services/GbkWire.h"

namespace frametest {

namespace {

PlanTimeSpan Slot(const std::string& text) {
  PlanTimeSpan span;
  std::sscanf(text.c_str(), "%d:%d-%d:%d", &span.iStartHour, &span.iStartMinute, &span.iEndHour, &span.iEndMinute);
  span.strStart = text.substr(0, 5);
  span.strEnd = text.size() >= 11 ? text.substr(6, 5) : "";
  return span;
}

}  // namespace

SYSTEMTIME LocalTime(int year, int month, int day, int hour, int minute) {
  return test_support::LocalTime(year, month, day, hour, minute);
}

InspectPlanInfo MakePlan(int id, int type, const std::string& start, const std::string& end, const std::string& week,
                         const std::string& slots) {
  InspectPlanInfo plan;
  plan.iID = id;
  plan.strName = "计划" + std::to_string(id);
  plan.iType = type;
  plan.iPlanState = 2;
  plan.strStartDate = start;
  plan.strEndDate = end;
  plan.strWeek = week;
  plan.strTime = slots;
  size_t from = 0;
  while (!slots.empty() && from <= slots.size()) {
    const size_t amp = slots.find('&', from);
    plan.listTime.push_back(Slot(slots.substr(from, amp == std::string::npos ? std::string::npos : amp - from)));
    if (amp == std::string::npos) break;
    from = amp + 1;
  }
  return plan;
}

HomePageTest::HomePageTest() {
  shelltest::UseProgramSkin();
  platform::PinWallClock(LocalTime(2026, 12, 8, 8, 30));
}

HomePageTest::~HomePageTest() {
  if (hwnd != nullptr && ::IsWindow(hwnd)) OnPage([this] { ::DestroyWindow(hwnd); });
  ui.Call([this] { page.reset(); });
  platform::UnpinWallClock();
  std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
  g_mapInspectPlan.clear();
}

void HomePageTest::PinClock(const SYSTEMTIME& local) { platform::PinWallClock(local); }

void HomePageTest::AddPlan(const InspectPlanInfo& plan) {
  std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
  g_mapInspectPlan[plan.iID] = plan;
}

void HomePageTest::ServeRunRecords(const std::vector<int>& results, const std::vector<int>& anomalies) {
  Json::Value area;
  area["AreaID"] = 1;
  area["AreaName"] = test_support::wire_text("教学楼");
  area["PositionDevicelist"] = Json::Value(Json::arrayValue);
  for (size_t i = 0; i < results.size(); ++i) {
    Json::Value record;
    record["ID"] = static_cast<int>(i + 1);
    record["Name"] = test_support::wire_text("点" + std::to_string(i + 1));
    record["iResult"] = results[i];
    record["iAbnormal"] = i < anomalies.size() ? anomalies[i] : 0;
    area["PositionDevicelist"].append(record);
  }
  Json::Value areas(Json::arrayValue);
  areas.append(area);
  world.http().route("GET", "/api/InspectRecord/GetByIDAndTime", test_support::wire_json_reply(areas));
}

void HomePageTest::ServePassRates(const std::vector<std::vector<int>>& periods) {
  Json::Value reply(Json::arrayValue);
  for (const auto& period : periods) {
    Json::Value bucket;
    bucket["dateflag"] = period[0];
    bucket["iTodalNum"] = period[1];
    bucket["InspectRecordPassRateList"] = Json::Value(Json::arrayValue);
    for (int i = 0; i < period[2]; ++i) {
      Json::Value record;
      record["iID"] = i + 1;
      bucket["InspectRecordPassRateList"].append(record);
    }
    reply.append(bucket);
  }
  world.http().route("GET", "/api/InspectRecord/GetPassRate", test_support::wire_json_reply(reply));
}

void WaitForHomeReading(platform::headless::TestDriver& driver, HWND hwnd, const CHomePageWndEx& page) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  for (;;) {
    ASSERT_TRUE(driver.WaitIdle());
    bool reading = true;
    shelltest::OnWindowThread(hwnd, [&] { reading = page.IsReading(); });
    if (!reading) break;
    ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the home page's reading never came back";
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_TRUE(driver.WaitIdle());
}

void HomePageTest::OpenPage() {
  ui.Call([this] {
    page = std::make_unique<CHomePageWndEx>();
    hwnd = page->Create(nullptr, L"主页", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 0);
  });
  ASSERT_NE(hwnd, nullptr);
  WaitForHomeReading(driver, hwnd, *page);
}

void HomePageTest::ClickControl(HWND window, LPCTSTR name) {
  const POINT centre = shelltest::ControlCentre(window, name);
  driver.Click(centre.x, centre.y);
}

}  // namespace frametest
