// The plan dialog driven by real clicks, keys and typed text: a new plan added and a loaded
// one saved again through the dialog (the type and route chosen in their drop-downs, the
// dates typed into the date pickers, the times picked in the time picker), time-slot rows
// and their container's height, the people tiles and their filter, the weekday shortcuts
// and remark counter of a loaded plan, the counter typed into, and text the wire's code
// page cannot hold refused, with the people, routes and plans on the fake patrol server.
#include <gtest/gtest.h>

#include <json/json.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "app/management/CAddPlanWnd.h"
#include "app/management/PlanSaver.h"
#include "platform/base/Clock.h"
#include "platform/base/CodePage.h"
#include "testing/base/PinnedWallClock.h"
#include "tests/app/management/support/WaysOut.h"
#include "testing/user/UserInput.h"
#include "tests/app/shell/support/ShellWindowTest.h"
#include "tests/data/CampusWorld.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/controls/CComboUI.h"
#include "data/StartupCaches.h"
#include "ui/core/control/CContainerUI.h"

namespace {

using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::OnWindowThread;
using Strings = std::vector<std::wstring>;

// Today is pinned, so that the dates typed lie ahead of it whenever the test runs.
struct PinnedToday : test_support::PinnedWallClock {
  PinnedToday() : PinnedWallClock(test_support::LocalTime(2026, 12, 10, 10)) {}
};

class AddPlanDialog : public shelltest::ShellWindowTest {
 protected:
  AddPlanDialog() {
    // Group masks as "%07d": 1000000 is type 0 only, 100 type 4 only, 1100000 types 0 and 1.
    SeedPerson(12, u8"张三", 1000000);
    SeedPerson(15, u8"李四", 100);
    SeedPerson(3, u8"王五", 1100000);
    // Two routes of type 2 (消防) and one of type 0 (安防).
    AddRoute(4, "东线", 0);
    AddRoute(7, "夜巡", 2);
    AddRoute(8, "西线", 2);
  }
  ~AddPlanDialog() override {
    if (hwnd != nullptr && ::IsWindow(hwnd)) {
      ClickControl(hwnd, L"btn_close");
      driver.WaitIdle();
    }
  }
  void SeedPerson(int id, const char* utf8Name, int group) {
    Json::Value person;
    person["iID"] = id;
    person["strName"] = utf8Name;
    person["iGroup"] = group;
    world.patrol.people().seed(person);
  }
  void AddRoute(int id, const std::string& name, int type) {
    InspectRouteInfo route;
    route.iID = id;
    route.strName = name;
    route.iType = type;
    g_mapInspectRoute[id] = route;
  }
  // Plan 9 "north", running since 2026-12-01 until 2027-01-31 on working days from 08:00
  // to 10:00 with 李四 on route 西线, in the cache and on the server.
  InspectPlanInfo RunningPlan() {
    InspectPlanInfo plan;
    plan.iID = 9;
    plan.strName = "north";
    plan.iType = 2;
    plan.iRouteID = 8;
    plan.strRouteName = "西线";
    plan.iPlanState = 2;
    plan.strStartDate = "2026-12-01";
    plan.strEndDate = "2027-01-31";
    plan.strWeek = "1111100";
    plan.strTime = "08:00-10:00";
    plan.listTime = {PlanSaver::ReadSpan("08:00", "10:00")};
    plan.listPeople = {{15, "李四"}};
    plan.strRemark = "巡查东门";
    Json::Value record;
    record["ID"] = plan.iID;
    record["strName"] = plan.strName;
    world.plans.plans().seed(record);
    g_mapInspectPlan[plan.iID] = plan;
    return plan;
  }
  // Ticks the people tile that shows the name.
  void TickPerson(const std::wstring& name) {
    POINT centre{-1, -1};
    OnWindowThread(hwnd, [&] {
      auto* people = static_cast<SkinUI::CContainerUI*>(FindControl(hwnd, L"TileLayout_People"));
      for (int i = 0; i < people->GetCount(); ++i) {
        SkinUI::CControlUI* box = people->GetItemAt(i);
        if (box->GetText() != name.c_str()) continue;
        const RECT rc = box->GetPos();
        centre = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        ::ClientToScreen(hwnd, &centre);
      }
    });
    ASSERT_NE(centre.x, -1) << "no tile for that person";
    driver.Click(centre.x, centre.y);
    ASSERT_TRUE(driver.WaitIdle());
  }
  // The rows the route combo offers.
  Strings Routes() {
    Strings rows;
    OnWindowThread(hwnd, [&] {
      auto* routes = static_cast<SkinUI::CComboUI*>(FindControl(hwnd, L"Comb_route")->GetInterface(L"Combo"));
      for (int i = 0; i < routes->GetCount(); ++i) rows.push_back(routes->GetItemAt(i)->GetText().GetData());
    });
    return rows;
  }
  std::wstring Shown(LPCTSTR name) {
    std::wstring text = L"<none>";
    OnWindowThread(hwnd, [&] {
      if (SkinUI::CControlUI* control = FindControl(hwnd, name)) text = control->GetText().GetData();
    });
    return text;
  }
  // Everything a valid new plan needs, typed and clicked: type 消防, route 西线, the
  // dates, Monday to Saturday, one slot 07:30-09:00, 王五 and 张三.
  void FillNewPlan(const std::wstring& name, const std::wstring& remark) {
    input.PickCombo(hwnd, L"Comb_PlanType", L"消防");
    input.PickCombo(hwnd, L"Comb_route", L"西线");
    input.Type(hwnd, L"Edit_PlanName", name);
    input.PickDate(hwnd, L"dt_Startdate", 2026, 12, 11, hwnd, L"lb_remark_count");
    input.PickDate(hwnd, L"dt_Enddate", 2027, 1, 31, hwnd, L"lb_remark_count");
    input.Click(hwnd, L"WorkingDayck");
    input.Click(hwnd, L"Week6");
    input.Click(hwnd, L"btnAddTime");
    input.PickTime(hwnd, L"btnSetStartTime1", 7, 30);
    input.PickTime(hwnd, L"btnSetEndTime1", 9, 0);
    TickPerson(L"王五");
    TickPerson(L"张三");
    input.Type(hwnd, L"Edit_remark", remark);
  }

