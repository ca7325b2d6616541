// The add-people dialog opened from the people page and driven with real clicks: which
// users are offered, the limits, the choice across searches, the adds on the fake server,
// and a partial failure that must not add anyone twice.
#include <gtest/gtest.h>

#include <json/json.h>

#include <string>
#include <vector>

#include "app/management/CPeopleManageWndEx.h"
#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "testing/services/WireJson.h"
#include "testing/user/UserInput.h"
#include "tests/app/management/support/ManagementWindowTest.h"
#include "ui/controls/COptionUI.h"
#include "ui/core/control/CContainerUI.h"

namespace {

using Texts = std::vector<std::wstring>;
using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::OnWindowThread;

class AddPeople : public managementtest::ManagementWindowTest {
 protected:
  void OpenDialog() {
    // The page's buttons are clicked where the frame shows them.
    CoverWorkArea();
    OpenPage<CPeopleManageWndEx>();
    user.Click(pageHwnd, L"AddPeopleBtn");
    dialog = user.Window(L"AddPeopleWnd");
    ASSERT_NE(dialog, nullptr);
  }
  // The texts of a tile layout's children (the selected entries' labels).
  Texts Tiles(LPCTSTR layout) {
    Texts texts;
    OnWindowThread(dialog, [&] {
      auto* tiles = static_cast<SkinUI::CContainerUI*>(FindControl(dialog, layout)->GetInterface(L"Container"));
      for (int i = 0; i < tiles->GetCount(); ++i) {
        SkinUI::CControlUI* item = tiles->GetItemAt(i);
        auto* inner = static_cast<SkinUI::CContainerUI*>(item->GetInterface(L"Container"));
        texts.push_back(inner != nullptr ? inner->GetItemAt(0)->GetText().GetData() : item->GetText().GetData());
      }
    });
    return texts;
  }
  Texts Ticked() {
    Texts texts;
    OnWindowThread(dialog, [&] {
      auto* tiles = static_cast<SkinUI::CContainerUI*>(
          FindControl(dialog, L"TileLayout_AllUser")->GetInterface(L"Container"));
      for (int i = 0; i < tiles->GetCount(); ++i) {
        auto* box = static_cast<SkinUI::COptionUI*>(tiles->GetItemAt(i)->GetInterface(L"Option"));
        if (box->IsSelected()) texts.push_back(box->GetText().GetData());
      }
    });
    return texts;
  }
  // Clicks the child of a tile layout (a user tile, or a chosen entry's delete button).
  void ClickTile(LPCTSTR layout, int index, bool deleteButton = false) {
    POINT centre = {-1, -1};
    OnWindowThread(dialog, [&] {
      auto* tiles = static_cast<SkinUI::CContainerUI*>(FindControl(dialog, layout)->GetInterface(L"Container"));
      SkinUI::CControlUI* item = tiles->GetItemAt(index);
      if (item == nullptr) return;
      if (deleteButton) item = static_cast<SkinUI::CContainerUI*>(item->GetInterface(L"Container"))->GetItemAt(1);
      const RECT rc = item->GetPos();
      centre = POINT{deleteButton ? (rc.left + rc.right) / 2 : rc.left + 10, (rc.top + rc.bottom) / 2};
      ::ClientToScreen(dialog, &centre);
    });
    ASSERT_NE(centre.x, -1);
    driver.Click(centre.x, centre.y);
    driver.WaitIdle();
  }
  void Click(LPCTSTR name) {
    ClickControl(dialog, name);
    driver.WaitIdle();
  }
  void Search(const std::wstring& text) {
    user.Type(dialog, L"Rich_PeopleFind", text);
    Click(L"btn_Peoplefind");
  }
  std::vector<Json::Value> Adds() { return world.requestBodies("/api/InspectPeople/Add"); }

