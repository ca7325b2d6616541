// The route page as a child of the stand-in main frame, driven by real clicks against the
// fake patrol server: the cards and their building rows, the filters with the own-routes
// box kept across searches, the card menu opened after the press, the delete refused for a
// route in use and refused by the server, and the add and edit dialogs.
#include <gtest/gtest.h>

#include <json/json.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/management/CPatrolRouteUI.h"
#include "app/management/CardGrid.h"
#include "app/management/CRouteManageWndEx.h"
#include "app/shell/ShellServices.h"
#include "data/StartupCaches.h"
#include "testing/user/UserInput.h"
#include "tests/app/management/support/DeviceWindowTest.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/core/control/CTileLayoutUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::ImagesOf;
using shelltest::ManagerOf;
using shelltest::OnWindowThread;
using Names = std::vector<std::wstring>;

// Only its address matters: ShowToast goes to the fixture's handler.
char g_toastWindowStandIn;

const wchar_t kMenuWindow[] = L"SkinMenuWnd";

class RoutePage : public devicetest::DeviceWindowTest {
 public:
  RoutePage() {
    CoverWorkArea();
    g_pFeedBackWnd = reinterpret_cast<PhotoFeedBackWindow*>(&g_toastWindowStandIn);
  }
  ~RoutePage() override {
    CloseOpened();
    CloseMenu();
    ui.Call([this] {
      if (page && ::IsWindow(page->GetHWND())) ::DestroyWindow(page->GetHWND());
      page.reset();
    });
    driver.WaitIdle();
    g_pFeedBackWnd = nullptr;
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan.clear();
  }

  // A route in the cache and on the server; `links` maps a building to its checkpoints.
  void AddRoute(int id, const std::string& name, int type, const std::string& announcer,
                const std::vector<std::pair<int, std::vector<int>>>& links = {}) {
    InspectRouteInfo route;
    route.iID = id;
    route.strName = name;
    route.iType = type;
    route.strAnnouncerID = announcer;
    route.strAnnouncerName = announcer == "u1" ? "张三" : "李四";
    for (const auto& building : links) {
      RouteAreaInfo& area = route.mapArea[building.first];
      area.buildingId = building.first;
      area.buildingName = "楼" + std::to_string(building.first);
      for (int checkpoint : building.second) {
        InspectRouteDeviceInfo link;
        link.iDeviceID = checkpoint;
        link.strDeviceName = "点" + std::to_string(checkpoint);
        area.listDevice.push_back(link);
      }
    }
    g_mapInspectRoute[id] = route;
    Json::Value record;
    record["iID"] = id;
    world.plans.routes().seed(record);
  }
  void UseRouteInPlan(int plan, int route) {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan[plan].iID = plan;
    g_mapInspectPlan[plan].iRouteID = route;
  }
  void ForgetPlans() {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan.clear();
  }

  HWND Open() {
    page = std::make_unique<CRouteManageWndEx>();
    ui.Call([this] { hwnd = page->Create(frame, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, 0); });
    driver.WaitIdle();
    return hwnd;
  }

  // Runs `look` on each card of the grid, in order.
  template <class Look>
  void EachCard(Look look) {
    OnWindowThread(hwnd, [&] {
      auto* tiles = static_cast<SkinUI::CTileLayoutUI*>(FindControl(hwnd, L"TileLayout_route"));
      for (int i = 0; i < tiles->GetCount(); ++i) look(static_cast<CPatrolRouteUI*>(tiles->GetItemAt(i)));
    });
  }
  Names CardNames() {
    Names names;
    EachCard([&](CPatrolRouteUI* card) { names.push_back(Part(card, L"RouteName")->GetText().GetData()); });
    return names;
  }
  SkinUI::CControlUI* Part(CPatrolRouteUI* card, LPCTSTR name) {
    return ManagerOf(hwnd)->FindSubControlByName(card, name);
  }
  std::wstring Background(int card) {
    std::wstring image;
    int i = 0;
    EachCard([&](CPatrolRouteUI* each) {
      if (i++ == card) image = ImagesOf::Background(each);
    });
    return image;
  }