  void Open(int mode, const InspectPlanInfo* plan = nullptr) {
    result = -1;
    window = std::make_unique<CAddPlanWnd>(mode);
    ui.Post([this, plan] {
      window->CreateWithStyle(frame, L"添加巡更计划", 0, 0);
      if (plan != nullptr) window->LoadPlan(*plan);
      window->CenterWindow();
      result = static_cast<int>(window->ShowModal());
    });
    ASSERT_TRUE(driver.WaitIdle());
    hwnd = window->GetHWND();
    ASSERT_NE(hwnd, nullptr);
  }
  int Rows() {
    int rows = 0;
    OnWindowThread(hwnd, [&] { rows = static_cast<SkinUI::CContainerUI*>(FindControl(hwnd, L"TimeVtc"))->GetCount(); });
    return rows;
  }
  int SlotHeight() {
    int height = 0;
    OnWindowThread(hwnd, [&] { height = FindControl(hwnd, L"TimeVtc")->GetFixedHeight(); });
    return height;
  }
  // The names on the people tiles, with "+" for a ticked one.
  std::vector<std::wstring> Tiles() {
    std::vector<std::wstring> tiles;
    OnWindowThread(hwnd, [&] {
      auto* people = static_cast<SkinUI::CContainerUI*>(FindControl(hwnd, L"TileLayout_People"));
      for (int i = 0; i < people->GetCount(); ++i) {
        auto* box = static_cast<SkinUI::CCheckBoxUI*>(people->GetItemAt(i));
        tiles.push_back(std::wstring(box->GetText().GetData()) + (box->IsSelected() ? L"+" : L""));
      }
    });
    return tiles;
  }
  std::wstring Counter() {
    std::wstring text;
    OnWindowThread(hwnd, [&] { text = FindControl(hwnd, L"lb_remark_count")->GetText().GetData(); });
    return text;
  }
  bool Ticked(LPCTSTR name) {
    bool ticked = false;
    OnWindowThread(hwnd, [&] { ticked = static_cast<SkinUI::CCheckBoxUI*>(FindControl(hwnd, name))->IsSelected(); });
    return ticked;
  }
  // The text of the open message box, after which it is closed with "确定".
  std::wstring TakeMessage() {
    const HWND box = FindWindowOfClass(L"MessagWnd");
    if (box == nullptr) return L"";
    std::wstring text;
    OnWindowThread(box, [&] { text = FindControl(box, L"VContext")->GetText().GetData(); });
    ClickControl(box, L"yes");
    driver.WaitIdle();
    return text;
  }

