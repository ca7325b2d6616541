// The home page on WebKitGTK, end to end over the fake servers: the chart page beside
// the program draws the pass and miss bars inside the web view, and a page's
// "MessageBox" reaches the system box whole. The windows stay on the headless backend;
// GTK talks to the X server the suite started. Every wait is bounded.
#include <gtest/gtest.h>

#include "testing/base/ThreadChecked.h"

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/web/EngineHost.h"
#include "platform/web/Wke.h"
#include "testing/ui/ControlPixels.h"
#include "tests/app/frame/support/HomePageTest.h"
#include "ui/controls/CWkeWebkitUI.h"

namespace {

using frametest::MakePlan;

// The bar colours of the skins' palette, as the window image holds them.
const uint32_t kPassColour = 0xFF34F35D;
const uint32_t kMissColour = 0xFFCC8600;

class HomePageOnEngine : public frametest::HomePageTest {
 protected:
  static void SetUpTestSuite() {
    if (testing_base::kThreadChecked) return;
    platform::web::EngineHost::Instance().Install(nullptr);
    wkeInitialize();
  }

  void SetUp() override {
    if (testing_base::kThreadChecked) GTEST_SKIP() << testing_base::kWebLibrariesUnseen;
    frametest::HomePageTest::SetUp();
  }

  // Lets the engine, the page's timers and the 30-ms repaints run until `done`, for
  // at most 60 s of real time.
  bool WaitFor(const std::function<bool()>& done) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < limit) {
      driver.Advance(30);
      driver.WaitIdle();
      if (done()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  RECT WebViewRect() {
    RECT rect = {};
    OnPage([&] { rect = shelltest::FindControl(hwnd, L"WkeWeb")->GetPos(); });
    return rect;
  }
};

TEST_F(HomePageOnEngine, TheChartPageDrawsBothBarColoursInsideTheWebView) {
  AddPlan(MakePlan(3, 0, "2026-01-01", "2026-12-31", "1111111"));
  ServePassRates({{7, 4, 3}, {6, 5, 1}});
  OpenPage();
  ASSERT_NE(shelltest::FindControl(hwnd, L"WkeWeb"), nullptr);
  ASSERT_TRUE(WaitFor([&] {
    if (page->GetDrawChartsCount() == 0) return false;
    const controltest::ControlPixels pixels(hwnd, WebViewRect());
    return pixels.Count(kPassColour) > 0 && pixels.Count(kMissColour) > 0;
  })) << "pass and miss bars inside the web view";
}

// The chart lies on its panel: where no bar, axis or label is drawn the web view shows
// the panel's own colour, not a second navy beside it.
TEST_F(HomePageOnEngine, TheChartsBackgroundIsItsPanelsColour) {
  AddPlan(MakePlan(3, 0, "2026-01-01", "2026-12-31", "1111111"));
  ServePassRates({{7, 4, 3}, {6, 5, 1}});
  OpenPage();
  ASSERT_TRUE(WaitFor([&] {
    if (page->GetDrawChartsCount() == 0) return false;
    return controltest::ControlPixels(hwnd, WebViewRect()).Count(kMissColour) > 0;
  })) << "the bars inside the web view";
  const RECT view = WebViewRect();
  // Left of the web view, inside the panel's inset.
  const controltest::ControlPixels panel(hwnd, RECT{view.left - 6, view.top, view.left - 2, view.bottom});
  const controltest::ControlPixels chart(hwnd, view);
  ASSERT_GT(chart.Width(), 100);
  const uint32_t panelColour = panel.At(2, panel.Height() / 2);
  EXPECT_EQ(chart.At(chart.Width() / 2, 3), panelColour) << "above the bars";
  EXPECT_EQ(chart.At(3, chart.Height() - 3), panelColour) << "at the bottom left corner";
}

// Thirty characters each, beyond any fixed buffer.
TEST_F(HomePageOnEngine, APagesMessageBoxShowsItsCaptionAndTextWhole) {
  OpenPage();
  const std::string caption = u8"巡更统计图的说明标题，共有三十个字符：一二三四五六七八九十一";
  const std::string text = u8"本页面显示最近七个时间段的巡更合格率与漏检率统计结果甲乙丙丁";
  OnPage([&] {
    auto* web = static_cast<SkinUI::CWkeWebkitUI*>(shelltest::FindControl(hwnd, L"WkeWeb"));
    ASSERT_NE(web, nullptr);
    wkeRunJS(web->GetWebView(), ("MessageBox('" + caption + "', '" + text + "');").c_str());
  });
  std::vector<platform::user::OpenMessageBox> boxes;
  ASSERT_TRUE(WaitFor([&] {
    boxes = driver.MessageBoxes();
    return !boxes.empty();
  }));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(SkinUI::CWkeWebkitUI::wide_to_utf8(boxes[0].caption.c_str()), caption);
  EXPECT_EQ(SkinUI::CWkeWebkitUI::wide_to_utf8(boxes[0].text.c_str()), text);
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK));
  EXPECT_TRUE(driver.AnswerMessageBox(IDOK));
  driver.WaitIdle();
}

}  // namespace
