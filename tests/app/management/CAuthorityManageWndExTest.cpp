// The rights page and its dialog over the fake services: who is listed for whom, the
// texts of a record, the dialog's boxes and saves, and a save the server refused.
#include <gtest/gtest.h>

#include <json/json.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/management/CAuthorityManageWndEx.h"
#include "platform/base/CodePage.h"
#include "testing/services/WireJson.h"
#include "testing/ui/ControlPixels.h"
#include "testing/user/UserInput.h"
#include "tests/app/management/support/ManagementWindowTest.h"
#include "ui/controls/COptionUI.h"
#include "ui/core/control/CContainerUI.h"

namespace {

using Texts = std::vector<std::wstring>;
using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::OnWindowThread;

class Rights : public managementtest::ManagementWindowTest {
 protected:
  void SetUp() override {
    AddPlatformUser("u1", "管理员甲", "");
    AddPlatformUser("u2", "乙", "");
    AddPlatformUser("u3", "丙", "");
    AddPlatformUser("su", "超管", "", 2, {"IC0001"});
  }
  void Open() {
    // The page's buttons are clicked where the frame shows them.
    CoverWorkArea();
    OpenPage<CAuthorityManageWndEx>();
  }
  Texts Names() { return Column(pageHwnd, L"list-Authority", L"UserName"); }
  void OpenDialog(int row) {
    ClickRowButton(pageHwnd, L"list-Authority", row, L"btn_AuthorityEditor");
    driver.WaitIdle();
    dialog = FindWindowOfClass(L"CDlgEx");
    ASSERT_NE(dialog, nullptr);
  }
  // Where the boxes of a tile layout lie in the dialog.
  std::vector<RECT> BoxRects(LPCTSTR layout) {
    std::vector<RECT> rects;
    OnWindowThread(dialog, [&] {
      auto* tiles = static_cast<SkinUI::CContainerUI*>(FindControl(dialog, layout)->GetInterface(L"Container"));
      for (int i = 0; i < tiles->GetCount(); ++i) rects.push_back(tiles->GetItemAt(i)->GetPos());
    });
    return rects;
  }
  // The boxes of a tile layout, "word" or "word*" when ticked.
  Texts Boxes(LPCTSTR layout) {
    Texts boxes;
    OnWindowThread(dialog, [&] {
      auto* tiles = static_cast<SkinUI::CContainerUI*>(FindControl(dialog, layout)->GetInterface(L"Container"));
      for (int i = 0; i < tiles->GetCount(); ++i) {
        auto* box = static_cast<SkinUI::COptionUI*>(tiles->GetItemAt(i)->GetInterface(L"Option"));
        boxes.push_back(std::wstring(box->GetText().GetData()) + (box->IsSelected() ? L"*" : L""));
      }
    });
    return boxes;
  }
  void ClickBox(LPCTSTR layout, int index) {
    POINT centre = {-1, -1};
    OnWindowThread(dialog, [&] {
      auto* tiles = static_cast<SkinUI::CContainerUI*>(FindControl(dialog, layout)->GetInterface(L"Container"));
      const RECT rc = tiles->GetItemAt(index)->GetPos();
      centre = POINT{rc.left + 20, (rc.top + rc.bottom) / 2};
      ::ClientToScreen(dialog, &centre);
    });
    driver.Click(centre.x, centre.y);
    driver.WaitIdle();
  }
  void Seed(const std::string& user, const std::string& areas, const std::string& modules) {
    Json::Value record;
    record["strUserID"] = user;
    record["strUserName"] = user;
    record["TypeAuthority"] = platform::codepage::GbkToUtf8(areas);
    record["strModuleAuthority"] = platform::codepage::GbkToUtf8(modules);
    record["strReserve"] = "";
    world.patrol.rights().seed(record);
  }
  Json::Value LastBody(const std::string& path) {
    Json::Value body;
    const auto sent = RequestsTo(path);
    if (!sent.empty()) test_support::read_wire_json(sent.back().body, body);
    return body;
  }

