// The route dialog driven by real clicks and typed text against the fake patrol server:
// the campus tree and its ticks, adding and saving a route with its checkpoint links, the
// map page's URL through a scripted browser, the digital-centre button, and the refusals
// the dialog reports (a route without a type, text the wire's code page cannot hold).
#include <gtest/gtest.h>

#include <json/json.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "app/management/CAddRouteWnd.h"
#include "app/shell/ShellServices.h"
#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "platform/base/Shell.h"
#include "testing/services/WireJson.h"
#include "tests/app/management/support/WaysOut.h"
#include "testing/user/UserInput.h"
#include "tests/app/shell/support/ShellWindowTest.h"
#include "tests/app/shell/support/ToastLog.h"
#include "tests/data/CampusWorld.h"
#include "tests/ui/controls/support/ScriptedBrowserScope.h"
#include "tests/ui/controls/support/ScriptedOleControl.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CTreeNodeUI.h"
#include "ui/controls/CTreeViewUI.h"

namespace {

using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::ImagesOf;
using shelltest::OnWindowThread;
using Strings = std::vector<std::wstring>;

// Only its address matters: ShowToast is handed to the test's handler.
char g_toastWindowStandIn;

// A message box as the dialog showed it: its text and its kind's icon.
struct Message {
  std::wstring text;
  std::wstring icon;
};

// The icon's picture of a message box; where it sits follows the text's length.
std::wstring Icon(const std::wstring& file) { return L"file='MessageUI/图标（中）---" + file + L"'"; }
std::wstring IconFile(const std::wstring& image) { return image.substr(0, image.find(L" dest=")); }

class AddRouteDialog : public shelltest::ShellWindowTest {
 protected:
  AddRouteDialog() {
    // North campus: 东楼 with checkpoints on floors 3 and 1, 西楼 with none (hidden),
    // 南楼 with one; south campus: 图书馆.
    AddCampus(1, "北校区", {{10, "东楼"}, {11, "西楼"}, {12, "南楼"}});
    AddCampus(2, "南校区", {{20, "图书馆"}});
    AddCheckpoint(3, "天台", 10, 3);
    AddCheckpoint(5, "东门", 10, 1);
    AddCheckpoint(9, "南门", 12, 2);
    AddCheckpoint(21, "书库", 20, 1);
    g_pFeedBackWnd = reinterpret_cast<PhotoFeedBackWindow*>(&g_toastWindowStandIn);
  }
  ~AddRouteDialog() override {
    if (hwnd != nullptr && ::IsWindow(hwnd)) {
      ClickControl(hwnd, L"btn_close");
      driver.WaitIdle();
    }
    window.reset();
    platform::SetShellExecuteHook(nullptr);
    g_pFeedBackWnd = nullptr;
  }

  void AddCampus(int id, const std::string& name, const std::vector<std::pair<int, std::string>>& buildings) {
    CampusInfo campus;
    campus.campusId = id;
    campus.campusName = name;
    for (const auto& building : buildings) {
      DigiAreaInfo area;
      area.campusId = id;
      area.buildingId = building.first;
      area.buildingName = building.second;
      area.floorNumber = 5;
      campus.listArea.push_back(area);
      g_mapDigiArea[area.buildingId] = area;
    }
    g_mapCampus[id] = campus;
  }
  void AddCheckpoint(int id, const std::string& name, int building, int floor) {
    Json::Value record;
    record["iID"] = id;
    record["strName"] = CommonTools::to_utf8(name, "gbk");
    record["iAreaID"] = building;
    record["ifloor"] = floor;
    record["strCode"] = "C" + std::to_string(id);
    world.patrol.checkpoints().seed(record);
    InspectPosDeviceInfo checkpoint;
    checkpoint.iID = id;
    checkpoint.strName = name;
    checkpoint.iAreaID = building;
    checkpoint.ifloor = floor;
    checkpoint.strCode = record["strCode"].asString();
    g_mapInspectPosDevice[id] = checkpoint;
  }
  // Route 7 "夜巡" of type 2 on the north campus, linked to 东门 (5) and 南门 (9).
  InspectRouteInfo NightRoute() {
    Json::Value record;
    record["iID"] = 7;
    record["strName"] = u8"夜巡";
    record["iType"] = 2;
    world.plans.routes().seed(record);
    InspectRouteInfo route;
    route.iID = 7;
    route.strName = "夜巡";
    route.iType = 2;
    route.strAnnouncerID = "u1";
    route.strReserve = "2022-07-01 08:00:00";
    route.iCampusID = 1;
    route.mapArea[10].listDevice.push_back(InspectRouteDeviceInfo{});
    route.mapArea[10].listDevice.back().iDeviceID = 5;
    route.mapArea[12].listDevice.push_back(InspectRouteDeviceInfo{});
    route.mapArea[12].listDevice.back().iDeviceID = 9;
    return route;
  }

