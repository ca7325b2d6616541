// The tabs the user's rights show, the page the frame opens on, and what selecting each
// page does.
#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/frame/home/CHomePageWndEx.h"
#include "ui/core/window/CWindowWnd.h"
#include "data/StartupCaches.h"
#include "tests/app/frame/support/FrameTest.h"
#include "tests/app/frame/support/HomePageTest.h"
#include "ui/controls/COptionUI.h"

namespace {

using frametest::FrameTest;

const wchar_t* const kTabs[] = {L"tabMain",
                                L"tabPlan",
                                L"tabRouteManagement",
                                L"tabEquipmentManagement",
                                L"tabPeopleManagement",
                                L"tabResultManagement",
                                L"tabAuthorityManagement"};

const wchar_t* const kTitles[] = {L"主页", L"巡更计划", L"线路管理", L"设备管理", L"人员管理", L"结果查看", L"权限管理"};
const wchar_t* const kFindButtons[] = {L"", L"btn_Planfind", L"btn_Routefind", L"btn_Devicefind",
                                       L"btn_Peoplefind", L"InspectRecordFind", L"btn_Authorityfind"};

class MainFrameTabs : public FrameTest {
 protected:
  // "1" for each visible tab option, in page order.
  std::string VisibleTabs() {
    std::string shown;
    OnFrameThread([&] {
      for (const wchar_t* tab : kTabs) shown += shelltest::FindControl(hwnd, tab)->IsVisible() ? "1" : "0";
    });
    return shown;
  }
  // "1" for each page window that exists and is visible, "0" hidden, "-" not created.
  std::string Pages() {
    std::string pages;
    for (int page = 1; page <= CMainFrameWnd::PAGE_COUNT; ++page) {
      SkinUI::CWindowWnd* window = frame->GetPage(page);
      pages += window == nullptr ? "-" : (::IsWindowVisible(window->GetHWND()) ? "1" : "0");
    }
    return pages;
  }
  // The visible highlight label's number and its left padding; 0 when none is visible.
  std::pair<int, int> Highlight() {
    std::pair<int, int> shown{0, -1};
    OnFrameThread([&] {
      for (int i = 1; i <= 7; ++i) {
        SkinUI::CControlUI* label = shelltest::FindControl(hwnd, (L"lab" + std::to_wstring(i)).c_str());
        if (label->IsVisible()) shown = {i, label->GetPadding().left};
      }
    });
    return shown;
  }
  std::size_t RatesAsked() {
    std::size_t asked = 0;
    for (const auto& request : world.http().requests()) {
      if (request.path().find("InspectRecord/GetPassRate") != std::string::npos) ++asked;
    }
    return asked;
  }
  bool Selected(int page) {
    bool selected = false;
    OnFrameThread([&] {
      selected = static_cast<SkinUI::COptionUI*>(shelltest::FindControl(hwnd, kTabs[page - 1]))->IsSelected();
    });
    return selected;
  }
};

TEST_F(MainFrameTabs, TheRightsChooseTheTabsAndThePageTheFrameOpensOn) {
  const struct {
    const char* label;
    int allRights;
    int allModules;
    std::vector<const char*> modules;
    std::string tabs;
    std::string pages;
    int startPage;
  } cases[] = {
      {"administrator", 1, 0, {}, "1111111", "1------", 1},
      {"all modules", 0, 1, {}, "1111111", "1------", 1},
      {"people only", 0, 0, {"巡更人员管理"}, "0000101", "----1--", 5},
      {"plans and results", 0, 0, {"巡更计划管理", "巡更结果"}, "0100011", "-1-----", 2},
      {"nothing known", 0, 0, {"巡更报表", "系统设置"}, "0000001", "-------", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    global_singleton& session = world.session();
    session.m_nAllRights = c.allRights;
    session.m_nAllTypes = c.allRights;
    session.m_nAllModules = c.allModules;
    session.m_mapModules.clear();
    for (const char* module : c.modules) session.m_mapModules[module] = 1;

    OpenFrame();

    EXPECT_EQ(VisibleTabs(), c.tabs);
    EXPECT_EQ(Pages(), c.pages);
    CHomePageWndEx* home = frame->GetHomePage();
    EXPECT_EQ(home != nullptr ? home->GetDrawChartsCount() : 0, c.startPage == 1 ? 1 : 0);
    if (home != nullptr) {
      EXPECT_EQ(home->GetLastChartRange(), 1);
      EXPECT_TRUE(home->IsShown());
      EXPECT_EQ(home->GetLoadCount(), 1) << "only the page's own load: nothing is refreshed while the frame is built";
    }
    if (c.startPage != 0) {
      EXPECT_TRUE(Selected(c.startPage));
      EXPECT_EQ(Highlight(), std::make_pair(c.startPage, 10 + 109 * (c.startPage - 1)));
      wchar_t title[32] = {};
      ::GetWindowTextW(frame->GetPage(c.startPage)->GetHWND(), title, 32);
      EXPECT_EQ(std::wstring(title), kTitles[c.startPage - 1]);
    }
    CloseFrame();
  }
}

TEST_F(MainFrameTabs, FillsTheWorkAreaAndPlacesPagesUnderTheTabs) {
  OpenFrame();
  RECT window = {};
  ::GetWindowRect(hwnd, &window);
  const RECT work = frametest::TestWorkArea();
  // As large as the work area (its own size handling moves it there).
  EXPECT_EQ(window.right - window.left, work.right - work.left);
  EXPECT_EQ(window.bottom - window.top, work.bottom - work.top);

  OnFrameThread([&] { frame->SelectPage(3); });
  driver.WaitIdle();
  for (int page : {1, 3}) {
    SCOPED_TRACE(page);
    const HWND child = frame->GetPage(page)->GetHWND();
    EXPECT_NE(::GetWindowLongW(child, GWL_STYLE) & WS_CHILD, 0);
    EXPECT_EQ(::GetParent(child), hwnd);
    RECT placed = {};
    ::GetWindowRect(child, &placed);
    ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.top, 150);
    EXPECT_EQ(placed.right - placed.left, work.right - work.left);
    EXPECT_EQ(placed.bottom - placed.top, work.bottom - (page == 1 ? 178 : 180));
  }
  wchar_t className[64] = {};
  OnFrameThread([&] { frame->SelectPage(4); });
  ::GetClassNameW(frame->GetPage(4)->GetHWND(), className, 64);
  EXPECT_EQ(std::wstring(className), L"CDeviceManageWndEx");
  ::GetClassNameW(frame->GetPage(3)->GetHWND(), className, 64);
  EXPECT_EQ(std::wstring(className), L"CSpliteScreenBase");
  shelltest::SavePicture(hwnd, "main-frame");
}

TEST_F(MainFrameTabs, SelectingAPageCreatesItOnceShowsItAloneAndFocusesItsSearch) {
  OpenFrame();
  for (int page : {2, 3, 4, 5, 6, 7, 2}) {
    SCOPED_TRACE(page);
    SkinUI::CWindowWnd* before = frame->GetPage(page);
    ClickControl(hwnd, kTabs[page - 1]);

    SkinUI::CWindowWnd* shown = frame->GetPage(page);
    ASSERT_NE(shown, nullptr);
    if (before != nullptr) {
      EXPECT_EQ(shown, before) << "made again";
    }
    for (int other = 1; other <= 7; ++other) {
      SkinUI::CWindowWnd* window = frame->GetPage(other);
      if (window == nullptr) continue;
      EXPECT_EQ(::IsWindowVisible(window->GetHWND()) != FALSE, other == page) << other;
    }
    EXPECT_FALSE(frame->GetHomePage()->IsShown());
    EXPECT_EQ(Highlight(), std::make_pair(page, 10 + 109 * (page - 1)));
    std::wstring focused;
    shelltest::OnWindowThread(shown->GetHWND(), [&] {
      SkinUI::CControlUI* focus = shelltest::ManagerOf(shown->GetHWND())->GetFocus();
      if (focus != nullptr) focused = focus->GetName().GetData();
    });
    EXPECT_EQ(focused, kFindButtons[page - 1]);
  }
}

// Each selection reads today's plans again, on the home page's worker: no busy window
// holds the frame meanwhile, the tree shows the plans as the caches hold them now, and
// the chart's rates are not asked again.
TEST_F(MainFrameTabs, TheHomePageReloadsTodaysPlansOnAWorkerEachTimeItIsSelected) {
  OpenFrame();
  ClickControl(hwnd, L"tabPlan");
  const std::size_t ratesAsked = RatesAsked();
  std::vector<int> expected;
  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE(round);
    const int id = 900 + round;
    {
      std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
      g_mapInspectPlan[id] = frametest::MakePlan(id, 0, "2024-03-01", "2024-03-31", "1111111", "08:00-09:00");
    }
    expected.push_back(id);
    ClickControl(hwnd, L"tabMain");
    EXPECT_EQ(shelltest::FindWindowOfClass(L"LoadingGifWnd"), nullptr) << "no busy window";
    EXPECT_TRUE(::IsWindowEnabled(hwnd));
    frametest::WaitForHomeReading(driver, frame->GetHomePage()->GetHWND(), *frame->GetHomePage());
    EXPECT_EQ(frame->GetHomePage()->GetLoadCount(), round + 1) << "after the page's own load when it was made";
    EXPECT_TRUE(frame->GetHomePage()->IsShown());
    std::vector<int> shown;
    OnFrameThread([&] {
      for (const TodayPlan& plan : frame->GetHomePage()->GetTodayPlans()) {
        if (plan.plan.iID >= 900) shown.push_back(plan.plan.iID);
      }
    });
    EXPECT_EQ(shown, expected);
    ClickControl(hwnd, L"tabPlan");
  }
  EXPECT_EQ(RatesAsked(), ratesAsked) << "only today's plans are read again";
  EXPECT_EQ(frame->GetHomePage()->GetDrawChartsCount(), 1) << "charts are drawn once, at start";
}

TEST_F(MainFrameTabs, CheckResultTabSelectsTheResultsTabInsteadOfThePlans) {
  OpenFrame();
  ClickControl(hwnd, L"tabPlan");
  OnFrameThread([&] { frame->CheckResultTab(); });
  EXPECT_TRUE(Selected(6));
  EXPECT_FALSE(Selected(2));
}

}  // namespace
