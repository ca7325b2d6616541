// The route page as the security office uses it: a route added with checkpoints ticked
// in the building tree (an empty name refused first), edited and shown again, deleted;
// a route a plan patrols cannot be deleted.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <json/json.h>

#include "CommonTools/Conversions.h"
#include "testing/services/GbkWire.h"
#include "tests/journeys/support/JourneyWorld.h"

namespace journeys {
namespace {

class RouteJourney : public JourneyWorld {
 protected:
  void SetUp() override {
    frame = StartLoggedIn(kAdmin);
    ASSERT_NE(frame, nullptr);
    OpenTab(L"tabRouteManagement", L"AddRouteBtn");
  }

  void TearDown() override { CloseIfRunning(frame); }

  Json::Value ServerRoute(const std::string& gbkName) {
    for (const Json::Value& row : plans().routes().all()) {
      if (test_support::gbk_from_wire(row["strName"].asString()) == gbkName) return row;
    }
    return Json::Value();
  }

  // The checkpoint ids linked to a route on the server, in id order.
  std::vector<int> LinkedCheckpoints(int route) {
    std::vector<int> ids;
    for (const Json::Value& link : plans().links().all()) {
      if (link["iRouteId"].asInt() == route) ids.push_back(link["iDeviceID"].asInt());
    }
    std::sort(ids.begin(), ids.end());
    return ids;
  }

  int CheckpointId(const std::string& gbkName) {
    for (const Json::Value& row : patrol().checkpoints().all()) {
      for (const char* key : {"strName", "Name"}) {
        if (row.isMember(key) && test_support::gbk_from_wire(row[key].asString()) == gbkName) return row["iID"].asInt();
      }
    }
    ADD_FAILURE() << "the fixture has no checkpoint " << gbkName;
    return -1;
  }

  int CardOf(const std::wstring& name) { return JourneyWorld::CardOf(frame, L"TileLayout_route", L"RouteName", name); }
  void ChooseFromCardMenu(const std::wstring& route, const std::wstring& item) {
    JourneyWorld::ChooseFromCardMenu(frame, L"TileLayout_route", L"RouteName", L"btn_Route", route, item);
  }
  void CancelIfOpen(HWND dialog) { JourneyWorld::CancelIfOpen(dialog, L"AddRouteWnd"); }

  HWND frame = nullptr;
};

TEST_F(RouteJourney, ARouteIsAddedWithTickedCheckpointsEditedAndDeleted) {
  const size_t routesBefore = plans().routes().all().size();
  user.Click(frame, L"AddRouteBtn");
  HWND dialog = user.Window(L"AddRouteWnd");
  ASSERT_NE(dialog, nullptr);
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"线路名称不能为空!");
  ASSERT_TRUE(user.IsOpen(L"AddRouteWnd"));
  EXPECT_EQ(plans().routes().all().size(), routesBefore);

  // A new route starts on the first type, never on none.
  EXPECT_EQ(user.Text(dialog, L"Comb_RouteType"), L"安防");
  // A name the wire's code page cannot hold is refused, not stored altered.
  user.Type(dialog, L"Edit_RouteName", L"夜查\U0001F600线");
  user.TickTreeRow(dialog, L"treeArealist", L"实验楼东门_1层");
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"包含无法保存的字符!");
  ASSERT_TRUE(user.IsOpen(L"AddRouteWnd"));
  EXPECT_EQ(plans().routes().all().size(), routesBefore);
  user.TickTreeRow(dialog, L"treeArealist", L"实验楼东门_1层");

  user.Type(dialog, L"Edit_RouteName", L"实验楼夜查线");
  user.PickCombo(dialog, L"Comb_RouteType", L"消防");
  user.TickTreeRow(dialog, L"treeArealist", L"实验楼东门_1层");
  user.TickTreeRow(dialog, L"treeArealist", L"危化品仓库_1层");
  user.Click(dialog, L"btn_Ok");
  CancelIfOpen(dialog);

  Json::Value saved = ServerRoute("实验楼夜查线");
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved["iType"].asInt(), 2);
  const int route = saved["iID"].asInt();
  std::vector<int> expected = {CheckpointId("实验楼东门"), CheckpointId("危化品仓库")};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(LinkedCheckpoints(route), expected);
  EXPECT_GE(CardOf(L"实验楼夜查线"), 0);

  // Editing: a new name, one checkpoint more.
  ChooseFromCardMenu(L"实验楼夜查线", L"menu_EditRoute");
  dialog = user.Window(L"AddRouteWnd");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(user.Text(dialog, L"Edit_RouteName"), L"实验楼夜查线");
  EXPECT_EQ(user.Text(dialog, L"Comb_RouteType"), L"消防");
  user.Type(dialog, L"Edit_RouteName", L"实验楼全夜线");
  user.TickTreeRow(dialog, L"treeArealist", L"实验楼配电间_4层");
  user.Click(dialog, L"btn_Ok");
  CancelIfOpen(dialog);
  saved = ServerRoute("实验楼全夜线");
  ASSERT_FALSE(saved.isNull());
  expected.push_back(CheckpointId("实验楼配电间"));
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(LinkedCheckpoints(route), expected);

  // Shown again as saved.
  ChooseFromCardMenu(L"实验楼全夜线", L"menu_EditRoute");
  dialog = user.Window(L"AddRouteWnd");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(user.Text(dialog, L"Edit_RouteName"), L"实验楼全夜线");
  EXPECT_EQ(user.Text(dialog, L"Comb_RouteType"), L"消防");
  CancelIfOpen(dialog);

  ChooseFromCardMenu(L"实验楼全夜线", L"menu_deleteRoute");
  EXPECT_EQ(user.Answer(L"yes"), L"是否删除路线?");
  user.Settle();
  EXPECT_TRUE(ServerRoute("实验楼全夜线").isNull());
  EXPECT_EQ(CardOf(L"实验楼全夜线"), -1);
  const std::vector<std::string> events = AuditEvents();
  EXPECT_NE(std::find(events.begin(), events.end(), std::string("删除路线-实验楼全夜线")), events.end());
}

TEST_F(RouteJourney, ARouteAPlanPatrolsIsNotDeleted) {
  ChooseFromCardMenu(L"实验楼消防线", L"menu_deleteRoute");
  EXPECT_EQ(user.Answer(), L"当前巡更线路已存在于巡更计划中，\r\n不能进行删除！");
  EXPECT_FALSE(ServerRoute("实验楼消防线").isNull());
  EXPECT_GE(CardOf(L"实验楼消防线"), 0);
}

}  // namespace
}  // namespace journeys
