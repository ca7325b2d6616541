// The plan page over the plan cache and the fake patrol server: the columns and place by
// the work area, the filters, what a card shows, the empty page, the card's menu opened
// by a real click and placed by the screen's edges, the menu's four commands, and the
// export of the shown plans into the folder the user picks.
#include <gtest/gtest.h>

#include <chrono>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/management/CPatrolPlanUI.h"
#include "app/management/CPatrolPlanWndEx.h"
#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "platform/spreadsheet/SpreadsheetApplication.h"
#include "testing/files/ScratchFolder.h"
#include "testing/ui/ControlPixels.h"
#include "testing/user/UserInput.h"
#include "testing/xlsx/XlsxWorkbook.h"
#include "tests/app/management/support/ManagementWindowTest.h"
#include "tests/app/shell/support/ToastLog.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CMenuWnd.h"
#include "ui/core/control/CTileLayoutUI.h"

namespace {

using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::ManagerOf;
using shelltest::OnWindowThread;
using Texts = std::vector<std::wstring>;

// The rows of a card, from its first child: the menu button, then the rows of name,
// route, announcer, people, dates and slots.
enum CardRow { kNameRow = 1, kRouteRow, kAnnouncerRow, kPeopleRow, kDatesRow, kSlotsRow };

platform::backend::MonitorDesc Monitor(int width, int height, int panel) {
  platform::backend::MonitorDesc monitor;
  monitor.bounds = RECT{0, 0, width, height};
  monitor.work = RECT{0, 0, width, height - panel};
  monitor.primary = true;
  monitor.name = L"HEADLESS-1";
  return monitor;
}

class PlanPage : public managementtest::ManagementWindowTest {
 protected:
  ~PlanPage() override { CloseMenus(); }

  // A plan in the cache, and on the fake server under the same id when `onServer`.
  InspectPlanInfo& AddPlan(int id, const std::string& name, int type, int status, const std::string& announcer = "u1",
                           bool onServer = false) {
    InspectPlanInfo plan;
    plan.iID = id;
    plan.strName = name;
    plan.iType = type;
    plan.iPlanState = status;
    plan.strAnnouncerID = announcer;
    plan.strAnnouncerName = "管理员";
    plan.iRouteID = 4;
    plan.strRouteName = "东线";
    plan.strStartDate = "2022-07-01";
    plan.strEndDate = "2022-07-31";
    plan.strWeek = "1010100";
    plan.strTime = "08:00-10:00&14:00-16:00";
    plan.listPeople = {{12, "张三"}, {15, "李四"}};
    if (onServer) {
      Json::Value record;
      record["ID"] = id;
      record["strName"] = platform::codepage::GbkToUtf8(name);
      world.plans.plans().seed(record);
    }
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    return g_mapInspectPlan[id] = plan;
  }

  // The page made as the frame makes it, over a stand-in frame as big as the work area.
  void Open() {
    RECT work = {};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    ui.Call([&] { ::SetWindowPos(frame, nullptr, 0, 0, work.right, work.bottom, SWP_NOZORDER | SWP_NOACTIVATE); });
    page = OpenPage<CPatrolPlanWndEx>();
    ui.Call([this] { page->SetLookPlanHandler([this](int plan) { lookedAt.push_back(plan); }); });
  }

  // The names on the cards, in their order.
  Texts Names() {
    Texts names;
    OnWindowThread(pageHwnd, [&] {
      auto* tiles = static_cast<SkinUI::CContainerUI*>(FindControl(pageHwnd, L"TileLayout_plan"));
      for (int i = 0; i < tiles->GetCount(); ++i) {
        SkinUI::CControlUI* name = ManagerOf(pageHwnd)->FindSubControlByName(tiles->GetItemAt(i), L"PlanName");
        names.push_back(name->GetText().GetData());
      }
    });
    return names;
  }
  // Runs `read` with the card at that place.
  void OnCard(int index, const std::function<void(CPatrolPlanUI&)>& read) {
    OnWindowThread(pageHwnd, [&] {
      auto* tiles = static_cast<SkinUI::CContainerUI*>(FindControl(pageHwnd, L"TileLayout_plan"));
      ASSERT_LT(index, tiles->GetCount());
      read(*static_cast<CPatrolPlanUI*>(tiles->GetItemAt(index)));
    });
  }
  static SkinUI::CControlUI* Cell(CPatrolPlanUI& card, int row, int index) {
    return static_cast<SkinUI::CContainerUI*>(card.GetItemAt(row))->GetItemAt(index);
  }
  void Select(LPCTSTR combo, int index) { PickRow(pageHwnd, combo, index); }

