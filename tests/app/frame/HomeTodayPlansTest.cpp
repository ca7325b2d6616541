// The home page's tree of today's plans: which plans run today, the state each slot shows
// at a pinned time, what the records of a slot make of it, and the count of plans done.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "app/frame/home/TodayPlanReader.h"
#include "app/frame/home/TodayPlanTree.h"
#include "data/ConcurrentCalls.h"
#include "testing/services/GbkWire.h"
#include "testing/services/QueryValues.h"
#include "tests/app/frame/support/HomePageTest.h"
#include "ui/controls/CButtonUI.h"
#include "ui/controls/CLabelUI.h"
#include "ui/controls/CTreeNodeUI.h"
#include "ui/controls/CTreeViewUI.h"

namespace {

using frametest::HomePageTest;
using frametest::LocalTime;
using frametest::MakePlan;
using frametest::WaitForHomeReading;

const DWORD kMuted = 0xFFA9B2B8;
const DWORD kAccent = 0xFFD7F334;
const DWORD kWhite = 0xFFFFFFFF;
const DWORD kAlarmSoft = 0xFFCA493C;

// ---- Which plans run today -------------------------------------------------------------

struct RunsCase {
  const char* what;
  SYSTEMTIME today;
  const char* start;
  const char* end;
  const char* week;
  bool runs;
};

void PrintTo(const RunsCase& c, std::ostream* os) { *os << c.what; }

class PlanRunsToday : public ::testing::TestWithParam<RunsCase> {};

TEST_P(PlanRunsToday, ByItsDatesAndWeekdays) {
  const RunsCase& c = GetParam();
  EXPECT_EQ(TodayPlanReader::RunsOn(MakePlan(1, 0, c.start, c.end, c.week), c.today), c.runs);
}

// 2026-12-08 is a Tuesday, 2026-12-13 a Sunday.
const RunsCase kRunsCases[] = {
    {"a weekday of the mask", LocalTime(2026, 12, 8), "2026-12-01", "2026-12-31", "0100000", true},
    {"a weekday not in the mask", LocalTime(2026, 12, 8), "2026-12-01", "2026-12-31", "1011111", false},
    {"Sunday reads the seventh character", LocalTime(2026, 12, 13), "2026-12-01", "2026-12-31", "0000001", true},
    {"Sunday without the seventh", LocalTime(2026, 12, 13), "2026-12-01", "2026-12-31", "1111110", false},
    {"the start day", LocalTime(2026, 12, 8), "2026-12-08", "2026-12-31", "1111111", true},
    {"the end day", LocalTime(2026, 12, 8), "2026-11-01", "2026-12-08", "1111111", true},
    {"the day before the start", LocalTime(2026, 12, 8), "2026-12-09", "2026-12-31", "1111111", false},
    {"the day after the end", LocalTime(2026, 12, 8), "2026-11-01", "2026-12-07", "1111111", false},
    {"across the new year", LocalTime(2027, 1, 1), "2026-12-20", "2027-01-10", "1111111", true},
    {"no start date", LocalTime(2026, 12, 8), "", "2026-12-31", "1111111", false},
    {"a short week text", LocalTime(2026, 12, 13), "2026-12-01", "2026-12-31", "111", false},
};

INSTANTIATE_TEST_SUITE_P(Table, PlanRunsToday, ::testing::ValuesIn(kRunsCases));

// ---- The tree on the page ----------------------------------------------------------------

// What one slot's row shows.
struct SlotRow {
  std::wstring status;
  DWORD statusColour = 0;
  int statusLeft = 0;
  std::wstring warning;
  DWORD warningColour = 0;
  int warningLeft = 0;
  int warningTextLeft = 0;
  std::wstring warningImage;
  std::wstring nodeImage;
  DWORD itemColour = 0;
  std::wstring userData;
};

class HomeTodayPlans : public HomePageTest {
 protected:
  SkinUI::CTreeViewUI* Tree() {
    return dynamic_cast<SkinUI::CTreeViewUI*>(shelltest::FindControl(hwnd, L"TodayPlantreelist"));
  }
  // The plans' names in tree order.
  std::vector<std::wstring> PlanNames() {
    std::vector<std::wstring> names;
    OnPage([&] {
      SkinUI::CTreeViewUI* tree = Tree();
      for (int i = 0; i < tree->GetCount(); ++i) {
        auto* node = dynamic_cast<SkinUI::CTreeNodeUI*>(tree->GetItemAt(i));
        if (node != nullptr && node->GetParentNode() == nullptr) names.push_back(node->GetItemText().GetData());
      }
    });
    return names;
  }
  SlotRow Row(int plan, int slot) {
    SlotRow row;
    OnPage([&] {
      SkinUI::CTreeViewUI* tree = Tree();
      std::vector<SkinUI::CTreeNodeUI*> folders;
      for (int i = 0; i < tree->GetCount(); ++i) {
        auto* node = dynamic_cast<SkinUI::CTreeNodeUI*>(tree->GetItemAt(i));
        if (node != nullptr && node->GetParentNode() == nullptr) folders.push_back(node);
      }
      ASSERT_LT(plan, static_cast<int>(folders.size()));
      SkinUI::CTreeNodeUI* node = folders[plan]->GetChildNode(slot);
      ASSERT_NE(node, nullptr);
      // The row's parts, then the warning, the status and the button.
      auto* warning = dynamic_cast<SkinUI::CLabelUI*>(node->GetItemAt(1));
      auto* status = dynamic_cast<SkinUI::CLabelUI*>(node->GetItemAt(2));
      auto* button = dynamic_cast<SkinUI::CButtonUI*>(node->GetItemAt(3));
      ASSERT_TRUE(warning != nullptr && status != nullptr && button != nullptr);
      row.status = status->GetText().GetData();
      row.statusColour = status->GetTextColor();
      row.statusLeft = status->GetFixedXY().cx;
      row.warning = warning->GetText().GetData();
      row.warningColour = warning->GetTextColor();
      row.warningLeft = warning->GetFixedXY().cx;
      row.warningTextLeft = warning->GetTextPadding().left;
      row.warningImage = shelltest::ImagesOf::Background(warning);
      row.nodeImage = shelltest::ImagesOf::Background(node);
      row.itemColour = node->GetItemTextColor();
      row.userData = button->GetUserData().GetData();
    });
    return row;
  }
  std::wstring TodayPlanNum() {
    std::wstring text;
    OnPage([&] { text = shelltest::FindControl(hwnd, L"label_TodayPlanNum")->GetText().GetData(); });
    return text;
  }
};

TEST_F(HomeTodayPlans, ListsThePlansThatRunTodayInCacheOrder) {
  AddPlan(MakePlan(3, 0, "2026-12-01", "2026-12-31", "1111111", "08:00-09:00"));
  AddPlan(MakePlan(5, 1, "2026-12-09", "2026-12-31", "1111111", "08:00-09:00"));
  AddPlan(MakePlan(7, 2, "2026-12-01", "2026-12-08", "0100000", "10:00-11:00"));
  AddPlan(MakePlan(9, 6, "2026-12-01", "2026-12-31", "1011111", "10:00-11:00"));
  OpenPage();
  EXPECT_EQ(PlanNames(), (std::vector<std::wstring>{L"计划3", L"计划7"}));
}

struct PhaseCase {
  const char* what;
  int hour;
  int minute;
  const wchar_t* status;
  DWORD colour;
  const wchar_t* image;  // part of the node's picture
};

void PrintTo(const PhaseCase& c, std::ostream* os) { *os << c.what; }

class SlotPhases : public HomeTodayPlans, public ::testing::WithParamInterface<PhaseCase> {};

// Every record passed, so no warning in any phase.
TEST_P(SlotPhases, ShowTheStateAtThePinnedMinute) {
  const PhaseCase& c = GetParam();
  PinClock(LocalTime(2026, 12, 8, c.hour, c.minute));
  AddPlan(MakePlan(12, 0, "2026-12-01", "2026-12-31", "1111111", "08:00-09:00"));
  ServeRunRecords({1, 1});
  OpenPage();
  const SlotRow row = Row(0, 0);
  EXPECT_EQ(row.status, c.status);
  EXPECT_EQ(row.statusColour, c.colour);
  EXPECT_EQ(row.itemColour, c.colour);
  EXPECT_NE(row.nodeImage.find(c.image), std::wstring::npos) << row.nodeImage;
  EXPECT_EQ(row.warning, L"");
  EXPECT_EQ(row.userData, L"12&2026-12-08/08:00-09:00");
}

const PhaseCase kPhaseCases[] = {
    {"before the start", 7, 59, L"未开始", kMuted, L"未开始时间点.png"},
    // The slot's first minute counts as under way, not as finished.
    {"at the start", 8, 0, L"完成100%", kAccent, L"进行中时间点.png"},
    {"inside", 8, 30, L"完成100%", kAccent, L"进行中时间点.png"},
    {"at the end", 9, 0, L"已完成", kWhite, L"已结束时间点.png"},
    {"after", 9, 30, L"已完成", kWhite, L"已结束时间点.png"},
};

INSTANTIATE_TEST_SUITE_P(Table, SlotPhases, ::testing::ValuesIn(kPhaseCases));

TEST_F(HomeTodayPlans, AnUnderWaySlotShowsTheShareOfRecordsPassed) {
  AddPlan(MakePlan(12, 0, "2026-12-01", "2026-12-31", "1111111", "08:00-09:00"));
  ServeRunRecords({1, 1, 0, 1});
  OpenPage();
  EXPECT_EQ(Row(0, 0).status, L"完成75%");
  EXPECT_EQ(Row(0, 0).warning, L"");
  bool asked = false;
  for (const auto& request : world.http().requests()) {
    auto query = test_support::query_values(request.target);
    asked = asked || (request.path() == "/api/InspectRecord/GetByIDAndTime" && query["ID"] == "12" &&
                      query["strTime"] == "2026-12-08/08:00-09:00" && query["Type"] == "1");
  }
  EXPECT_TRUE(asked);
}

TEST_F(HomeTodayPlans, AnAnomalyIsWarnedBesideTheStatus) {
  AddPlan(MakePlan(12, 0, "2026-12-01", "2026-12-31", "1111111", "08:00-09:00"));
  ServeRunRecords({1, 0}, {0, 1});
  OpenPage();
  const SlotRow row = Row(0, 0);
  EXPECT_EQ(row.status, L"完成50%");
  EXPECT_EQ(row.warning, L"(发现异常)");
  EXPECT_EQ(row.statusLeft, 130);
  EXPECT_EQ(row.warningLeft, 200);
  EXPECT_EQ(row.warningTextLeft, 18);
  EXPECT_NE(row.warningImage.find(L"有故障.png"), std::wstring::npos);
}

TEST_F(HomeTodayPlans, AFinishedSlotWithAMissedRecordIsWarned) {
  PinClock(LocalTime(2026, 12, 8, 10, 0));
  AddPlan(MakePlan(12, 0, "2026-12-01", "2026-12-31", "1111111", "08:00-09:00"));
  ServeRunRecords({1, 0, 1});
  OpenPage();
  const SlotRow row = Row(0, 0);
  EXPECT_EQ(row.status, L"已完成");
  EXPECT_EQ(row.warning, L"(漏检)");
  EXPECT_EQ(row.warningColour, kAlarmSoft);
}

TEST_F(HomeTodayPlans, AFailingServerShowsNoneDoneAndNoWarning) {
  world.session().m_strServerAddr = RefusingBaseUrl();
  AddPlan(MakePlan(12, 0, "2026-12-01", "2026-12-31", "1111111", "08:00-09:00&06:00-07:00"));
  OpenPage();
  EXPECT_EQ(Row(0, 0).status, L"完成0%");
  EXPECT_EQ(Row(0, 0).warning, L"");
  EXPECT_EQ(Row(0, 1).status, L"已完成");
  EXPECT_EQ(Row(0, 1).warning, L"");
}

// Done: every slot has ended, or the plan has none.
TEST_F(HomeTodayPlans, CountsThePlansDoneAgainstTodaysPlans) {
  AddPlan(MakePlan(1, 0, "2026-12-01", "2026-12-31", "1111111", "06:00-07:00"));
  AddPlan(MakePlan(2, 1, "2026-12-01", "2026-12-31", "1111111", "06:00-07:00&08:00-09:00"));
  AddPlan(MakePlan(3, 2, "2026-12-01", "2026-12-31", "1111111", ""));
  AddPlan(MakePlan(4, 3, "2026-12-01", "2026-12-31", "1111111", "10:00-11:00"));
  AddPlan(MakePlan(5, 4, "2027-01-01", "2027-12-31", "1111111", "06:00-07:00"));
  ServeRunRecords({1});
  OpenPage();
  EXPECT_EQ(TodayPlanNum(), L"2/4");
}

// ---- Reading while the page answers ------------------------------------------------------

// The server holds every slot's records until the test lets them go.
class HeldRunRecords {
 public:
  explicit HeldRunRecords(CampusWorld& world) {
    world.http().route("GET", "/api/InspectRecord/GetByIDAndTime", [this](const test_support::RecordedRequest&) {
      std::unique_lock<std::mutex> lock(mutex_);
      ++asked_;
      changed_.notify_all();
      changed_.wait(lock, [this] { return released_; });
      return test_support::wire_json_reply(Json::Value(Json::arrayValue));
    });
  }
  ~HeldRunRecords() { Release(); }
  // False when nobody asked within the bound.
  bool WaitAsked() {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(30), [this] { return asked_ > 0; });
  }
  void Release() {
    std::lock_guard<std::mutex> lock(mutex_);
    released_ = true;
    changed_.notify_all();
  }
  int Asked() {
    std::lock_guard<std::mutex> lock(mutex_);
    return asked_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  int asked_ = 0;
  bool released_ = false;
};

TEST_F(HomeTodayPlans, ThePageAnswersWhileTodaysPlansAreOnTheirWayAndFillsWhenTheyCome) {
  AddPlan(MakePlan(12, 0, "2026-12-01", "2026-12-31", "1111111", "08:00-09:00"));
  HeldRunRecords held(world);
  ui.Call([this] {
    page = std::make_unique<CHomePageWndEx>();
    hwnd = page->Create(nullptr, L"主页", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 0);
  });
  ASSERT_NE(hwnd, nullptr);
  ASSERT_TRUE(held.WaitAsked());
  ASSERT_TRUE(driver.WaitIdle()) << "the UI thread waits on no request";
  EXPECT_TRUE(page->IsReading());
  EXPECT_EQ(PlanNames(), std::vector<std::wstring>{});
  ClickControl(hwnd, L"tabWeek");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(page->GetRange(), 2) << "a click is served meanwhile";

  held.Release();
  WaitForHomeReading(driver, hwnd, *page);
  EXPECT_EQ(PlanNames(), std::vector<std::wstring>{L"计划12"});
  EXPECT_EQ(Row(0, 0).status, L"完成0%");
  EXPECT_EQ(page->GetLoadCount(), 1);
}

// Many more plans than one step of the tree takes and than fit a few views: the tree holds
// the rows near the view, its scroll bar spans the whole day, and scrolling down brings
// every plan, in order, down to the last.
TEST_F(HomeTodayPlans, AFullDayIsBuiltInStepsAsTheTreeIsScrolledDownToTheLastPlan) {
  const int plans = CHomePageWndEx::TREE_PLANS_PER_STEP * 6 + 5;
  std::vector<std::wstring> expected;
  for (int id = 1; id <= plans; ++id) {
    AddPlan(MakePlan(id, 0, "2026-12-01", "2026-12-31", "1111111", "10:00-11:00"));
    expected.push_back(L"计划" + std::to_wstring(id));
  }
  OpenPage();
  EXPECT_EQ(TodayPlanNum(), L"0/" + std::to_wstring(plans));
  const std::size_t first = PlanNames().size();
  EXPECT_GE(first, static_cast<std::size_t>(CHomePageWndEx::TREE_PLANS_PER_STEP));
  EXPECT_LT(first, static_cast<std::size_t>(plans)) << "only the rows near the view are built";
  int spanned = 0;
  OnPage([&] {
    const RECT view = Tree()->GetPos();
    spanned = Tree()->GetScrollRange().cy + (view.bottom - view.top);
  });
  // A plan row and its one slot row each.
  EXPECT_GE(spanned, plans * 2 * TodayPlanTree::ROW_HEIGHT) << "the scroll bar spans the whole day";

  const POINT centre = shelltest::ControlCentre(hwnd, L"TodayPlantreelist");
  driver.MoveMouse(centre.x, centre.y);
  for (int notch = 0; notch < 2000 && PlanNames().size() < expected.size(); ++notch) {
    driver.Wheel(-WHEEL_DELTA);
    WaitForHomeReading(driver, hwnd, *page);
  }
  EXPECT_EQ(PlanNames(), expected);
}

// Twenty slots under way; the page's window goes while the first requests wait on the
// server. No slot is asked for after that, and the page's end waits only for those.
TEST_F(HomeTodayPlans, APageClosedWhileReadingAsksNothingMore) {
  for (int id = 1; id <= 20; ++id) AddPlan(MakePlan(id, 0, "2026-12-01", "2026-12-31", "1111111", "08:00-09:00"));
  HeldRunRecords held(world);
  ui.Call([this] {
    page = std::make_unique<CHomePageWndEx>();
    hwnd = page->Create(nullptr, L"主页", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 0);
  });
  ASSERT_TRUE(held.WaitAsked());
  ui.Call([this] { ::DestroyWindow(hwnd); });
  hwnd = nullptr;
  held.Release();
  std::promise<void> gone;
  ui.Post([this, &gone] {
    page.reset();
    gone.set_value();
  });
  ASSERT_EQ(gone.get_future().wait_for(std::chrono::seconds(30)), std::future_status::ready);
  EXPECT_LE(held.Asked(), static_cast<int>(dal::kConnections)) << "only the requests under way were answered";
  ASSERT_TRUE(driver.WaitIdle());
}

}  // namespace
