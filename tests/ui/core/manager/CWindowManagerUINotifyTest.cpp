// Notifications sent at once and queued, message filters, virtual-window names.
#include <gtest/gtest.h>

#include <functional>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/ui/core/support/UiTestSupport.h"
#include "ui/core/types/CDelegate.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using SkinUI::CWindowManagerUI;
using SkinUI::UINotifyRecord;
using uitest::Host;
using uitest::Lines;
using uitest::LogContainer;
using uitest::LogControl;
using uitest::LogListener;

// A message filter that runs a step for one message and answers it as told.
class StepFilter : public SkinUI::IMessageFilterUI {
 public:
  StepFilter(Lines* log, std::string name, UINT message, bool handles, LRESULT result = 0)
      : log_(log), name_(std::move(name)), message_(message), handles_(handles), result_(result) {}
  LRESULT FilterMessage(UINT uMsg, WPARAM, LPARAM, bool& bHandled) override {
    if (uMsg != message_) return 0;
    log_->push_back(name_ + ":filter");
    if (step) step();
    bHandled = handles_;
    return result_;
  }
  std::function<void()> step;

 private:
  Lines* log_;
  std::string name_;
  UINT message_;
  bool handles_;
  LRESULT result_;
};

class NotifyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gui.Call([this] {
      host.reset(new Host());
      root = new LogContainer(&log, L"root");
      child = root->Add(new LogControl(&log, L"child"));
      host->Manager().AttachRoot(root);
      host->Manager().AddNotifier(&first);
      host->Manager().AddNotifier(&second);
      log.clear();
    });
  }
  void TearDown() override {
    gui.Call([this] { host.reset(); });
  }
  bool Handle(UINT message, LRESULT* result = nullptr) {
    LRESULT r = 0;
    const bool handled = host->Manager().HandleWindowMessage(message, 0, 0, r);
    if (result != nullptr) *result = r;
    return handled;
  }

  TestDriver driver;
  GuiThread gui;
  Lines log;
  LogListener first{&log, "first"};
  LogListener second{&log, "second"};
  std::unique_ptr<Host> host;
  LogContainer* root = nullptr;
  LogControl* child = nullptr;
};

// A notify delegate of a control, which sees the record before the listeners.
struct SenderHook {
  Lines* log;
  bool answer;
  bool OnNotify(void* p) {
    log->push_back("delegate:" + uitest::Narrow(static_cast<UINotifyRecord*>(p)->sType));
    return answer;
  }
};

TEST_F(NotifyTest, AtOnceTheSendersDelegatesComeFirstThenTheListenersInOrder) {
  SenderHook hook{&log, false};
  gui.Call([&] {
    child->OnNotifyDelegates.Add(SkinUI::CDelegate<SenderHook, SenderHook>(&hook, &SenderHook::OnNotify));
    host->Manager().SendNotify(child, L"click", 3, 4);
  });
  EXPECT_EQ(log, (Lines{"delegate:click", "first:click:child", "second:click:child"}))
      << "a delegate's answer does not stop the listeners";
  ASSERT_EQ(first.records.size(), 1u);
  EXPECT_EQ(first.records[0].wParam, 3u);
  EXPECT_EQ(first.records[0].lParam, 4);
  EXPECT_EQ(first.records[0].ptMouse.x, -1) << "no mouse point seen yet";
}

// Queues one more notification when it sees the first.
struct Requeue {
  CWindowManagerUI* manager;
  SkinUI::CControlUI* sender;
  bool OnNotify(void* p) {
    if (static_cast<UINotifyRecord*>(p)->sType == L"a") manager->SendNotify(sender, L"late", 0, 0, true);
    return true;
  }
};