  HWND Menu() { return FindWindowOfClass(L"SkinMenuWnd"); }
  // Clicks the first card's menu button as a person does; the button's centre, where
  // the menu opens.
  POINT ClickCardMenuButton() {
    const POINT button = shelltest::ControlCentre(pageHwnd, L"btn_Plan");
    driver.Click(button.x, button.y);
    driver.WaitIdle();
    return button;
  }
  void CloseMenus() {
    for (HWND menu = Menu(); menu != nullptr; menu = Menu()) {
      ::PostMessageW(menu, WM_CLOSE, 0, 0);
      driver.WaitIdle();
    }
  }
  // What a card's menu button asks of the page, with the pointer at that place.
  void OpenMenuAt(int plan, POINT pointer) {
    driver.MoveMouse(pointer.x, pointer.y);
    ::PostMessageW(pageHwnd, CPatrolPlanUI::WM_PLANMENU, 0, plan);
    driver.WaitIdle();
  }
  // Clicks the middle of the menu's item of that row, where the menu shows it.
  void ClickMenuItem(int row) {
    static const LPCTSTR kItems[] = {L"menu_EditPlan", L"menu_deletePlan", L"menu_LookPlan", L"menu_ImportPlan"};
    const HWND menu = Menu();
    ASSERT_NE(menu, nullptr);
    const POINT centre = shelltest::ControlCentre(menu, kItems[row]);
    ASSERT_NE(centre.x, -1) << "no item " << row << " in the menu";
    driver.Click(centre.x, centre.y);
    driver.WaitIdle();
  }
  // Clicks the menu button of the card that shows the plan, then the menu's item of that row.
  void Command(int plan, int row) {
    int card = -1;
    OnWindowThread(pageHwnd, [&] {
      auto* tiles = static_cast<SkinUI::CContainerUI*>(FindControl(pageHwnd, L"TileLayout_plan"));
      for (int i = 0; i < tiles->GetCount(); ++i) {
        SkinUI::CControlUI* button = ManagerOf(pageHwnd)->FindSubControlByName(tiles->GetItemAt(i), L"btn_Plan");
        if (button != nullptr && button->GetUserData() == std::to_wstring(plan).c_str()) card = i;
      }
    });
    ASSERT_NE(card, -1) << "no card shows plan " << plan;
    userinput::UserInput(driver).ClickInItem(pageHwnd, L"TileLayout_plan", card, L"btn_Plan");
    ClickMenuItem(row);
  }

  Texts Toasts() { return toasts_.TextsWithSeconds(); }
  std::vector<std::string> AuditEvents() {
    std::vector<std::string> events;
    for (const Json::Value& entry : world.patrol.audit_log().all()) events.push_back(entry["strEvent"].asString());
    return events;
  }
  bool Cached(int plan) {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    return g_mapInspectPlan.count(plan) == 1;
  }

  enum MenuRow { kEdit = 0, kDelete = 1, kLook = 2, kImport = 3 };

  CPatrolPlanWndEx* page = nullptr;
  std::vector<int> lookedAt;

 private:
  shelltest::ToastLog toasts_;
};

TEST_F(PlanPage, ColumnsAndPlaceFollowTheWorkArea) {
  const struct {
    int width, height, panel;
    int columns;
  } cases[] = {{1920, 1080, 40, 5}, {1600, 900, 30, 4}, {1300, 768, 0, 3}, {1671, 1000, 0, 5}, {1301, 1000, 0, 4}};
  AddPlan(1, "早班", 0, 2);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    driver.Backend().SetMonitors({Monitor(c.width, c.height, c.panel)});
    Open();
    const int bottom = c.height - c.panel;
    OnWindowThread(pageHwnd, [&] {
      auto* tiles = static_cast<SkinUI::CTileLayoutUI*>(FindControl(pageHwnd, L"TileLayout_plan"));
      EXPECT_EQ(tiles->GetColumns(), c.columns);
      EXPECT_EQ(tiles->GetFixedHeight(), bottom - 216);
    });
    RECT placed = {};
    ::GetWindowRect(pageHwnd, &placed);
    EXPECT_EQ(placed.top, 150);
    EXPECT_EQ(placed.right - placed.left, c.width);
    EXPECT_EQ(placed.bottom - placed.top, bottom - 180);
  }
}

