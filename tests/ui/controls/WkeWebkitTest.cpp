// The embedded web view over the scripted engine: the error page on a failed load and
// "refresh" back to the page that failed, the page's jsToNative calls it refuses, the
// bitmap that follows a resize, input at view coordinates, and everything on the UI
// thread.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/web/Wke.h"
#include "testing/ui/ControlHarness.h"
#include "testing/web/ScriptedWebEngine.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CWkeWebkitUI.h"

namespace {

using controltest::ControlHarness;
using controltest::TestSkin;
using controltest::kWhite;
using platform::web::ScriptValue;
using SkinUI::CWkeWebkitUI;
using test_support::ScriptedWebEngine;

class WkeWebkit : public ::testing::Test {
 protected:
  WkeWebkit() {
    engine = ScriptedWebEngine::Install();
    jsBindFunction("jsToNative", &CWkeWebkitUI::OnJsToNative, 2);
  }
  ~WkeWebkit() override {
    h.reset();
    ScriptedWebEngine::Uninstall();
  }

  void Build(int width = 120, int height = 80, const std::wstring& background = L"#FFFFFFFF") {
    h.reset(new ControlHarness(driver, TestSkin(L"<HorizontalLayout bkcolor=\"" + background + L"\" height=\"" +
                                                std::to_wstring(height) + L"\"><Control width=\"20\"/><wkeWebkit name=\"web\" width=\"" +
                                                std::to_wstring(width) + L"\"/><Control/></HorizontalLayout>")));
    ASSERT_TRUE(h->Created());
    ASSERT_TRUE(driver.WaitIdle());
  }
  CWkeWebkitUI* Web() { return h->Find<CWkeWebkitUI>(L"web"); }
  void LoadURL(const std::wstring& url) {
    h->OnGui([&] { Web()->LoadURL(url); });
    ASSERT_TRUE(driver.WaitIdle());
  }
  std::vector<std::string> Loads() { return engine->LastView().loads; }
  void PageCalls(std::vector<ScriptValue> args) {
    engine->CallFromPage(engine->LastView().id, "jsToNative", std::move(args));
    ASSERT_TRUE(driver.WaitIdle());
  }
  std::wstring LastURL() {
    std::wstring url;
    h->OnGui([&] { url = Web()->GetLastURL(); });
    return url;
  }
  std::string ErrorPage() {
    std::wstring url;
    h->OnGui([&] { url = Web()->GetErrorPageURL(); });
    // As the engine gets it: "file:///" + an absolute folder names the same file.
    return "file://" + std::string(url.begin() + 8, url.end());
  }

