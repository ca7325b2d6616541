// Keyboard navigation through the modal loop: Tab and Shift+Tab over the tab stops
// with wrap-around, Tab while a layout is pending, a rich edit that takes Tab, Alt
// shortcuts, focusing after the next layout, focus asked for before the first layout;
// and the caret of a layered window.
#include <gtest/gtest.h>

#include <atomic>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/ui/core/support/WindowTestSupport.h"
#include "ui/core/types/CDelegate.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using SkinUI::CControlUI;
using SkinUI::CWindowManagerUI;
using SkinUI::UIFLAG_TABSTOP;
using wintest::Lines;
using wintest::ManagedWindow;
using wintest::PresentedImage;
using wintest::ProbeContainer;
using wintest::ProbeControl;
using wintest::ProbeRichEdit;

enum class Key { Tab, ShiftTab, AltN, AltO, AltZ };

// Remembers the control a kill-focus event names as the one taking the focus.
struct KillFocusWatch {
  bool OnEvent(void* p) {
    const SkinUI::UIEventRecord* event = static_cast<SkinUI::UIEventRecord*>(p);
    if (event->Type == SkinUI::UIEVENT_KILLFOCUS) named.push_back(event->pSender);
    return true;
  }
  std::vector<CControlUI*> named;
};

// A frame run modally, whose root holds in this order: tab stops A, the plain D,
// B, a hidden tab stop H, a disabled tab stop X, and C.
class NavigationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::EnsureInstance();
    gui.Call([this] {
      window.reset(new ManagedWindow());
      window->Create(nullptr, L"frame", WS_POPUP | WS_VISIBLE, 0, 0, 0, 400, 300);
      root = new ProbeContainer(nullptr, L"root", RECT{0, 0, 400, 300});
      const struct {
        LPCTSTR name;
        UINT flags;
      } children[] = {{L"A", UIFLAG_TABSTOP}, {L"D", 0},     {L"B", UIFLAG_TABSTOP},
                      {L"H", UIFLAG_TABSTOP}, {L"X", UIFLAG_TABSTOP}, {L"C", UIFLAG_TABSTOP}};
      int top = 0;
      for (const auto& child : children) {
        root->AddChild(new ProbeControl(&log, child.name, RECT{0, top, 100, top + 20}, child.flags));
        top += 30;
      }
      Manager().AttachRoot(root);
      Manager().FindControl(L"H")->SetVisible(false);
      Manager().FindControl(L"X")->SetEnabled(false);
      BeforeFirstPaint();
    });
    gui.Post([this] { result = static_cast<int>(window->ShowModal()); });
    ASSERT_TRUE(driver.WaitIdle());
  }
  void TearDown() override {
    PostMessageW(window->GetHWND(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(driver.WaitIdle());
    gui.Call([this] { window.reset(); });
  }

  // On the window's thread, once the root is attached and before the window first paints.
  virtual void BeforeFirstPaint() {}

  CWindowManagerUI& Manager() { return window->Manager(); }
  std::string FocusName() {
    std::string name;
    gui.Call([&] {
      CControlUI* focus = Manager().GetFocus();
      name = focus == nullptr ? "-" : uitest::Narrow(focus->GetName());
    });
    return name;
  }
  void Press(Key key) {
    switch (key) {
      case Key::Tab:
        driver.Tap(VK_TAB);
        break;
      case Key::ShiftTab:
        driver.KeyDown(VK_SHIFT);
        driver.Tap(VK_TAB);
        driver.KeyUp(VK_SHIFT);
        break;
      case Key::AltN:
      case Key::AltO:
      case Key::AltZ:
        driver.KeyDown(VK_MENU);
        driver.Tap(key == Key::AltN ? 'N' : key == Key::AltO ? 'O' : 'Z');
        driver.KeyUp(VK_MENU);
        break;
    }
    ASSERT_TRUE(driver.WaitIdle());
  }

  TestDriver driver;
  GuiThread gui;
  Lines log;
  std::unique_ptr<ManagedWindow> window;
  ProbeContainer* root = nullptr;
  std::atomic<int> result{-1};
  // Outlives the window, whose controls may call it until they go.
  KillFocusWatch killFocusWatch;
};

TEST_F(NavigationTest, TheFirstPaintFocusesTheFirstTabStop) { EXPECT_EQ(FocusName(), "A"); }

struct TabCase {
  const char* scenario;
  std::vector<Key> keys;
  std::vector<std::string> focusAfterEach;
};

void PrintTo(const TabCase& c, std::ostream* os) { *os << c.scenario; }

class TabOrder : public NavigationTest, public ::testing::WithParamInterface<TabCase> {};

TEST_P(TabOrder, SkipsWhatIsNoTabStopHiddenOrDisabledAndWrapsAround) {
  const TabCase& c = GetParam();
  std::vector<std::string> seen;
  for (Key key : c.keys) {
    Press(key);
    seen.push_back(FocusName());
  }
  EXPECT_EQ(seen, c.focusAfterEach);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TabOrder,
    ::testing::Values(TabCase{"Tab forward to the end and around", {Key::Tab, Key::Tab, Key::Tab}, {"B", "C", "A"}},
                      TabCase{"Shift+Tab from the first wraps to the last",
                              {Key::ShiftTab, Key::ShiftTab, Key::ShiftTab},
                              {"C", "B", "A"}},
                      TabCase{"forward then back", {Key::Tab, Key::ShiftTab}, {"B", "A"}}),
    [](const ::testing::TestParamInfo<TabCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(NavigationTest, TabIsConsumedByTheLoopAndNeverReachesTheControl) {
  log.clear();
  Press(Key::Tab);
  EXPECT_EQ(log, (Lines{"A:killfocus", "B:setfocus"}));
}

TEST_F(NavigationTest, TabWhileALayoutIsPendingMovesTheFocusAtTheNextPaint) {
  gui.Call([&] {
    Manager().NeedUpdate();
    EXPECT_TRUE(Manager().SetNextTabControl(true));
    EXPECT_EQ(uitest::Narrow(Manager().GetFocus()->GetName()), "A") << "nothing moves before the layout";
    RECT rc = {};
    EXPECT_TRUE(GetUpdateRect(window->GetHWND(), &rc, FALSE)) << "the window waits for its paint";
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(FocusName(), "B");
}

TEST_F(NavigationTest, FocusNeededFocusesTheControlAfterTheNextLayout) {
  CControlUI* c = nullptr;
  gui.Call([&] {
    log.clear();
    c = Manager().FindControl(L"C");
    Manager().FindControl(L"A")->OnEventDelegates.Add(
        SkinUI::CDelegate<KillFocusWatch, KillFocusWatch>(&killFocusWatch, &KillFocusWatch::OnEvent));
    Manager().SetFocusNeeded(c);
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(FocusName(), "C");
  EXPECT_EQ(log, (Lines{"A:killfocus", "B:killfocus", "C:setfocus"}))
      << "the tab stop before C held the focus silently until the layout";
  EXPECT_EQ(killFocusWatch.named, (std::vector<CControlUI*>{c})) << "A lost the focus to C";
}

// Focus asked for before the window's first layout: the control asked for keeps it
// through that layout instead of the focus moving on to the next tab stop; a request
// refused leaves the first tab stop to take it.
struct EarlyFocusCase {
  const char* scenario;
  std::vector<LPCTSTR> asked;  // in order
  std::string focusAfter;
  Lines log;  // the focus events
};

void PrintTo(const EarlyFocusCase& c, std::ostream* os) { *os << c.scenario; }

class EarlyFocus : public NavigationTest, public ::testing::WithParamInterface<EarlyFocusCase> {
 protected:
  void BeforeFirstPaint() override {
    for (LPCTSTR name : GetParam().asked) Manager().SetFocus(Manager().FindControl(name));
  }
};

TEST_P(EarlyFocus, StaysWithTheControlAskedForThroughTheFirstLayout) {
  const EarlyFocusCase& c = GetParam();
  EXPECT_EQ(FocusName(), c.focusAfter);
  Lines focusEvents;
  for (const std::string& line : log) {
    if (line.find("focus") != std::string::npos) focusEvents.push_back(line);
  }
  EXPECT_EQ(focusEvents, c.log);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EarlyFocus,
    ::testing::Values(EarlyFocusCase{"a later tab stop", {L"B"}, "B", {"B:setfocus"}},
                      EarlyFocusCase{"the last request wins", {L"B", L"C"}, "C",
                                     {"B:setfocus", "B:killfocus", "C:setfocus"}},
                      EarlyFocusCase{"a hidden control", {L"H"}, "A", {"A:setfocus"}},
                      EarlyFocusCase{"the first tab stop itself", {L"A"}, "A", {"A:setfocus"}}),
    [](const ::testing::TestParamInfo<EarlyFocusCase>& info) { return "Case" + std::to_string(info.index); });

struct RichEditCase {
  const char* scenario;
  bool wantTab;
  std::string focusAfter;
  Lines log;
};

void PrintTo(const RichEditCase& c, std::ostream* os) { *os << c.scenario; }

class RichEditTab : public NavigationTest, public ::testing::WithParamInterface<RichEditCase> {};

TEST_P(RichEditTab, KeepsTheKeyOnlyWhenItWantsIt) {
  const RichEditCase& c = GetParam();
  gui.Call([&] {
    auto* edit = new ProbeRichEdit(&log, L"R", RECT{200, 0, 300, 20}, c.wantTab, 0);
    root->AddChild(edit);
    edit->SetFocus();
    log.clear();
  });
  Press(Key::Tab);
  EXPECT_EQ(FocusName(), c.focusAfter);
  EXPECT_EQ(log, c.log);
}

INSTANTIATE_TEST_SUITE_P(Table, RichEditTab,
                         ::testing::Values(RichEditCase{"one that wants Tab gets the key", true, "R",
                                                        {"R:keydown(9)", "R:char(9)", "R:keyup(9)"}},
                                           RichEditCase{"one that does not loses the focus", false, "A",
                                                        {"R:killfocus", "A:setfocus"}}),
                         [](const ::testing::TestParamInfo<RichEditCase>& info) {
                           return "Case" + std::to_string(info.index);
                         });

struct ShortcutCase {
  const char* scenario;
  Key key;
  std::string focusAfter;
  Lines log;
};

void PrintTo(const ShortcutCase& c, std::ostream* os) { *os << c.scenario; }

class AltShortcuts : public NavigationTest, public ::testing::WithParamInterface<ShortcutCase> {};

TEST_P(AltShortcuts, FocusAndActivateTheControlOrTheOneAfterALabel) {
  const ShortcutCase& c = GetParam();
  gui.Call([&] {
    auto* label = new ProbeControl(&log, L"L", RECT{200, 0, 300, 20});
    label->className = L"LabelUI";
    label->SetShortcut(L'n');
    auto* field = new ProbeControl(&log, L"F", RECT{200, 30, 300, 50});
    auto* ok = new ProbeControl(&log, L"O", RECT{200, 60, 300, 80});
    ok->SetShortcut(L'O');
    // The search walks the topmost child first: the control after the label in the
    // walk is the one before it among the children.
    root->AddChild(field);
    root->AddChild(label);
    root->AddChild(ok);
    log.clear();
  });
  Press(c.key);
  EXPECT_EQ(FocusName(), c.focusAfter);
  Lines shown;
  for (const std::string& line : log) {
    if (line.find("syskey") == std::string::npos) shown.push_back(line);
  }
  EXPECT_EQ(shown, c.log);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AltShortcuts,
    ::testing::Values(ShortcutCase{"a label's shortcut picks the control after it",
                                   Key::AltN,
                                   "F",
                                   {"A:killfocus", "F:setfocus", "F:activate"}},
                      ShortcutCase{
                          "a control's own shortcut", Key::AltO, "O", {"A:killfocus", "O:setfocus", "O:activate"}},
                      ShortcutCase{"a letter nobody has", Key::AltZ, "A", {}}),
    [](const ::testing::TestParamInfo<ShortcutCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(NavigationTest, SystemKeysGoToTheFocusedControlAndOnToTheWindow) {
  log.clear();
  driver.KeyDown(VK_MENU);
  driver.KeyUp(VK_MENU);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log, (Lines{"A:syskey(18)"}));
}

// --- The caret of a layered window ---

const uint32_t kGreen = 0xFF00FF00;

class LayeredCaret : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::EnsureInstance();
    gui.Call([this] {
      window.reset(new ManagedWindow());
      window->Create(nullptr, L"frame", WS_POPUP | WS_VISIBLE, 0, 0, 0, 200, 100);
      Manager().SetLayered(true);
      auto* root = new ProbeContainer(nullptr, L"root", RECT{0, 0, 10, 10});
      edit = new ProbeRichEdit(nullptr, L"R", RECT{10, 10, 110, 40}, false, kGreen);
      other = new ProbeControl(nullptr, L"O", RECT{120, 10, 190, 40}, UIFLAG_TABSTOP);
      root->AddChild(edit);
      root->AddChild(other);
      Manager().AttachRoot(root);
      SetFocus(window->GetHWND());
    });
    ASSERT_TRUE(driver.WaitIdle());
  }
  void TearDown() override {
    gui.Call([this] {
      DestroyCaret();
      DestroyWindow(window->GetHWND());
      window.reset();
    });
  }
  CWindowManagerUI& Manager() { return window->Manager(); }
  uint32_t CaretPixel() { return PresentedImage(window->GetHWND()).Pixel(21, 20); }

  TestDriver driver;
  GuiThread gui;
  std::unique_ptr<ManagedWindow> window;
  ProbeRichEdit* edit = nullptr;
  ProbeControl* other = nullptr;
};

TEST_F(LayeredCaret, BlinksInTheRichEditsTextColourWhileItsOwnerHasTheFocus) {
  UINT blink = 0;
  gui.Call([&] {
    edit->SetFocus();
    EXPECT_TRUE(Manager().CreateCaret(nullptr, 2, 16));
    EXPECT_TRUE(Manager().SetCaretPos(edit, 20, 12));
    EXPECT_EQ(Manager().GetCaretOwner(), edit);
    EXPECT_TRUE(Manager().ShowCaret(true));
    blink = GetCaretBlinkTime();
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(CaretPixel(), kGreen);
  EXPECT_EQ(PresentedImage(window->GetHWND()).Pixel(22, 20), 0u) << "two pixels wide";
  driver.Advance(blink);
  EXPECT_EQ(CaretPixel(), 0u) << "the blink's dark phase";
  driver.Advance(blink);
  EXPECT_EQ(CaretPixel(), kGreen);
  gui.Call([&] { other->SetFocus(); });
  ASSERT_TRUE(driver.WaitIdle());
  driver.Advance(blink);
  EXPECT_EQ(CaretPixel(), 0u) << "gone with its owner's focus";
  driver.Advance(blink);
  EXPECT_EQ(CaretPixel(), 0u) << "and no longer blinking";
}

TEST_F(LayeredCaret, WithoutASystemCaretNothingMoves) {
  gui.Call([&] {
    DestroyCaret();
    EXPECT_FALSE(Manager().SetCaretPos(edit, 20, 12));
    EXPECT_EQ(Manager().GetCaretOwner(), nullptr);
  });
}

}  // namespace
