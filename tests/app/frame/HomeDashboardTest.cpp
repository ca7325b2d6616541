// The home page's figures and charts: the counts from the caches, the pass-rate buckets
// asked per plan of the chosen type, the two scripts the chart page runs, the ring, and
// what the tabs, the type combo and the two buttons do.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "CommonTools/Conversions.h"
#include "app/frame/home/DashboardChart.h"
#include "app/shell/BkWindow.h"
#include "data/StartupCaches.h"
#include "testing/user/UserInput.h"
#include "testing/web/ScriptedWebEngine.h"
#include "tests/app/frame/support/HomePageTest.h"
#include "ui/controls/CPieChartUI.h"
#include "ui/controls/CWkeWebkitUI.h"
#include "ui/core/control/CContainerUI.h"

namespace {

using frametest::HomePageTest;
using frametest::LocalTime;
using frametest::MakePlan;
using frametest::WaitForHomeReading;

// ---- Labels and scripts ------------------------------------------------------------------

struct LabelCase {
  const char* what;
  int range;
  SYSTEMTIME today;
  std::vector<std::wstring> labels;  // today's period first
};

void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.what; }

class ChartLabels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(ChartLabels, NameTheSevenPeriodsBackFromToday) {
  const LabelCase& c = GetParam();
  std::vector<std::wstring> labels;
  for (int back = 0; back < DashboardChart::PERIODS; ++back) labels.push_back(DashboardChart::Label(c.range, back, c.today));
  EXPECT_EQ(labels, c.labels);
}

const LabelCase kLabelCases[] = {
    {"days across the new year", 1, LocalTime(2027, 1, 3),
     {L"1-3", L"1-2", L"1-1", L"12-31", L"12-30", L"12-29", L"12-28"}},
    {"days across the end of February", 1, LocalTime(2028, 3, 2),
     {L"3-2", L"3-1", L"2-29", L"2-28", L"2-27", L"2-26", L"2-25"}},
    {"weeks", 2, LocalTime(2026, 12, 8), {L"本周", L"第2周", L"第3周", L"第4周", L"第5周", L"第6周", L"第7周"}},
    {"months from February", 3, LocalTime(2026, 2, 14), {L"2月", L"1月", L"12月", L"11月", L"10月", L"9月", L"8月"}},
    {"years", 4, LocalTime(2026, 12, 8), {L"2026", L"2025", L"2024", L"2023", L"2022", L"2021", L"2020"}},
};

INSTANTIATE_TEST_SUITE_P(Table, ChartLabels, ::testing::ValuesIn(kLabelCases));

std::wstring Pair(const std::wstring& label, int pass, int miss) {
  return L"{ name: '" + label + L"', value: " + std::to_wstring(pass) + L", group: '合格率' },{ name: '" + label +
         L"', value: " + std::to_wstring(miss) + L", group: '漏检率' }";
}

struct ScriptCase {
  const char* what;
  PassRateBuckets buckets;
  std::vector<std::pair<int, int>> rates;  // pass and miss, today's period first
};

void PrintTo(const ScriptCase& c, std::ostream* os) { *os << c.what; }

class ChartScript : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(ChartScript, ListsAPassAndAMissItemPerPeriod) {
  const ScriptCase& c = GetParam();
  const SYSTEMTIME today = LocalTime(2026, 12, 8);
  std::wstring items;
  for (int back = 0; back < 7; ++back) {
    if (back > 0) items += L",";
    items += Pair(DashboardChart::Label(DashboardChart::YEAR, back, today), c.rates[back].first, c.rates[back].second);
  }
  EXPECT_EQ(DashboardChart::DataScript(DashboardChart::YEAR, c.buckets, today), L"var data = [" + items + L"];");
}

