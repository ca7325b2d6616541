// The base control: placement and what it invalidates, float offsets, visibility,
// enabling and focus rules, events going up to the parent.
#include <gtest/gtest.h>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/ui/core/support/UiTestSupport.h"
#include "ui/core/types/CDelegate.h"
#include "testing/base/RectValues.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using SkinUI::CControlUI;
using SkinUI::UIEventRecord;
using uitest::Host;
using uitest::Lines;
using uitest::LogContainer;
using uitest::LogControl;
using uitest::LogListener;

class ControlTest : public ::testing::Test {
 protected:
  // root (the whole window) > parent > child, attached and focused on nothing.
  void Build(RECT rootRect = RECT{0, 0, 400, 300}, RECT parentRect = RECT{0, 0, 400, 300}) {
    gui.Call([&] {
      host.reset(new Host());
      root = new LogContainer(&log, L"root", rootRect);
      parent = root->Add(new LogContainer(&log, L"parent", parentRect));
      child = parent->Add(new LogControl(&log, L"child"));
      host->Manager().AttachRoot(root);
      host->Manager().AddNotifier(&listener);
      host->TakeUpdateRect();
      log.clear();
    });
  }
  void TearDown() override {
    gui.Call([this] { host.reset(); });
  }

  TestDriver driver;
  GuiThread gui;
  Lines log;
  LogListener listener{&log};
  std::unique_ptr<Host> host;
  LogContainer* root = nullptr;
  LogContainer* parent = nullptr;
  LogControl* child = nullptr;
};

struct PlacementCase {
  const char* scenario;
  RECT rootRect;
  RECT parentRect;
  RECT oldPos;
  RECT newPos;
  RECT expectedPos;
  RECT expectedUpdate;  // all 0: nothing invalidated
};

class Placement : public ControlTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(Placement, InvalidatesOldAndNewPositionsClippedByTheAncestors) {
  const PlacementCase& c = GetParam();
  Build(c.rootRect, c.parentRect);
  gui.Call([&] {
    child->Place(c.oldPos);
    child->SetPos(c.newPos);
    EXPECT_EQ(child->GetPos(), c.expectedPos) << c.scenario;
    EXPECT_EQ(host->TakeUpdateRect(), c.expectedUpdate) << c.scenario;
    EXPECT_FALSE(child->IsUpdateNeeded());
  });
}