TEST_F(PlanPage, FiltersByTypeStatusOwnerAndName) {
  AddPlan(1, "早班巡查", 0, 1);
  AddPlan(2, "消防巡查", 2, 2, "u2");
  AddPlan(3, "夜班", 2, 3);
  AddPlan(4, "宿舍巡查", 4, 2, "u2");
  AddPlan(5, "Night", 6, 1);
  Open();
  const struct {
    int type, status;
    std::wstring search;
    bool mine;
    Texts names;
  } cases[] = {
      {0, 0, L"", false, {L"早班巡查", L"消防巡查", L"夜班", L"宿舍巡查", L"Night"}},
      {3, 0, L"", false, {L"消防巡查", L"夜班"}},  // index 3 is type 2
      {1, 0, L"", false, {L"早班巡查"}},
      {7, 0, L"", false, {L"Night"}},
      {0, 2, L"", false, {L"消防巡查", L"宿舍巡查"}},
      {0, 3, L"", false, {L"夜班"}},
      {3, 1, L"", false, {}},
      {0, 0, L"巡", false, {L"早班巡查", L"消防巡查", L"宿舍巡查"}},
      {0, 0, L"night", false, {}},  // case counts
      {0, 0, L"", true, {L"早班巡查", L"夜班", L"Night"}},
      {0, 2, L"", true, {}},
      {0, 0, L"巡", true, {L"早班巡查"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(platform::codepage::WideToUtf8(c.search) + " type " + std::to_string(c.type) + " status " +
                 std::to_string(c.status) + (c.mine ? " mine" : ""));
    Select(L"Comb_PlanType", c.type);
    Select(L"Comb_PlanStatus", c.status);
    TypeOver(pageHwnd, L"Rich_PlanFind", c.search);
    driver.WaitIdle();
    EXPECT_EQ(Visible(pageHwnd, L"btn_Planclear"), !c.search.empty());
    if (c.mine) {
      ClickControl(pageHwnd, L"MyPlan_CK");
      driver.WaitIdle();
    }
    EXPECT_EQ(Names(), c.names);
    EXPECT_EQ(TextOf(pageHwnd, L"lab_PlanCounts"), std::to_wstring(c.names.size()));
    if (c.mine) {
      // Unticking shows every user's plans again.
      ClickControl(pageHwnd, L"MyPlan_CK");
      driver.WaitIdle();
    }
  }
}

TEST_F(PlanPage, ClearButtonEmptiesTheSearchAndAnyRefreshForgetsOwnPlansOnly) {
  AddPlan(1, "早班巡查", 0, 1);
  AddPlan(2, "夜班", 0, 1, "u2");
  Open();
  ClickControl(pageHwnd, L"MyPlan_CK");
  driver.WaitIdle();
  EXPECT_EQ(Names(), (Texts{L"早班巡查"}));
  TypeOver(pageHwnd, L"Rich_PlanFind", L"班");
  driver.WaitIdle();
  EXPECT_EQ(Names(), (Texts{L"早班巡查", L"夜班"})) << "the box stays ticked, the search shows everybody's";
  ClickControl(pageHwnd, L"btn_Planclear");
  driver.WaitIdle();
  EXPECT_EQ(TextOf(pageHwnd, L"Rich_PlanFind"), L"");
  EXPECT_FALSE(Visible(pageHwnd, L"btn_Planclear"));
  EXPECT_EQ(Names(), (Texts{L"早班巡查", L"夜班"}));
}

// The cache gains plans while the page stays open (the broker's plan messages, the frame's
// start-up loader); a user who asks for the list again, by the search button or by Return
// in the name field, sees them.
TEST_F(PlanPage, TheSearchButtonAndReturnShowThePlansTheCacheHasNow) {
  userinput::UserInput user{driver};
  AddPlan(1, "早班巡查", 0, 1);
  Open();
  const struct {
    const char* way;
    std::function<void()> act;
  } cases[] = {
      {"the search button", [&] { user.Click(pageHwnd, L"btn_Planfind"); }},
      {"Return in the name field",
       [&] {
         user.Click(pageHwnd, L"Rich_PlanFind");
         user.Key(VK_RETURN);
       }},
  };
  Texts shown = {L"早班巡查"};
  int id = 1;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.way);
    const std::string name = "新计划" + std::to_string(++id);
    AddPlan(id, name, 0, 1);
    EXPECT_EQ(Names(), shown) << "the cards wait to be asked";
    c.act();
    shown.push_back(platform::codepage::GbkToWide(name));
    EXPECT_EQ(Names(), shown);
    EXPECT_EQ(TextOf(pageHwnd, L"lab_PlanCounts"), std::to_wstring(shown.size()));
  }
}

// The add button opens the plan dialog in add mode over the page; a cancelled dialog
// leaves the cards as they were and sends nothing.
TEST_F(PlanPage, TheAddButtonOpensTheNewPlanDialogAndItsCancelLeavesTheCards) {
  userinput::UserInput user{driver};
  AddPlan(1, "早班巡查", 0, 1);
  Open();
  user.Click(pageHwnd, L"AddPlanBtn");
  const HWND dialog = user.Window(L"AddPlanWnd");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(user.Text(dialog, L"lab_title"), L"添加计划");
  EXPECT_EQ(user.Text(dialog, L"Edit_PlanName"), L"");
  user.Click(dialog, L"btn_Cancel");
  EXPECT_TRUE(user.WaitClosed(L"AddPlanWnd"));
  EXPECT_EQ(Names(), Texts{L"早班巡查"});
  EXPECT_TRUE(RequestsTo("/api/InspectPlan/Add").empty());
}