TEST_F(NotifyTest, QueuedNotificationsWaitForTheNextMessageAndKeepTheirOrder) {
  Requeue requeue{nullptr, nullptr};
  gui.Call([&] {
    CWindowManagerUI& m = host->Manager();
    requeue = Requeue{&m, child};
    child->OnNotifyDelegates.Add(SkinUI::CDelegate<Requeue, Requeue>(&requeue, &Requeue::OnNotify));
    m.SendNotify(child, L"a", 0, 0, true);
    m.SendNotify(child, L"b", 0, 0, true);
    m.SendNotify(nullptr, L"c", 0, 0, true);
    EXPECT_TRUE(log.empty());
    Handle(WM_USER);
  });
  // One queued during the delivery goes in the same pass, behind the others.
  EXPECT_EQ(log, (Lines{"first:a:child", "second:a:child", "first:b:child", "second:b:child", "first:c:-",
                        "second:c:-", "first:late:child", "second:late:child"}));
}

TEST_F(NotifyTest, QueuedDuringAnUnhandledMessageReachesTheListenersBeforeItEnds) {
  StepFilter filter(&log, "unhandled", WM_USER, false);
  filter.step = [this] { host->Manager().SendNotify(child, L"queued", 0, 0, true); };
  gui.Call([&] {
    host->Manager().AddMessageFilter(&filter);
    EXPECT_FALSE(Handle(WM_USER));
  });
  EXPECT_EQ(log, (Lines{"unhandled:filter", "first:queued:child", "second:queued:child"}));
}

TEST_F(NotifyTest, QueuedDuringAHandledMessageWaitsForTheNextOne) {
  StepFilter filter(&log, "handled", WM_USER, true, 42);
  filter.step = [this] { host->Manager().SendNotify(child, L"held", 0, 0, true); };
  gui.Call([&] {
    host->Manager().AddMessageFilter(&filter);
    LRESULT result = 0;
    EXPECT_TRUE(Handle(WM_USER, &result));
    EXPECT_EQ(result, 42);
    EXPECT_EQ(log, (Lines{"handled:filter"}));
    Handle(WM_NULL);
  });
  EXPECT_EQ(log, (Lines{"handled:filter", "first:held:child", "second:held:child"}));
}

TEST_F(NotifyTest, TheFirstFilterThatHandlesAMessageEndsIt) {
  StepFilter passes(&log, "passes", WM_USER, false);
  StepFilter takes(&log, "takes", WM_USER, true, 7);
  StepFilter late(&log, "late", WM_USER, true, 8);
  gui.Call([&] {
    CWindowManagerUI& m = host->Manager();
    m.AddMessageFilter(&passes);
    m.AddMessageFilter(&takes);
    m.AddMessageFilter(&late);
    LRESULT result = 0;
    EXPECT_TRUE(Handle(WM_USER, &result));
    EXPECT_EQ(result, 7);
    EXPECT_TRUE(m.RemoveMessageFilter(&takes));
    EXPECT_FALSE(m.RemoveMessageFilter(&takes));
    EXPECT_TRUE(Handle(WM_USER, &result));
    EXPECT_EQ(result, 8);
  });
  EXPECT_EQ(log, (Lines{"passes:filter", "takes:filter", "passes:filter", "late:filter"}));
}

TEST_F(NotifyTest, AManagerWithoutWindowHandlesNothing) {
  gui.Call([&] {
    CWindowManagerUI loose;
    StepFilter filter(&log, "filter", WM_USER, true);
    loose.AddMessageFilter(&filter);
    LRESULT result = 0;
    EXPECT_FALSE(loose.HandleWindowMessage(WM_USER, 0, 0, result));
  });
  EXPECT_TRUE(log.empty());
}

TEST_F(NotifyTest, RecordsCarryTheVirtualWindowOnceOneIsNamed) {
  gui.Call([&] {
    host->Manager().SendNotify(child, L"before");
    root->SetVirtualWindow(L"page");
    host->Manager().SendNotify(child, L"after");
  });
  ASSERT_EQ(first.records.size(), 2u);
  EXPECT_EQ(uitest::Narrow(first.records[0].sVirtualWnd), "");
  EXPECT_EQ(uitest::Narrow(first.records[1].sVirtualWnd), "page");
}

TEST_F(NotifyTest, AListenerAddedTwiceHearsTwice) {
  gui.Call([&] {
    host->Manager().AddNotifier(&first);
    host->Manager().SendNotify(child, L"x");
  });
  EXPECT_EQ(log, (Lines{"first:x:child", "second:x:child", "first:x:child"}));
}

}  // namespace
