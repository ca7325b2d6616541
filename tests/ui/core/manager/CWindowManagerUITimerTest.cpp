// Control timers over the window's Win32 timers: ids, re-arming, ticks becoming
// events and notifications, and timers that end with their control or manager.
#include <gtest/gtest.h>

#include <algorithm>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/ui/core/support/UiTestSupport.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using SkinUI::CWindowManagerUI;
using uitest::Host;
using uitest::Lines;
using uitest::LogContainer;
using uitest::LogControl;
using uitest::LogListener;

class TimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gui.Call([this] {
      host.reset(new Host());
      root = new LogContainer(&log, L"root");
      a = root->Add(new LogControl(&log, L"a"));
      b = root->Add(new LogControl(&log, L"b"));
      c = root->Add(new LogControl(&log, L"c"));
      host->Manager().AttachRoot(root);
      host->Manager().AddNotifier(&listener);
      log.clear();
    });
  }
  void TearDown() override {
    gui.Call([this] { host.reset(); });
  }
  // The Win32 ids that ticked since the last call, sorted.
  std::vector<UINT> Ticks() {
    std::vector<UINT> ids;
    gui.Call([&] {
      ids.swap(host->timerIds);
    });
    std::sort(ids.begin(), ids.end());
    return ids;
  }

  TestDriver driver;
  GuiThread gui;
  Lines log;
  LogListener listener{&log};
  std::unique_ptr<Host> host;
  LogContainer* root = nullptr;
  LogControl* a = nullptr;
  LogControl* b = nullptr;
  LogControl* c = nullptr;
};

TEST_F(TimerTest, NewTimersTakeWin32IdsFrom17AndTickAsTimerNotifications) {
  gui.Call([&] {
    EXPECT_TRUE(a->StartTimer(5, 100));
    EXPECT_TRUE(b->StartTimer(5, 100));
    EXPECT_TRUE(c->StartTimer(6, 100));
  });
  driver.Advance(100);
  EXPECT_EQ(Ticks(), (std::vector<UINT>{17, 18, 19}));
  ASSERT_EQ(listener.records.size(), 3u);
  for (const SkinUI::UINotifyRecord& record : listener.records) {
    EXPECT_EQ(uitest::Narrow(record.sType), "timer");
    EXPECT_EQ(record.wParam, record.pSender == c ? 6u : 5u) << "the control's own id";
    EXPECT_EQ(record.lParam, 0);
  }
}

TEST_F(TimerTest, AKilledTimerStartedAgainKeepsItsIdAndALiveOneCannotStartTwice) {
  gui.Call([&] {
    CWindowManagerUI& m = host->Manager();
    ASSERT_TRUE(m.SetTimer(a, 1, 50));  // 17
    ASSERT_TRUE(m.SetTimer(b, 1, 50));  // 18
    EXPECT_FALSE(m.SetTimer(a, 1, 50)) << "already running";
    EXPECT_TRUE(m.KillTimer(a, 1));
    EXPECT_FALSE(m.KillTimer(a, 1)) << "already stopped";
    EXPECT_FALSE(m.KillTimer(c, 1)) << "never started";
  });
  driver.Advance(50);
  EXPECT_EQ(Ticks(), (std::vector<UINT>{18}));
  gui.Call([&] {
    EXPECT_TRUE(host->Manager().SetTimer(a, 1, 50));
    EXPECT_TRUE(host->Manager().SetTimer(c, 1, 50)) << "a new pair takes a new id";
  });
  driver.Advance(50);
  EXPECT_EQ(Ticks(), (std::vector<UINT>{17, 18, 19}));
}

TEST_F(TimerTest, AfterTheIdsWrapALiveTimersIdIsPassedOver) {
  gui.Call([&] {
    CWindowManagerUI& m = host->Manager();
    ASSERT_TRUE(m.SetTimer(a, 1, 1000));  // 17, kept running
    // 239 timers started and forgotten bring the counter round to 16.
    for (UINT id = 0; id < 239; ++id) {
      ASSERT_TRUE(m.SetTimer(b, id, 1000));
      m.KillTimers(b);
    }
    ASSERT_TRUE(m.SetTimer(c, 9, 1000));
  });
  driver.Advance(1000);
  EXPECT_EQ(Ticks(), (std::vector<UINT>{17, 18}));
  ASSERT_EQ(listener.records.size(), 2u);
  for (const SkinUI::UINotifyRecord& record : listener.records) {
    EXPECT_EQ(record.wParam, record.pSender == c ? 9u : 1u) << "each tick reaches its own control";
  }
}

TEST_F(TimerTest, WhenEveryIdIsHeldANewTimerFails) {
  gui.Call([&] {
    CWindowManagerUI& m = host->Manager();
    for (UINT id = 0; id < 240; ++id) ASSERT_TRUE(m.SetTimer(a, id, 1000)) << id;
    EXPECT_FALSE(m.SetTimer(b, 0, 1000));
    EXPECT_TRUE(m.KillTimer(a, 3));
    EXPECT_FALSE(m.SetTimer(b, 0, 1000)) << "a stopped timer keeps its id for its own restart";
    m.KillTimers(a);
    EXPECT_TRUE(m.SetTimer(b, 0, 1000));
  });
}

TEST_F(TimerTest, TimersEndWithTheirControl) {
  gui.Call([&] {
    ASSERT_TRUE(a->StartTimer(1, 50));
    ASSERT_TRUE(b->StartTimer(1, 50));
    root->Remove(a);
  });
  driver.Advance(50);
  EXPECT_EQ(Ticks(), (std::vector<UINT>{18}));
}

TEST_F(TimerTest, TimersEndWithTheManager) {
  gui.Call([&] {
    ASSERT_TRUE(a->StartTimer(1, 50));
    host->DropManager();
  });
  driver.Advance(50);
  EXPECT_TRUE(Ticks().empty());
}

TEST_F(TimerTest, AManagerWithoutWindowStartsNoTimer) {
  gui.Call([&] {
    CWindowManagerUI loose;
    LogControl control(nullptr, L"loose");
    EXPECT_FALSE(loose.SetTimer(&control, 1, 50));
  });
}

}  // namespace