  void Open(int mode, const InspectRouteInfo* route = nullptr) {
    result = -1;
    window = std::make_unique<CAddRouteWnd>(mode);
    ui.Post([this, route] {
      window->CreateWithStyle(frame, L"新增路线", 0, 0);
      if (route != nullptr) window->LoadRoute(*route);
      window->CenterWindow();
      result = static_cast<int>(window->ShowModal());
    });
    ASSERT_TRUE(driver.WaitIdle());
    hwnd = window->GetHWND();
    ASSERT_NE(hwnd, nullptr);
  }
  // The tree's rows: buildings, and their checkpoints indented with a "+" when ticked.
  Strings Tree() {
    Strings rows;
    OnWindowThread(hwnd, [&] {
      auto* tree = static_cast<SkinUI::CTreeViewUI*>(FindControl(hwnd, L"treeArealist"));
      for (int i = 0; i < tree->GetCount(); ++i) {
        auto* node = static_cast<SkinUI::CTreeNodeUI*>(tree->GetItemAt(i)->GetInterface(L"TreeNode"));
        if (node == nullptr || node->GetParentNode() != nullptr) continue;
        rows.push_back(node->GetItemText().GetData());
        for (int k = 0; k < node->GetCountChild(); ++k) {
          SkinUI::CTreeNodeUI* child = node->GetChildNode(k);
          std::wstring row = L" " + std::wstring(child->GetItemText().GetData());
          for (int c = 0; c < child->GetCount(); ++c) {
            SkinUI::CControlUI* box = child->GetItemAt(c);
            if (box->GetInterface(L"Option") == nullptr) continue;
            if (std::wstring(box->GetName().GetData()).rfind(L"pos_", 0) != 0) continue;
            if (static_cast<SkinUI::CCheckBoxUI*>(box)->IsSelected()) row += L"+";
          }
          rows.push_back(row);
        }
      }
    });
    return rows;
  }
  bool Ticked(int checkpoint) {
    bool ticked = false;
    OnWindowThread(hwnd, [&] {
      auto* box = static_cast<SkinUI::CCheckBoxUI*>(FindControl(hwnd, (L"pos_" + std::to_wstring(checkpoint)).c_str()));
      ticked = box != nullptr && box->IsSelected();
    });
    return ticked;
  }
  void Tick(int checkpoint) {
    ClickControl(hwnd, (L"pos_" + std::to_wstring(checkpoint)).c_str());
    ASSERT_TRUE(driver.WaitIdle());
  }
  // Clicks the box of a building, which carries the building's id.
  void ClickBuilding(int building) {
    POINT centre = {-1, -1};
    OnWindowThread(hwnd, [&] {
      auto* tree = static_cast<SkinUI::CTreeViewUI*>(FindControl(hwnd, L"treeArealist"));
      for (int i = 0; i < tree->GetCount(); ++i) {
        auto* node = static_cast<SkinUI::CContainerUI*>(tree->GetItemAt(i)->GetInterface(L"Container"));
        for (int c = 0; node != nullptr && c < node->GetCount(); ++c) {
          SkinUI::CControlUI* box = node->GetItemAt(c);
          if (box->GetName() != L"area_ck" || box->GetUserData() != std::to_wstring(building).c_str()) continue;
          const RECT rc = box->GetPos();
          centre = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
          ::ClientToScreen(hwnd, &centre);
        }
      }
    });
    ASSERT_NE(centre.x, -1) << "no box for building " << building;
    driver.Click(centre.x, centre.y);
    ASSERT_TRUE(driver.WaitIdle());
  }
  void SelectCampus(const std::wstring& name) { input.PickCombo(hwnd, L"Comb_CampusName", name); }
  void Fill(const std::wstring& name, const std::wstring& type) {
    input.Type(hwnd, L"Edit_RouteName", name);
    input.PickCombo(hwnd, L"Comb_RouteType", type);
  }
  void PressOk() {
    ClickControl(hwnd, L"btn_Ok");
    ASSERT_TRUE(driver.WaitIdle());
  }
  // The open message box, closed afterwards by the button its kind has.
  Message TakeMessage() {
    const HWND box = FindWindowOfClass(L"MessagWnd");
    if (box == nullptr) return {};
    Message shown;
    bool hasYes = false;
    OnWindowThread(box, [&] {
      SkinUI::CControlUI* context = FindControl(box, L"VContext");
      shown.text = context->GetText().GetData();
      shown.icon = IconFile(ImagesOf::Background(context));
      SkinUI::CControlUI* yes = shelltest::ControlIfAny(box, L"yes");
      hasYes = yes != nullptr && yes->IsVisible();
    });
    ClickControl(box, hasYes ? L"yes" : L"close");
    driver.WaitIdle();
    return shown;
  }
  std::vector<Json::Value> Bodies(const std::string& path) { return world.requestBodies(path); }
  std::vector<int> LinkedIds(const std::string& path) {
    std::vector<int> ids;
    for (const Json::Value& body : Bodies(path)) ids.push_back(body["iPositionDeviceID"].asInt());
    return ids;
  }
  // The cached route's links as "building:checkpoint".
  std::vector<std::string> CachedLinks(int routeId) {
    std::vector<std::string> links;
    const auto route = g_mapInspectRoute.find(routeId);
    if (route == g_mapInspectRoute.end()) return links;
    for (const auto& area : route->second.mapArea) {
      for (const auto& link : area.second.listDevice) {
        links.push_back(area.second.buildingName + ":" + std::to_string(link.iDeviceID));
      }
    }
    return links;
  }
  Strings Toasts() { return toasts.TextsWithSeconds(); }