TEST_F(PlanPage, CardShowsThePlan) {
  AddPlan(7, "早班巡查", 2, 2);
  Open();
  OnCard(0, [&](CPatrolPlanUI& card) {
    EXPECT_EQ(card.GetFixedWidth(), 324);
    EXPECT_EQ(card.GetFixedHeight(), 239);
    EXPECT_EQ(shelltest::ImagesOf::Background(&card), L"file='2巡更计划/已启用背景.png'");
    SkinUI::CControlUI* name = Cell(card, kNameRow, 1);
    EXPECT_EQ(std::wstring(name->GetText().GetData()), L"早班巡查");
    EXPECT_EQ(name->GetFixedWidth(), 72) << "9 pixels a byte";
    EXPECT_EQ(shelltest::ImagesOf::Background(Cell(card, kNameRow, 2)), L"file='1首页/消防.png' dest='0,0,30,15'");
    EXPECT_EQ(std::wstring(Cell(card, kRouteRow, 1)->GetText().GetData()), L"东线");
    EXPECT_EQ(std::wstring(Cell(card, kAnnouncerRow, 2)->GetText().GetData()), L"管理员");
    EXPECT_EQ(std::wstring(Cell(card, kPeopleRow, 2)->GetText().GetData()), L"张三、李四");
    SkinUI::CControlUI* dates = Cell(card, kDatesRow, 1);
    EXPECT_EQ(std::wstring(dates->GetText().GetData()), L"07-01~07-31 周一,周三,周五");
    EXPECT_EQ(std::wstring(dates->GetToolTip().GetData()), L"2022-07-01-2022-07-31 周一,周三,周五");
    SkinUI::CControlUI* slots = Cell(card, kSlotsRow, 0);
    EXPECT_EQ(std::wstring(slots->GetText().GetData()), L"08:00-10:00 14:00-16:00");
    EXPECT_EQ(std::wstring(slots->GetToolTip().GetData()), L"08:00-10:00 14:00-16:00");
    SkinUI::CControlUI* button = card.GetItemAt(0);
    EXPECT_EQ(std::wstring(button->GetName().GetData()), L"btn_Plan");
    EXPECT_EQ(std::wstring(button->GetUserData().GetData()), L"7");
  });
}

TEST_F(PlanPage, CardLooksByStatusTypeAndItsTexts) {
  const struct {
    const char* name;
    int type, status;
    const char* start;
    const char* end;
    const char* week;
    std::wstring background, badge, dates;
    int nameWidth;
  } cases[] = {
      {"夜班", 0, 3, "2022-07-01", "2022-07-31", "1111111", L"file='2巡更计划/已结束背景.png'",
       L"file='1首页/校园安防.png'", L"07-01~07-31 周一,周二,周三,周四,周五,周六,周日", 36},
      {"a", 3, 1, "2022-07-01", "2022-7-1", "0000000", L"file='2巡更计划/未开始背景.png'",
       L"file='Quillmarsh补充切图1015/界面/食堂.png' dest='0,0,32,15'", L"07-01~2022-7-1 ", 9},
      {"一个很长很长的巡查计划名称", 6, 0, "", "2022-12-31", "0000011", L"", L"file='1首页/考试自习.png'",
       L"~12-31 周六,周日", 150},
      {"x", 9, 2, "2022-01-05", "2022-02-06", "10", L"file='2巡更计划/已启用背景.png'", L"", L"01-05~02-06 周一", 9},
  };
  int id = 1;
  for (const auto& c : cases) {
    InspectPlanInfo& plan = AddPlan(id++, c.name, c.type, c.status);
    plan.strStartDate = c.start;
    plan.strEndDate = c.end;
    plan.strWeek = c.week;
  }
  Open();
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(i);
    OnCard(i, [&](CPatrolPlanUI& card) {
      EXPECT_EQ(shelltest::ImagesOf::Background(&card), c.background);
      EXPECT_EQ(shelltest::ImagesOf::Background(Cell(card, kNameRow, 2)), c.badge);
      EXPECT_EQ(std::wstring(Cell(card, kDatesRow, 1)->GetText().GetData()), c.dates);
      EXPECT_EQ(Cell(card, kNameRow, 1)->GetFixedWidth(), c.nameWidth);
    });
  }
}