PassRateBuckets Buckets(std::vector<std::pair<int, std::pair<int, int>>> filled) {
  PassRateBuckets buckets;
  for (int slot = 1; slot <= 7; ++slot) buckets[slot] = PassRateBucket();
  for (const auto& entry : filled) buckets[entry.first] = PassRateBucket{entry.second.first, entry.second.second, 0};
  return buckets;
}

const ScriptCase kScriptCases[] = {
    {"empty", Buckets({}), {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
    {"only the current period", Buckets({{7, {3, 1}}}), {{75, 25}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
    // The miss rate makes the two add up to 100: 2 of 3 passed is 66 and 34.
    {"mixed", Buckets({{7, {2, 1}}, {5, {1, 0}}, {1, {0, 4}}}),
     {{66, 34}, {0, 0}, {100, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 100}}},
    // Nothing passed: the miss rate is its own share, rounded down.
    {"no pass with misses", Buckets({{7, {0, 3}}}), {{0, 100}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}},
};

INSTANTIATE_TEST_SUITE_P(Table, ChartScript, ::testing::ValuesIn(kScriptCases));

TEST(ChartDrawScript, CallsDrawBarsOnTheMainElementInTheDarkTheme) {
  EXPECT_EQ(DashboardChart::DrawScript(), L"DrawBars(data, 'main', {xName:'时间', yName:'合格率'}, true,'dark');");
}

// ---- The page ----------------------------------------------------------------------------

class HomeDashboard : public HomePageTest {
 protected:
  HomeDashboard() : engine(test_support::ScriptedWebEngine::Install()) {}
  ~HomeDashboard() override {
    ForgetShade();
    test_support::ScriptedWebEngine::Uninstall();
  }

  // In the order of their targets: the plans are asked over several connections at once,
  // so the order they arrive in is the scheduler's.
  std::vector<std::string> PassRateRequests() {
    std::vector<std::string> targets;
    for (const auto& request : world.http().requests()) {
      if (request.path() == "/api/InspectRecord/GetPassRate") {
        targets.push_back(request.target.substr(request.target.find("/api/")));
      }
    }
    std::sort(targets.begin(), targets.end());
    return targets;
  }
  std::wstring Text(LPCTSTR name) {
    std::wstring text;
    OnPage([&] { text = shelltest::FindControl(hwnd, name)->GetText().GetData(); });
    return text;
  }
  // The ring's (late, missed, passed); all -1 when there is none.
  std::vector<int> Ring() {
    std::vector<int> ring{-1, -1, -1};
    OnPage([&] {
      auto* box = dynamic_cast<SkinUI::CContainerUI*>(shelltest::FindControl(hwnd, L"PiechartVL"));
      if (box->GetCount() == 0) return;
      auto* chart = dynamic_cast<SkinUI::CPieChartUI*>(box->GetItemAt(0));
      if (chart != nullptr) ring = {chart->GetLate(), chart->GetMissed(), chart->GetPassed()};
    });
    return ring;
  }
  // The scripts the chart page ran, the newest last.
  std::vector<std::string> Scripts() {
    driver.WaitIdle();
    return engine->LastView().scripts;
  }
  void MakeShade() {
    ui.Call([this] {
      shade = new BkWindow;
      shade->CreateHidden(hwnd);
      g_pBkWnd = shade;
    });
  }
  void ForgetShade() {
    if (shade == nullptr) return;
    const HWND window = shade->GetHWND();
    if (::IsWindow(window)) OnPage([window] { ::DestroyWindow(window); });
    g_pBkWnd = nullptr;
    delete shade;
    shade = nullptr;
  }
  HWND WaitForWindow(const wchar_t* className) {
    for (int i = 0; i < 2000; ++i) {
      driver.WaitIdle();
      if (HWND found = shelltest::FindWindowOfClass(className)) return found;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return nullptr;
  }

  std::shared_ptr<test_support::ScriptedWebEngine> engine;
  BkWindow* shade = nullptr;
};

TEST_F(HomeDashboard, CountsPeopleCheckpointsReadersAndEachTypesPlansStillToRun) {
  g_mapPeople[1] = PeopleInfo();
  g_mapPeople[2] = PeopleInfo();
  g_mapInspectDevice[1] = InspectDeviceInfo();
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    for (int id = 1; id <= 3; ++id) g_mapInspectPosDevice[id] = InspectPosDeviceInfo();
  }
  // Type 0: one not started, one running, one finished; type 6 one finished; type 9 none.
  const int states[][3] = {{1, 0, 1}, {2, 0, 2}, {3, 0, 3}, {4, 6, 3}, {5, 9, 1}, {6, 3, 2}};
  for (const auto& s : states) {
    InspectPlanInfo plan = MakePlan(s[0], s[1], "2020-01-01", "2020-01-02", "0000000");
    plan.iPlanState = s[2];
    AddPlan(plan);
  }
  OpenPage();
  const std::pair<const wchar_t*, const wchar_t*> expected[] = {
      {L"label_peopleNum", L"2"},   {L"label_positionNum", L"3"},  {L"label_DeviceNum", L"1"},
      {L"label_SafeNum", L"2/3"},   {L"label_DevicePlanNum", L"0/0"}, {L"label_fireNum", L"0/0"},
      {L"label_CanteenNum", L"1/1"}, {L"label_DormitoryNum", L"0/0"}, {L"label_healthNum", L"0/0"},
      {L"label_TestNum", L"0/1"},
  };
  for (const auto& row : expected) EXPECT_EQ(Text(row.first), row.second) << row.first;
}

TEST_F(HomeDashboard, AsksThePassRateOfEachPlanOfTheTypeAndSumsTheBuckets) {
  AddPlan(MakePlan(3, 0, "2026-01-01", "2026-12-31", "1111111"));
  AddPlan(MakePlan(4, 1, "2026-01-01", "2026-12-31", "1111111"));
  AddPlan(MakePlan(8, 0, "2026-01-01", "2026-12-31", "1111111"));
  ServePassRates({{7, 4, 3}, {5, 2, 0}});
  OpenPage();
  EXPECT_EQ(PassRateRequests(), (std::vector<std::string>{
                                    "/api/InspectRecord/GetPassRate?iPlanID=3&strDate=2026-12-08&iType=1",
                                    "/api/InspectRecord/GetPassRate?iPlanID=8&strDate=2026-12-08&iType=1"}));
  PassRateBuckets buckets;
  OnPage([&] { buckets = page->GetBuckets(); });
  EXPECT_EQ(buckets.size(), 7u);
  EXPECT_EQ(buckets[7].passed, 6);
  EXPECT_EQ(buckets[7].missed, 2);
  EXPECT_EQ(buckets[5].passed, 0);
  EXPECT_EQ(buckets[5].missed, 4);
  EXPECT_EQ(buckets[1].Total(), 0);
}

TEST_F(HomeDashboard, DrawsTheBarsThroughTheChartPageAndTheRingOfTheCurrentPeriod) {
  AddPlan(MakePlan(3, 0, "2026-01-01", "2026-12-31", "1111111"));
  ServePassRates({{7, 4, 3}});
  OpenPage();
  EXPECT_NE(engine->LastView().loads.empty() ? std::string() : engine->LastView().loads[0], std::string());
  EXPECT_NE(engine->BoundNames().count("MessageBox"), 0u);
  OnPage([&] { page->DrawCharts(1); });
  const std::vector<std::string> scripts = Scripts();
  ASSERT_GE(scripts.size(), 2u);
  PassRateBuckets buckets;
  OnPage([&] { buckets = page->GetBuckets(); });
  const std::wstring data = DashboardChart::DataScript(1, buckets, LocalTime(2026, 12, 8));
  EXPECT_EQ(scripts[scripts.size() - 2], SkinUI::CWkeWebkitUI::wide_to_utf8(data.c_str()));
  EXPECT_EQ(scripts.back(), SkinUI::CWkeWebkitUI::wide_to_utf8(DashboardChart::DrawScript().c_str()));
  EXPECT_EQ(Ring(), (std::vector<int>{0, 25, 75}));
}

TEST_F(HomeDashboard, AnEmptyCurrentPeriodDrawsNoRing) {
  AddPlan(MakePlan(3, 0, "2026-01-01", "2026-12-31", "1111111"));
  ServePassRates({{6, 4, 3}});
  OpenPage();
  OnPage([&] { page->DrawCharts(1); });
  EXPECT_EQ(Ring(), (std::vector<int>{-1, -1, -1}));
}

TEST_F(HomeDashboard, TheChartsAreDrawnASecondAfterThePageIsBuilt) {
  OpenPage();
  EXPECT_EQ(page->GetDrawChartsCount(), 0);
  driver.Advance(CHomePageWndEx::CHARTS_DELAY_MS);
  driver.WaitIdle();
  EXPECT_EQ(page->GetDrawChartsCount(), 1);
  driver.Advance(CHomePageWndEx::CHARTS_DELAY_MS);
  driver.WaitIdle();
  EXPECT_EQ(page->GetDrawChartsCount(), 1) << "once";
}

// The page's texts are copied whole, however long, into the plain system box.
TEST_F(HomeDashboard, ThePagesMessageBoxShowsCaptionAndTextWhole) {
  OpenPage();
  const std::string caption = u8"巡更统计图的说明标题，共有三十个字符：一二三四五六七八九十一";
  const std::string text = u8"本页面显示最近七个时间段的巡更合格率与漏检率统计结果甲乙丙丁";
  engine->CallFromPage(engine->LastView().id, "MessageBox",
                       {platform::web::ScriptValue::FromString(caption), platform::web::ScriptValue::FromString(text)});
  std::vector<platform::user::OpenMessageBox> boxes;
  for (int i = 0; i < 2000 && boxes.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    driver.WaitIdle();
    boxes = driver.MessageBoxes();
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(SkinUI::CWkeWebkitUI::wide_to_utf8(boxes[0].caption.c_str()), caption);
  EXPECT_EQ(SkinUI::CWkeWebkitUI::wide_to_utf8(boxes[0].text.c_str()), text);
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK));
  EXPECT_TRUE(driver.AnswerMessageBox(IDOK));
  driver.WaitIdle();
}

struct TabCase {
  const wchar_t* tab;
  int range;
  const wchar_t* histogram;
  const wchar_t* ring;
};

class RangeTabs : public HomeDashboard, public ::testing::WithParamInterface<TabCase> {};

TEST_P(RangeTabs, RenameTheChartsAndDrawTheRangeAgain) {
  const TabCase& c = GetParam();
  AddPlan(MakePlan(3, 0, "2026-01-01", "2026-12-31", "1111111"));
  ServePassRates({{7, 2, 1}});
  OpenPage();
  world.http().clear_requests();
  const size_t before = Scripts().size();
  ClickControl(hwnd, c.tab);
  WaitForHomeReading(driver, hwnd, *page);
  EXPECT_EQ(Text(L"Histogramlab"), c.histogram);
  EXPECT_EQ(Text(L"Piechartlab"), c.ring);
  EXPECT_EQ(page->GetRange(), c.range);
  EXPECT_EQ(PassRateRequests(),
            (std::vector<std::string>{"/api/InspectRecord/GetPassRate?iPlanID=3&strDate=2026-12-08&iType=" +
                                      std::to_string(c.range)}));
  EXPECT_EQ(Scripts().size(), before + 2);
}

const TabCase kTabCases[] = {
    {L"tabWeek", 2, L"周巡更统计图", L"本周平均巡更合格率"},
    {L"tabMonth", 3, L"月巡更统计图", L"本月平均巡更合格率"},
    {L"tabYear", 4, L"年巡更统计图", L"本年平均巡更合格率"},
};

INSTANTIATE_TEST_SUITE_P(Tabs, RangeTabs, ::testing::ValuesIn(kTabCases));

TEST_F(HomeDashboard, TheTodayTabComesBackToDays) {
  OpenPage();
  ClickControl(hwnd, L"tabYear");
  ClickControl(hwnd, L"tabToday");
  driver.WaitIdle();
  EXPECT_EQ(Text(L"Histogramlab"), L"天巡更统计图");
  EXPECT_EQ(Text(L"Piechartlab"), L"当天平均巡更合格率");
  EXPECT_EQ(page->GetRange(), 1);
}

TEST_F(HomeDashboard, ChoosingATypeAsksItsPlansInTheCurrentRange) {
  AddPlan(MakePlan(3, 0, "2026-01-01", "2026-12-31", "1111111"));
  AddPlan(MakePlan(5, 2, "2026-01-01", "2026-12-31", "1111111"));
  ServePassRates({{7, 2, 1}});
  OpenPage();
  ClickControl(hwnd, L"tabMonth");
  WaitForHomeReading(driver, hwnd, *page);
  world.http().clear_requests();
  userinput::UserInput(driver).PickCombo(hwnd, L"Comb_Type", L"消防");
  WaitForHomeReading(driver, hwnd, *page);
  EXPECT_EQ(PassRateRequests(),
            (std::vector<std::string>{"/api/InspectRecord/GetPassRate?iPlanID=5&strDate=2026-12-08&iType=3"}));
}

TEST_F(HomeDashboard, ASlotsButtonOpensItsPlanRunBehindTheBusyWindow) {
  AddPlan(MakePlan(12, 0, "2026-12-01", "2026-12-31", "1111111", "08:00-09:00"));
  ServeRunRecords({1});
  OpenPage();
  ClickControl(hwnd, L"LookPlan_btn");
  // The view is made first, then the busy window reads the run; the view shows once it closed.
  HWND view = nullptr;
  for (int i = 0; i < 2000 && (view == nullptr || !::IsWindowVisible(view)); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    driver.WaitIdle();
    view = shelltest::FindWindowOfClass(L"LookPlanWnd");
  }
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(shelltest::FindWindowOfClass(L"LoadingGifWnd"), nullptr) << "the busy window closed when the run was read";
  wchar_t title[64] = {0};
  ::GetWindowTextW(view, title, 64);
  EXPECT_STREQ(title, L"查看巡更计划");
  EXPECT_FALSE(::IsWindowEnabled(hwnd)) << "the view runs modally over the page";
  std::wstring shown;
  OnPage([&] { shown = shelltest::FindControl(view, L"lab_title")->GetText().GetData(); });
  EXPECT_EQ(shown, L"计划12") << "the view shows the slot's plan";
  ClickControl(view, L"btn_close");
  driver.WaitIdle();
  EXPECT_EQ(shelltest::FindWindowOfClass(L"LookPlanWnd"), nullptr);
  EXPECT_TRUE(::IsWindowEnabled(hwnd));
}

TEST_F(HomeDashboard, TheDownloadOpensOverTheShadeAndHidesItAfter) {
  OpenPage();
  MakeShade();
  ClickControl(hwnd, L"DownLoadBtn");
  const HWND window = WaitForWindow(L"DownWindow");
  ASSERT_NE(window, nullptr);
  wchar_t title[64] = {0};
  ::GetWindowTextW(window, title, 64);
  EXPECT_STREQ(title, L"下载报告");
  EXPECT_TRUE(::IsWindowVisible(shade->GetHWND()));
  EXPECT_EQ(::GetWindow(window, GW_OWNER), shade->GetHWND());
  ClickControl(window, L"btn_close");
  driver.WaitIdle();
  EXPECT_FALSE(::IsWindowVisible(shade->GetHWND()));
}

}  // namespace