  userinput::UserInput user{driver};
  HWND dialog = nullptr;
};

TEST_F(AddPeople, RegisteredPeopleAreNotOfferedAndTheChoiceSurvivesASearch) {
  AddPerson(1, "老张", 1, "r1");
  AddPlatformUser("r1", "老张", "1");
  AddPlatformUser("a1", "甲一", "13900000001");
  AddPlatformUser("a2", "乙二", "");
  AddPlatformUser("a3", "丙三", "13900000003");
  OpenDialog();
  EXPECT_EQ(Tiles(L"TileLayout_AllUser"), (Texts{L"甲一", L"乙二", L"丙三"}));

  ClickTile(L"TileLayout_AllUser", 0);
  EXPECT_EQ(Tiles(L"TileLayout_SelectedUser"), (Texts{L"甲一"}));
  Search(L"乙");
  EXPECT_EQ(Tiles(L"TileLayout_AllUser"), (Texts{L"乙二"}));
  EXPECT_TRUE(Ticked().empty()) << "tiles are rebuilt unticked";
  ClickTile(L"TileLayout_AllUser", 0);
  EXPECT_EQ(Tiles(L"TileLayout_SelectedUser"), (Texts{L"甲一", L"乙二"}));

  Click(L"Safeck");
  Click(L"fireck");
  Click(L"btn_Ok");
  EXPECT_EQ(AnswerAll(), (Texts{L"添加成功!"}));
  EXPECT_FALSE(::IsWindow(dialog));

  const std::vector<Json::Value> adds = Adds();
  ASSERT_EQ(adds.size(), 2u);
  EXPECT_EQ(adds[0]["UserID"].asString(), "a1");
  EXPECT_EQ(adds[0]["strTelephone"].asString(), "13900000001");
  EXPECT_EQ(adds[1]["UserID"].asString(), "a2");
  EXPECT_EQ(adds[1]["strTelephone"].asString(), "--");
  for (const Json::Value& add : adds) {
    EXPECT_EQ(add["iGroup"].asString(), "1010000") << add.toStyledString();
    EXPECT_EQ(add["strReserve"].asString(), "--");
  }
  ASSERT_EQ(g_mapPeople.size(), 3u);
  EXPECT_EQ(g_mapPeople.rbegin()->second.strTelephone, "--");
  EXPECT_EQ(Column(pageHwnd, L"list-people", L"strGroup"), (Texts{L"教学", L"安防,消防", L"安防,消防"}));
}

TEST_F(AddPeople, ThirtyAtMostAndAtLeastOneType) {
  for (int i = 1; i <= 31; ++i) AddPlatformUser("b" + std::to_string(100 + i), "用户" + std::to_string(100 + i), "");
  OpenDialog();
  Click(L"SelectAll");
  EXPECT_EQ(Tiles(L"TileLayout_SelectedUser").size(), 31u);
  Click(L"Safeck");
  Click(L"btn_Ok");
  EXPECT_EQ(AnswerAll(), (Texts{L"单次最多添加30人!"}));
  EXPECT_TRUE(::IsWindow(dialog));

  ClickTile(L"TileLayout_SelectedUser", 0, true);
  EXPECT_EQ(Tiles(L"TileLayout_SelectedUser").size(), 30u);
  EXPECT_EQ(Ticked().size(), 30u) << "btn_UserDelete unticks its user's tile";
  Click(L"Safeck");
  Click(L"btn_Ok");
  EXPECT_EQ(AnswerAll(), (Texts{L"请选择人员类型!"}));
  EXPECT_TRUE(Adds().empty());

  Click(L"teachingck");
  Click(L"btn_Ok");
  EXPECT_EQ(AnswerAll(), (Texts{L"添加成功!"}));
  EXPECT_EQ(Adds().size(), 30u);
  EXPECT_EQ(Adds().front()["iGroup"].asString(), "1") << "教学 alone: the mask's leading zeros are lost";
}

TEST_F(AddPeople, SelectAllTakesTheShownTilesOnly) {
  AddPlatformUser("a1", "张一", "");
  AddPlatformUser("a2", "张二", "");
  AddPlatformUser("a3", "李三", "");
  OpenDialog();
  Search(L"张");
  Click(L"SelectAll");
  EXPECT_EQ(Tiles(L"TileLayout_SelectedUser"), (Texts{L"张一", L"张二"}));
  Click(L"SelectAll");
  EXPECT_TRUE(Tiles(L"TileLayout_SelectedUser").empty());
  Click(L"btn_Ok");
  EXPECT_EQ(AnswerAll(), (Texts{L"请选择要添加的人员!"}));
}

TEST_F(AddPeople, APartialFailureKeepsOnlyTheUsersNotAdded) {
  AddPlatformUser("a1", "甲一", "");
  AddPlatformUser("a2", "乙二", "");
  AddPlatformUser("a3", "丙三", "");
  bool refuse = true;
  std::mutex mutex;
  world.http().route("POST", "/api/InspectPeople/Add", [&](const test_support::RecordedRequest& request) {
    Json::Value body;
    test_support::read_wire_json(request.body, body);
    std::lock_guard<std::mutex> lock(mutex);
    if (refuse && body["UserID"].asString() == "a2") return test_support::HttpReply(200, "-1");
    return test_support::HttpReply(200, std::to_string(world.patrol.people().add(body)));
  });
  OpenDialog();
  Click(L"SelectAll");
  Click(L"dormitoryck");
  Click(L"btn_Ok");
  EXPECT_EQ(AnswerAll(), (Texts{L"添加失败!"}));
  ASSERT_TRUE(::IsWindow(dialog)) << "the dialog stays open";
  EXPECT_EQ(g_mapPeople.size(), 2u);
  EXPECT_EQ(Tiles(L"TileLayout_SelectedUser"), (Texts{L"乙二"}));
  EXPECT_EQ(Tiles(L"TileLayout_AllUser"), (Texts{L"乙二"})) << "the added users are patrol people now";

  Click(L"btn_Ok");
  EXPECT_EQ(AnswerAll(), (Texts{L"添加失败!"}));
  EXPECT_EQ(Adds().size(), 4u) << "the second OK tried only the one left";

  {
    std::lock_guard<std::mutex> lock(mutex);
    refuse = false;
  }
  Click(L"btn_Ok");
  EXPECT_EQ(AnswerAll(), (Texts{L"添加成功!"}));
  EXPECT_EQ(Adds().size(), 5u);
  EXPECT_EQ(g_mapPeople.size(), 3u);
  EXPECT_EQ(world.patrol.people().size(), 3u);
}

TEST_F(AddPeople, ReturnInTheSearchFieldSearchesAsTheButtonDoes) {
  AddPlatformUser("a1", "张一", "");
  AddPlatformUser("a2", "李二", "");
  OpenDialog();
  user.Type(dialog, L"Rich_PeopleFind", L"李");
  EXPECT_EQ(Tiles(L"TileLayout_AllUser"), (Texts{L"张一", L"李二"})) << "typing alone does not search";
  user.Key(VK_RETURN);
  EXPECT_EQ(Tiles(L"TileLayout_AllUser"), (Texts{L"李二"}));
}

TEST_F(AddPeople, TheCloseAndCancelButtonsAddNoOne) {
  AddPlatformUser("a1", "甲一", "");
  for (const wchar_t* button : {L"btn_close", L"btn_Cancel"}) {
    SCOPED_TRACE(platform::codepage::WideToUtf8(button));
    OpenDialog();
    ClickTile(L"TileLayout_AllUser", 0);
    Click(L"Safeck");
    user.Click(dialog, button);
    EXPECT_TRUE(user.WaitClosed(L"AddPeopleWnd"));
    EXPECT_EQ(OpenMessage(), L"");
    EXPECT_TRUE(Adds().empty());
    EXPECT_TRUE(g_mapPeople.empty());
    EXPECT_TRUE(Column(pageHwnd, L"list-people", L"strGroup").empty());
  }
}

}  // namespace
