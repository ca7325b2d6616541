// The manager's control tree: attaching roots, the name map, searches by name and by
// point, reaping destroyed controls, delayed deletion and the manager's own end.
#include <gtest/gtest.h>

#include <atomic>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/ui/core/support/UiTestSupport.h"
#include "ui/core/types/CDelegate.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using SkinUI::CControlUI;
using SkinUI::CWindowManagerUI;
using uitest::Host;
using uitest::Lines;
using uitest::LogContainer;
using uitest::LogControl;
using uitest::LogListener;

class ManagerTree : public ::testing::Test {
 protected:
  void TearDown() override {
    gui.Call([this] { host.reset(); });
  }
  void Start() {
    gui.Call([this] { host.reset(new Host()); });
  }

  TestDriver driver;
  GuiThread gui;
  Lines log;
  LogListener listener{&log};
  std::unique_ptr<Host> host;
};

// Marks a flag when the control it watches is destroyed.
struct DestroyWatch {
  std::atomic<bool> destroyed{false};
  bool OnDestroy(void*) {
    destroyed = true;
    return true;
  }
  void Watch(CControlUI* control) {
    control->OnDestroyDelegates.Add(SkinUI::CDelegate<DestroyWatch, DestroyWatch>(this, &DestroyWatch::OnDestroy));
  }
};

TEST_F(ManagerTree, NameMapKeepsTheControlEnteredLastAndForgetsItWhenItGoes) {
  Start();
  gui.Call([this] {
    auto* root = new LogContainer(&log, L"root");
    auto* first = root->Add(new LogControl(&log, L"twin"));
    auto* box = root->Add(new LogContainer(&log, L"box"));
    auto* second = box->Add(new LogControl(&log, L"twin"));
    auto* hidden = root->Add(new LogControl(&log, L"hidden"));
    hidden->SetVisible(false);
    hidden->SetEnabled(false);
    ASSERT_TRUE(host->Manager().AttachRoot(root));

    EXPECT_EQ(host->Manager().FindControl(L"twin"), second);
    EXPECT_EQ(host->Manager().FindControl(L"hidden"), hidden) << "hidden and disabled controls are named too";
    EXPECT_EQ(host->Manager().FindControl(L"TWIN"), nullptr) << "lookups by name are exact";
    EXPECT_EQ(host->Manager().FindControl(L"nobody"), nullptr);

    // The one that is not mapped goes: the entry stays.
    root->Remove(first);
    EXPECT_EQ(host->Manager().FindControl(L"twin"), second);
    // The mapped one goes: the entry goes with it.
    box->Remove(second);
    EXPECT_EQ(host->Manager().FindControl(L"twin"), nullptr);

    // Renaming touches no map; a later join of the same name replaces the entry.
    auto* late = root->Add(new LogControl(&log, L"box"));
    EXPECT_EQ(host->Manager().FindControl(L"box"), late);
  });
}

TEST_F(ManagerTree, AttachingInitialisesEveryControlBelowTheRoot) {
  Start();
  gui.Call([this] {
    auto* root = new LogContainer(&log, L"root");
    auto* box = root->Add(new LogContainer(&log, L"box"));
    box->Add(new LogControl(&log, L"leaf"));
    host->Manager().AttachRoot(root);
    EXPECT_EQ(root->GetManager(), &host->Manager());
    EXPECT_EQ(host->Manager().GetRoot(), root);
  });
  // The root has no parent, so only the controls below it are initialised.
  EXPECT_EQ(log, (Lines{"leaf:init", "box:init"}));
  gui.Call([this] { EXPECT_FALSE(host->Manager().InitControls(nullptr)); });
}

TEST_F(ManagerTree, FindSubControlByNameIgnoresCaseAndStaysBelowTheParent) {
  Start();
  gui.Call([this] {
    auto* root = new LogContainer(&log, L"root");
    auto* left = root->Add(new LogContainer(&log, L"left"));
    auto* leftItem = left->Add(new LogControl(&log, L"Item"));
    auto* right = root->Add(new LogContainer(&log, L"right"));
    auto* rightItem = right->Add(new LogControl(&log, L"item"));
    right->Add(new LogControl(&log, L""));
    host->Manager().AttachRoot(root);
    CWindowManagerUI& m = host->Manager();

    EXPECT_EQ(m.FindSubControlByName(nullptr, L"ITEM"), leftItem) << "the first in the walk from the root";
    EXPECT_EQ(m.FindSubControlByName(right, L"ITEM"), rightItem);
    EXPECT_EQ(m.FindSubControlByName(right, L"left"), nullptr);
    EXPECT_EQ(m.FindSubControlByName(nullptr, L""), nullptr) << "unnamed controls never match";
  });
}

struct PointCase {
  const char* scenario;
  POINT point;
  const char* expected;  // name, or "" for none
  bool topHidden;
  bool topMouseOff;
};

class FindControlAtPoint : public ManagerTree, public ::testing::WithParamInterface<PointCase> {};

