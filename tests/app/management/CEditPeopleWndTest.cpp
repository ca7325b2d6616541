// The edit-people dialog opened from the people page: preset boxes, refusals and the
// saved mask on the server, in the cache and on the page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/management/CEditPeopleWnd.h"
#include "app/management/CPeopleManageWndEx.h"
#include "data/StartupCaches.h"
#include "tests/app/management/support/ManagementWindowTest.h"
#include "ui/controls/COptionUI.h"

namespace {

using Texts = std::vector<std::wstring>;
using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::OnWindowThread;

const wchar_t* const kBoxes[] = {L"Safeck", L"deviceck", L"fireck", L"canteenck",
                                 L"dormitoryck", L"healthck", L"teachingck"};

class EditPeople : public managementtest::ManagementWindowTest {
 protected:
  void OpenDialog(int row) {
    OpenPage<CPeopleManageWndEx>();
    ClickRowButton(pageHwnd, L"list-people", row, L"btn_Edit");
    driver.WaitIdle();
    dialog = FindWindowOfClass(L"CEditPeopleWnd");
    ASSERT_NE(dialog, nullptr);
  }
  Texts Ticked() {
    Texts ticked;
    OnWindowThread(dialog, [&] {
      for (const wchar_t* name : kBoxes) {
        auto* box = static_cast<SkinUI::COptionUI*>(FindControl(dialog, name)->GetInterface(L"Option"));
        if (box->IsSelected()) ticked.push_back(name);
      }
    });
    return ticked;
  }
  void Click(LPCTSTR name) {
    ClickControl(dialog, name);
    driver.WaitIdle();
  }

  HWND dialog = nullptr;
};

TEST_F(EditPeople, BoxesArePresetFromTheMask) {
  AddPerson(1, "张三", 100);
  OpenDialog(0);
  EXPECT_EQ(TextOf(dialog, L"PeopleNamelab"), L"张三");
  EXPECT_EQ(Ticked(), (Texts{L"dormitoryck"}));
}

TEST_F(EditPeople, TheTitleCloseAndTheCancelButtonEachLeaveThePersonAsHeWas) {
  for (const wchar_t* button : {L"btn_close", L"btn_Cancel"}) {
    g_mapPeople.clear();
    AddPerson(1, "张三", 100);
    OpenDialog(0);
    Click(L"Safeck");
    Click(button);
    EXPECT_FALSE(::IsWindow(dialog)) << "closed by its button";
    EXPECT_TRUE(RequestsTo("/api/InspectPeople/Update").empty());
    EXPECT_EQ(g_mapPeople[1].iGroup, 100);
  }
}

TEST_F(EditPeople, NoTypeGivesBothMessagesAndSendsNothing) {
  AddPerson(1, "张三", 100);
  OpenDialog(0);
  Click(L"dormitoryck");
  Click(L"btn_Ok");
  EXPECT_EQ(AnswerAll(), (Texts{L"请选择人员类型!", L"编辑失败!"}));
  EXPECT_TRUE(::IsWindow(dialog));
  EXPECT_TRUE(RequestsTo("/api/InspectPeople/Update").empty());
}

TEST_F(EditPeople, TheSavedMaskReachesServerCacheAndPage) {
  AddPerson(1, "张三", 100);
  AddPerson(2, "李四", 10);
  OpenDialog(0);
  Click(L"dormitoryck");
  Click(L"Safeck");
  Click(L"teachingck");
  Click(L"btn_Ok");
  EXPECT_EQ(AnswerAll(), (Texts{L"编辑成功!"}));
  EXPECT_FALSE(::IsWindow(dialog));
  EXPECT_EQ(g_mapPeople[1].iGroup, 1000001);
  EXPECT_EQ(world.patrol.people().request_of(1)["iGroup"].asString(), "1000001");
  EXPECT_EQ(world.patrol.people().request_of(1)["strReserve"].asString(), "--");
  EXPECT_EQ(Column(pageHwnd, L"list-people", L"strGroup"), (Texts{L"安防,教学", L"卫生"}));
}

TEST_F(EditPeople, ARefusedSaveKeepsTheCacheAndTheDialog) {
  AddPerson(1, "张三", 100);
  world.http().route("POST", "/api/InspectPeople/Update", test_support::HttpReply(200, "-1"));
  OpenDialog(0);
  Click(L"Safeck");
  Click(L"btn_Ok");
  EXPECT_EQ(AnswerAll(), (Texts{L"编辑失败!"}));
  EXPECT_TRUE(::IsWindow(dialog));
  EXPECT_EQ(g_mapPeople[1].iGroup, 100);
}

TEST_F(EditPeople, APersonNotCachedIsNeverSent) {
  CEditPeopleWnd* edit = OpenPage<CEditPeopleWnd>(99);
  (void)edit;
  dialog = pageHwnd;
  Click(L"Safeck");
  Click(L"btn_Ok");
  EXPECT_EQ(AnswerAll(), (Texts{L"编辑失败!"}));
  EXPECT_TRUE(RequestsTo("/api/InspectPeople/Update").empty());
  EXPECT_TRUE(g_mapPeople.empty());
}

}  // namespace