TEST_F(PlanPage, WithoutPlansThePlaceholderStandsInTheMiddle) {
  Open();
  EXPECT_TRUE(Visible(pageHwnd, L"hlNoContent"));
  EXPECT_FALSE(Visible(pageHwnd, L"TileLayout_plan"));
  EXPECT_EQ(TextOf(pageHwnd, L"lab_PlanCounts"), L"0");
  OnWindowThread(pageHwnd, [&] {
    const RECT padding = FindControl(pageHwnd, L"hlNoContent")->GetPadding();
    // The default screen's work area is 1920 x 1040.
    EXPECT_EQ(padding.left, 1920 / 2 - 110);
    EXPECT_EQ(padding.top, (1040 - 180) / 2 - 90);
    EXPECT_EQ(FindControl(pageHwnd, L"lab_PlanCounts")->GetFixedWidth(), 15);
  });

  for (int id = 1; id <= 12; ++id) AddPlan(id, "计划" + std::to_string(id), 0, 1);
  ClickControl(pageHwnd, L"btn_Planfind");
  driver.WaitIdle();
  EXPECT_FALSE(Visible(pageHwnd, L"hlNoContent"));
  EXPECT_TRUE(Visible(pageHwnd, L"TileLayout_plan"));
  EXPECT_EQ(TextOf(pageHwnd, L"lab_PlanCounts"), L"12");
  OnWindowThread(pageHwnd, [&] { EXPECT_EQ(FindControl(pageHwnd, L"lab_PlanCounts")->GetFixedWidth(), 30); });
}

// A long list: cards only about the screen, shown other plans as the wheel scrolls, and
// the menu of a card far down asks for the plan it shows.
TEST_F(PlanPage, ALongListHasCardsForTheScreenAndTheyFollowTheScroll) {
  const int kPlans = 300;
  auto name = [](int id) { return std::to_string(1000 + id); };
  for (int id = 1; id <= kPlans; ++id) AddPlan(id, name(id), 0, 2);
  Open();
  EXPECT_EQ(TextOf(pageHwnd, L"lab_PlanCounts"), std::to_wstring(kPlans));
  // The plan numbers on the cards that lie in the grid's view, by their places.
  auto shown = [&] {
    std::vector<std::pair<std::pair<LONG, LONG>, int>> placed;
    int cards = 0;
    OnWindowThread(pageHwnd, [&] {
      auto* tiles = static_cast<SkinUI::CContainerUI*>(FindControl(pageHwnd, L"TileLayout_plan"));
      const RECT view = tiles->GetPos();
      for (int i = 0; i < tiles->GetCount(); ++i) {
        SkinUI::CControlUI* label = ManagerOf(pageHwnd)->FindSubControlByName(tiles->GetItemAt(i), L"PlanName");
        if (label == nullptr) continue;
        ++cards;
        const RECT rc = tiles->GetItemAt(i)->GetPos();
        if (rc.bottom <= view.top || rc.top >= view.bottom) continue;
        placed.push_back({{rc.top, rc.left}, std::stoi(platform::codepage::WideToUtf8(label->GetText().GetData())) - 1000});
      }
    });
    std::sort(placed.begin(), placed.end());
    std::vector<int> plans;
    for (const auto& p : placed) plans.push_back(p.second);
    EXPECT_LT(cards, kPlans / 2) << "cards only about the screen";
    return plans;
  };
  auto consecutive = [](const std::vector<int>& plans) {
    for (size_t i = 1; i < plans.size(); ++i) {
      if (plans[i] != plans[i - 1] + 1) return false;
    }
    return !plans.empty();
  };
  const std::vector<int> top = shown();
  ASSERT_TRUE(consecutive(top));
  EXPECT_EQ(top.front(), 1);

  const POINT centre = shelltest::ControlCentre(pageHwnd, L"TileLayout_plan");
  driver.MoveMouse(centre.x, centre.y);
  auto scrolled = [&] {
    SIZE pos = {}, range = {};
    OnWindowThread(pageHwnd, [&] {
      auto* tiles = static_cast<SkinUI::CContainerUI*>(FindControl(pageHwnd, L"TileLayout_plan"));
      pos = tiles->GetScrollPos();
      range = tiles->GetScrollRange();
    });
    return std::make_pair(pos.cy, range.cy);
  };
  auto wheelTo = [&](bool bottom) {
    for (int notch = 0; notch < 20000; ++notch) {
      const auto [pos, range] = scrolled();
      if (bottom ? pos >= range : pos <= 0) break;
      driver.Wheel(bottom ? -WHEEL_DELTA : WHEEL_DELTA);
      driver.WaitIdle();
    }
  };
  wheelTo(true);
  ASSERT_GT(scrolled().second, 0);
  ASSERT_EQ(scrolled().first, scrolled().second) << "the wheel reaches the end of the list";
  const std::vector<int> bottom = shown();
  ASSERT_TRUE(consecutive(bottom));
  EXPECT_EQ(bottom.back(), kPlans);
  wheelTo(false);
  ASSERT_EQ(scrolled().first, 0) << "the wheel reaches the top again";
  EXPECT_EQ(shown(), top) << "back at the top, the first plans again";
  wheelTo(true);
  EXPECT_EQ(shown(), bottom);

  // The last card's menu button, as a person would find it on the screen.
  POINT button = {-1, -1};
  OnWindowThread(pageHwnd, [&] {
    auto* tiles = static_cast<SkinUI::CContainerUI*>(FindControl(pageHwnd, L"TileLayout_plan"));
    for (int i = 0; i < tiles->GetCount(); ++i) {
      SkinUI::CControlUI* label = ManagerOf(pageHwnd)->FindSubControlByName(tiles->GetItemAt(i), L"PlanName");
      if (label == nullptr || label->GetText() != platform::codepage::Utf8ToWide(name(kPlans)).c_str()) continue;
      const RECT rc = static_cast<SkinUI::CContainerUI*>(tiles->GetItemAt(i))->GetItemAt(0)->GetPos();
      button = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
      ::ClientToScreen(pageHwnd, &button);
    }
  });
  ASSERT_NE(button.x, -1);
  driver.Click(button.x, button.y);
  driver.WaitIdle();
  ClickMenuItem(kLook);
  EXPECT_EQ(lookedAt, std::vector<int>{kPlans});
}