  CampusWorld world;
  userinput::UserInput input{driver};
  oletest::ScriptedBrowserScope browser{ui};
  std::unique_ptr<CAddRouteWnd> window;
  HWND hwnd = nullptr;
  std::atomic<int> result{-1};
  shelltest::ToastLog toasts;
};

TEST_F(AddRouteDialog, ShowsTheCampusBuildingsWithCheckpointsFloorsAscending) {
  Open(1);
  EXPECT_EQ(Tree(), (Strings{L"东楼", L" 东门_1层", L" 天台_3层", L"南楼", L" 南门_2层"}))
      << "row 0 chosen from an empty selection still builds the tree; 西楼 has no checkpoint";
  SelectCampus(L"南校区");
  EXPECT_EQ(Tree(), (Strings{L"图书馆", L" 书库_1层"}));
  SelectCampus(L"北校区");
  EXPECT_EQ(Tree(), (Strings{L"东楼", L" 东门_1层", L" 天台_3层", L"南楼", L" 南门_2层"}));
}

TEST_F(AddRouteDialog, AnEditedRouteShowsItsLinkedCheckpointsTicked) {
  const InspectRouteInfo route = NightRoute();
  Open(2, &route);
  EXPECT_EQ(Tree(), (Strings{L"东楼", L" 东门_1层+", L" 天台_3层", L"南楼", L" 南门_2层+"}));
  OnWindowThread(hwnd, [&] {
    EXPECT_EQ(std::wstring(FindControl(hwnd, L"lab_title")->GetText().GetData()), L"编辑路线");
    EXPECT_EQ(std::wstring(FindControl(hwnd, L"Edit_RouteName")->GetText().GetData()), L"夜巡");
  });
}

TEST_F(AddRouteDialog, BuildingBoxTicksAndClearsItsCheckpoints) {
  Open(1);
  Tick(9);
  const auto fetchesBefore = Bodies("/api/InspectPositionDevice/GetByAreaID").size();
  ClickBuilding(10);
  EXPECT_TRUE(Ticked(3));
  EXPECT_TRUE(Ticked(5));
  EXPECT_TRUE(Ticked(9)) << "another building's box is left alone";
  EXPECT_EQ(Bodies("/api/InspectPositionDevice/GetByAreaID").size(), fetchesBefore + 1) << "fetched again per click";
  ClickBuilding(10);
  EXPECT_FALSE(Ticked(3));
  EXPECT_FALSE(Ticked(5));
  EXPECT_TRUE(Ticked(9));
}

TEST_F(AddRouteDialog, SavingAnEditedRouteRewritesItsLinksInCheckpointOrder) {
  const InspectRouteInfo route = NightRoute();
  g_mapInspectRoute[7] = route;
  Open(2, &route);
  Tick(3);
  world.http().clear_requests();
  PressOk();
  EXPECT_EQ(result.load(), 1);

  const auto updates = Bodies("/api/InspectRoute/Update");
  ASSERT_EQ(updates.size(), 1u);
  EXPECT_EQ(Bodies("/api/InspectRouteDevice/Delete").size(), 1u);
  EXPECT_EQ(LinkedIds("/api/InspectRouteDevice/Add"), (std::vector<int>{3, 5, 9}));
  std::vector<std::string> order;
  for (const auto& request : world.http().requests()) {
    if (request.path().rfind("/api/InspectRouteDevice/", 0) == 0) order.push_back(request.path());
  }
  ASSERT_FALSE(order.empty());
  EXPECT_EQ(order.front(), "/api/InspectRouteDevice/Delete") << "links go before the new ones are added";
  EXPECT_EQ(world.plans.links().size(), 3u);
  EXPECT_EQ(CachedLinks(7), (std::vector<std::string>{"东楼:3", "东楼:5", "南楼:9"}));
  EXPECT_EQ(g_mapInspectRoute[7].strName, "夜巡");
}

TEST_F(AddRouteDialog, AnEmptyNameIsRefusedBeforeAnyWrite) {
  Open(1);
  Tick(5);
  world.http().clear_requests();
  PressOk();
  const Message shown = TakeMessage();
  EXPECT_EQ(shown.text, L"线路名称不能为空!");
  EXPECT_EQ(shown.icon, Icon(L"提示.png"));
  EXPECT_TRUE(::IsWindow(hwnd));
  EXPECT_EQ(world.http().request_count(), 0u);
}

TEST_F(AddRouteDialog, TheCloseAndCancelButtonsEndTheDialogWithNothingWritten) {
  for (const managementtest::WayOut& c : managementtest::kWaysOut) {
    SCOPED_TRACE(managementtest::Describe(c));
    const InspectRouteInfo route = NightRoute();
    g_mapInspectRoute[7] = route;
    const std::vector<std::string> links = CachedLinks(7);
    Open(c.mode, c.mode == 2 ? &route : nullptr);
    Fill(L"晨巡", L"安防");
    Tick(3);
    world.http().clear_requests();
    input.Click(hwnd, c.button);
    input.WaitFor("the dialog to end", [&] { return result.load() != -1; });
    EXPECT_EQ(result.load(), 2);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(world.http().request_count(), 0u);
    ASSERT_EQ(g_mapInspectRoute.size(), 1u);
    EXPECT_EQ(g_mapInspectRoute[7].strName, "夜巡");
    EXPECT_EQ(CachedLinks(7), links);
  }
}

TEST_F(AddRouteDialog, NavigatesTheMapPageOnlyWhenItsFileExists) {
  namespace fs = std::filesystem;
  const std::wstring folder = CommonTools::get_exe_dir();
  const fs::path pageFolder = fs::path(folder) / "InspectRecord";
  fs::remove_all(pageFolder);

  Open(1);
  const std::string missing = "未发现InspectRecord\\index.html: " +
                              std::string(fs::path(folder).string()) + "\\InspectRecord\\index.html\n";
  bool logged = false;
  for (const std::string& line : world.logLines()) logged = logged || line.find(missing) != std::string::npos;
  EXPECT_TRUE(logged) << "the missing page is logged";
  ASSERT_NE(oletest::ScriptedOleControl::Last(), nullptr);
  EXPECT_TRUE(oletest::ScriptedOleControl::Last()->navigated.empty());

  fs::create_directories(pageFolder);
  std::ofstream(pageFolder / "index.html") << "<html></html>";
  const std::wstring query = L"&Date=2021-10-26&width=900&height=610&Type=";
  // The server's address goes as a query value: "/" and ":" percent-encoded.
  std::wstring server;
  for (const char c : world.session().m_strServerAddr) {
    server += c == '/' ? L"%2F" : c == ':' ? L"%3A" : std::wstring(1, static_cast<wchar_t>(c));
  }
  const std::wstring page = folder + L"\\InspectRecord\\index.html?token=tok&userID=u1&campusId=";
  SelectCampus(L"南校区");
  const Strings added = oletest::ScriptedOleControl::Last()->navigated;
  EXPECT_EQ(added, (Strings{page + L"2&InspectRecordID=-1" + query + L"4&QVBaseAddr=" + server}))
      << "a new route has no id before its first save";
  ClickControl(hwnd, L"btn_close");
  driver.WaitIdle();

  const InspectRouteInfo route = NightRoute();
  Open(2, &route);
  EXPECT_EQ(oletest::ScriptedOleControl::Last()->navigated,
            (Strings{page + L"1&InspectRecordID=7" + query + L"3&QVBaseAddr=" + server}));
  ClickControl(hwnd, L"btn_close");
  driver.WaitIdle();
  fs::remove_all(pageFolder);
}

TEST_F(AddRouteDialog, DigitalCentreButtonOpensTheCentreOrSaysWhy) {
  const char* const centre = "http://brenholt.test/centre";
  const struct {
    const char* name;
    const char* address;  // the platform's digital-campus address
    bool identity;
    INT_PTR shellResult;
    Strings opened;
    Strings toasts;
  } cases[] = {
      {"no identity", centre, false, 42, {}, {L"获取Brenholt地址失败/3"}},
      {"opened", centre, true, 42, {L"open http://brenholt.test/centre?qv_tk=tok&qv_ic=IC0002 5"}, {}},
      {"shell failed", centre, true, 2, {L"open http://brenholt.test/centre?qv_tk=tok&qv_ic=IC0002 5"},
       {L"跳转Brenholt失败/3"}},
      // The token never goes to anything but a web page.
      {"a file address", "file:///home/guard/.ssh/id_rsa", true, 42, {}, {L"跳转Brenholt失败/3"}},
      {"a program's scheme", "ms-settings:privacy", true, 42, {}, {L"跳转Brenholt失败/3"}},
  };
  world.platform.add_identity(test_support::FakeIdentity{"IC0002", "保卫处", "", 0});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    world.platform.set_address("E01", c.address);
    if (c.identity) {
      world.platform.add_user(test_support::FakePlatformUser{"u1", "李四", "男", "", "", "s1", 2, {"IC0002"}});
    }
    Strings opened;
    platform::SetShellExecuteHook([&](const std::wstring& verb, const std::wstring& file, const std::wstring&,
                                      const std::wstring&, int show) {
      opened.push_back(verb + L" " + file + L" " + std::to_wstring(show));
      return c.shellResult;
    });
    toasts.Clear();
    Open(1);
    ClickControl(hwnd, L"Btn_GoDigitizing");
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_EQ(opened, c.opened);
    EXPECT_EQ(Toasts(), c.toasts);
    ClickControl(hwnd, L"btn_close");
    driver.WaitIdle();
    platform::SetShellExecuteHook(nullptr);
  }
}