INSTANTIATE_TEST_SUITE_P(
    Table, Placement,
    ::testing::Values(
        PlacementCase{"the first placement invalidates only the new rectangle", {0, 0, 400, 300}, {0, 0, 400, 300},
                      {0, 0, 0, 0}, {10, 10, 50, 50}, {10, 10, 50, 50}, {10, 10, 50, 50}},
        PlacementCase{"a move invalidates where it was and where it goes", {0, 0, 400, 300}, {0, 0, 400, 300},
                      {10, 10, 50, 50}, {60, 20, 80, 40}, {60, 20, 80, 40}, {10, 10, 80, 50}},
        PlacementCase{"the parent clips", {0, 0, 400, 300}, {0, 0, 70, 70},
                      {10, 10, 50, 50}, {60, 60, 100, 100}, {60, 60, 100, 100}, {10, 10, 70, 70}},
        PlacementCase{"the grandparent clips too", {0, 0, 60, 60}, {0, 0, 200, 200},
                      {0, 0, 0, 0}, {40, 40, 100, 100}, {40, 40, 100, 100}, {40, 40, 60, 60}},
        PlacementCase{"right left of left keeps a zero width at the left edge", {0, 0, 400, 300}, {0, 0, 400, 300},
                      {10, 10, 40, 40}, {50, 10, 20, 30}, {50, 10, 50, 30}, {10, 10, 50, 40}},
        PlacementCase{"outside the parent nothing is invalidated", {0, 0, 400, 300}, {0, 0, 50, 50},
                      {0, 0, 0, 0}, {60, 60, 80, 80}, {60, 60, 80, 80}, {0, 0, 0, 0}}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(ControlTest, ManagerInvalidationClampsToTheClientArea) {
  Build();
  gui.Call([&] {
    SkinUI::CWindowManagerUI& m = host->Manager();
    m.Invalidate(RECT{-5, -5, 20, 20});
    EXPECT_EQ(host->TakeUpdateRect(), (RECT{0, 0, 20, 20}));
    m.Invalidate(RECT{30, 10, 20, 40});
    EXPECT_EQ(host->TakeUpdateRect(), (RECT{0, 0, 0, 0})) << "right left of left is an empty rectangle at left";
    m.Invalidate(RECT{-10, 5, -3, 9});
    EXPECT_EQ(host->TakeUpdateRect(), (RECT{0, 0, 0, 0}));
  });
}

struct FloatCase {
  const char* scenario;
  SIZE fixedXY;
  RECT newPos;
  SIZE expectedXY;
};

class FloatPlacement : public ControlTest, public ::testing::WithParamInterface<FloatCase> {};

TEST_P(FloatPlacement, RewritesTheOffsetFromTheSameParentEdge) {
  const FloatCase& c = GetParam();
  Build(RECT{0, 0, 400, 300}, RECT{0, 0, 200, 100});
  gui.Call([&] {
    child->SetFloat(true);
    child->SetFixedXY(c.fixedXY);
    child->SetPos(c.newPos);
    EXPECT_EQ(child->FixedXY().cx, c.expectedXY.cx) << c.scenario;
    EXPECT_EQ(child->FixedXY().cy, c.expectedXY.cy) << c.scenario;
    EXPECT_EQ(child->GetFixedWidth(), c.newPos.right - c.newPos.left);
    EXPECT_EQ(child->GetFixedHeight(), c.newPos.bottom - c.newPos.top);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Table, FloatPlacement,
    ::testing::Values(FloatCase{"from the left and top", {10, 10}, {30, 20, 60, 50}, {30, 20}},
                      FloatCase{"from the right edge", {-10, 5}, {140, 5, 190, 25}, {-10, 5}},
                      FloatCase{"from the bottom edge", {0, -5}, {0, 60, 20, 90}, {0, -10}}),
    [](const ::testing::TestParamInfo<FloatCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(ControlTest, OnlyAnAttachedFloatControlTakesItsOffsetFromItsPosition) {
  Build(RECT{0, 0, 400, 300}, RECT{0, 0, 200, 100});
  gui.Call([&] {
    child->SetPos(RECT{30, 20, 60, 50});
    EXPECT_EQ(child->FixedXY().cx, 0) << "not float";
    LogControl loose(nullptr, L"loose");
    loose.SetFloat(true);
    loose.SetPos(RECT{30, 20, 60, 50});
    EXPECT_EQ(loose.FixedXY().cx, 0) << "no manager";
    EXPECT_EQ(loose.GetFixedWidth(), 0);
  });
}

// A size delegate that moves the control again, as a layout reacting to a size does.
struct Resizer {
  int calls = 0;
  bool OnSize(void* p) {
    ++calls;
    static_cast<CControlUI*>(p)->SetPos(RECT{0, 0, 5, 5});
    return true;
  }
};

TEST_F(ControlTest, SizeDelegatesAreNotReenteredByTheirOwnPlacement) {
  Build();
  Resizer resizer;
  gui.Call([&] {
    child->OnSizeDelegates.Add(SkinUI::CDelegate<Resizer, Resizer>(&resizer, &Resizer::OnSize));
    child->SetPos(RECT{10, 10, 50, 50});
  });
  EXPECT_EQ(resizer.calls, 1);
  gui.Call([&] { EXPECT_EQ(child->GetPos(), (RECT{0, 0, 5, 5})); });
}

TEST_F(ControlTest, HidingTheFocusedControlLeavesTheWindowWithoutFocus) {
  Build();
  gui.Call([&] {
    child->Place(RECT{10, 10, 50, 50});
    child->SetFocus();
    ASSERT_EQ(host->Manager().GetFocus(), child);
    log.clear();
    child->SetVisible(false);
    EXPECT_EQ(host->Manager().GetFocus(), nullptr);
    EXPECT_FALSE(child->IsFocused());
  });
  driver.WaitIdle();  // the log is the window thread's until it is idle
  EXPECT_EQ(uitest::WithoutWindowInit(log), (Lines{"child:event20(-)", "listener:killfocus:child"}));
}

TEST_F(ControlTest, AHiddenParentHidesAndUnfocusesItsChild) {
  Build();
  gui.Call([&] {
    child->SetFocus();
    parent->SetVisible(false);
    EXPECT_FALSE(child->IsVisible());
    EXPECT_EQ(host->Manager().GetFocus(), nullptr);
    // Showing the child itself changes nothing while its parent is hidden.
    host->TakeUpdateRect();
    child->SetVisible(false);
    child->SetVisible(true);
    EXPECT_FALSE(child->IsVisible());
    EXPECT_EQ(host->TakeUpdateRect(), (RECT{0, 0, 0, 0}));
  });
}

TEST_F(ControlTest, VisibilityChangesAskTheParentForALayout) {
  Build(RECT{0, 0, 400, 300}, RECT{20, 20, 120, 80});
  gui.Call([&] {
    child->Place(RECT{30, 30, 40, 40});
    parent->SetPos(RECT{20, 20, 120, 80});
    host->TakeUpdateRect();
    child->SetVisible(false);
    EXPECT_TRUE(parent->IsUpdateNeeded());
    EXPECT_EQ(host->TakeUpdateRect(), (RECT{20, 20, 120, 80}));
    parent->SetPos(RECT{20, 20, 120, 80});
    host->TakeUpdateRect();
    child->SetVisible(false);
    EXPECT_FALSE(parent->IsUpdateNeeded()) << "hiding a hidden control changes nothing";
    EXPECT_EQ(host->TakeUpdateRect(), (RECT{0, 0, 0, 0}));
  });
}

TEST_F(ControlTest, EnablingInvalidatesOnlyOnAChange) {
  Build();
  gui.Call([&] {
    child->Place(RECT{10, 10, 50, 50});
    child->SetEnabled(true);
    EXPECT_EQ(host->TakeUpdateRect(), (RECT{0, 0, 0, 0}));
    child->SetEnabled(false);
    EXPECT_EQ(host->TakeUpdateRect(), (RECT{10, 10, 50, 50}));
    EXPECT_FALSE(child->Activate());
    child->SetEnabled(true);
    EXPECT_TRUE(child->Activate());
    child->SetVisible(false);
    EXPECT_FALSE(child->Activate());
  });
}

struct FocusRefusal {
  const char* scenario;
  int kind;  // 0 hidden, 1 disabled, 2 of another manager, 3 of no manager
};

class FocusRefused : public ControlTest, public ::testing::WithParamInterface<FocusRefusal> {};

TEST_P(FocusRefused, LeavesTheWindowWithoutFocus) {
  const FocusRefusal& c = GetParam();
  Build();
  gui.Call([&] {
    Host other;
    LogControl loose(&log, L"loose");
    CControlUI* target = child;
    if (c.kind == 0) child->SetVisible(false);
    if (c.kind == 1) child->SetEnabled(false);
    if (c.kind == 2) {
      loose.SetManager(&other.Manager(), nullptr, false);
      target = &loose;
    }
    if (c.kind == 3) target = &loose;
    parent->SetFocus();
    host->Manager().SetFocus(target);
    EXPECT_EQ(host->Manager().GetFocus(), nullptr) << c.scenario;
    EXPECT_FALSE(target->IsFocused());
    loose.SetManager(nullptr, nullptr, false);
  });
}

INSTANTIATE_TEST_SUITE_P(Table, FocusRefused,
                         ::testing::Values(FocusRefusal{"hidden", 0}, FocusRefusal{"disabled", 1},
                                           FocusRefusal{"another window's control", 2},
                                           FocusRefusal{"a control of no window", 3}),
                         [](const ::testing::TestParamInfo<FocusRefusal>& info) {
                           return "Case" + std::to_string(info.index);
                         });

TEST_F(ControlTest, FocusMovesWithEventsAndNotificationsInOrder) {
  Build();
  gui.Call([&] {
    parent->SetFocus();
    child->SetFocus();
    child->SetFocus();
    host->Manager().SetFocus(nullptr);
    EXPECT_EQ(host->Manager().GetFocus(), nullptr);
    EXPECT_EQ(GetFocus(), host->Window()) << "the window holds the system focus";
  });
  driver.WaitIdle();
  EXPECT_EQ(uitest::WithoutWindowInit(log), (Lines{"parent:event21(parent)", "listener:setfocus:parent", "parent:event20(child)",
                        "listener:killfocus:parent", "child:event21(child)", "listener:setfocus:child",
                        "child:event20(-)", "listener:killfocus:child"}));
}

// Refuses every event it is shown.
struct Gate {
  bool open = true;
  bool OnEvent(void*) { return open; }
};

struct EventCase {
  const char* scenario;
  int type;
  bool menu;
  bool gateOpen;
  Lines expected;
};

class EventRouting : public ControlTest, public ::testing::WithParamInterface<EventCase> {};

TEST_P(EventRouting, UnhandledEventsGoUpToTheParents) {
  const EventCase& c = GetParam();
  Build();
  Gate gate;
  gate.open = c.gateOpen;
  gui.Call([&] {
    child->SetContextMenuUsed(c.menu);
    child->OnEventDelegates.Add(SkinUI::CDelegate<Gate, Gate>(&gate, &Gate::OnEvent));
    UIEventRecord event;
    event.Type = c.type;
    event.pSender = child;
    event.wParam = 7;
    event.lParam = 9;
    child->DispatchEvent(event);
  });
  EXPECT_EQ(log, c.expected) << c.scenario;
  if (c.menu && c.gateOpen) {
    ASSERT_EQ(listener.records.size(), 1u);
    EXPECT_EQ(listener.records[0].wParam, 7u);
    EXPECT_EQ(listener.records[0].lParam, 9);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, EventRouting,
    ::testing::Values(
        EventCase{"a key goes all the way up", SkinUI::UIEVENT_KEYDOWN, false, true,
                  {"child:event3", "parent:event3", "root:event3"}},
        EventCase{"a context menu without menu goes up", SkinUI::UIEVENT_CONTEXTMENU, false, true,
                  {"child:event17", "parent:event17", "root:event17"}},
        EventCase{"a context menu with menu becomes a notification", SkinUI::UIEVENT_CONTEXTMENU, true, true,
                  {"child:event17", "listener:menu:child"}},
        EventCase{"a timer becomes a notification", SkinUI::UIEVENT_TIMER, false, true,
                  {"child:event24", "listener:timer:child"}},
        EventCase{"a delegate that refuses swallows the event", SkinUI::UIEVENT_KEYDOWN, false, false, {}}),
    [](const ::testing::TestParamInfo<EventCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(ControlTest, FocusEventsSetTheFlagAndRepaintTheControl) {
  Build();
  gui.Call([&] {
    child->Place(RECT{10, 10, 50, 50});
    UIEventRecord event;
    event.Type = SkinUI::UIEVENT_SETFOCUS;
    child->HandleEvent(event);
    EXPECT_TRUE(child->IsFocused());
    EXPECT_EQ(host->TakeUpdateRect(), (RECT{10, 10, 50, 50}));
    event.Type = SkinUI::UIEVENT_KILLFOCUS;
    child->HandleEvent(event);
    EXPECT_FALSE(child->IsFocused());
  });
}

TEST_F(ControlTest, SizeSettersIgnoreNegativeValues) {
  Build();
  gui.Call([&] {
    child->SetFixedWidth(30);
    child->SetFixedWidth(-1);
    child->SetFixedHeight(-5);
    child->SetMinWidth(-2);
    child->SetMaxHeight(-2);
    EXPECT_EQ(child->GetFixedWidth(), 30);
    EXPECT_EQ(child->GetFixedHeight(), 0);
    EXPECT_EQ(child->GetMinWidth(), 0);
    EXPECT_EQ(child->GetMaxHeight(), 9999);
    EXPECT_EQ(child->MeasureSize(SIZE{500, 500}).cx, 30) << "the base wants its fixed size";
  });
}

TEST_F(ControlTest, TextsAndNamesOfTheControl) {
  Build();
  gui.Call([&] {
    child->SetToolTip(L"first<n>second<n>");
    EXPECT_EQ(uitest::Narrow(child->GetToolTip()), "first\r\nsecond\r\n");
    parent->SetVirtualWindow(L"page");
    EXPECT_EQ(uitest::Narrow(child->GetVirtualWindow()), "page") << "inherited from the parent";
    EXPECT_EQ(uitest::Narrow(root->GetVirtualWindow()), "");
    EXPECT_EQ(child->GetInterface(L"Control"), child);
    EXPECT_EQ(child->GetInterface(L"Container"), nullptr);
    LogControl loose(nullptr, L"loose");
    loose.SetVirtualWindow(L"early");
    EXPECT_FALSE(loose.StartTimer(1, 100)) << "no manager to run it";
  });
}

TEST_F(ControlTest, RarelySetTextsReadEmptyUntilSetAndFollowEachChange) {
  Build();
  gui.Call([&] {
    EXPECT_EQ(uitest::Narrow(child->GetToolTip()), "");
    EXPECT_EQ(uitest::Narrow(child->GetUserData()), "");
    EXPECT_EQ(child->GetToolTipWidth(), 300);
    child->SetUserData(L"42");
    EXPECT_EQ(uitest::Narrow(child->GetUserData()), "42");
    EXPECT_EQ(uitest::Narrow(child->GetToolTip()), "") << "user data alone leaves the tooltip empty";
    EXPECT_EQ(child->GetToolTipWidth(), 300);
    child->SetToolTipWidth(120);
    child->SetToolTip(L"tip");
    child->SetUserData(nullptr);
    EXPECT_EQ(uitest::Narrow(child->GetUserData()), "");
    EXPECT_EQ(uitest::Narrow(child->GetToolTip()), "tip");
    EXPECT_EQ(child->GetToolTipWidth(), 120);
    child->SetToolTip(L"");
    EXPECT_EQ(uitest::Narrow(child->GetToolTip()), "");
    parent->SetVirtualWindow(L"page");
    child->SetVirtualWindow(L"own");
    EXPECT_EQ(uitest::Narrow(child->GetVirtualWindow()), "own");
    child->SetVirtualWindow(L"");
    EXPECT_EQ(uitest::Narrow(child->GetVirtualWindow()), "page") << "an empty name inherits again";
  });
}

TEST_F(ControlTest, ChangingTheTextRepaintsOnlyOnADifference) {
  Build();
  gui.Call([&] {
    child->Place(RECT{5, 5, 25, 15});
    child->SetText(L"abc");
    EXPECT_EQ(host->TakeUpdateRect(), (RECT{5, 5, 25, 15}));
    child->SetText(L"abc");
    EXPECT_EQ(host->TakeUpdateRect(), (RECT{0, 0, 0, 0}));
  });
}

}  // namespace