TEST_F(PlanPage, ClickOnACardsMenuButtonOpensTheMenuAtThePointer) {
  AddPlan(3, "早班巡查", 0, 2);
  Open();
  const POINT button = ClickCardMenuButton();
  const HWND menu = Menu();
  ASSERT_NE(menu, nullptr) << "the menu opens once the click is over";
  EXPECT_TRUE(::IsWindowVisible(menu));
  RECT rc = {};
  ::GetWindowRect(menu, &rc);
  EXPECT_EQ(rc.left, button.x);
  EXPECT_EQ(rc.top, button.y);
  EXPECT_EQ(rc.right - rc.left, 108);
  EXPECT_EQ(rc.bottom - rc.top, 102);
}

// The menu's four texts stand no nearer its frame than to each other: the top and
// bottom margins inside the frame are at least the gap between two texts.
TEST_F(PlanPage, TheMenusTextsKeepClearOfItsFrame) {
  AddPlan(3, "早班巡查", 0, 2);
  Open();
  ClickCardMenuButton();
  const HWND menu = Menu();
  ASSERT_NE(menu, nullptr);
  RECT client = {};
  ::GetClientRect(menu, &client);
  const controltest::ControlPixels pixels(menu, client);
  const uint32_t face = 0xFF002964, frame = 0xFF1E5BC6;
  // The rows inside the frame that hold text, as runs of rows.
  std::vector<std::pair<int, int>> texts;
  for (int y = 1; y < pixels.Height() - 1; ++y) {
    bool ink = false;
    for (int x = 1; x < pixels.Width() - 1 && !ink; ++x) ink = pixels.At(x, y) != face && pixels.At(x, y) != frame;
    if (!ink) continue;
    if (!texts.empty() && texts.back().second == y - 1) {
      texts.back().second = y;
    } else {
      texts.emplace_back(y, y);
    }
  }
  ASSERT_EQ(texts.size(), 4u) << "four item texts, one under the other";
  int between = 0;
  for (size_t i = 1; i < texts.size(); ++i) between = std::max(between, texts[i].first - texts[i - 1].second - 1);
  const int above = texts.front().first - 1;
  const int below = pixels.Height() - 2 - texts.back().second;
  EXPECT_GE(above, between) << "the first text is " << above << " px under the frame, the texts " << between
                            << " px apart";
  EXPECT_GE(below, between) << "the last text is " << below << " px over the frame, the texts " << between
                            << " px apart";
}

TEST_F(PlanPage, MenuOpensOnTheSideOfThePointerWhereItFits) {
  AddPlan(3, "早班巡查", 0, 2);
  Open();
  // The full-screen client area of the default screen is 1920 x 1017: the menu fits
  // below a pointer up to y 915 and right of one up to x 1812.
  const struct {
    POINT pointer;
    bool left, above;
  } cases[] = {
      {{400, 400}, false, false}, {{1812, 915}, false, false}, {{1813, 400}, true, false},
      {{400, 916}, false, true},  {{1900, 1000}, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.pointer.x) + "," + std::to_string(c.pointer.y));
    OpenMenuAt(3, c.pointer);
    const HWND menu = Menu();
    ASSERT_NE(menu, nullptr);
    RECT rc = {};
    ::GetWindowRect(menu, &rc);
    EXPECT_EQ(c.left ? rc.right : rc.left, c.pointer.x);
    EXPECT_EQ(c.above ? rc.bottom : rc.top, c.pointer.y);
    CloseMenus();
  }
}

TEST_F(PlanPage, FinishedPlansAreNeitherEditedNorDeleted) {
  AddPlan(3, "夜班", 0, 3, "u1", true);
  Open();
  Command(3, kEdit);
  EXPECT_EQ(Answer(), L"不支持编辑已结束计划!");
  EXPECT_EQ(FindWindowOfClass(L"AddPlanWnd"), nullptr);
  Command(3, kDelete);
  EXPECT_EQ(Answer(), L"不支持删除已结束计划!");
  EXPECT_TRUE(RequestsTo("/api/InspectPlan/Delete").empty());
  EXPECT_TRUE(Cached(3));
}