  PinnedToday today;
  CampusWorld world;
  userinput::UserInput input{driver};
  std::unique_ptr<CAddPlanWnd> window;
  HWND hwnd = nullptr;
  std::atomic<int> result{-1};
};

TEST_F(AddPlanDialog, AddsRowsUpToSixAndDeletesTheLastDownToOne) {
  Open(1);
  const int heights[] = {40, 80, 120, 120, 120, 120};
  for (int rows = 1; rows <= 6; ++rows) {
    ClickControl(hwnd, L"btnAddTime");
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(SlotHeight(), heights[rows - 1]);
    EXPECT_EQ(TakeMessage(), L"");
  }
  ClickControl(hwnd, L"btnAddTime");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(TakeMessage(), L"最多支持6个时间段!");
  EXPECT_EQ(Rows(), 6);
  OnWindowThread(hwnd, [&] { EXPECT_NE(FindControl(hwnd, L"btnSetEndTime6"), nullptr); });

  for (int rows = 5; rows >= 1; --rows) {
    ClickControl(hwnd, L"btndeleteTime");
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(SlotHeight(), 40 * std::min(rows, 3));
  }
  OnWindowThread(hwnd, [&] { EXPECT_EQ(shelltest::ControlIfAny(hwnd, L"btnSetStartTime2"), nullptr) << "the last row went"; });
  ClickControl(hwnd, L"btndeleteTime");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(TakeMessage(), L"时间段的数量大于1!");
  EXPECT_EQ(Rows(), 1);
}

TEST_F(AddPlanDialog, FiltersPeopleByTypePositionAndLosesTicks) {
  Open(1);
  EXPECT_EQ(Tiles(), (std::vector<std::wstring>{L"王五", L"张三", L"李四"}));
  ClickControl(hwnd, L"SelectAll");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(Tiles(), (std::vector<std::wstring>{L"王五+", L"张三+", L"李四+"}));
  // Row k of the filter is position k: 全部, then the seven types.
  const struct {
    std::wstring row;
    std::vector<std::wstring> tiles;
  } filters[] = {
      {L"安防", {L"王五", L"张三"}}, {L"设备", {L"王五"}}, {L"宿舍检查", {L"李四"}}, {L"教学", {}},
      {L"全部", {L"王五", L"张三", L"李四"}},
  };
  for (const auto& filter : filters) {
    input.PickCombo(hwnd, L"Comb_People", filter.row);
    EXPECT_EQ(Tiles(), filter.tiles) << platform::codepage::WideToUtf8(filter.row);
  }
}

TEST_F(AddPlanDialog, SaysEmptyNameFirstAndStaysOpen) {
  Open(1);
  ClickControl(hwnd, L"btn_Ok");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(TakeMessage(), L"计划名称不能为空!");
  EXPECT_TRUE(::IsWindow(hwnd));
  EXPECT_EQ(result.load(), -1);
}

TEST_F(AddPlanDialog, LoadedWeekdayMasksTickTheirShortcuts) {
  const struct {
    const char* mask;
    bool workingDays, everyDay;
  } cases[] = {{"1111100", true, false}, {"1111111", false, true}, {"1010100", false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mask);
    InspectPlanInfo plan;
    plan.iID = 9;
    plan.strName = "north";
    plan.iPlanState = 2;
    plan.strWeek = c.mask;
    plan.strStartDate = "2022-07-01";
    plan.strEndDate = "2022-07-31";
    plan.listPeople = {{15, "li"}};
    Open(2, &plan);
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(Ticked((L"Week" + std::to_wstring(i)).c_str()), c.mask[i - 1] == '1');
    EXPECT_EQ(Ticked(L"WorkingDayck"), c.workingDays);
    EXPECT_EQ(Ticked(L"SelectAllDate"), c.everyDay);
    EXPECT_EQ(Tiles(), (std::vector<std::wstring>{L"王五", L"张三", L"李四+"}));
    OnWindowThread(hwnd, [&] {
      EXPECT_FALSE(FindControl(hwnd, L"dt_Startdate")->IsEnabled());
      EXPECT_EQ(std::wstring(FindControl(hwnd, L"lab_title")->GetText().GetData()), L"编辑计划");
    });
    ClickControl(hwnd, L"btn_Cancel");
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_EQ(result.load(), 2);
  }
}

TEST_F(AddPlanDialog, TimePickerOpensUnderItsButtonAndSetsTheTimeOnlyWhenConfirmed) {
  Open(1);
  ClickControl(hwnd, L"btnAddTime");
  ASSERT_TRUE(driver.WaitIdle());
  std::wstring before;
  RECT button = {};
  OnWindowThread(hwnd, [&] {
    before = FindControl(hwnd, L"btnSetStartTime1")->GetText().GetData();
    button = FindControl(hwnd, L"btnSetStartTime1")->GetPos();
  });
  RECT dialog = {};
  ::GetWindowRect(hwnd, &dialog);
  for (const bool confirm : {false, true}) {
    SCOPED_TRACE(confirm ? "confirmed" : "cancelled");
    ClickControl(hwnd, L"btnSetStartTime1");
    ASSERT_TRUE(driver.WaitIdle());
    const HWND picker = FindWindowOfClass(L"CTimeWnd");
    ASSERT_NE(picker, nullptr);
    RECT placed = {};
    ::GetWindowRect(picker, &placed);
    // The picker's anchor is the button's bottom-left on the screen, 5 pixels up; it
    // places itself 30 pixels right of it.
    EXPECT_EQ(placed.left, dialog.left + button.left + 30);
    EXPECT_EQ(placed.top, dialog.top + button.bottom - 5);
    input.ClickItemWithText(picker, L"listHour", L"09");
    input.ClickItemWithText(picker, L"listMinute", L"45");
    input.Click(picker, confirm ? L"btnOk" : L"btnCancel");
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_FALSE(::IsWindow(picker));
    OnWindowThread(hwnd, [&] {
      EXPECT_EQ(std::wstring(FindControl(hwnd, L"btnSetStartTime1")->GetText().GetData()), confirm ? L"09:45" : before);
    });
  }
}

TEST_F(AddPlanDialog, RouteButtonWithARouteNoLongerCachedOpensNothing) {
  Open(1);
  input.PickCombo(hwnd, L"Comb_PlanType", L"设备");
  EXPECT_EQ(Routes(), Strings{}) << "no route of that type";
  input.Click(hwnd, L"btn_Route");
  EXPECT_EQ(TakeMessage(), L"线路为空!");

  input.PickCombo(hwnd, L"Comb_PlanType", L"安防");
  EXPECT_EQ(Shown(L"Comb_route"), L"东线");
  // The route was deleted elsewhere after the combo was filled.
  g_mapInspectRoute.clear();
  input.Click(hwnd, L"btn_Route");
  EXPECT_EQ(FindWindowOfClass(L"AddRouteWnd"), nullptr);
  EXPECT_EQ(TakeMessage(), L"");
  EXPECT_TRUE(::IsWindow(hwnd));
}

TEST_F(AddPlanDialog, RemarkCounterFollowsTheTypedCharacters) {
  Open(1);
  ClickControl(hwnd, L"Edit_remark");
  ASSERT_TRUE(driver.WaitIdle());
  driver.Commit(L"每日巡查东门和西门ABC");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(Counter(), L"12/80");
  driver.Tap(VK_BACK);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(Counter(), L"11/80");
  driver.Commit(std::wstring(75, L'x'));
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(Counter(), L"80/80");
}

TEST_F(AddPlanDialog, ANewPlanIsSavedWithExactlyWhatWasTypedAndClicked) {
  Open(1);
  EXPECT_EQ(Shown(L"Comb_PlanType"), L"安防") << "a new plan starts on the first type";
  EXPECT_EQ(Routes(), (Strings{L"东线"}));
  input.PickCombo(hwnd, L"Comb_PlanType", L"消防");
  EXPECT_EQ(Routes(), (Strings{L"夜巡", L"西线"})) << "the routes follow the chosen type";
  EXPECT_EQ(Shown(L"Comb_route"), L"夜巡");
  FillNewPlan(L"消防夜巡", L"东门西门各一次");
  input.Click(hwnd, L"btn_Ok");
  EXPECT_EQ(TakeMessage(), L"添加成功!");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), 1);

  const std::vector<Json::Value> requests = world.requestBodies("/api/InspectPlan/Add");
  ASSERT_EQ(requests.size(), 1u);
  ASSERT_EQ(world.plans.plans().size(), 1u) << "the server stored it";
  const Json::Value& sent = requests.front();
  EXPECT_EQ(sent["strName"].asString(), u8"消防夜巡");
  EXPECT_EQ(sent["iType"].asString(), "2");
  EXPECT_EQ(sent["iRouteID"].asString(), "8");
  EXPECT_EQ(sent["strDate"].asString(), "2026-12-11&2027-01-31");
  EXPECT_EQ(sent["strTime"].asString(), "07:30-09:00");
  EXPECT_EQ(sent["strWeek"].asString(), "1111110");
  EXPECT_EQ(sent["Inspectpeople"].asString(), "3&12") << "tile order";
  EXPECT_EQ(sent["strRemark"].asString(), u8"东门西门各一次");

  ASSERT_EQ(g_mapInspectPlan.size(), 1u);
  const InspectPlanInfo& cached = g_mapInspectPlan.begin()->second;
  EXPECT_EQ(cached.iID, world.plans.plans().all()[0]["ID"].asInt());
  EXPECT_EQ(cached.strName, "消防夜巡");
  EXPECT_EQ(cached.iType, 2);
  EXPECT_EQ(cached.iRouteID, 8);
  EXPECT_EQ(cached.strRouteName, "西线");
  EXPECT_EQ(cached.strStartDate, "2026-12-11");
  EXPECT_EQ(cached.strEndDate, "2027-01-31");
  EXPECT_EQ(cached.iPlanState, 1) << "it starts tomorrow";
  EXPECT_EQ(cached.strRemark, "东门西门各一次");
  ASSERT_EQ(cached.listPeople.size(), 2u);
  EXPECT_EQ(cached.listPeople.front().strName, "王五");
}