  platform::headless::TestDriver driver;
  std::shared_ptr<ScriptedWebEngine> engine;
  std::unique_ptr<ControlHarness> h;
};

TEST_F(WkeWebkit, IsTheSkinsWkeWebkitElement) {
  Build();
  h->OnGui([&] {
    ASSERT_NE(Web(), nullptr);
    EXPECT_STREQ(Web()->GetClassName(), L"WkeWebkitUI");
    EXPECT_EQ(Web()->GetInterface(L"WkeWebkit"), Web());
    EXPECT_EQ(Web()->GetInterface(L"Button"), nullptr);
    EXPECT_STREQ(wkeGetName(Web()->GetWebView()), "web");
  });
  EXPECT_EQ(engine->LastView().userAgent.find("Mozilla/5.0 (Windows NT 6.1)"), 0u);
}

TEST_F(WkeWebkit, AFailedPageShowsTheErrorPageAndRefreshLoadsTheFailedPageAgain) {
  engine->FailUrlsContaining("chart.html");
  Build();
  LoadURL(L"/srv/pages/chart.html");
  ASSERT_EQ(Loads(), (std::vector<std::string>{"file:///srv/pages/chart.html", ErrorPage()}));
  // The error page's own URL is not remembered.
  EXPECT_EQ(LastURL(), L"file:///srv/pages/chart.html");

  PageCalls({ScriptValue::FromString("refresh"), ScriptValue::FromString("")});
  EXPECT_EQ(Loads().size(), 3u + 1u);  // the page again, failing again, and the error page again
  EXPECT_EQ(Loads()[2], "file:///srv/pages/chart.html");
}

TEST_F(WkeWebkit, AMissingErrorPageIsTriedOnce) {
  engine->FailUrlsContaining(".html");
  Build();
  LoadURL(L"/srv/pages/chart.html");
  EXPECT_EQ(Loads(), (std::vector<std::string>{"file:///srv/pages/chart.html", ErrorPage()}));
}

TEST_F(WkeWebkit, JsToNativeRefusesAnythingButTwoTexts) {
  Build();
  LoadURL(L"/srv/pages/chart.html");
  const size_t before = Loads().size();
  const std::vector<std::vector<ScriptValue>> refused = {
      {ScriptValue::FromString("refresh")},
      {ScriptValue::FromString("refresh"), ScriptValue::FromString(""), ScriptValue::FromString("")},
      {ScriptValue::FromNumber(1), ScriptValue::FromString("")},
      {ScriptValue::FromString("refresh"), ScriptValue::FromNumber(1)},
      {ScriptValue::FromString("reload"), ScriptValue::FromString("")},
  };
  for (const auto& args : refused) PageCalls(args);
  EXPECT_EQ(Loads().size(), before);
  for (const auto& answer : engine->Answers()) EXPECT_EQ(answer.value, ScriptValue()) << answer.name;
}

TEST_F(WkeWebkit, AResizeGivesANewBitmapOfTheNewSizeAtTheNextPaint) {
  engine->SetFrameColour(0xFF3060A0);
  Build(60, 40);
  LoadURL(L"http://127.0.0.1/chart.html");
  EXPECT_EQ(h->Pixel(L"web", POINT{59, 39}), 0xFF3060A0u);
  EXPECT_EQ(engine->LastView().width, 60);

  h->OnGui([&] { Web()->SetFixedWidth(100); });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(engine->LastView().width, 100);
  EXPECT_EQ(engine->LastView().height, 40);
  EXPECT_EQ(h->Pixel(L"web", POINT{99, 39}), 0xFF3060A0u);
}

// The engine's sheet is white until a page has drawn on it: meanwhile the window's own
// background shows.
TEST_F(WkeWebkit, TheSkinsBackgroundShowsUntilThePageHasDrawn) {
  const uint32_t navy = 0xFF002971, page = 0xFF3060A0;
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("wke-page-" + std::to_string(::getpid()) + ".html");
  std::ofstream(file) << "<html></html>";
  engine->SetFrameColour(kWhite);
  engine->HoldLoads(true);
  Build(120, 80, L"#FF002971");
  LoadURL(file.wstring());
  driver.Advance(600);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(h->Pixel(L"web", POINT{60, 40}), navy) << "while the page loads";

  engine->SetFrameColour(page);
  engine->HoldLoads(false);
  engine->FinishLoads(engine->LastView().id);
  driver.Advance(60);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(h->Pixel(L"web", POINT{60, 40}), page) << "once the page has drawn";
  std::filesystem::remove(file);
}

TEST_F(WkeWebkit, InputReachesThePageAtViewCoordinates) {
  Build();
  h->ClickAt(L"web", POINT{15, 25});
  h->Wheel(L"web", 120);
  const auto input = engine->LastView().input;
  auto has = [&](const std::string& text) {
    for (const auto& line : input) {
      if (line.compare(0, text.size(), text) == 0) return true;
    }
    return false;
  };
  EXPECT_TRUE(has("mouse 513 15 25")) << ::testing::PrintToString(input);
  EXPECT_TRUE(has("mouse 514 15 25")) << ::testing::PrintToString(input);
  EXPECT_TRUE(has("wheel 60 40 ")) << ::testing::PrintToString(input);
}

TEST_F(WkeWebkit, WithoutAnEngineTheControlShowsNothing) {
  ScriptedWebEngine::Uninstall();  // and no wkeInitialize: no engine runs
  Build();
  h->OnGui([&] {
    EXPECT_EQ(Web()->GetWebView(), nullptr);
    Web()->LoadURL(L"/srv/pages/chart.html");
  });
  EXPECT_EQ(h->Pixel(L"web", POINT{5, 5}), controltest::kWhite);
}

}  // namespace
