// Activation and focus leaving a window that is hidden, minimised or destroyed, and
// activation leaving and coming into the program.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/platform/user/TraceWindow.h"
#include "tests/platform/user/TracedTest.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using test::Trace;
using test::TraceWindow;
using test::WindowSpec;
typedef std::vector<std::string> Lines;

// Only the lines the activation log writes, none of the plain trace's.
const std::set<UINT> kLogged = {};

std::string NameOf(HWND hwnd) {
  if (!hwnd) return "none";
  auto* window = reinterpret_cast<TraceWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return window ? window->name : "gone";
}

// Activation, focus and destruction messages with what they say about the other side.
test::Hook ActivationLog(Trace& trace, const std::string& name) {
  return [&trace, name](HWND, UINT m, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
    switch (m) {
      case WM_NCACTIVATE: trace.Add(name + ":WM_NCACTIVATE " + std::to_string(wp)); break;
      case WM_ACTIVATE:
        trace.Add(name + ":WM_ACTIVATE " + (LOWORD(wp) == WA_INACTIVE ? "inactive " : "active ") +
                  NameOf(HWND(lp)));
        break;
      case WM_ACTIVATEAPP: trace.Add(name + ":WM_ACTIVATEAPP " + std::to_string(wp)); break;
      case WM_KILLFOCUS: trace.Add(name + ":WM_KILLFOCUS " + NameOf(HWND(wp))); break;
      case WM_SETFOCUS: trace.Add(name + ":WM_SETFOCUS " + NameOf(HWND(wp))); break;
      case WM_DESTROY: trace.Add(name + ":WM_DESTROY"); break;
      default: break;
    }
    return std::nullopt;
  };
}

HWND Open(Trace& trace, WindowSpec spec) {
  spec.hook = ActivationLog(trace, spec.name);
  return TraceWindow::Create(trace, spec);
}

// One thread's windows, all hidden at first: a frame with a child, a dialog it owns
// with a child, a menu it owns, and a window of its own.
class Desk {
 public:
  explicit Desk(Trace& trace) {
    const HWND frame = Add(trace, WindowSpec{"frame", WS_POPUP, 0, {0, 0, 400, 300}});
    Add(trace, WindowSpec{"edit", WS_CHILD | WS_VISIBLE, 0, {10, 10, 100, 30}, frame});
    const HWND dialog = Add(trace, WindowSpec{"dialog", WS_POPUP, 0, {50, 50, 250, 200}, frame});
    Add(trace, WindowSpec{"field", WS_CHILD | WS_VISIBLE, 0, {10, 10, 100, 30}, dialog});
    Add(trace, WindowSpec{"menu", WS_POPUP, WS_EX_TOOLWINDOW, {20, 20, 120, 120}, frame});
    Add(trace, WindowSpec{"other", WS_POPUP, 0, {500, 0, 700, 200}});
  }

  HWND operator[](const std::string& name) const { return windows_.at(name); }

 private:
  HWND Add(Trace& trace, const WindowSpec& spec) { return windows_[spec.name] = Open(trace, spec); }

  std::map<std::string, HWND> windows_;
};

enum class Action { Hide, Minimise, Destroy };

struct HandOverCase {
  const char* scenario;
  std::vector<std::string> shown;  // in this order, without activation
  std::string focus;               // takes the focus, activating its top-level window
  Action action;
  std::string target;
  Lines expected;
  std::string active;  // after the action; "none" for no window
  std::string focused;
};

void PrintTo(const HandOverCase& c, std::ostream* out) { *out << c.scenario; }

class HandOver : public test::TracedCaseTest<HandOverCase> {};

