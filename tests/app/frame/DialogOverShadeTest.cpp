// A page's dialog over the shade, and message boxes the dialog shows: while the dialog
// is open the shade stays over the main frame, whatever boxes come and go, and the frame
// takes no click until the dialog ends.
#include <gtest/gtest.h>

#include <json/json.h>

#include "app/shell/BkWindow.h"
#include "platform/base/CodePage.h"
#include "tests/app/frame/support/FrameTest.h"
#include "ui/controls/CListUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

using shelltest::FindWindowOfClass;
using shelltest::OnWindowThread;

const int kPeoplePage = 5;
const int kPlanPage = 2;

class DialogOverShade : public frametest::FrameTest {
 protected:
  // The people page with one person of the dormitory type, its edit dialog open.
  void OpenEditDialog() {
    Json::Value person;
    person["iID"] = 1;
    person["strName"] = u8"张三";
    person["UserID"] = "p1";
    person["iGroup"] = 100;
    person["iIdentity"] = 1;
    world.patrol.people().seed(person);
    OpenFrame();
    ClickControl(hwnd, L"tabPeopleManagement");
    ASSERT_TRUE(PageShown(kPeoplePage));
    ClickEditOfFirstRow(frame->GetPage(kPeoplePage)->GetHWND());
    dialog = FindWindowOfClass(L"CEditPeopleWnd");
    ASSERT_NE(dialog, nullptr) << "the edit dialog opens";
    ASSERT_TRUE(ShadeShown());
  }

  void ClickEditOfFirstRow(HWND page) {
    POINT centre = {-1, -1};
    OnWindowThread(page, [&] {
      SkinUI::CWindowManagerUI* manager = shelltest::ManagerOf(page);
      auto* rows = static_cast<SkinUI::CListUI*>(manager->FindControl(L"list-people")->GetInterface(L"List"));
      if (rows->GetCount() == 0) return;
      SkinUI::CControlUI* edit = manager->FindSubControlByName(rows->GetItemAt(0), L"btn_Edit");
      if (edit == nullptr) return;
      const RECT rc = edit->GetPos();
      centre = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
      ::ClientToScreen(page, &centre);
    });
    ASSERT_NE(centre.x, -1) << "no edit button in the first row";
    driver.Click(centre.x, centre.y);
    ASSERT_TRUE(driver.WaitIdle());
  }

  bool PageShown(int page) {
    SkinUI::CWindowWnd* window = frame->GetPage(page);
    return window != nullptr && ::IsWindowVisible(window->GetHWND());
  }
  static bool ShadeShown() { return g_pBkWnd != nullptr && ::IsWindowVisible(g_pBkWnd->GetHWND()); }

  // True when `upper` lies above `lower` in the z-order of top-level windows.
  static bool Above(HWND upper, HWND lower) {
    for (HWND w = ::GetWindow(lower, GW_HWNDPREV); w != nullptr; w = ::GetWindow(w, GW_HWNDPREV)) {
      if (w == upper) return true;
    }
    return false;
  }

  // Clicks the plan tab of the frame, where the shade lies over it.
  void ClickPlanTab() {
    const POINT tab = shelltest::ControlCentre(hwnd, L"tabPlan");
    ASSERT_GE(tab.x, 0) << "no control tabPlan";
    driver.Click(tab.x, tab.y);
    ASSERT_TRUE(driver.WaitIdle());
  }

  HWND dialog = nullptr;
};

// Nothing ticked: "请选择人员类型!" (closed with 确定), then at once "编辑失败!" (closed with
// its close button); each box opens over the shade the dialog already shows.
TEST_F(DialogOverShade, BoxesClosingOverTheDialogLeaveTheShadeAndTheFrameUnderIt) {
  OpenEditDialog();
  ClickControl(dialog, L"dormitoryck");
  ClickControl(dialog, L"btn_Ok");
  const struct {
    const wchar_t* text;
    const wchar_t* button;
  } boxes[] = {{L"请选择人员类型!", L"yes"}, {L"编辑失败!", L"close"}};
  for (const auto& expected : boxes) {
    const HWND box = MessageBoxWindow();
    ASSERT_NE(box, nullptr) << "no box saying " << platform::codepage::WideToUtf8(expected.text);
    EXPECT_EQ(MessageBoxText(box), expected.text);
    ClickControl(box, expected.button);
    EXPECT_FALSE(::IsWindow(box));
  }
  ASSERT_EQ(MessageBoxWindow(), nullptr);

  EXPECT_TRUE(ShadeShown()) << "the shade stays while the dialog is open";
  EXPECT_FALSE(::IsWindowEnabled(g_pBkWnd->GetHWND())) << "the shade takes no input";
  ASSERT_TRUE(::IsWindow(dialog));
  EXPECT_TRUE(::IsWindowEnabled(dialog));
  EXPECT_TRUE(Above(dialog, g_pBkWnd->GetHWND()));
  EXPECT_TRUE(Above(g_pBkWnd->GetHWND(), hwnd)) << "the frame stays under the shade";
  EXPECT_EQ(::GetForegroundWindow(), dialog) << "keys go to the dialog";

  ClickPlanTab();
  EXPECT_FALSE(PageShown(kPlanPage)) << "a click on the frame reaches nothing while the dialog is open";
  EXPECT_TRUE(PageShown(kPeoplePage));
  EXPECT_TRUE(::IsWindow(dialog));

  ClickControl(dialog, L"btn_close");
  EXPECT_FALSE(::IsWindow(dialog));
  EXPECT_FALSE(ShadeShown()) << "the dialog's end takes the shade away";
  ClickPlanTab();
  EXPECT_TRUE(PageShown(kPlanPage)) << "the frame takes clicks again";
}

}  // namespace
