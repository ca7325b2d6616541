// The result page's two tabs that ask the server on every show, in shows per second:
// the device-record tab fetching 10,000 records from the fake patrol server, keeping
// the day's 2,000 and listing its first page, beside the bare data-layer fetch of the
// same reply; and the results tab over a month of 50 plans with 6 slots each (9,300
// runs merged with a recorded visit per plan and day, first page listed), beside the
// bare data-layer fetch of the month's recorded runs. Each ratio is what the page adds
// to the fetch: filtering, merging, rates and the rows of one page. The server answers
// on a thread of its own, so the times are the wall clock's.
#include <benchmark/benchmark.h>

#include <json/json.h>

#include <cstdio>
#include <memory>
#include <mutex>
#include <string>

#include "app/records/CResultWndEx.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "platform/base/Clock.h"
#include "testing/driver/TestDriver.h"
#include "tests/data/CampusWorld.h"
#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

constexpr int kDeviceRecords = 10000;
constexpr int kDays = 5;  // the records spread over the five days up to the pinned one
constexpr int kReaders = 10;
constexpr int kCheckpoints = 100;
constexpr int kPlans = 50;
constexpr int kSlots = 6;
constexpr int kMonthDays = 31;
constexpr int kRouteCheckpoints = 8;
const char kMonthStart[] = "2024-01-01";
const char kMonthEnd[] = "2024-01-31";

template <class... Numbers>
std::string Printed(const char* format, Numbers... numbers) {
  char text[64];
  std::snprintf(text, sizeof text, format, numbers...);
  return text;
}

