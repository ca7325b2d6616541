// What the message loops offer the managers before dispatching: accelerator
// translators and pre-message filters of the managers concerned, walked over a
// locked, snapshotted list of managers.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/ui/core/support/UiTestSupport.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using SkinUI::CWindowManagerUI;
using uitest::Host;
using uitest::Lines;

class Translator : public SkinUI::ITranslateAccelerator {
 public:
  Translator(Lines* log, std::string name, bool consumes) : log_(log), name_(std::move(name)), consumes_(consumes) {}
  LRESULT TranslateAccelerator(MSG*) override {
    log_->push_back(name_ + ":accelerator");
    return consumes_ ? 0 : 1;
  }

 private:
  Lines* log_;
  std::string name_;
  bool consumes_;
};

class PreFilter : public SkinUI::IMessageFilterUI {
 public:
  PreFilter(Lines* log, std::string name, bool consumes) : log_(log), name_(std::move(name)), consumes_(consumes) {}
  LRESULT FilterMessage(UINT, WPARAM, LPARAM, bool& bHandled) override {
    log_->push_back(name_ + ":pre");
    if (step) step();
    bHandled = consumes_;
    return 0;
  }
  std::function<void()> step;

 private:
  Lines* log_;
  std::string name_;
  bool consumes_;
};

MSG KeyFor(HWND hwnd) {
  MSG msg = {};
  msg.hwnd = hwnd;
  msg.message = WM_KEYDOWN;
  msg.wParam = 'A';
  return msg;
}

class MessageLoopTest : public ::testing::Test {
 protected:
  TestDriver driver;
  GuiThread gui;
  Lines log;
};

TEST_F(MessageLoopTest, ATopLevelTargetIsOfferedToItsOwnManagerOnly) {
  gui.Call([&] {
    Host first, second;
    Translator t1(&log, "first", false), t2(&log, "second", true);
    PreFilter p1(&log, "first", false), p2(&log, "second", false);
    first.Manager().AddTranslateAccelerator(&t1);
    first.Manager().AddPreMessageFilter(&p1);
    second.Manager().AddTranslateAccelerator(&t2);
    second.Manager().AddPreMessageFilter(&p2);
    MSG msg = KeyFor(second.Window());
    EXPECT_TRUE(CWindowManagerUI::TranslateWindowMessage(&msg)) << "its translator consumed it";
    msg = KeyFor(first.Window());
    EXPECT_FALSE(CWindowManagerUI::TranslateWindowMessage(&msg));
  });
  EXPECT_EQ(log, (Lines{"second:accelerator", "first:accelerator", "first:pre"}));
}

TEST_F(MessageLoopTest, AChildTargetIsOfferedToTheManagersOfItselfAndItsAncestors) {
  gui.Call([&] {
    Host frame;
    Host page(RECT{0, 0, 100, 100}, WS_CHILD | WS_VISIBLE, frame.Window());
    Host stranger;
    Translator tf(&log, "frame", false), tp(&log, "page", false), ts(&log, "stranger", false);
    PreFilter pf(&log, "frame", false), pp(&log, "page", true), ps(&log, "stranger", false);
    frame.Manager().AddTranslateAccelerator(&tf);
    frame.Manager().AddPreMessageFilter(&pf);
    page.Manager().AddTranslateAccelerator(&tp);
    page.Manager().AddPreMessageFilter(&pp);
    stranger.Manager().AddTranslateAccelerator(&ts);
    stranger.Manager().AddPreMessageFilter(&ps);
    MSG msg = KeyFor(page.Window());
    EXPECT_TRUE(CWindowManagerUI::TranslateWindowMessage(&msg));
    EXPECT_EQ(log, (Lines{"frame:accelerator", "frame:pre", "page:accelerator", "page:pre"}));
    EXPECT_TRUE(page.Manager().RemovePreMessageFilter(&pp));
    EXPECT_FALSE(page.Manager().RemovePreMessageFilter(&pp));
    log.clear();
    EXPECT_FALSE(CWindowManagerUI::TranslateWindowMessage(&msg));
  });
  EXPECT_EQ(log, (Lines{"frame:accelerator", "frame:pre", "page:accelerator"}));
}