TEST_F(PlanPage, EditOpensThePlanInTheDialog) {
  AddPlan(3, "早班巡查", 0, 2);
  Open();
  Command(3, kEdit);
  const HWND dialog = FindWindowOfClass(L"AddPlanWnd");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(TextOf(dialog, L"lab_title"), L"编辑计划");
  EXPECT_EQ(TextOf(dialog, L"Edit_PlanName"), L"早班巡查");
  ClickControl(dialog, L"btn_Cancel");
  driver.WaitIdle();
  EXPECT_FALSE(::IsWindow(dialog));
  EXPECT_TRUE(Toasts().empty()) << "nothing was saved";
}

TEST_F(PlanPage, SavedEditSaysSoAndShowsTheEditedPlan) {
  InspectRouteInfo route;
  route.iID = 4;
  route.strName = "东线";
  g_mapInspectRoute[4] = route;
  AddPerson(12, "张三", 1000000);
  AddPerson(15, "李四", 1000000);
  InspectPlanInfo& plan = AddPlan(3, "早班巡查", 0, 2, "u1", true);
  plan.strEndDate = "2099-12-31";
  PlanTimeSpan slot;
  slot.strStart = "08:00";
  slot.strEnd = "10:00";
  plan.listTime = {slot};
  plan.strTime = "08:00-10:00";
  Open();
  Command(3, kEdit);
  const HWND dialog = FindWindowOfClass(L"AddPlanWnd");
  ASSERT_NE(dialog, nullptr);
  TypeOver(dialog, L"Edit_PlanName", L"晚班巡查");
  ClickControl(dialog, L"btn_Ok");
  EXPECT_EQ(Answer(), L"编辑成功!");
  driver.WaitIdle();
  EXPECT_FALSE(::IsWindow(dialog));
  EXPECT_EQ(RequestsTo("/api/InspectPlan/Update").size(), 1u);
  EXPECT_EQ(Toasts(), (Texts{L"编辑成功!/3"}));
  EXPECT_EQ(Names(), (Texts{L"晚班巡查"}));
}

TEST_F(PlanPage, DeleteAsksThenDeletesOnTheServerAndInTheCache) {
  AddPlan(3, "早班巡查", 0, 2, "u1", true);
  AddPlan(4, "夜班", 0, 1, "u1", true);
  Open();
  Command(3, kDelete);
  EXPECT_EQ(Cancel(), L"是否删除计划?");
  EXPECT_TRUE(RequestsTo("/api/InspectPlan/Delete").empty());
  EXPECT_TRUE(Cached(3));

  Command(3, kDelete);
  EXPECT_EQ(Answer(), L"是否删除计划?");
  const auto deletes = RequestsTo("/api/InspectPlan/Delete");
  ASSERT_EQ(deletes.size(), 1u);
  EXPECT_EQ(world.plans.plans().size(), 1u);
  EXPECT_FALSE(Cached(3));
  EXPECT_EQ(AuditEvents(), std::vector<std::string>{u8"删除巡查计划-早班巡查"});
  EXPECT_EQ(Toasts(), (Texts{L"删除成功!/3"}));
  EXPECT_EQ(Names(), (Texts{L"夜班"}));
}

TEST_F(PlanPage, RefusedDeleteChangesNothing) {
  AddPlan(3, "早班巡查", 0, 2);  // not on the server, which refuses
  Open();
  Command(3, kDelete);
  EXPECT_EQ(Answer(), L"是否删除计划?");
  EXPECT_EQ(RequestsTo("/api/InspectPlan/Delete").size(), 1u);
  EXPECT_TRUE(Cached(3));
  EXPECT_TRUE(AuditEvents().empty());
  EXPECT_EQ(Toasts(), (Texts{L"删除失败!/3"}));
  EXPECT_EQ(Names(), (Texts{L"早班巡查"}));
}

TEST_F(PlanPage, LookAsksForThePlansResultsAndImportDoesNothing) {
  AddPlan(3, "早班巡查", 0, 3);
  AddPlan(5, "夜班", 0, 2);
  Open();
  Command(5, kLook);
  EXPECT_EQ(lookedAt, std::vector<int>{5});
  EXPECT_EQ(Menu(), nullptr);
  Command(3, kImport);
  EXPECT_EQ(lookedAt, std::vector<int>{5});
  EXPECT_EQ(OpenMessage(), L"");
  EXPECT_EQ(FindWindowOfClass(L"AddPlanWnd"), nullptr);
  EXPECT_TRUE(world.http().requests().empty());
}

// --- Export ---

namespace fs = std::filesystem;
using platform::spreadsheet::SpreadsheetApplication;

class PlanExport : public PlanPage {
 protected:
  PlanExport() { SpreadsheetApplication::Register(); }
  ~PlanExport() override { SpreadsheetApplication::Unregister(); }

