// The plan page inside the main frame: a card's "查看结果" moves the frame to the results.
#include <gtest/gtest.h>

#include <mutex>
#include <string>

#include "platform/base/CodePage.h"
#include "data/StartupCaches.h"

#include "app/management/CPatrolPlanUI.h"
#include "tests/app/frame/support/FrameTest.h"
#include "ui/controls/COptionUI.h"
#include "ui/core/window/CWindowWnd.h"

namespace {

class PlanPageInFrame : public frametest::FrameTest {
 protected:
  bool Selected(LPCTSTR tab) {
    bool selected = false;
    OnFrameThread([&] {
      selected = static_cast<SkinUI::COptionUI*>(shelltest::FindControl(hwnd, tab))->IsSelected();
    });
    return selected;
  }
  static std::wstring PlanName(int id) {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    const auto plan = g_mapInspectPlan.find(id);
    return plan == g_mapInspectPlan.end() ? std::wstring() : platform::codepage::GbkToWide(plan->second.strName);
  }
  bool Shown(int page) {
    SkinUI::CWindowWnd* window = frame->GetPage(page);
    return window != nullptr && ::IsWindowVisible(window->GetHWND());
  }
};

TEST_F(PlanPageInFrame, LookingAtAPlansResultsSelectsTheResultsPage) {
  OpenFrame();
  ClickControl(hwnd, L"tabPlan");
  driver.WaitIdle();
  ASSERT_TRUE(Shown(2));
  // What a card's menu button does, with the pointer where the menu opens.
  driver.MoveMouse(400, 400);
  ::PostMessageW(frame->GetPage(2)->GetHWND(), CPatrolPlanUI::WM_PLANMENU, 0, 8);
  driver.WaitIdle();
  const HWND menu = shelltest::FindWindowOfClass(L"SkinMenuWnd");
  ASSERT_NE(menu, nullptr);
  const POINT look = shelltest::ControlCentre(menu, L"menu_LookPlan");
  ASSERT_NE(look.x, -1);
  driver.Click(look.x, look.y);
  driver.WaitIdle();
  EXPECT_TRUE(Selected(L"tabResultManagement"));
  EXPECT_FALSE(Selected(L"tabPlan"));
  EXPECT_TRUE(Shown(6));
  EXPECT_FALSE(Shown(2));
  std::wstring search;
  OnFrameThread([&] { search = shelltest::FindControl(frame->GetPage(6)->GetHWND(), L"Rich_PlanFind")->GetText().GetData(); });
  EXPECT_EQ(search, PlanName(8)) << "the results page searches for the card's plan";
}

}  // namespace