  // Presses the menu button of a card; the menu opens once the click is over.
  void OpenCardMenu(int card) {
    POINT centre = {-1, -1};
    int i = 0;
    EachCard([&](CPatrolRouteUI* each) {
      if (i++ != card) return;
      const RECT rc = Part(each, L"btn_Route")->GetPos();
      centre = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
      ::ClientToScreen(hwnd, &centre);
    });
    ASSERT_NE(centre.x, -1) << "no card " << card;
    driver.Click(centre.x, centre.y);
    Settle();
  }
  void ChooseFromMenu(LPCTSTR item) {
    const HWND menu = FindWindowOfClass(kMenuWindow);
    ASSERT_NE(menu, nullptr) << "no menu open";
    ClickControl(menu, item);
    Settle();
  }
  void CloseMenu() {
    for (HWND menu = FindWindowOfClass(kMenuWindow); menu != nullptr; menu = FindWindowOfClass(kMenuWindow)) {
      ::PostMessageW(menu, WM_CLOSE, 0, 0);
      driver.WaitIdle();
    }
  }

  std::vector<std::string> AuditEvents() {
    std::vector<std::string> events;
    for (const Json::Value& entry : world.patrol.audit_log().all()) events.push_back(entry["strEvent"].asString());
    return events;
  }
  size_t DeleteRequests() { return Paths().size() - NonDeletePaths(); }
  size_t NonDeletePaths() {
    size_t others = 0;
    for (const std::string& path : Paths()) {
      if (path != "/api/InspectRoute/Delete") ++others;
    }
    return others;
  }

  std::unique_ptr<CRouteManageWndEx> page;
  HWND hwnd = nullptr;
};

// --- Cards -------------------------------------------------------------------------------

TEST_F(RoutePage, ACardShowsItsRouteAndOneRowABuildingWithASquareACheckpoint) {
  AddRoute(3, "东区夜间巡查路线一号线", 1, "u1", {{10, {1, 2, 3, 4, 5, 6}}, {12, {9}}});
  AddRoute(4, "门岗", 6, "u2");
  Open();
  ASSERT_EQ(CardNames(), (Names{L"东区夜间巡查路线一号线", L"门岗"}));
  EXPECT_EQ(Text(hwnd, L"lab_RouteCounts"), L"2");
  int card = 0;
  EachCard([&](CPatrolRouteUI* each) {
    SCOPED_TRACE(card);
    const InspectRouteInfo& route = each->GetRoute();
    // 22 bytes of GBK make 198 pixels, more than the name may take.
    EXPECT_EQ(Part(each, L"RouteName")->GetFixedWidth(), card == 0 ? 150 : 36);
    EXPECT_EQ(Part(each, L"RouteName")->GetToolTip(), Part(each, L"RouteName")->GetText());
    EXPECT_EQ(ImagesOf::Background(Part(each, L"Routetype")),
              card == 0 ? L"file='1首页/设备.png' dest='8,0,38,15'" : L"file='1首页/考试自习.png'");
    EXPECT_EQ(std::wstring(Part(each, L"Announcer")->GetText().GetData()), card == 0 ? L"张三" : L"李四");
    EXPECT_EQ(std::wstring(Part(each, L"btn_Route")->GetUserData().GetData()), std::to_wstring(route.iID));
    EXPECT_EQ(each->GetFixedWidth(), 324);
    EXPECT_EQ(each->GetFixedHeight(), 260);
    EXPECT_EQ(each->GetPadding().left, 10);
    EXPECT_EQ(each->GetPadding().top, 20);
    ++card;
  });

  // The first card's rows: the building's name, then its squares five to a row.
  EachCard([&](CPatrolRouteUI* each) {
    if (each->GetRoute().iID != 3) return;
    auto* areas = static_cast<SkinUI::CContainerUI*>(Part(each, L"TileLayout_area"));
    ASSERT_EQ(areas->GetCount(), 2);
    const int squares[] = {6, 1};
    const wchar_t* buildings[] = {L"楼10", L"楼12"};
    for (int row = 0; row < 2; ++row) {
      auto* line = static_cast<SkinUI::CContainerUI*>(areas->GetItemAt(row));
      ASSERT_EQ(line->GetCount(), 2);
      EXPECT_EQ(std::wstring(line->GetItemAt(0)->GetText().GetData()), buildings[row]);
      auto* tile = static_cast<SkinUI::CTileLayoutUI*>(line->GetItemAt(1)->GetInterface(L"TileLayout"));
      ASSERT_NE(tile, nullptr);
      EXPECT_EQ(tile->GetColumns(), 5);
      ASSERT_EQ(tile->GetCount(), squares[row]);
      EXPECT_EQ(std::wstring(tile->GetItemAt(0)->GetToolTip().GetData()), row == 0 ? L"点1" : L"点9");
      EXPECT_EQ(ImagesOf::Background(tile->GetItemAt(0)), L"file='3巡更线路/巡更点未检查.png'");
    }
    auto* first = static_cast<SkinUI::CContainerUI*>(static_cast<SkinUI::CContainerUI*>(areas->GetItemAt(0))->GetItemAt(1));
    EXPECT_EQ(first->GetItemAt(5)->GetPos().left, first->GetItemAt(0)->GetPos().left)
        << "the sixth checkpoint starts the second row";
    EXPECT_GT(first->GetItemAt(5)->GetPos().top, first->GetItemAt(0)->GetPos().top);
  });
  shelltest::SavePicture(frame, "route-page-cards");
}