TEST_F(AddRouteDialog, ARefusedRouteWriteSaysSoAndStaysOpen) {
  const struct {
    int mode;
    const char* path;
    std::wstring message;
  } cases[] = {{1, "/api/InspectRoute/Add", L"添加失败!"}, {2, "/api/InspectRoute/Update", L"编辑失败!"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    world.http().route("POST", c.path, test_support::HttpReply(200, "-1"));
    const InspectRouteInfo route = NightRoute();
    g_mapInspectRoute.clear();
    if (c.mode == 2) g_mapInspectRoute[7] = route;
    Open(c.mode, c.mode == 2 ? &route : nullptr);
    Fill(L"晨巡", L"设备");
    Tick(3);
    world.http().clear_requests();
    PressOk();
    const Message shown = TakeMessage();
    EXPECT_EQ(shown.text, c.message);
    EXPECT_EQ(shown.icon, Icon(L"操作失败.png"));
    EXPECT_TRUE(::IsWindow(hwnd));
    EXPECT_EQ(result.load(), -1);
    EXPECT_TRUE(Bodies("/api/InspectRouteDevice/Add").empty()) << "no link is written for a refused route";
    EXPECT_EQ(g_mapInspectRoute.size(), c.mode == 2 ? 1u : 0u);
    if (c.mode == 2) {
      EXPECT_EQ(g_mapInspectRoute[7].strName, "夜巡") << "the cached route is untouched";
    }
    ClickControl(hwnd, L"btn_close");
    driver.WaitIdle();
  }
}

TEST_F(AddRouteDialog, FailedLinksAreReportedAfterTheRouteAndGoodLinksAreCached) {
  // The server refuses the link to 东门 (5) and stores the others.
  world.http().route("POST", "/api/InspectRouteDevice/Add", [this](const test_support::RecordedRequest& request) {
    Json::Value body;
    test_support::read_wire_json(request.body, body);
    if (body["iPositionDeviceID"].asInt() == 5) return test_support::HttpReply(200, "-1");
    return test_support::HttpReply(200, std::to_string(world.plans.links().add(body)));
  });
  Open(1);
  Fill(L"晨巡", L"设备");
  ClickBuilding(10);
  Tick(9);
  world.clearLog();
  PressOk();
  const Message shown = TakeMessage();
  EXPECT_EQ(shown.text, L"巡更点保存失败，请重新编辑路线!");
  EXPECT_EQ(shown.icon, Icon(L"操作失败.png"));
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), 1) << "the route exists: a second press would add it twice";
  EXPECT_EQ(LinkedIds("/api/InspectRouteDevice/Add"), (std::vector<int>{3, 5, 9}));
  ASSERT_EQ(g_mapInspectRoute.size(), 1u);
  const int id = g_mapInspectRoute.begin()->first;
  EXPECT_GT(id, 0);
  EXPECT_EQ(g_mapInspectRoute.begin()->second.strName, "晨巡");
  EXPECT_EQ(g_mapInspectRoute.begin()->second.strAnnouncerID, "u1");
  EXPECT_EQ(CachedLinks(id), (std::vector<std::string>{"东楼:3", "南楼:9"}));
  int errors = 0;
  for (const std::string& line : world.logLines()) errors += line == "[DAL_InspectRouteDevice_Add]出错\n" ? 1 : 0;
  EXPECT_EQ(errors, 1);
}

