// The people and rights pages as the security office uses them: a platform user made a
// patrol person of a type (nobody and no type refused first), edited (no type refused),
// deleted, while a person a plan names is kept; a user's rights narrowed in the rights
// dialog, and that user, logging in on the next program start, finds the forbidden tabs
// gone and a plan of a forbidden type refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <json/json.h>

#include "CommonTools/Conversions.h"
#include "testing/services/GbkWire.h"
#include "tests/journeys/support/JourneyWorld.h"

namespace journeys {
namespace {

std::string Gbk(const Json::Value& value) { return test_support::gbk_from_wire(value.asString()); }

class PeopleJourney : public JourneyWorld {
 protected:
  void StartAs(const std::string& userID) { frame = StartLoggedIn(userID); }

  void TearDown() override { CloseIfRunning(frame); }

  Json::Value Person(const std::string& gbkName) {
    for (const Json::Value& row : patrol().people().all()) {
      if (Gbk(row["strName"]) == gbkName) return row;
    }
    return Json::Value();
  }

  Json::Value Rights(const std::string& userID) {
    for (const Json::Value& row : patrol().rights().all()) {
      if (Gbk(row["strUserID"]) == userID) return row;
    }
    return Json::Value();
  }

  HWND frame = nullptr;
};

TEST_F(PeopleJourney, APersonIsAddedEditedAndDeletedAndAPlannedOneKept) {
  StartAs(kAdmin);
  ASSERT_NE(frame, nullptr);
  OpenTab(L"tabPeopleManagement", L"AddPeopleBtn");
  const size_t before = patrol().people().all().size();

  user.Click(frame, L"AddPeopleBtn");
  HWND dialog = user.Window(L"AddPeopleWnd");
  ASSERT_NE(dialog, nullptr);
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"请选择要添加的人员!");
  user.ClickItemWithText(dialog, L"TileLayout_AllUser", L"李卫东");
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"请选择人员类型!");
  ASSERT_TRUE(user.IsOpen(L"AddPeopleWnd"));
  EXPECT_EQ(patrol().people().all().size(), before);
  user.Click(dialog, L"fireck");
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"添加成功!");
  EXPECT_TRUE(user.WaitClosed(L"AddPeopleWnd"));
  Json::Value saved = Person("李卫东");
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved["iGroup"].asInt(), 10000);  // "0010000": 消防 only
  EXPECT_GE(RowOf(frame, L"list-people", L"李卫东"), 0);

  // No type left: refused, and the dialog stays with the page behind it.
  ClickRowButton(frame, L"list-people", L"李卫东", L"btn_Edit");
  dialog = user.Window(L"CEditPeopleWnd");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(user.Selected(dialog, L"fireck"));
  user.Click(dialog, L"fireck");
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"请选择人员类型!");
  EXPECT_EQ(user.Answer(), L"编辑失败!");
  ASSERT_TRUE(user.IsOpen(L"CEditPeopleWnd"));
  // The dialog still has the keyboard and the mouse, not the main frame behind it.
  user.Click(dialog, L"Safeck");
  user.Click(dialog, L"fireck");
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"编辑成功!");
  EXPECT_TRUE(user.WaitClosed(L"CEditPeopleWnd"));
  saved = Person("李卫东");
  EXPECT_EQ(saved["iGroup"].asInt(), 1010000);

  // Shown again as saved.
  ClickRowButton(frame, L"list-people", L"李卫东", L"btn_Edit");
  dialog = user.Window(L"CEditPeopleWnd");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(user.Selected(dialog, L"Safeck"));
  EXPECT_TRUE(user.Selected(dialog, L"fireck"));
  EXPECT_FALSE(user.Selected(dialog, L"deviceck"));
  user.Click(dialog, L"btn_Cancel");
  EXPECT_TRUE(user.WaitClosed(L"CEditPeopleWnd"));

  ClickRowButton(frame, L"list-people", L"张伟", L"btn_Delete");
  EXPECT_EQ(user.Answer(), L"当前人员已存在于巡更计划中，\r\n不能进行删除！");
  EXPECT_FALSE(Person("张伟").isNull());

  ClickRowButton(frame, L"list-people", L"李卫东", L"btn_Delete");
  EXPECT_EQ(user.Answer(L"yes"), L"是否删除该人员?");
  EXPECT_EQ(user.Answer(), L"删除成功!");
  EXPECT_TRUE(Person("李卫东").isNull());
  EXPECT_EQ(RowOf(frame, L"list-people", L"李卫东"), -1);
}