TEST_P(HandOver, DeactivatesFirstThenActivatesTheNextWindow) {
  const HandOverCase& c = GetParam();
  gui.Call([&] {
    Desk desk(trace);
    for (const std::string& name : c.shown) ShowWindow(desk[name], SW_SHOWNOACTIVATE);
    SetFocus(desk[c.focus]);
    trace.Clear();
    const HWND target = desk[c.target];
    switch (c.action) {
      case Action::Hide: ShowWindow(target, SW_HIDE); break;
      case Action::Minimise: ShowWindow(target, SW_MINIMIZE); break;
      case Action::Destroy: DestroyWindow(target); break;
    }
    EXPECT_EQ(trace.Take(kLogged), c.expected);
    EXPECT_EQ(NameOf(GetActiveWindow()), c.active);
    EXPECT_EQ(NameOf(GetFocus()), c.focused);
    EXPECT_EQ(NameOf(GetForegroundWindow()), c.active);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Table, HandOver,
    ::testing::Values(
        HandOverCase{"a dialog hidden hands over to its owner",
                     {"frame", "dialog"}, "field", Action::Hide, "dialog",
                     {"dialog:WM_NCACTIVATE 0", "dialog:WM_ACTIVATE inactive frame", "field:WM_KILLFOCUS frame",
                      "frame:WM_NCACTIVATE 1", "frame:WM_ACTIVATE active dialog", "frame:WM_SETFOCUS none"},
                     "frame", "frame"},
        HandOverCase{"a dialog destroyed hears WM_DESTROY after the hand-over",
                     {"frame", "dialog"}, "field", Action::Destroy, "dialog",
                     {"dialog:WM_NCACTIVATE 0", "dialog:WM_ACTIVATE inactive frame", "field:WM_KILLFOCUS frame",
                      "frame:WM_NCACTIVATE 1", "frame:WM_ACTIVATE active dialog", "frame:WM_SETFOCUS none",
                      "dialog:WM_DESTROY", "field:WM_DESTROY"},
                     "frame", "frame"},
        HandOverCase{"a dialog minimised hands over to its owner",
                     {"frame", "dialog"}, "field", Action::Minimise, "dialog",
                     {"dialog:WM_NCACTIVATE 0", "dialog:WM_ACTIVATE inactive frame", "field:WM_KILLFOCUS frame",
                      "frame:WM_NCACTIVATE 1", "frame:WM_ACTIVATE active dialog", "frame:WM_SETFOCUS none"},
                     "frame", "frame"},
        HandOverCase{"a menu closing gives the focus back to its owner",
                     {"frame", "menu"}, "menu", Action::Hide, "menu",
                     {"menu:WM_NCACTIVATE 0", "menu:WM_ACTIVATE inactive frame", "menu:WM_KILLFOCUS frame",
                      "frame:WM_NCACTIVATE 1", "frame:WM_ACTIVATE active menu", "frame:WM_SETFOCUS none"},
                     "frame", "frame"},
        HandOverCase{"a hidden owner is passed over for the topmost window that can take it",
                     {"other", "dialog"}, "field", Action::Hide, "dialog",
                     {"dialog:WM_NCACTIVATE 0", "dialog:WM_ACTIVATE inactive other", "field:WM_KILLFOCUS other",
                      "other:WM_NCACTIVATE 1", "other:WM_ACTIVATE active dialog", "other:WM_SETFOCUS none"},
                     "other", "other"},
        HandOverCase{"a dialog its destroyed owner takes along is passed over",
                     {"other", "frame", "dialog"}, "edit", Action::Destroy, "frame",
                     {"frame:WM_NCACTIVATE 0", "frame:WM_ACTIVATE inactive other", "edit:WM_KILLFOCUS other",
                      "other:WM_NCACTIVATE 1", "other:WM_ACTIVATE active frame", "other:WM_SETFOCUS none",
                      "dialog:WM_DESTROY", "field:WM_DESTROY", "menu:WM_DESTROY", "frame:WM_DESTROY",
                      "edit:WM_DESTROY"},
                     "other", "other"},
        // Every top-level window of the program hears that it lost activation, hidden
        // ones too, in z-order (owned windows above their owner); tool windows never
        // take activation over.
        HandOverCase{"the last window that can be active: activation leaves the program",
                     {"menu", "other"}, "other", Action::Hide, "other",
                     {"other:WM_NCACTIVATE 0", "other:WM_ACTIVATE inactive none", "other:WM_ACTIVATEAPP 0",
                      "menu:WM_ACTIVATEAPP 0", "dialog:WM_ACTIVATEAPP 0", "frame:WM_ACTIVATEAPP 0",
                      "other:WM_KILLFOCUS none"},
                     "none", "none"},
        HandOverCase{"the last window destroyed loses activation and focus before WM_DESTROY",
                     {"frame"}, "edit", Action::Destroy, "frame",
                     {"frame:WM_NCACTIVATE 0", "frame:WM_ACTIVATE inactive none", "menu:WM_ACTIVATEAPP 0",
                      "dialog:WM_ACTIVATEAPP 0", "frame:WM_ACTIVATEAPP 0", "other:WM_ACTIVATEAPP 0",
                      "edit:WM_KILLFOCUS none", "menu:WM_DESTROY", "dialog:WM_DESTROY", "field:WM_DESTROY",
                      "frame:WM_DESTROY", "edit:WM_DESTROY"},
                     "none", "none"},
        HandOverCase{"a focused child destroyed gives the focus to its parent",
                     {"frame"}, "edit", Action::Destroy, "edit",
                     {"edit:WM_KILLFOCUS frame", "frame:WM_SETFOCUS edit", "edit:WM_DESTROY"},
                     "frame", "frame"}),
    [](const ::testing::TestParamInfo<HandOverCase>& info) { return "Case" + std::to_string(info.index); });

TEST(ProgramActivation, EveryTopLevelWindowHearsActivationComeInBeforeTheActivatedWindow) {
  TestDriver driver;
  Trace trace;
  GuiThread gui;
  gui.Call([&] {
    Desk desk(trace);
    ShowWindow(desk["other"], SW_SHOWNOACTIVATE);
    trace.Clear();
    ShowWindow(desk["frame"], SW_SHOW);
    EXPECT_EQ(trace.Take(kLogged),
              (Lines{"menu:WM_ACTIVATEAPP 1", "dialog:WM_ACTIVATEAPP 1", "frame:WM_ACTIVATEAPP 1",
                     "other:WM_ACTIVATEAPP 1", "frame:WM_NCACTIVATE 1", "frame:WM_ACTIVATE active none",
                     "frame:WM_SETFOCUS none"}));
    // Within the program activation moves without a word to the rest.
    SetActiveWindow(desk["other"]);
    EXPECT_EQ(trace.Take(kLogged),
              (Lines{"frame:WM_NCACTIVATE 0", "frame:WM_ACTIVATE inactive other", "other:WM_NCACTIVATE 1",
                     "other:WM_ACTIVATE active frame", "frame:WM_KILLFOCUS other", "other:WM_SETFOCUS frame"}));
  });
}

TEST(ProgramActivation, LeavesWithTheKeyboardAndComesBackWithIt) {
  TestDriver driver;
  Trace trace;
  GuiThread gui;
  HWND main = nullptr;
  gui.Call([&] {
    main = Open(trace, WindowSpec{"main", WS_POPUP, 0, {0, 0, 200, 200}});
    Open(trace, WindowSpec{"hidden", WS_POPUP, 0, {300, 0, 400, 100}});
    ShowWindow(main, SW_SHOW);
  });
  trace.Clear();
  driver.Backend().InjectFocusLeftProgram();
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(trace.Take(kLogged), (Lines{"main:WM_NCACTIVATE 0", "main:WM_ACTIVATE inactive none",
                                        "main:WM_ACTIVATEAPP 0", "hidden:WM_ACTIVATEAPP 0",
                                        "main:WM_KILLFOCUS none"}));
  driver.Backend().InjectFocusReturned(main);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(trace.Take(kLogged), (Lines{"main:WM_ACTIVATEAPP 1", "hidden:WM_ACTIVATEAPP 1", "main:WM_NCACTIVATE 1",
                                        "main:WM_ACTIVATE active none", "main:WM_SETFOCUS none"}));
}

TEST(ProgramActivation, HandsOverToAWindowOfAnotherThreadWithinTheProgram) {
  TestDriver driver;
  Trace trace;
  GuiThread ui, broker;
  HWND main = nullptr, alarm = nullptr;
  broker.Call([&] { alarm = Open(trace, WindowSpec{"alarm", WS_POPUP | WS_VISIBLE, 0, {300, 0, 400, 100}}); });
  ui.Call([&] { main = Open(trace, WindowSpec{"main", WS_POPUP | WS_VISIBLE, 0, {0, 0, 200, 200}}); });
  ASSERT_TRUE(driver.WaitIdle());
  ASSERT_EQ(GetForegroundWindow(), main);
  trace.Clear();
  ui.Call([&] { ShowWindow(main, SW_HIDE); });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(trace.Take(kLogged),
            (Lines{"main:WM_NCACTIVATE 0", "main:WM_ACTIVATE inactive alarm", "main:WM_KILLFOCUS alarm",
                   "alarm:WM_NCACTIVATE 1", "alarm:WM_ACTIVATE active main", "alarm:WM_SETFOCUS none"}));
  EXPECT_EQ(GetForegroundWindow(), alarm);
  broker.Call([&] { EXPECT_EQ(GetFocus(), alarm); });
  ui.Call([&] { EXPECT_EQ(GetActiveWindow(), nullptr); });
}

}  // namespace
