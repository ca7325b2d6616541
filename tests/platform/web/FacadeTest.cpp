// The facade's own logic over the scripted engine: callbacks on the view's thread in
// the engine's order, scripts held while a load is under way, bound functions looked
// up when the page calls them, frames copied without waiting, and views that are null
// or gone.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/web/EngineHost.h"
#include "platform/win32.h"
#include "platform/web/Wke.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "testing/web/ScriptedWebEngine.h"

namespace {

using platform::web::ScriptValue;
using test_support::ScriptedWebEngine;

// What the callbacks saw, each with the thread it ran on.
struct Trace {
  std::mutex mutex;
  std::vector<std::string> events;
  std::vector<DWORD> threads;
  bool proceed = true;
  wkeWebView newView = nullptr;

  void Add(const std::string& event) {
    std::lock_guard<std::mutex> lock(mutex);
    events.push_back(event);
    threads.push_back(::GetCurrentThreadId());
  }
  std::vector<std::string> Events() {
    std::lock_guard<std::mutex> lock(mutex);
    return events;
  }
};

std::string Text(const wkeString text) { return platform::codepage::WideToUtf8(wkeGetStringW(text)); }

void OnTitle(wkeWebView, void* param, const wkeString title) {
  static_cast<Trace*>(param)->Add("title " + Text(title));
}
void OnUrl(wkeWebView, void* param, const wkeString url) { static_cast<Trace*>(param)->Add("url " + Text(url)); }
bool OnNavigation(wkeWebView, void* param, wkeNavigationType, wkeString url) {
  auto* trace = static_cast<Trace*>(param);
  trace->Add("navigation " + Text(url));
  return trace->proceed;
}
wkeWebView OnCreateView(wkeWebView, void* param, wkeNavigationType, const wkeString url, const wkeWindowFeatures*) {
  auto* trace = static_cast<Trace*>(param);
  trace->Add("create " + Text(url));
  return trace->newView;
}
void OnReady(wkeWebView, void* param) { static_cast<Trace*>(param)->Add("ready"); }
void OnFinish(wkeWebView, void* param, const wkeString url, wkeLoadingResult result, const wkeString reason) {
  static_cast<Trace*>(param)->Add("finish " + Text(url) + " " + std::to_string(result) +
                                  (Text(reason).empty() ? "" : " failed"));
}

// What the bound functions saw.
struct NativeCalls {
  std::mutex mutex;
  std::vector<std::string> seen;
  std::vector<DWORD> threads;
  wkeWebView view = nullptr;
};
NativeCalls* g_calls = nullptr;

jsValue Describe(jsExecState es, const char* which) {
  std::string text = which;
  for (int i = 0; i < jsArgCount(es); ++i) {
    const jsValue arg = jsArg(es, i);
    text += std::string(" ") + (jsIsString(arg) ? "s:" : jsIsNumber(arg) ? "n:" : "o:") +
            platform::codepage::WideToUtf8(jsToTempStringW(es, arg));
  }
  std::lock_guard<std::mutex> lock(g_calls->mutex);
  g_calls->seen.push_back(text);
  g_calls->threads.push_back(::GetCurrentThreadId());
  g_calls->view = jsGetWebView(es);
  return jsArgCount(es) > 0 ? jsArg(es, 0) : jsUndefined();
}
jsValue First(jsExecState es) { return Describe(es, "first"); }
jsValue Second(jsExecState es) { return Describe(es, "second"); }

class WebFacade : public ::testing::Test {
 protected:
  WebFacade() {
    g_calls = &calls;
    char folder[] = "/tmp/web-facade-XXXXXX";
    dir = ::mkdtemp(folder);
    page = dir + "/page.html";
    std::ofstream(page) << "<html><body>page</body></html>";
    engine = ScriptedWebEngine::Install();
  }
  ~WebFacade() override {
    gui.Call([this] {
      for (wkeWebView view : views) wkeDestroyWebView(view);
    });
    ScriptedWebEngine::Uninstall();
    ::unlink(page.c_str());
    ::rmdir(dir.c_str());
    g_calls = nullptr;
  }