TEST_F(AddRouteDialog, ANewRouteIsAddedWithTheTypeShownAndItsTickedCheckpoints) {
  const struct {
    const char* what;
    std::wstring chosen;  // "" leaves the type combo as the dialog opened
    int type;
  } cases[] = {{"the type the dialog starts on", L"", 0}, {"a type chosen in the drop-down", L"消防", 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    g_mapInspectRoute.clear();
    world.http().clear_requests();
    Open(1);
    EXPECT_EQ(Text(hwnd, L"Comb_RouteType"), L"安防");
    input.Type(hwnd, L"Edit_RouteName", L"晨巡");
    if (!c.chosen.empty()) input.PickCombo(hwnd, L"Comb_RouteType", c.chosen);
    Tick(5);
    Tick(9);
    PressOk();
    EXPECT_EQ(TakeMessage().text, L"") << "the openers report the outcome";
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_EQ(result.load(), 1);

    const auto added = Bodies("/api/InspectRoute/Add");
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0]["strName"].asString(), u8"晨巡");
    EXPECT_EQ(added[0]["iType"].asInt(), c.type);
    EXPECT_EQ(LinkedIds("/api/InspectRouteDevice/Add"), (std::vector<int>{5, 9}));
    ASSERT_EQ(g_mapInspectRoute.size(), 1u);
    const InspectRouteInfo& cached = g_mapInspectRoute.begin()->second;
    EXPECT_EQ(cached.iType, c.type);
    EXPECT_EQ(cached.strName, "晨巡");
    EXPECT_EQ(CachedLinks(cached.iID), (std::vector<std::string>{"东楼:5", "南楼:9"}));
  }
}