TEST_F(AddPlanDialog, AnEditedPlanKeepsItsDatesRouteAndRemarkThroughTheDialog) {
  const InspectPlanInfo plan = RunningPlan();
  Open(2, &plan);
  EXPECT_EQ(Shown(L"Comb_PlanType"), L"消防");
  EXPECT_EQ(Shown(L"Comb_route"), L"西线") << "it opens on its own route, not the type's first";
  EXPECT_EQ(Counter(), L"4/80") << "the counter counts the loaded remark";
  EXPECT_EQ(Shown(L"dt_Startdate"), L"2026-12-01");
  EXPECT_EQ(Shown(L"dt_Enddate"), L"2027-01-31");
  input.OpenAndLeaveDate(hwnd, L"dt_Enddate", hwnd, L"lb_remark_count");
  EXPECT_EQ(Shown(L"dt_Enddate"), L"2027-01-31") << "opening and leaving the picker keeps the date";
  input.Click(hwnd, L"btn_Ok");
  EXPECT_EQ(TakeMessage(), L"编辑成功!");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), 1);

  const std::vector<Json::Value> updates = world.requestBodies("/api/InspectPlan/Update");
  ASSERT_EQ(updates.size(), 1u);
  EXPECT_EQ(updates[0]["strDate"].asString(), "2026-12-01&2027-01-31");
  EXPECT_EQ(updates[0]["iRouteID"].asString(), "8");
  EXPECT_EQ(updates[0]["strRemark"].asString(), u8"巡查东门");
  EXPECT_EQ(g_mapInspectPlan[9].strEndDate, "2027-01-31");
}