TEST_F(RoutePage, NoRouteShowsThePlaceholderInTheMiddleOfThePage) {
  Open();
  RECT work = {0, 0, 0, 0};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(Text(hwnd, L"lab_RouteCounts"), L"0");
  EXPECT_TRUE(Visible(hwnd, L"hlNoContent"));
  EXPECT_FALSE(Visible(hwnd, L"TileLayout_route"));
  RECT padding = {};
  OnWindowThread(hwnd, [&] { padding = FindControl(hwnd, L"hlNoContent")->GetPadding(); });
  EXPECT_EQ(padding.left, (work.right - work.left) / 2 - 110);
  EXPECT_EQ(padding.top, (work.bottom - 180) / 2 - 90);
  RECT placed = {};
  ::GetWindowRect(hwnd, &placed);
  EXPECT_EQ(placed.top, 150);
  EXPECT_EQ(placed.right - placed.left, work.right - work.left);
  EXPECT_EQ(placed.bottom - placed.top, work.bottom - 180);
  int columns = 0;
  OnWindowThread(hwnd, [&] {
    columns = static_cast<SkinUI::CTileLayoutUI*>(FindControl(hwnd, L"TileLayout_route"))->GetColumns();
  });
  EXPECT_EQ(columns, (work.right - work.left) > 1670 ? 5 : (work.right - work.left) > 1300 ? 4 : 3);
}

// --- Filters -----------------------------------------------------------------------------

TEST_F(RoutePage, TheOwnRoutesBoxStaysInForceAcrossSearchesAndTypeChanges) {
  AddRoute(1, "北门夜巡", 0, "u1");
  AddRoute(2, "北门日巡", 0, "u2");
  AddRoute(3, "南门夜巡", 2, "u1");
  AddRoute(4, "南门日巡", 2, "u2");
  Open();
  ASSERT_EQ(CardNames().size(), 4u);

  Click(hwnd, L"MyRoute_CK");
  EXPECT_EQ(CardNames(), (Names{L"北门夜巡", L"南门夜巡"}));
  Type(hwnd, L"Rich_RouteFind", L"南门");
  EXPECT_EQ(CardNames(), Names{L"南门夜巡"});
  EXPECT_TRUE(Visible(hwnd, L"btn_clear"));
  Click(hwnd, L"btn_Routefind");
  EXPECT_EQ(CardNames(), Names{L"南门夜巡"});
  Click(hwnd, L"btn_clear");
  EXPECT_EQ(CardNames(), (Names{L"北门夜巡", L"南门夜巡"})) << "clearing the search keeps the box";
  EXPECT_FALSE(Visible(hwnd, L"btn_clear"));
  Select(hwnd, L"Comb_RoutePlanType", 3);  // type 2
  EXPECT_EQ(CardNames(), Names{L"南门夜巡"});

  Click(hwnd, L"MyRoute_CK");
  EXPECT_EQ(CardNames(), (Names{L"南门夜巡", L"南门日巡"}));
  Select(hwnd, L"Comb_RoutePlanType", 0);
  Type(hwnd, L"Rich_RouteFind", L"日");
  EXPECT_EQ(CardNames(), (Names{L"北门日巡", L"南门日巡"}));
  EXPECT_EQ(Text(hwnd, L"lab_RouteCounts"), L"2");
}