TEST_F(PeopleJourney, NarrowedRightsHoldAtTheUsersNextLogin) {
  StartAs(kAdmin);
  ASSERT_NE(frame, nullptr);
  OpenTab(L"tabAuthorityManagement", L"list-Authority");
  ClickRowButton(frame, L"list-Authority", L"李卫东", L"btn_AuthorityEditor");
  HWND dialog = user.Window(L"CDlgEx");
  ASSERT_NE(dialog, nullptr);
  user.ClickItemWithText(dialog, L"TL_Area", L"消防");
  user.ClickItemWithText(dialog, L"TL_Moudle", L"巡更线路");
  user.Click(dialog, L"btn_Save");
  EXPECT_EQ(user.Answer(), L"权限编辑成功!");
  EXPECT_TRUE(user.WaitClosed(L"CDlgEx"));
  const Json::Value rights = Rights("bwc01");
  ASSERT_FALSE(rights.isNull());
  EXPECT_EQ(Gbk(rights["TypeAuthority"]), "安防");
  EXPECT_EQ(Gbk(rights["strModuleAuthority"]), "巡更主页,巡更计划管理,巡更结果");
  ASSERT_TRUE(CloseProgram());
  frame = nullptr;

  // The next start, as that user.
  StartAs("bwc01");
  ASSERT_NE(frame, nullptr);
  const std::vector<std::pair<const wchar_t*, bool>> tabs = {
      {L"tabMain", true},
      {L"tabPlan", true},
      {L"tabRouteManagement", false},
      {L"tabEquipmentManagement", false},
      {L"tabPeopleManagement", false},
      {L"tabResultManagement", true},
      {L"tabAuthorityManagement", true},
  };
  for (const auto& tab : tabs) {
    EXPECT_EQ(user.Visible(frame, tab.first), tab.second) << CommonTools::wstring_to_string(tab.first);
  }

  // A plan of a type the user no longer holds is refused.
  OpenTab(L"tabPlan", L"AddPlanBtn");
  user.Click(frame, L"AddPlanBtn");
  dialog = user.Window(L"AddPlanWnd");
  ASSERT_NE(dialog, nullptr);
  user.Type(dialog, L"Edit_PlanName", L"越权消防计划");
  user.PickCombo(dialog, L"Comb_PlanType", L"消防");
  // The user's caches hold no route of a type he lacks, so none is offered.
  EXPECT_TRUE(user.Items(dialog, L"Comb_route").empty());
  user.ClickItemWithText(dialog, L"TileLayout_People", L"陈磊");
  user.Click(dialog, L"btn_Ok");
  const std::wstring refusal = user.Answer();
  EXPECT_TRUE(refusal == L"线路不能为空!" || refusal == L"您不具有该计划类型权限,\r\n请联系超级管理员分配该计划类型权限!")
      << CommonTools::wstring_to_string(refusal);
  if (user.IsOpen(L"AddPlanWnd")) user.Click(dialog, L"btn_Cancel");
  EXPECT_TRUE(user.WaitClosed(L"AddPlanWnd"));
  const std::vector<std::string> none;
  for (const Json::Value& row : plans().plans().all()) EXPECT_NE(Gbk(row["Name"]), "越权消防计划");

  // The rights dialog shows the user his rights without a way to change them.
  OpenTab(L"tabAuthorityManagement", L"list-Authority");
  ClickRowButton(frame, L"list-Authority", L"李卫东", L"btn_AuthorityEditor");
  dialog = user.Window(L"CDlgEx");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(user.Text(dialog, L"lab_title"), L"权限详情");
  if (user.Visible(dialog, L"btn_Save")) {
    user.Click(dialog, L"btn_Save");
    EXPECT_EQ(user.Answer(), L"您不具有编辑权限，\r\n请联系超级管理员或学校管理员进行修改！");
  }
  user.Click(dialog, L"btn_Cancel");
  EXPECT_TRUE(user.WaitClosed(L"CDlgEx"));
  EXPECT_EQ(Gbk(Rights("bwc01")["TypeAuthority"]), "安防");
}

}  // namespace
}  // namespace journeys
