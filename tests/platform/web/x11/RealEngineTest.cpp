// WebKitGTK itself, behind the facade: the windows stay on the headless backend while
// GTK talks to the X server the suite started. Every wait is bounded.
#include <gtest/gtest.h>

#include "testing/base/ThreadChecked.h"

#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/web/EngineHost.h"
#include "platform/web/Wke.h"
#include "platform/win32.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"

namespace {

const char kPage[] =
    "<html><head><title>chart</title></head>"
    "<body style='margin:0;background:#204080'>"
    "<div style='width:50px;height:50px;background:#ff0000'></div>"
    "<script>"
    "document.addEventListener('mousedown',function(e){report('down',e.clientX+','+e.clientY);});"
    "document.addEventListener('wheel',function(e){report('wheel',e.clientX+','+e.clientY);});"
    "function fromProgram(a,b){report(a,b);}"
    "</script></body></html>";

struct Seen {
  std::mutex mutex;
  std::vector<std::string> reports;
  std::set<DWORD> threads;
  std::vector<std::string> finishes;
};
Seen* g_seen = nullptr;

jsValue Report(jsExecState es) {
  std::string text;
  for (int i = 0; i < jsArgCount(es); ++i) {
    const jsValue arg = jsArg(es, i);
    text += (i > 0 ? "|" : "") + std::string(jsIsString(arg) ? "" : "?") +
            platform::codepage::WideToUtf8(jsToTempStringW(es, arg));
  }
  std::lock_guard<std::mutex> lock(g_seen->mutex);
  g_seen->reports.push_back(text);
  g_seen->threads.insert(::GetCurrentThreadId());
  return jsUndefined();
}

void OnFinish(wkeWebView, void*, const wkeString url, wkeLoadingResult result, const wkeString) {
  std::lock_guard<std::mutex> lock(g_seen->mutex);
  g_seen->finishes.push_back(std::to_string(result) + " " + platform::codepage::WideToUtf8(wkeGetStringW(url)));
  g_seen->threads.insert(::GetCurrentThreadId());
}

constexpr bool kLibraryThreadsUnseen = testing_base::kThreadChecked;

class RealEngine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (kLibraryThreadsUnseen) return;
    platform::web::EngineHost::Instance().Install(nullptr);
    wkeInitialize();
    jsBindFunction("report", &Report, 2);
  }

  void SetUp() override {
    if (kLibraryThreadsUnseen) GTEST_SKIP() << testing_base::kWebLibrariesUnseen;
  }

  RealEngine() {
    g_seen = &seen;
    char folder[] = "/tmp/web-real-XXXXXX";
    dir = ::mkdtemp(folder);
    page = dir + "/page.html";
    std::ofstream(page) << kPage;
  }
  ~RealEngine() override {
    gui.Call([this] {
      if (view != nullptr) wkeDestroyWebView(view);
    });
    ::unlink(page.c_str());
    ::rmdir(dir.c_str());
    g_seen = nullptr;
  }

  void MakeView(int width, int height) {
    gui.Call([&] {
      view = wkeCreateWebView();
      wkeOnLoadingFinish(view, &OnFinish, nullptr);
      wkeResize(view, width, height);
    });
    ASSERT_NE(view, nullptr) << "no engine: is DISPLAY set?";
  }
  void Load(const std::string& path) {
    gui.Call([&] { wkeLoadW(view, platform::codepage::Utf8ToWide(path).c_str()); });
  }
  // Lets the engine work until `done`, for at most 30 s of real time.
  bool WaitFor(const std::function<bool()>& done) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < limit) {
      driver.WaitIdle();
      {
        std::lock_guard<std::mutex> lock(seen.mutex);
        if (done()) return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }
  std::vector<uint32_t> Frame(int width, int height) {
    std::vector<uint32_t> bits(static_cast<size_t>(width) * height, 0);
    gui.Call([&] { wkePaint2(view, bits.data(), 0); });
    return bits;
  }
  bool HasReport(const std::string& text) {
    for (const auto& report : seen.reports) {
      if (report == text) return true;
    }
    return false;
  }

  platform::headless::TestDriver driver;
  platform::headless::GuiThread gui;
  Seen seen;
  wkeWebView view = nullptr;
  std::string dir;
  std::string page;
};

TEST_F(RealEngine, APageLoadsRendersAndTalksToNativeCode) {
  MakeView(200, 100);
  Load(page);
  ASSERT_TRUE(WaitFor([&] { return !seen.finishes.empty(); }));
  EXPECT_EQ(seen.finishes[0], "0 file://" + page);

  // The page's own pixels: its red square and its blue background.
  ASSERT_TRUE(WaitFor([&] {
    const auto bits = Frame(200, 100);
    return (bits[10 * 200 + 10] & 0xFFFFFF) == 0xFF0000 && (bits[80 * 200 + 150] & 0xFFFFFF) == 0x204080;
  }));

  gui.Call([&] { wkeRunJS(view, u8"var greeting = '你好'; fromProgram('script', greeting);"); });
  ASSERT_TRUE(WaitFor([&] { return HasReport(u8"script|你好"); }));
  gui.Call([&] { wkeRunJS(view, "fromProgram('global', typeof greeting);"); });
  ASSERT_TRUE(WaitFor([&] { return HasReport("global|string"); }));

  gui.Call([&] {
    wkeFireMouseEvent(view, 0x201, 30, 40, 1);
    wkeFireMouseEvent(view, 0x202, 30, 40, 0);
    wkeFireMouseWheelEvent(view, 60, 70, -120, 0);
  });
  EXPECT_TRUE(WaitFor([&] { return HasReport("down|30,40"); }));
  EXPECT_TRUE(WaitFor([&] { return HasReport("wheel|60,70"); }));
  EXPECT_EQ(seen.threads, std::set<DWORD>{gui.ThreadId()});
}

TEST_F(RealEngine, AResizeGivesFramesOfTheNewSize) {
  MakeView(100, 60);
  Load(page);
  ASSERT_TRUE(WaitFor([&] { return !seen.finishes.empty(); }));
  gui.Call([&] { wkeResize(view, 300, 200); });
  EXPECT_TRUE(WaitFor([&] { return (Frame(300, 200)[190 * 300 + 290] & 0xFFFFFF) == 0x204080; }));
}

TEST_F(RealEngine, AMissingFileFailsTheLoad) {
  MakeView(100, 60);
  Load(dir + "/missing.html");
  ASSERT_TRUE(WaitFor([&] { return !seen.finishes.empty(); }));
  EXPECT_EQ(seen.finishes[0].substr(0, 2), "1 ");
}

TEST_F(RealEngine, ASecondViewWorksAfterTheFirstIsDestroyed) {
  MakeView(100, 60);
  gui.Call([&] {
    wkeDestroyWebView(view);
    view = nullptr;
  });
  MakeView(100, 60);
  Load(page);
  ASSERT_TRUE(WaitFor([&] { return !seen.finishes.empty(); }));
  EXPECT_EQ(seen.finishes[0].substr(0, 2), "0 ");
}

}  // namespace