TEST_F(AddPlanDialog, TheCloseAndCancelButtonsEndTheDialogWithNothingSent) {
  for (const managementtest::WayOut& c : managementtest::kWaysOut) {
    SCOPED_TRACE(managementtest::Describe(c));
    const InspectPlanInfo plan = RunningPlan();
    Open(c.mode, c.mode == 2 ? &plan : nullptr);
    if (c.mode == 1) {
      FillNewPlan(L"消防夜巡", L"东门");
    } else {
      input.Type(hwnd, L"Edit_PlanName", L"south");
    }
    input.Click(hwnd, c.button);
    input.WaitFor("the dialog to end", [&] { return result.load() != -1; });
    EXPECT_EQ(result.load(), 2);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_TRUE(world.requestBodies("/api/InspectPlan/Add").empty());
    EXPECT_TRUE(world.requestBodies("/api/InspectPlan/Update").empty());
    ASSERT_EQ(g_mapInspectPlan.size(), 1u) << "only the seeded plan is cached";
    EXPECT_EQ(g_mapInspectPlan[9].strName, "north");
  }
}

TEST_F(AddPlanDialog, TheWeekdayShortcutsTickTheirDaysForTheSave) {
  const struct {
    int mode;
    const wchar_t* shortcut;
    const char* week;
  } cases[] = {
      {1, L"SelectAllDate", "1111111"},
      {2, L"SelectAllDate", "1111111"},
      {2, L"WorkingDayck", "1111100"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(platform::codepage::WideToUtf8(c.shortcut) + (c.mode == 1 ? " adding" : " editing"));
    world.http().clear_requests();
    InspectPlanInfo plan = RunningPlan();
    // Weekends only: neither shortcut is ticked, and either click changes the days.
    plan.strWeek = "0000011";
    g_mapInspectPlan[plan.iID] = plan;
    Open(c.mode, c.mode == 2 ? &plan : nullptr);
    if (c.mode == 1) FillNewPlan(L"消防夜巡", L"东门");
    input.Click(hwnd, c.shortcut);
    for (int day = 1; day <= 7; ++day) {
      EXPECT_EQ(input.Selected(hwnd, L"Week" + std::to_wstring(day)), c.week[day - 1] == '1') << "Week" << day;
    }
    input.Click(hwnd, L"btn_Ok");
    EXPECT_EQ(input.Answer(), c.mode == 1 ? L"添加成功!" : L"编辑成功!");
    input.WaitFor("the dialog to end", [&] { return result.load() != -1; });
    const std::vector<Json::Value> sent = world.requestBodies(c.mode == 1 ? "/api/InspectPlan/Add" : "/api/InspectPlan/Update");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent.front()["strWeek"].asString(), c.week);
    g_mapInspectPlan.clear();
  }
}

