// The plan dialog driven by real clicks: time-slot rows and their container's height, the
// people tiles and their filter, the weekday shortcuts of a loaded plan and the remark
// counter typed into, with the patrol people served by the fake patrol server.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "app/management/CAddPlanWnd.h"
#include "tests/app/shell/support/ShellWindowTest.h"
#include "tests/data/CampusWorld.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CListLabelElementUI.h"
#include "ui/controls/CListUI.h"
#include "data/StartupCaches.h"
#include "ui/core/control/CContainerUI.h"

namespace {

using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::OnWindowThread;

class AddPlanDialog : public shelltest::ShellWindowTest {
 protected:
  AddPlanDialog() {
    // Group masks as "%07d": 1000000 is type 0 only, 100 type 4 only, 1100000 types 0 and 1.
    SeedPerson(12, u8"张三", 1000000);
    SeedPerson(15, u8"李四", 100);
    SeedPerson(3, u8"王五", 1100000);
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
  void Open(int mode, const InspectPlanInfo* plan = nullptr) {
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

  CampusWorld world;
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
  const struct {
    int position;
    std::vector<std::wstring> tiles;
  } filters[] = {
      {1, {L"王五", L"张三"}}, {2, {L"王五"}}, {5, {L"李四"}}, {7, {}}, {0, {L"王五", L"张三", L"李四"}},
  };
  for (const auto& filter : filters) {
    OnWindowThread(hwnd, [&] {
      static_cast<SkinUI::CComboUI*>(FindControl(hwnd, L"Comb_People")->GetInterface(L"Combo"))
          ->SelectItem(filter.position);
    });
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_EQ(Tiles(), filter.tiles) << "position " << filter.position;
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
    OnWindowThread(picker, [&] {
      static_cast<SkinUI::CListUI*>(FindControl(picker, L"listHour")->GetInterface(L"List"))->SelectItem(9, true);
      static_cast<SkinUI::CListUI*>(FindControl(picker, L"listMinute")->GetInterface(L"List"))->SelectItem(45, true);
    });
    ASSERT_TRUE(driver.WaitIdle());
    ClickControl(picker, confirm ? L"btnOk" : L"btnCancel");
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_FALSE(::IsWindow(picker));
    OnWindowThread(hwnd, [&] {
      EXPECT_EQ(std::wstring(FindControl(hwnd, L"btnSetStartTime1")->GetText().GetData()), confirm ? L"09:45" : before);
    });
  }
}

TEST_F(AddPlanDialog, RouteButtonWithARouteNoLongerCachedOpensNothing) {
  Open(1);
  ClickControl(hwnd, L"btn_Route");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(TakeMessage(), L"线路为空!");

  OnWindowThread(hwnd, [&] {
    auto* routes = static_cast<SkinUI::CComboUI*>(FindControl(hwnd, L"Comb_route")->GetInterface(L"Combo"));
    auto* item = new SkinUI::CListLabelElementUI;
    item->SetText(L"夜巡");
    routes->Add(item);
    routes->SelectItem(0);
  });
  ASSERT_TRUE(driver.WaitIdle());
  // The route was deleted elsewhere after the combo was filled.
  g_mapInspectRoute.clear();
  ClickControl(hwnd, L"btn_Route");
  ASSERT_TRUE(driver.WaitIdle());
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

}  // namespace