TEST_F(AddRouteDialog, ARouteWithoutAValidTypeIsRefusedUntilOneIsChosen) {
  // A route stored with type -1 before the dialog started on a type.
  InspectRouteInfo route = NightRoute();
  route.iType = -1;
  g_mapInspectRoute[7] = route;
  Open(2, &route);
  EXPECT_EQ(Text(hwnd, L"Comb_RouteType"), L"");
  world.http().clear_requests();
  PressOk();
  const Message shown = TakeMessage();
  EXPECT_EQ(shown.text, L"请选择线路类型!");
  EXPECT_EQ(shown.icon, Icon(L"提示.png"));
  EXPECT_TRUE(::IsWindow(hwnd));
  EXPECT_EQ(world.http().request_count(), 0u) << "nothing is written";

  input.PickCombo(hwnd, L"Comb_RouteType", L"食堂");
  PressOk();
  EXPECT_EQ(TakeMessage().text, L"");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), 1);
  const auto updates = Bodies("/api/InspectRoute/Update");
  ASSERT_EQ(updates.size(), 1u);
  EXPECT_EQ(updates[0]["iType"].asInt(), 3);
  EXPECT_EQ(g_mapInspectRoute[7].iType, 3);
}

TEST_F(AddRouteDialog, ANameTheCodePageCannotHoldIsRefusedBeforeAnyWrite) {
  Open(1);
  input.Type(hwnd, L"Edit_RouteName", L"晨巡\U0001F600");
  Tick(5);
  world.http().clear_requests();
  PressOk();
  const Message shown = TakeMessage();
  EXPECT_EQ(shown.text, L"包含无法保存的字符!");
  EXPECT_EQ(shown.icon, Icon(L"提示.png"));
  EXPECT_TRUE(::IsWindow(hwnd));
  EXPECT_EQ(world.http().request_count(), 0u);
  EXPECT_TRUE(g_mapInspectRoute.empty());
}

}  // namespace