TEST_P(FindControlAtPoint, AnswersTheTopmostVisibleHitTestableControl) {
  const PointCase& c = GetParam();
  Start();
  std::string found;
  gui.Call([&] {
    auto* root = new LogContainer(&log, L"root", RECT{0, 0, 200, 200});
    root->Add(new LogControl(&log, L"under", RECT{10, 10, 100, 100}));
    auto* top = root->Add(new LogControl(&log, L"top", RECT{50, 50, 150, 150}));
    top->SetVisible(!c.topHidden);
    top->SetMouseEnabled(!c.topMouseOff);
    host->Manager().AttachRoot(root);
    CControlUI* hit = host->Manager().FindControlAt(c.point);
    found = hit ? uitest::Narrow(hit->GetName()) : "";
  });
  EXPECT_EQ(found, c.expected) << c.scenario;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindControlAtPoint,
    ::testing::Values(PointCase{"overlap goes to the later sibling", {60, 60}, "top", false, false},
                      PointCase{"only the earlier sibling holds it", {20, 20}, "under", false, false},
                      PointCase{"a hidden sibling is passed over", {60, 60}, "under", true, false},
                      PointCase{"a sibling without mouse is passed over", {60, 60}, "under", false, true},
                      PointCase{"right edge is outside", {100, 20}, "root", false, false},
                      PointCase{"bottom edge is outside", {20, 100}, "root", false, false},
                      PointCase{"outside the root", {250, 20}, "", false, false}),
    [](const ::testing::TestParamInfo<PointCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(ManagerTree, FindControlAtWithoutRootFindsNothing) {
  Start();
  gui.Call([this] { EXPECT_EQ(host->Manager().FindControlAt(POINT{1, 1}), nullptr); });
}

TEST_F(ManagerTree, ReapingClearsFocusAndHandsQueuedNotificationsOverWithoutSender) {
  Start();
  gui.Call([&] {
    auto* root = new LogContainer(&log, L"root", RECT{0, 0, 200, 200});
    auto* doomed = root->Add(new LogControl(&log, L"doomed", RECT{0, 0, 50, 50}));
    host->Manager().AttachRoot(root);
    host->Manager().AddNotifier(&listener);
    doomed->SetFocus();
    host->Manager().AddPostPaint(doomed);
    ASSERT_EQ(host->Manager().GetFocus(), doomed);
    host->Manager().SendNotify(doomed, L"click", 0, 0, true);
    log.clear();
    root->Remove(doomed);
    EXPECT_EQ(host->Manager().GetFocus(), nullptr);
    EXPECT_FALSE(host->Manager().RemovePostPaint(doomed)) << "the post-paint list forgot it";
    PostMessageW(host->Window(), WM_USER, 0, 0);
  });
  driver.WaitIdle();
  EXPECT_EQ(uitest::WithoutWindowInit(log), (Lines{"listener:click:-"}));
}

TEST_F(ManagerTree, ASecondRootReplacesTheFirstAtTheNextDelayedCleanup) {
  Start();
  DestroyWatch first;
  std::atomic<bool> aliveAfterAttach{false};
  gui.Call([&] {
    auto* root1 = new LogContainer(&log, L"root1");
    root1->Add(new LogControl(&log, L"old"));
    first.Watch(root1);
    host->Manager().AttachRoot(root1);
    auto* root2 = new LogContainer(&log, L"root2");
    host->Manager().AttachRoot(root2);
    aliveAfterAttach = !first.destroyed;
    EXPECT_EQ(host->Manager().GetRoot(), root2);
    EXPECT_EQ(root1->GetParent(), nullptr) << "the old root is detached";
  });
  EXPECT_TRUE(aliveAfterAttach) << "a handler of the old root may still be running";
  driver.WaitIdle();
  EXPECT_TRUE(first.destroyed);
  gui.Call([this] { EXPECT_EQ(host->Manager().FindControl(L"old"), nullptr); });
}

TEST_F(ManagerTree, AttachingTheSameRootAgainKeepsIt) {
  Start();
  DestroyWatch watch;
  gui.Call([&] {
    auto* root = new LogContainer(&log, L"root");
    watch.Watch(root);
    host->Manager().AttachRoot(root);
    host->Manager().AttachRoot(root);
  });
  driver.WaitIdle();
  EXPECT_FALSE(watch.destroyed);
  // The watch lives on this frame: the root goes before it does.
  gui.Call([this] { host.reset(); });
  EXPECT_TRUE(watch.destroyed);
}

TEST_F(ManagerTree, DelayedCleanupDeletesAQueuedControlOnce) {
  Start();
  DestroyWatch watch;
  gui.Call([&] {
    auto* loose = new LogControl(&log, L"loose");
    watch.Watch(loose);
    host->Manager().AddDelayedCleanup(loose);
    host->Manager().AddDelayedCleanup(loose);
    EXPECT_EQ(loose->GetManager(), &host->Manager());
    EXPECT_FALSE(watch.destroyed);
  });
  driver.WaitIdle();
  EXPECT_TRUE(watch.destroyed);
}

TEST_F(ManagerTree, TheManagersEndDeletesTheTreeAndTheQueuedControls) {
  Start();
  DestroyWatch root, leaf, queued;
  gui.Call([&] {
    auto* r = new LogContainer(&log, L"root");
    root.Watch(r);
    leaf.Watch(r->Add(new LogControl(&log, L"leaf")));
    host->Manager().AttachRoot(r);
    auto* q = new LogControl(&log, L"queued");
    queued.Watch(q);
    host->Manager().AddDelayedCleanup(q);
    host->Manager().SendNotify(r, L"pending", 0, 0, true);
    host->DropManager();
  });
  EXPECT_TRUE(root.destroyed);
  EXPECT_TRUE(leaf.destroyed);
  EXPECT_TRUE(queued.destroyed);
}

}  // namespace