// The cache is read again from the server while the page stays open (the frame's start-up
// loader does so); a user who asks for the list again, by the search button or by Return
// in the name field, sees the routes as they are now, with the own-routes box kept.
TEST_F(RoutePage, TheSearchButtonAndReturnShowTheRoutesTheCacheHasNow) {
  userinput::UserInput user{driver};
  AddRoute(1, "北门夜巡", 0, "u1");
  AddRoute(2, "北门日巡", 0, "u2");
  Open();
  user.Click(hwnd, L"MyRoute_CK");
  ASSERT_EQ(CardNames(), Names{L"北门夜巡"});
  const struct {
    const char* way;
    std::function<void()> act;
  } cases[] = {
      {"the search button", [&] { user.Click(hwnd, L"btn_Routefind"); }},
      {"Return in the name field",
       [&] {
         user.Click(hwnd, L"Rich_RouteFind");
         user.Key(VK_RETURN);
       }},
  };
  int id = 10;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.way);
    ++id;
    ui.Call([&] {
      AddRoute(id, "东门巡查" + std::to_string(id), 0, "u1");
      AddRoute(id + 100, "西门巡查" + std::to_string(id), 0, "u2");
    });
    const std::wstring added = L"东门巡查" + std::to_wstring(id);
    EXPECT_EQ(CardNames().size(), static_cast<size_t>(id - 10)) << "the cards wait to be asked";
    c.act();
    const Names names = CardNames();
    EXPECT_NE(std::find(names.begin(), names.end(), added), names.end());
    EXPECT_EQ(names.size(), static_cast<size_t>(id - 9)) << "still only the own routes";
  }
}

// --- The card menu -----------------------------------------------------------------------

struct AlignmentCase {
  POINT cursor;
  DWORD flags;
};

TEST(CardMenuAlignment, OpensOnTheSideOfTheCursorThatKeepsTheRouteMenuOnTheScreen) {
  const SIZE screen = {1920, 1040};
  const AlignmentCase cases[] = {
      {{100, 100}, 4 | 2},     {{1790, 100}, 4 | 2},   {{1791, 100}, 4 | 8},
      {{100, 850}, 4 | 2},     {{100, 851}, 16 | 2},   {{1900, 1000}, 16 | 8},
  };
  for (const AlignmentCase& c : cases) {
    EXPECT_EQ(CardGrid::MenuAlignment(c.cursor, SIZE{130, 190}, screen), c.flags) << c.cursor.x << "," << c.cursor.y;
  }
}

TEST_F(RoutePage, ARouteInUseCannotBeDeletedUntilNoPlanUsesIt) {
  AddRoute(7, "夜巡", 2, "u1");
  UseRouteInPlan(30, 7);
  Open();
  EXPECT_EQ(Background(0), CPatrolRouteUI::kUsedBackground);

  OpenCardMenu(0);
  EXPECT_EQ(page->GetSelectedRoute(), 7);
  ChooseFromMenu(L"menu_deleteRoute");
  const devicetest::Message refusal = Answer();
  EXPECT_EQ(refusal.text, L"当前巡更线路已存在于巡更计划中，\r\n不能进行删除！");
  EXPECT_EQ(refusal.kind, 1);
  EXPECT_EQ(DeleteRequests(), 0u);

  // The plan went on the plan page; the next refresh sees it gone.
  ForgetPlans();
  Click(hwnd, L"btn_Routefind");
  EXPECT_EQ(Background(0), CPatrolRouteUI::kUnusedBackground);
  OpenCardMenu(0);
  ChooseFromMenu(L"menu_deleteRoute");
  const devicetest::Message question = Answer(L"cancle");
  EXPECT_EQ(question.text, L"是否删除路线?");
  EXPECT_EQ(question.kind, 2);
  EXPECT_EQ(DeleteRequests(), 0u) << "cancelled";

  OpenCardMenu(0);
  ChooseFromMenu(L"menu_deleteRoute");
  Answer();
  EXPECT_EQ(LastBody("/api/InspectRoute/Delete"), "{\"iID\":7}\n");
  EXPECT_EQ(AuditEvents(), std::vector<std::string>{u8"删除路线-夜巡"});
  EXPECT_EQ(g_mapInspectRoute.count(7), 0u);
  EXPECT_TRUE(CardNames().empty());
  EXPECT_TRUE(Visible(hwnd, L"hlNoContent"));
  EXPECT_EQ(Toasts(), std::vector<std::wstring>{L"删除成功!"});
}