  // A folder under the scratch folder whose narrow (GBK) path is `bytes` long, Chinese
  // characters counting two; made on disk when asked.
  std::string FolderOf(size_t bytes, bool make) {
    std::string folder = scratch.path() + "/";
    while (folder.size() + 2 <= bytes) folder += "导";
    if (folder.size() < bytes) folder += "a";
    if (make) fs::create_directories(fs::u8path(platform::codepage::GbkToUtf8(folder)));
    return folder;
  }
  // Clicks the export button and waits until the export is over.
  void ClickExport() {
    ClickControl(pageHwnd, L"ExportInpectPlanBtn");
    OpenMessage();
  }
  // The files in a folder (UTF-8 names).
  std::vector<std::string> FilesIn(const std::string& gbkFolder) {
    std::vector<std::string> files;
    const fs::path folder = fs::u8path(platform::codepage::GbkToUtf8(gbkFolder));
    if (!fs::is_directory(folder)) return files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) files.push_back(entry.path().u8string());
    return files;
  }

  test_support::ScratchFolder scratch;
};

TEST_F(PlanExport, WritesTheShownPlansIntoThePickedFolder) {
  AddPlan(1, "早班巡查", 0, 1);
  AddPlan(2, "消防巡查", 2, 2);
  AddPlan(3, "夜间消防", 2, 3);
  Open();
  Select(L"Comb_PlanType", 3);
  const std::string folder = FolderOf(30, true);
  driver.ScriptFolder(platform::codepage::GbkToWide(folder));
  ClickExport();

  const auto calls = driver.FolderChooserCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].title, L"选择一个文件夹");
  const std::vector<std::string> files = FilesIn(folder);
  ASSERT_EQ(files.size(), 1u);
  const Texts toasts = Toasts();
  ASSERT_EQ(toasts.size(), 1u);
  // The file's path as this machine writes it, with one kind of separator.
  EXPECT_EQ(toasts[0], L"导出成功，导出文件路径" + platform::codepage::Utf8ToWide(files[0]) + L"/3");
  test_support::XlsxWorkbook workbook;
  ASSERT_TRUE(workbook.Read(files[0])) << workbook.error();
  std::vector<std::string> names;
  for (int row = 1; row <= workbook.lastRow(); ++row) {
    const std::string name = workbook.cell("B" + std::to_string(row)).text;
    if (name.find(u8"巡查") != std::string::npos || name.find(u8"消防") != std::string::npos) names.push_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{u8"消防巡查", u8"夜间消防"})) << "the plans shown, no other";
}

TEST_F(PlanExport, FoldersUpToSixtyBytesPassLongerOnesAndCancelsWriteNothing) {
  AddPlan(1, "早班巡查", 0, 1);
  Open();
  const std::string sixty = FolderOf(60, true);
  const std::string sixtyOne = FolderOf(61, true);
  ASSERT_EQ(sixty.size(), 60u);
  ASSERT_EQ(sixtyOne.size(), 61u);

  driver.ScriptFolder(platform::codepage::GbkToWide(sixtyOne));
  ClickExport();
  EXPECT_EQ(Toasts(), (Texts{L"下载路径过长，请重新选择下载路径!/3"}));
  EXPECT_TRUE(FilesIn(sixtyOne).empty());

  driver.ScriptFolderCancel();
  ClickExport();
  driver.ScriptNonFileSystemFolder(L"此电脑");
  ClickExport();
  EXPECT_EQ(Toasts().size(), 1u) << "a cancel and a pick that is no folder say nothing";
  EXPECT_EQ(driver.FolderChooserCalls().size(), 3u);

  driver.ScriptFolder(platform::codepage::GbkToWide(sixty));
  ClickExport();
  EXPECT_EQ(FilesIn(sixty).size(), 1u);
  const Texts toasts = Toasts();
  ASSERT_EQ(toasts.size(), 2u);
  EXPECT_EQ(toasts[1].rfind(L"导出成功，导出文件路径", 0), 0u);
}

TEST_F(PlanExport, NoFileWrittenSaysTheExportFailed) {
  AddPlan(1, "早班巡查", 0, 1);
  Open();
  SpreadsheetApplication::Unregister();
  const std::string folder = FolderOf(30, true);
  driver.ScriptFolder(platform::codepage::GbkToWide(folder));
  ClickControl(pageHwnd, L"ExportInpectPlanBtn");
  // The worker says the spreadsheet application is missing; the export goes on once it
  // is answered.
  for (int tries = 0; tries < 1000 && driver.MessageBoxes().empty(); ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    driver.WaitIdle();
  }
  const auto boxes = driver.MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"EXCEL初始化时出错!");
  ASSERT_TRUE(driver.AnswerMessageBox(IDOK));
  OpenMessage();
  EXPECT_EQ(Toasts(), (Texts{L"导出失败!/3"}));
  EXPECT_TRUE(FilesIn(folder).empty());
}

}  // namespace