  wkeWebView NewView() {
    wkeWebView view = nullptr;
    gui.Call([&] {
      view = wkeCreateWebView();
      wkeOnTitleChanged(view, &OnTitle, &trace);
      wkeOnURLChanged(view, &OnUrl, &trace);
      wkeOnNavigation(view, &OnNavigation, &trace);
      wkeOnCreateView(view, &OnCreateView, &trace);
      wkeOnDocumentReady(view, &OnReady, &trace);
      wkeOnLoadingFinish(view, &OnFinish, &trace);
    });
    views.push_back(view);
    return view;
  }
  void Load(wkeWebView view, const std::string& url) {
    gui.Call([&] { wkeLoadW(view, platform::codepage::Utf8ToWide(url).c_str()); });
    ASSERT_TRUE(driver.WaitIdle());
  }
  int EngineView() { return engine->LastView().id; }

  platform::headless::TestDriver driver;
  platform::headless::GuiThread gui;
  std::shared_ptr<ScriptedWebEngine> engine;
  Trace trace;
  NativeCalls calls;
  std::vector<wkeWebView> views;
  std::string dir;
  std::string page;
};

TEST_F(WebFacade, ALoadReportsInTheEnginesOrderOnTheViewsThread) {
  wkeWebView view = NewView();
  Load(view, page);
  const std::string url = "file://" + page;
  EXPECT_EQ(trace.Events(), (std::vector<std::string>{"navigation " + url, "url " + url, "title page.html", "ready",
                                                       "finish " + url + " 0"}));
  for (DWORD thread : trace.threads) EXPECT_EQ(thread, gui.ThreadId());
}

TEST_F(WebFacade, FailedAndStoppedLoadsFinishWithTheirResult) {
  wkeWebView view = NewView();
  Load(view, dir + "/missing.html");
  EXPECT_EQ(trace.Events().back(), "finish file://" + dir + "/missing.html 1 failed");

  trace.proceed = false;
  Load(view, page);
  EXPECT_EQ(trace.Events().back(), "finish file://" + page + " 2 failed");
  EXPECT_EQ(trace.Events().size(), 4u);  // the stopped load reported no URL, title or readiness
}

TEST_F(WebFacade, ANewWindowOpensOnlyInAViewTheProgramGives) {
  NewView();
  const int opener = EngineView();
  engine->OpenWindowFromPage(opener, "file:///tmp/popup.html");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(trace.Events(), std::vector<std::string>{"create file:///tmp/popup.html"});

  trace.newView = NewView();
  const int given = EngineView();
  engine->OpenWindowFromPage(opener, "file:///tmp/popup.html");
  ASSERT_TRUE(driver.WaitIdle());
  for (const auto& view : engine->Views()) {
    EXPECT_EQ(view.loads, view.id == given ? std::vector<std::string>{"file:///tmp/popup.html"}
                                           : std::vector<std::string>{})
        << view.id;
  }
}

TEST_F(WebFacade, ScriptsWaitForTheLoadUnderWayAndKeepTheirOrder) {
  wkeWebView view = NewView();
  gui.Call([&] { wkeRunJS(view, "before();"); });
  engine->HoldLoads(true);
  Load(view, page);
  gui.Call([&] {
    wkeRunJS(view, "var data = [1];");
    wkeRunJS(view, "DrawBars(data);");
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(engine->LastView().scripts, std::vector<std::string>{"before();"});

  engine->FinishLoads(EngineView());
  ASSERT_TRUE(driver.WaitIdle());
  gui.Call([&] { wkeRunJS(view, "after();"); });
  EXPECT_EQ(engine->LastView().scripts,
            (std::vector<std::string>{"before();", "var data = [1];", "DrawBars(data);", "after();"}));
}

TEST_F(WebFacade, AnEarlierLoadFinishingReleasesNoScripts) {
  wkeWebView view = NewView();
  engine->HoldLoads(true);
  Load(view, page);
  Load(view, page);
  gui.Call([&] { wkeRunJS(view, "late();"); });
  // Both loads go on; the first one's finish must not release the second one's scripts,
  // which it cannot tell apart here, so only the count matters: the script runs once.
  engine->FinishLoads(EngineView());
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(engine->LastView().scripts, std::vector<std::string>{"late();"});
}

TEST_F(WebFacade, BoundFunctionsReachEveryViewAndAreLookedUpWhenCalled) {
  jsBindFunction("early", &First, 2);
  wkeWebView view = NewView();
  Load(view, page);
  jsBindFunction("late", &First, 2);
  EXPECT_EQ(engine->BoundNames().count("early"), 1u);
  EXPECT_EQ(engine->BoundNames().count("late"), 1u);

  engine->CallFromPage(EngineView(), "late", {ScriptValue::FromString("refresh"), ScriptValue::FromNumber(3)});
  jsBindFunction("early", &Second, 2);  // bound again before the page calls it
  engine->CallFromPage(EngineView(), "early", {ScriptValue::FromString(u8"中文"), ScriptValue::FromBoolean(true)});
  engine->CallFromPage(EngineView(), "nobody", {});
  ASSERT_TRUE(driver.WaitIdle());

  EXPECT_EQ(calls.seen, (std::vector<std::string>{"first s:refresh n:3", u8"second s:中文 o:true"}));
  for (DWORD thread : calls.threads) EXPECT_EQ(thread, gui.ThreadId());
  EXPECT_EQ(calls.view, view);
  std::map<std::string, ScriptedWebEngine::Answer> answers;
  for (const auto& answer : engine->Answers()) answers[answer.name] = answer;
  ASSERT_EQ(answers.size(), 3u);
  EXPECT_EQ(answers["late"].value, ScriptValue::FromString("refresh"));  // the function's result goes back
  EXPECT_FALSE(answers["nobody"].called);
}

TEST_F(WebFacade, OutsideANativeCallTheScriptCallsAnswerNothing) {
  EXPECT_EQ(jsArgCount(nullptr), 0);
  EXPECT_EQ(jsArg(nullptr, 0), jsUndefined());
  EXPECT_FALSE(jsIsString(jsUndefined()));
  EXPECT_STREQ(jsToTempStringW(nullptr, 12345), L"");
  EXPECT_EQ(jsGetWebView(nullptr), nullptr);
}

TEST_F(WebFacade, PaintCopiesTheLatestFrameAndNeverWaits) {
  wkeWebView view = NewView();
  std::vector<uint32_t> bits(8 * 4, 0x12345678);
  gui.Call([&] {
    wkeResize(view, 0, 0);
    wkePaint2(view, bits.data(), 0);  // a zero size copies nothing
  });
  EXPECT_EQ(bits[0], 0x12345678u);

  engine->SetFrameColour(0xFF00FF00);
  gui.Call([&] {
    wkeResize(view, 4, 4);
    wkePaint2(view, bits.data(), 8 * 4);  // a wider buffer: each row at its pitch
  });
  for (int y = 0; y < 4; ++y) {
    EXPECT_EQ(bits[y * 8 + 3], 0xFF00FF00u) << y;
    EXPECT_EQ(bits[y * 8 + 4], 0x12345678u) << y;
  }
  EXPECT_EQ(wkeGetWidth(view), 4);
  EXPECT_EQ(wkeGetHeight(view), 4);
}

TEST_F(WebFacade, BeforeTheFirstFrameTheViewIsWhite) {
  wkeWebView view = NewView();
  engine->RenderFrames(false);
  std::vector<uint32_t> bits(2 * 2, 0);
  gui.Call([&] {
    wkeResize(view, 2, 2);
    wkePaint2(view, bits.data(), 0);
  });
  EXPECT_EQ(bits, std::vector<uint32_t>(4, 0xFFFFFFFF));
}

TEST_F(WebFacade, NoCallbackRunsAfterTheViewIsDestroyed) {
  wkeWebView view = NewView();
  engine->HoldLoads(true);
  Load(view, page);
  const int engineView = EngineView();
  const size_t before = trace.Events().size();
  gui.Call([&] { wkeDestroyWebView(view); });
  views.clear();
  engine->FinishLoads(engineView);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(trace.Events().size(), before);
  EXPECT_TRUE(engine->LastView().destroyed);
  // A destroyed view is accepted and ignored like a null one.
  gui.Call([&] {
    wkeLoadW(view, L"x.html");
    wkeResize(view, 3, 3);
    EXPECT_EQ(wkeGetWidth(view), 0);
    EXPECT_FALSE(wkeFireMouseEvent(view, 0x201, 1, 1, 1));
  });
}

// The engine holds what a waiting page needs (its script stopped in a native call, its
// navigation held) until the view's thread answers; a view destroyed with those
// questions still queued must answer them, or the page and what it holds wait forever.
TEST_F(WebFacade, AViewDestroyedWithItsPagesQuestionsQueuedStillAnswersThem) {
  jsBindFunction("late", &First, 2);
  wkeWebView view = NewView();
  Load(view, page);
  const int engineView = EngineView();
  gui.Call([&] {
    // Both reach the view's queue; the view goes before its thread reads it.
    engine->CallFromPage(engineView, "late", {ScriptValue::FromString("refresh")});
    wkeLoadW(view, platform::codepage::Utf8ToWide(dir + "/next.html").c_str());
    wkeDestroyWebView(view);
  });
  views.clear();
  ASSERT_TRUE(driver.WaitIdle());

  EXPECT_TRUE(calls.seen.empty()) << "the bound function ran for a destroyed view";
  const std::vector<ScriptedWebEngine::Answer> answers = engine->Answers();
  ASSERT_EQ(answers.size(), 1u) << "the page's call was never answered";
  EXPECT_EQ(answers[0].name, "late");
  EXPECT_EQ(answers[0].value, ScriptValue());
  const ScriptedWebEngine::View record = engine->LastView();
  ASSERT_EQ(record.loads.size(), 2u);
  EXPECT_EQ(record.decisions, (std::vector<std::string>{"go " + record.loads[0], "stop " + record.loads[1]}));
  EXPECT_TRUE(record.destroyed);
}

TEST_F(WebFacade, InputReachesTheEngineAtViewCoordinates) {
  wkeWebView view = NewView();
  gui.Call([&] {
    wkeSetUserAgent(view, "Agent/1");
    wkeSetName(view, "web");
    wkeFireMouseEvent(view, 0x201, 10, 20, 1);
    wkeFireMouseWheelEvent(view, 5, 6, -120, 0);
    wkeFireContextMenuEvent(view, 7, 8, 4);
    wkeFireKeyDownEvent(view, 65, 0x1E0001, false);
    wkeFireKeyPressEvent(view, 'a', 0, false);
    wkeFireKeyUpEvent(view, 65, 0, false);
    wkeSetFocus(view);
    wkeKillFocus(view);
    EXPECT_STREQ(wkeGetName(view), "web");
  });
  const auto record = engine->LastView();
  EXPECT_EQ(record.userAgent, "Agent/1");
  EXPECT_EQ(record.input, (std::vector<std::string>{"mouse 513 10 20 1", "wheel 5 6 -120 0", "menu 7 8 4",
                                                     "keydown 65 1966081 0", "keypress 97 0 0", "keyup 65 0 0",
                                                     "focus", "blur"}));
}

// An engine that cannot run here, as WebKitGTK without a display.
class UnavailableEngine : public platform::web::WebEngine {
 public:
  bool Start(std::string* reason) override {
    *reason = "no display";
    return false;
  }
  void Stop() override {}
  int CreateView(std::shared_ptr<platform::web::EngineViewEvents>) override { return 0; }
  void DestroyView(int) override {}
  void Resize(int, int, int) override {}
  void Load(int, unsigned, const std::string&) override {}
  void RunScript(int, const std::string&) override {}
  void SetUserAgent(int, const std::string&) override {}
  void Mouse(int, const platform::web::MouseInput&) override {}
  void Wheel(int, const platform::web::WheelInput&) override {}
  void ContextMenu(int, int, int, unsigned) override {}
  void Key(int, const platform::web::KeyInput&) override {}
  void Focus(int, bool) override {}
  void BindName(const std::string&) override {}
};

TEST(WebFacadeUnavailable, ViewsAreNullAndEveryCallAcceptsThem) {
  platform::web::EngineHost::Instance().Install(std::make_shared<UnavailableEngine>());
  ::setenv("PLATFORM_DEBUG_OUTPUT", "1", 1);
  testing::internal::CaptureStderr();
  wkeInitialize();
  wkeInitialize();
  const std::string logged = testing::internal::GetCapturedStderr();
  ::unsetenv("PLATFORM_DEBUG_OUTPUT");
  EXPECT_EQ(logged, "web engine unavailable: no display\n");  // once

  wkeWebView view = wkeCreateWebView();
  EXPECT_EQ(view, nullptr);
  uint32_t pixel = 7;
  wkeResize(view, 1, 1);
  wkePaint2(view, &pixel, 0);
  wkeLoadW(view, L"page.html");
  EXPECT_EQ(wkeRunJS(view, "x()"), jsUndefined());
  wkeDestroyWebView(view);
  EXPECT_EQ(pixel, 7u);
  platform::web::EngineHost::Instance().Install(nullptr);
}

}  // namespace