TEST_F(MessageLoopTest, AManagerDestroyedOrMadeDuringTheWalkIsNotOffered) {
  gui.Call([&] {
    Host frame;
    auto page = std::make_unique<Host>(RECT{0, 0, 100, 100}, WS_CHILD | WS_VISIBLE, frame.Window());
    const HWND pageWindow = page->Window();
    PreFilter pf(&log, "frame", false), pp(&log, "page", true), pl(&log, "late", true);
    std::unique_ptr<CWindowManagerUI> late;
    // The frame's filter closes the page's manager and opens another for the page.
    pf.step = [&] {
      page->DropManager();
      late.reset(new CWindowManagerUI());
      late->Init(pageWindow);
      late->AddPreMessageFilter(&pl);
    };
    frame.Manager().AddPreMessageFilter(&pf);
    page->Manager().AddPreMessageFilter(&pp);
    MSG msg = KeyFor(pageWindow);
    EXPECT_FALSE(CWindowManagerUI::TranslateWindowMessage(&msg));
    EXPECT_EQ(log, (Lines{"frame:pre"}));
    pf.step = nullptr;
    log.clear();
    EXPECT_TRUE(CWindowManagerUI::TranslateWindowMessage(&msg)) << "the new manager takes part from the next walk";
    EXPECT_EQ(log, (Lines{"frame:pre", "late:pre"}));
  });
}

TEST_F(MessageLoopTest, AManagerInitialisedTwiceIsOfferedOnce) {
  gui.Call([&] {
    Host host;
    host.Manager().Init(host.Window());
    Translator t(&log, "host", false);
    host.Manager().AddTranslateAccelerator(&t);
    Host page(RECT{0, 0, 10, 10}, WS_CHILD, host.Window());
    MSG msg = KeyFor(page.Window());
    CWindowManagerUI::TranslateWindowMessage(&msg);
  });
  EXPECT_EQ(log, (Lines{"host:accelerator"}));
}

TEST_F(MessageLoopTest, ManagersComeAndGoOnAnotherThreadWhileOneThreadWalks) {
  GuiThread other;
  std::atomic<bool> stop{false};
  std::atomic<int> made{0};
  other.Post([&] {
    while (!stop.load() || made.load() < 50) {
      Host churn(RECT{0, 0, 20, 20}, WS_POPUP);
      ++made;
    }
  });
  int consumed = 0;
  gui.Call([&] {
    Host frame;
    Host page(RECT{0, 0, 100, 100}, WS_CHILD | WS_VISIBLE, frame.Window());
    Translator t(&log, "frame", true);
    frame.Manager().AddTranslateAccelerator(&t);
    MSG msg = KeyFor(page.Window());
    for (int i = 0; i < 2000; ++i) consumed += CWindowManagerUI::TranslateWindowMessage(&msg) ? 1 : 0;
  });
  stop = true;
  driver.WaitIdle();
  EXPECT_EQ(consumed, 2000);
  EXPECT_GE(made.load(), 50);
}

TEST_F(MessageLoopTest, TheFirstTranslatorThatAnswersZeroTranslates) {
  gui.Call([&] {
    Host host;
    Translator passes(&log, "passes", false), takes(&log, "takes", true), late(&log, "late", true);
    CWindowManagerUI& m = host.Manager();
    m.AddTranslateAccelerator(&passes);
    m.AddTranslateAccelerator(&takes);
    m.AddTranslateAccelerator(&late);
    MSG msg = KeyFor(host.Window());
    EXPECT_TRUE(m.TranslateAccelerator(&msg));
    EXPECT_TRUE(m.RemoveTranslateAccelerator(&takes));
    EXPECT_TRUE(m.RemoveTranslateAccelerator(&late));
    EXPECT_FALSE(m.TranslateAccelerator(&msg));
  });
  EXPECT_EQ(log, (Lines{"passes:accelerator", "takes:accelerator", "passes:accelerator"}));
}

}  // namespace