TEST_F(AddPlanDialog, TextTheCodePageCannotHoldIsRefusedBeforeSending) {
  // U+1F600 and U+20000 have no GBK code; they would reach the server as "?".
  const struct {
    const char* what;
    std::wstring name, remark;
  } cases[] = {
      {"an emoji in the name", L"消防\U0001F600", L"东门"},
      {"a rare ideograph in the remark", L"消防", L"东门\U00020000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Open(1);
    FillNewPlan(c.name, c.remark);
    input.Click(hwnd, L"btn_Ok");
    EXPECT_EQ(TakeMessage(), L"包含无法保存的字符!");
    EXPECT_TRUE(::IsWindow(hwnd));
    EXPECT_EQ(result.load(), -1);
    EXPECT_TRUE(world.requestBodies("/api/InspectPlan/Add").empty()) << "nothing is sent";
    EXPECT_TRUE(g_mapInspectPlan.empty());
    EXPECT_EQ(Shown(L"Edit_PlanName"), c.name) << "the user's text stays to be mended";
    ClickControl(hwnd, L"btn_close");
    ASSERT_TRUE(driver.WaitIdle());
  }
}

TEST_F(AddPlanDialog, TypingStopsAtTheRemarksLimitAndTheSavedRemarkIsWhatTheFieldShows) {
  Open(1);
  const std::wstring typed = std::wstring(70, L'东') + L"0123456789ABCDEF";
  FillNewPlan(L"消防夜巡", typed);
  EXPECT_EQ(Shown(L"Edit_remark"), typed.substr(0, 80));
  EXPECT_EQ(Counter(), L"80/80");
  input.Click(hwnd, L"btn_Ok");
  EXPECT_EQ(TakeMessage(), L"添加成功!");
  const std::vector<Json::Value> sent = world.requestBodies("/api/InspectPlan/Add");
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(platform::codepage::Utf8ToWide(sent.front()["strRemark"].asString()), typed.substr(0, 80));
}

}  // namespace