  userinput::UserInput user{driver};
  HWND dialog = nullptr;
};

TEST_F(Rights, ANonAdministratorSeesHimselfAndOnlyLooks) {
  LogInAs("u2", 2, "IC0002");
  Open();
  EXPECT_EQ(Names(), (Texts{L"乙"}));
  OnWindowThread(pageHwnd, [&] {
    SkinUI::CControlUI* button = FindControl(pageHwnd, L"btn_AuthorityEditor");
    EXPECT_EQ(std::wstring(button->GetToolTip().GetData()), L"查看详情");
  });
  OpenDialog(0);
  EXPECT_EQ(TextOf(dialog, L"lab_title"), L"权限详情");
  EXPECT_FALSE(Visible(dialog, L"btn_Save"));
  Notify(dialog, L"btn_Save", L"click");
  EXPECT_EQ(AnswerAll(), (Texts{L"您不具有编辑权限，\r\n请联系超级管理员或学校管理员进行修改！"}));
  EXPECT_TRUE(RequestsTo("/api/Authority/Add").empty());
  EXPECT_TRUE(RequestsTo("/api/Authority/Update").empty());
  ClickControl(dialog, L"btn_Cancel");
  driver.WaitIdle();
  EXPECT_FALSE(::IsWindow(dialog));
}

TEST_F(Rights, AnAdministratorSeesEveryoneButSuperUsersWithTheirRights) {
  LogInAs("u1", 6, "IC0002");
  Seed("u2", "安防,设备,消防,食堂,教学", "巡更结果,巡更主页");
  Seed("u3", "教学,清洁卫生,宿舍检查,食堂,消防,设备,安防",
       "巡更结果,巡更人员管理,巡更设备管理,巡更线路,巡更计划管理,巡更主页");
  Open();
  EXPECT_EQ(Names(), (Texts{L"管理员甲", L"乙", L"丙"}));
  EXPECT_EQ(Column(pageHwnd, L"list-Authority", L"UserArea"), (Texts{L"全部", L"安防,设备,消防,食堂,教学", L"全部"}));
  EXPECT_EQ(Column(pageHwnd, L"list-Authority", L"UserModule"), (Texts{L"全部", L"巡更结果,巡更主页", L"全部"}));
  EXPECT_EQ(TextOf(pageHwnd, L"lab_AuthoritylistCounts"), L"3");
  EXPECT_FALSE(Visible(pageHwnd, L"PageShow_People"));
}

TEST_F(Rights, TwentyOneUsersGiveTwoPages) {
  LogInAs("u1", 6, "");
  for (int i = 0; i < 18; ++i) AddPlatformUser("x" + std::to_string(10 + i), "用户" + std::to_string(10 + i), "");
  Open();
  EXPECT_EQ(Names().size(), 20u);
  EXPECT_EQ(TextOf(pageHwnd, L"page_count_People"), L"共2页");
  EXPECT_TRUE(Visible(pageHwnd, L"PageShow_People"));
  user.Click(pageHwnd, L"btn_next_page_People");
  EXPECT_EQ(Column(pageHwnd, L"list-Authority", L"No"), (Texts{L"21"}));
}

TEST_F(Rights, ThePagerAndTheSearchMoveThroughTheUsersAsClickedAndTyped) {
  LogInAs("u1", 6, "");
  for (int i = 0; i < 18; ++i) AddPlatformUser("x" + std::to_string(10 + i), "用户" + std::to_string(10 + i), "");
  Open();
  const auto second = [&] { user.Click(pageHwnd, L"btn_next_page_People"); };
  // Each step starts where the one before left the page; the list is read as the first
  // row's number, the rows shown and the search's clear button.
  const struct {
    const char* what;
    std::function<void()> act;
    std::wstring firstRow;
    size_t rows;
    bool clearShown;
  } steps[] = {
      {"next page", second, L"21", 1, false},
      {"previous page", [&] { user.Click(pageHwnd, L"btn_prev_page_People"); }, L"1", 20, false},
      {"next page again", second, L"21", 1, false},
      {"the find button starts again on page 1", [&] { user.Click(pageHwnd, L"btn_Authorityfind"); }, L"1", 20, false},
      {"page 2 typed and jumped to",
       [&] {
         user.Type(pageHwnd, L"current_page_People", L"2");
         user.Click(pageHwnd, L"btn_goto_People");
       },
       L"21", 1, false},
      {"Return in the search field starts again on page 1",
       [&] {
         user.Click(pageHwnd, L"Rich_AuthorityEdit");
         user.Key(VK_RETURN);
       },
       L"1", 20, false},
      {"a name typed filters as it is typed", [&] { user.Type(pageHwnd, L"Rich_AuthorityEdit", L"用户1"); }, L"1", 10,
       true},
      {"the clear button empties the search", [&] { user.Click(pageHwnd, L"btn_clear"); }, L"1", 20, false},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    const Texts numbers = Column(pageHwnd, L"list-Authority", L"No");
    ASSERT_EQ(numbers.size(), step.rows);
    EXPECT_EQ(numbers.front(), step.firstRow);
    EXPECT_EQ(user.Visible(pageHwnd, L"btn_clear"), step.clearShown);
    EXPECT_EQ(user.Message(), L"");
  }
  EXPECT_EQ(user.Text(pageHwnd, L"Rich_AuthorityEdit"), L"");
  EXPECT_EQ(Names().front(), L"管理员甲");
}

TEST_F(Rights, AUserWithoutARecordOpensWithEverythingAndIsAdded) {
  LogInAs("u1", 6, "");
  Open();
  OpenDialog(1);
  EXPECT_EQ(TextOf(dialog, L"lab_title"), L"编辑权限");
  EXPECT_EQ(Boxes(L"TL_Area"),
            (Texts{L"安防*", L"设备*", L"消防*", L"食堂*", L"宿舍检查*", L"清洁卫生*", L"教学*"}));
  EXPECT_EQ(Boxes(L"TL_Moudle").size(), 6u);
  EXPECT_EQ(TextOf(dialog, L"AreaNum"), L"7");
  EXPECT_EQ(TextOf(dialog, L"MoudleNum"), L"6");

  ClickBox(L"TL_Moudle", 0);  // 巡更主页 off
  const size_t readsBefore = RequestsTo("/api/Authority/Get").size();
  ClickControl(dialog, L"btn_Save");
  EXPECT_EQ(AnswerAll(), (Texts{L"权限编辑成功!"}));
  EXPECT_FALSE(::IsWindow(dialog));
  const Json::Value body = LastBody("/api/Authority/Add");
  EXPECT_EQ(body["strUserID"].asString(), "u2");
  EXPECT_EQ(platform::codepage::Utf8ToGbk(body["TypeAuthority"].asString()), "安防,设备,消防,食堂,宿舍检查,清洁卫生,教学");
  EXPECT_EQ(platform::codepage::Utf8ToGbk(body["strModuleAuthority"].asString()),
            "巡更计划管理,巡更线路,巡更设备管理,巡更人员管理,巡更结果");
  EXPECT_EQ(RequestsTo("/api/Authority/Get").size(), readsBefore + 1) << "the rights are read again";
  EXPECT_EQ(Column(pageHwnd, L"list-Authority", L"UserModule")[1],
            L"巡更计划管理,巡更线路,巡更设备管理,巡更人员管理,巡更结果");
}

// What a box shows along its width, in the dialog's columns: where its word's ink ends
// and where its tick (the last ink, at the box's right) begins and ends.
struct BoxInk {
  int wordLeft = -1, wordRight = -1, tickLeft = -1, tickRight = -1;
};

BoxInk InkOf(HWND dialog, const RECT& box) {
  const controltest::ControlPixels pixels(dialog, box);
  const uint32_t background = pixels.At(0, 0);
  std::vector<bool> ink(static_cast<size_t>(std::max(pixels.Width(), 0)), false);
  for (int x = 0; x < pixels.Width(); ++x) {
    for (int y = 0; y < pixels.Height() && !ink[x]; ++y) ink[x] = pixels.At(x, y) != background;
  }
  BoxInk found;
  int x = pixels.Width() - 1;
  while (x >= 0 && !ink[x]) --x;
  found.tickRight = box.left + x;
  while (x >= 0 && ink[x]) --x;
  found.tickLeft = box.left + x + 1;
  while (x >= 0 && !ink[x]) --x;
  found.wordRight = box.left + x;
  int first = 0;
  while (first < pixels.Width() && !ink[first]) ++first;
  found.wordLeft = box.left + first;
  return found;
}

// A tick reads with the word it follows: the gap to its own word is smaller than the
// gap to the next box's word in the same row.
TEST_F(Rights, EachTickLiesNearerItsOwnWordThanTheNextWord) {
  LogInAs("u1", 6, "");
  Open();
  OpenDialog(1);  // no record: every box ticked
  for (LPCTSTR layout : {L"TL_Area", L"TL_Moudle"}) {
    const std::vector<RECT> boxes = BoxRects(layout);
    const Texts words = Boxes(layout);
    ASSERT_GE(boxes.size(), 6u) << layout;
    int pairs = 0;
    for (size_t i = 0; i + 1 < boxes.size(); ++i) {
      if (boxes[i + 1].top != boxes[i].top) continue;  // the next word is on the next row
      ++pairs;
      const BoxInk own = InkOf(dialog, boxes[i]);
      const BoxInk next = InkOf(dialog, boxes[i + 1]);
      ASSERT_LT(own.wordRight, own.tickLeft) << "no word and tick told apart in " << words[i];
      EXPECT_LT(own.tickLeft - own.wordRight, next.wordLeft - own.tickRight)
          << "the tick of " << words[i] << " is " << own.tickLeft - own.wordRight << " px after its word and "
          << next.wordLeft - own.tickRight << " px before " << words[i + 1];
    }
    EXPECT_GT(pairs, 0) << layout << " has no two boxes in a row";
  }
}

TEST_F(Rights, NoAreaTickedSavesDashesAsAnUpdate) {
  LogInAs("u1", 0, "IC0001");
  Seed("u2", "安防,消防", "巡更结果");
  Open();
  OpenDialog(1);
  EXPECT_EQ(Boxes(L"TL_Area"), (Texts{L"安防*", L"设备", L"消防*", L"食堂", L"宿舍检查", L"清洁卫生", L"教学"}));
  EXPECT_EQ(TextOf(dialog, L"AreaNum"), L"2");
  ClickBox(L"TL_Area", 0);
  ClickBox(L"TL_Area", 2);
  ClickControl(dialog, L"btn_Save");
  EXPECT_EQ(AnswerAll(), (Texts{L"权限编辑成功!"}));
  EXPECT_TRUE(RequestsTo("/api/Authority/Add").empty());
  EXPECT_EQ(LastBody("/api/Authority/Update")["TypeAuthority"].asString(), "--");
  EXPECT_EQ(Column(pageHwnd, L"list-Authority", L"UserArea")[1], L"--");
}

TEST_F(Rights, ASaveTheServerRefusedKeepsTheDialogOpen) {
  LogInAs("u1", 8, "");
  world.http().route("POST", "/api/Authority/Add", test_support::HttpReply(200, "-1"));
  Open();
  OpenDialog(1);
  const size_t readsBefore = RequestsTo("/api/Authority/Get").size();
  ClickControl(dialog, L"btn_Save");
  EXPECT_EQ(AnswerAll(), (Texts{L"编辑失败!"}));
  EXPECT_TRUE(::IsWindow(dialog));
  EXPECT_EQ(RequestsTo("/api/Authority/Get").size(), readsBefore);
  ClickControl(dialog, L"btn_close");
  driver.WaitIdle();
  EXPECT_FALSE(::IsWindow(dialog));
  EXPECT_EQ(OpenMessage(), L"") << "a closed dialog reports nothing";
}

}  // namespace