benchmark::Counter PerSecond(const benchmark::State& state) {
  return benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// The page with its manager in reach, so that the bench can set the date fields.
class BenchPage : public CResultWndEx {
 public:
  void SetFieldText(const wchar_t* name, const wchar_t* text) {
    if (SkinUI::CControlUI* control = m_pm.FindControl(name)) control->SetText(text);
  }
};

// The fake servers with the session pointed at them, the clock at 2024-01-15 10:00 and
// the program's skin beside the benchmark.
class Scene {
 public:
  Scene() {
    SYSTEMTIME now{};
    now.wYear = 2024;
    now.wMonth = 1;
    now.wDay = 15;
    now.wHour = 10;
    platform::PinWallClock(now);
    SkinUI::CWindowManagerUI::SetInstance(::GetModuleHandleW(nullptr));
    SkinUI::CWindowManagerUI::SetResourcePath(SkinUI::CWindowManagerUI::GetInstancePath() + L"skin");
  }
  ~Scene() {
    if (page_ && ::IsWindow(page_->GetHWND())) ::DestroyWindow(page_->GetHWND());
    page_.reset();
    platform::UnpinWallClock();
  }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  // Readers and checkpoints cached, so that every record is named; the records cycle
  // over the days, each day's a minute apart from midnight on.
  void SeedDeviceRecords() {
    for (int r = 0; r < kReaders; ++r) {
      InspectDeviceInfo reader;
      reader.iID = r + 1;
      reader.strCode = Printed("R%d", r);
      reader.strName = Printed("%d号巡更机", r);
      FingerprintInfo finger;
      finger.strCode = Printed("%010d", r);
      finger.strPeopleName = Printed("巡更员%d", r);
      reader.listFingerprint.push_back(finger);
      g_mapInspectDevice[reader.iID] = reader;
    }
    {
      std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
      for (int p = 0; p < kCheckpoints; ++p) {
        InspectPosDeviceInfo position;
        position.iID = p + 1;
        position.strCode = Printed("P%d", p);
        position.strName = Printed("巡更点%d", p);
        position.strAreaName = "一号楼";
        g_mapInspectPosDevice[position.iID] = position;
      }
    }
    for (int n = 0; n < kDeviceRecords; ++n) {
      const int minute = (n / kDays) % (24 * 60);
      Json::Value record;
      record["iID"] = n + 1;
      record["iType"] = n % 7;
      record["strDeviceCode"] = Printed("R%d", n % kReaders);
      record["strPeopleCode"] = Printed("%010d", n % kReaders);
      record["strInspectPositionDeviceCode"] = Printed("P%d", n % kCheckpoints);
      record["strTime"] = Printed("2401%02d%02d%02d00", 15 - n % kDays, minute / 60, minute % 60);
      record["strReserve"] = "--";
      world_.patrol.device_records().seed(record);
    }
  }

  // Plans of six one-hour slots every day of the year on a route of eight checkpoints,
  // and one passed visit in the first slot per plan and day of January.
  void SeedMonthOfPlans() {
    InspectRouteDeviceInfo checkpoint;
    for (int c = 0; c < kRouteCheckpoints; ++c) g_mapInspectRoute[1].mapArea[c].listDevice.push_back(checkpoint);
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    int visit = 0;
    for (int id = 1; id <= kPlans; ++id) {
      InspectPlanInfo plan;
      plan.iID = id;
      plan.iRouteID = 1;
      plan.iType = id % 7;
      plan.strName = Printed("巡查计划%02d", id);
      plan.strStartDate = "2024-01-01";
      plan.strEndDate = "2024-12-31";
      plan.strWeek = "1111111";
      for (int s = 0; s < kSlots; ++s) {
        PlanTimeSpan slot;
        slot.iStartHour = 8 + 2 * s;
        slot.iEndHour = 9 + 2 * s;
        slot.strStart = Printed("%02d:00", slot.iStartHour);
        slot.strEnd = Printed("%02d:00", slot.iEndHour);
        plan.listTime.push_back(slot);
      }
      plan.listPeople.push_back(PlanPeopleInfo{1, "张三"});
      plan.listPeople.push_back(PlanPeopleInfo{2, "李四"});
      g_mapInspectPlan[id] = plan;
      for (int day = 1; day <= kMonthDays; ++day) {
        Json::Value record;
        record["iID"] = ++visit;
        record["iType"] = 2;
        record["iPlanID"] = id;
        for (const char* key : {"iState", "iAbnormal", "iPositionID"}) record[key] = 0;
        record["iResult"] = 1;
        for (const char* key : {"strInspectPeopleID", "strPhoto", "strSound", "strReserve"}) record[key] = "";
        record["strDate"] = Printed("2024-01-%02d", day);
        record["strTime"] = "08:10";
        world_.plans.visits().seed(record);
      }
    }
  }

  BenchPage& Page() {
    if (!page_) {
      page_ = std::make_unique<BenchPage>();
      page_->Create(nullptr, L"结果查看", WS_POPUP, 0, 0, 0, 0, 0);
    }
    return *page_;
  }

 private:
  platform::headless::TestDriver driver_;
  CampusWorld world_;
  std::unique_ptr<BenchPage> page_;
};

void BM_DeviceRecordTab(benchmark::State& state) {
  Scene scene;
  scene.SeedDeviceRecords();
  BenchPage& page = scene.Page();
  page.LoadDeviceRecords(1);
  if (page.FilteredDeviceRecords().size() != kDeviceRecords / kDays) state.SkipWithError("the day's records were not kept");
  for (auto _ : state) page.LoadDeviceRecords(1);
  state.SetItemsProcessed(state.iterations() * kDeviceRecords);
  state.counters["shows"] = PerSecond(state);
}
BENCHMARK(BM_DeviceRecordTab)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DeviceRecordFetch(benchmark::State& state) {
  Scene scene;
  scene.SeedDeviceRecords();
  for (auto _ : state) {
    const std::list<DeviceRecordInfo> records = DAL_PatrolServer().DAL_DeviceRecord_Get();
    if (records.size() != kDeviceRecords) state.SkipWithError("the fetch lost records");
  }
  state.SetItemsProcessed(state.iterations() * kDeviceRecords);
  state.counters["fetches"] = PerSecond(state);
}
BENCHMARK(BM_DeviceRecordFetch)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ResultsTabMonth(benchmark::State& state) {
  Scene scene;
  scene.SeedMonthOfPlans();
  BenchPage& page = scene.Page();
  page.SetFieldText(L"dt_SResultdate", L"2024-01-01");
  page.SetFieldText(L"dt_EResultdate", L"2024-01-31");
  page.LoadInspectResults(1);
  if (page.ResultRows().size() != kPlans * kSlots * kMonthDays) state.SkipWithError("the month's runs were not listed");
  for (auto _ : state) page.LoadInspectResults(1);
  state.SetItemsProcessed(state.iterations() * kPlans * kSlots * kMonthDays);
  state.counters["shows"] = PerSecond(state);
}
BENCHMARK(BM_ResultsTabMonth)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RecordedRunsFetch(benchmark::State& state) {
  Scene scene;
  scene.SeedMonthOfPlans();
  for (auto _ : state) {
    const auto runs = DAL_PatrolServer().DAL_InspectRecord_GetByDate(kMonthStart, kMonthEnd);
    if (runs.size() != static_cast<size_t>(kPlans * kMonthDays)) state.SkipWithError("the fetch lost runs");
  }
  state.SetItemsProcessed(state.iterations() * kPlans * kMonthDays);
  state.counters["fetches"] = PerSecond(state);
}
BENCHMARK(BM_RecordedRunsFetch)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