// The cache has changed whether or not there is a toast to say so.
TEST_F(RoutePage, WithoutTheToastWindowTheCardsStillFollowADelete) {
  AddRoute(7, "夜巡", 2, "u1");
  AddRoute(8, "早巡", 2, "u1");
  g_pFeedBackWnd = nullptr;
  Open();
  OpenCardMenu(0);
  ChooseFromMenu(L"menu_deleteRoute");
  Answer();
  EXPECT_EQ(CardNames(), Names{L"早巡"});
  EXPECT_EQ(Text(hwnd, L"lab_RouteCounts"), L"1");
  EXPECT_TRUE(Toasts().empty());
}

TEST_F(RoutePage, ADeleteTheServerDoesNotAnswerWithOneChangesNothing) {
  // The server knows no such route, or cannot be reached.
  const std::string reachable = world.session().m_strServerAddr;
  for (const bool unreachable : {false, true}) {
    SCOPED_TRACE(unreachable ? "unreachable" : "refused");
    InspectRouteInfo route;
    route.iID = 7;
    route.strName = "夜巡";
    g_mapInspectRoute[7] = route;
    world.session().m_strServerAddr = unreachable ? RefusingBaseUrl() + "/" : reachable;
    Open();
    OpenCardMenu(0);
    ChooseFromMenu(L"menu_deleteRoute");
    Answer();
    EXPECT_EQ(Toasts().back(), L"删除失败!");
    EXPECT_EQ(g_mapInspectRoute.count(7), 1u);
    EXPECT_EQ(CardNames(), Names{L"夜巡"});
    ui.Call([this] {
      ::DestroyWindow(hwnd);
      page.reset();
    });
  }
  world.session().m_strServerAddr = reachable;
  EXPECT_TRUE(AuditEvents().empty());
}

TEST_F(RoutePage, TheMenuEditsTheRouteAndAddRouteAddsOne) {
  AddRoute(7, "夜巡", 2, "u1");
  Open();
  OpenCardMenu(0);
  ChooseFromMenu(L"menu_EditRoute");
  HWND dialog = FindWindowOfClass(L"AddRouteWnd");
  ASSERT_NE(dialog, nullptr);
  wchar_t title[64] = {0};
  ::GetWindowTextW(dialog, title, 64);
  EXPECT_STREQ(title, L"编辑巡更路线");
  EXPECT_EQ(Text(dialog, L"Edit_RouteName"), L"夜巡");
  TypeOver(dialog, L"Edit_RouteName", L"夜巡二");
  Click(dialog, L"btn_Ok");
  EXPECT_EQ(FindWindowOfClass(L"AddRouteWnd"), nullptr);
  EXPECT_EQ(CardNames(), Names{L"夜巡二"});
  EXPECT_EQ(Toasts(), std::vector<std::wstring>{L"编辑成功!"});

  Click(hwnd, L"AddRouteBtn");
  dialog = FindWindowOfClass(L"AddRouteWnd");
  ASSERT_NE(dialog, nullptr);
  ::GetWindowTextW(dialog, title, 64);
  EXPECT_STREQ(title, L"新增巡更路线");
  Click(dialog, L"btn_Cancel");
  EXPECT_EQ(CardNames().size(), 1u) << "cancelled";
  Click(hwnd, L"AddRouteBtn");
  dialog = FindWindowOfClass(L"AddRouteWnd");
  ASSERT_NE(dialog, nullptr);
  TypeOver(dialog, L"Edit_RouteName", L"早巡");
  Click(dialog, L"btn_Ok");
  EXPECT_EQ(CardNames(), (Names{L"夜巡二", L"早巡"}));
  EXPECT_EQ(Toasts().back(), L"添加成功!");
}

}  // namespace
