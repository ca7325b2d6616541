// Mouse and keyboard routing, double clicks, tracking, capture, focus and activation.
#include <gtest/gtest.h>

#include <future>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/platform/user/TracedTest.h"
#include "tests/platform/user/TraceWindow.h"

namespace {

using platform::backend::MouseButton;
using platform::headless::GuiThread;
using platform::headless::TestDriver;
using test::Trace;
using test::TraceWindow;
using test::WindowSpec;
typedef std::vector<std::string> Lines;

const std::set<UINT> kButtons = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP,
                                 WM_CONTEXTMENU};

std::string Point(LPARAM lp) { return std::to_string(GET_X_LPARAM(lp)) + "," + std::to_string(GET_Y_LPARAM(lp)); }

struct DoubleClickCase {
  const char* scenario;
  bool doubleClickClass;
  uint64_t gap;
  int secondX;
  Lines expected;
};

class DoubleClicks : public test::TracedTest, public ::testing::WithParamInterface<DoubleClickCase> {};

TEST_P(DoubleClicks, OnlyForClassesThatAskAndWithinTimeAndDistance) {
  const DoubleClickCase& c = GetParam();
  gui.Call([&] {
    WindowSpec spec{"w", WS_POPUP | WS_VISIBLE, 0, {100, 100, 300, 300}};
    spec.className = TraceWindow::ClassName(c.doubleClickClass);
    TraceWindow::Create(trace, spec);
  });
  driver.Click(150, 150);
  driver.Advance(c.gap);
  driver.Click(c.secondX, 150);
  EXPECT_EQ(trace.Take(kButtons), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DoubleClicks,
    ::testing::Values(
        DoubleClickCase{"CS_DBLCLKS, quick", true, 200, 150,
                        {"w:WM_LBUTTONDOWN", "w:WM_LBUTTONUP", "w:WM_LBUTTONDBLCLK", "w:WM_LBUTTONUP"}},
        DoubleClickCase{"no CS_DBLCLKS", false, 200, 150,
                        {"w:WM_LBUTTONDOWN", "w:WM_LBUTTONUP", "w:WM_LBUTTONDOWN", "w:WM_LBUTTONUP"}},
        DoubleClickCase{"too slow", true, 600, 150,
                        {"w:WM_LBUTTONDOWN", "w:WM_LBUTTONUP", "w:WM_LBUTTONDOWN", "w:WM_LBUTTONUP"}},
        DoubleClickCase{"too far", true, 100, 160,
                        {"w:WM_LBUTTONDOWN", "w:WM_LBUTTONUP", "w:WM_LBUTTONDOWN", "w:WM_LBUTTONUP"}}),
    [](const ::testing::TestParamInfo<DoubleClickCase>& info) { return "Case" + std::to_string(info.index); });

using MouseInput = test::TracedTest;

TEST_F(MouseInput, HitTestAndCursorPrecedeEveryMouseMessage) {
  gui.Call([&] { TraceWindow::Create(trace, WindowSpec{"w", WS_POPUP | WS_VISIBLE, 0, {100, 100, 300, 300}}); });
  trace.Clear();
  driver.MoveMouse(120, 130);
  EXPECT_EQ(trace.Take({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE}),
            (Lines{"w:WM_NCHITTEST", "w:WM_SETCURSOR", "w:WM_MOUSEMOVE"}));
}

TEST_F(MouseInput, NonClientHitCodesGiveNonClientMessagesAndCaptionDragsMove) {
  HWND w = nullptr;
  gui.Call([&] {
    WindowSpec spec{"w", WS_POPUP | WS_VISIBLE, 0, {100, 100, 300, 300}};
    spec.hook = [](HWND h, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
      if (m != WM_NCHITTEST) return std::nullopt;
      POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      ScreenToClient(h, &p);
      return p.y < 20 ? LRESULT(HTCAPTION) : LRESULT(HTCLIENT);
    };
    w = TraceWindow::Create(trace, spec);
  });
  trace.Clear();
  driver.MoveMouse(150, 110);
  driver.Press();
  driver.MoveMouse(170, 140);
  driver.Release();
  EXPECT_EQ(trace.Take({WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN, WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE, WM_MOVE}),
            (Lines{"w:WM_NCMOUSEMOVE", "w:WM_NCLBUTTONDOWN", "w:WM_ENTERSIZEMOVE", "w:WM_MOVE", "w:WM_EXITSIZEMOVE"}));
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 120);
  EXPECT_EQ(r.top, 130);
}

TEST_F(MouseInput, LeaveArrivesWhenThePointerEntersAChild) {
  gui.Call([&] {
    WindowSpec spec{"parent", WS_POPUP | WS_VISIBLE, 0, {0, 0, 200, 200}};
    spec.hook = [](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (m == WM_MOUSEMOVE) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, h, 0};
        _TrackMouseEvent(&tme);
      }
      return std::nullopt;
    };
    HWND parent = TraceWindow::Create(trace, spec);
    TraceWindow::Create(trace, WindowSpec{"child", WS_CHILD | WS_VISIBLE, 0, {100, 100, 150, 150}, parent});
  });
  trace.Clear();
  driver.MoveMouse(10, 10);
  driver.MoveMouse(20, 20);
  driver.MoveMouse(120, 120);
  EXPECT_EQ(trace.Take({WM_MOUSEMOVE, WM_MOUSELEAVE}),
            (Lines{"parent:WM_MOUSEMOVE", "parent:WM_MOUSEMOVE", "parent:WM_MOUSELEAVE", "child:WM_MOUSEMOVE"}));
}

TEST_F(MouseInput, HoverFiresOnceAfterTheHoverTime) {
  gui.Call([&] {
    WindowSpec spec{"w", WS_POPUP | WS_VISIBLE, 0, {0, 0, 200, 200}};
    spec.hook = [this](HWND h, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
      if (m == WM_LBUTTONDOWN) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_HOVER, h, 300};
        _TrackMouseEvent(&tme);
      }
      if (m == WM_MOUSEHOVER) trace.Add("hover at " + Point(lp));
      return std::nullopt;
    };
    TraceWindow::Create(trace, spec);
  });
  driver.Click(40, 50);
  trace.Clear();
  driver.Advance(299);
  EXPECT_EQ(trace.Take({WM_MOUSEHOVER}), Lines{});
  driver.Advance(1000);
  EXPECT_EQ(trace.Take({WM_MOUSEHOVER}), (Lines{"w:WM_MOUSEHOVER", "hover at 40,50"}));
}

TEST_F(MouseInput, CaptureGetsMessagesOutsideWithNegativeClientCoordinates) {
  HWND w = nullptr;
  gui.Call([&] {
    WindowSpec spec{"w", WS_POPUP | WS_VISIBLE, 0, {100, 100, 200, 200}};
    spec.hook = [this](HWND h, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
      if (m == WM_LBUTTONDOWN) SetCapture(h);
      if (m == WM_MOUSEMOVE || m == WM_LBUTTONUP) trace.Add(TraceWindow::MessageName(m) + " " + Point(lp));
      return std::nullopt;
    };
    w = TraceWindow::Create(trace, spec);
    TraceWindow::Create(trace, WindowSpec{"other", WS_POPUP | WS_VISIBLE, 0, {0, 0, 90, 90}});
  });
  driver.MoveMouse(150, 150);
  driver.Press();
  trace.Clear();
  driver.MoveMouse(50, 60);
  driver.Release();
  EXPECT_EQ(trace.Take({WM_MOUSEMOVE, WM_LBUTTONUP}),
            (Lines{"w:WM_MOUSEMOVE", "WM_MOUSEMOVE -50,-40", "w:WM_LBUTTONUP", "WM_LBUTTONUP -50,-40"}));
  gui.Call([&] { EXPECT_EQ(GetCapture(), w); });
}

TEST_F(MouseInput, RightButtonUpGivesAContextMenuAtTheScreenPoint) {
  gui.Call([&] {
    WindowSpec spec{"w", WS_POPUP | WS_VISIBLE, 0, {100, 100, 300, 300}};
    spec.hook = [this](HWND, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
      if (m == WM_CONTEXTMENU) trace.Add("menu at " + Point(lp));
      return std::nullopt;
    };
    TraceWindow::Create(trace, spec);
  });
  driver.Click(150, 120, MouseButton::Right);
  EXPECT_EQ(trace.Take(kButtons),
            (Lines{"w:WM_RBUTTONDOWN", "w:WM_RBUTTONUP", "w:WM_CONTEXTMENU", "menu at 150,120"}));
}

TEST_F(MouseInput, ClickGoesThroughATransparentWindowAndDisabledWindowsGetNothing) {
  HWND below = nullptr;
  gui.Call([&] {
    below = TraceWindow::Create(trace, WindowSpec{"below", WS_POPUP | WS_VISIBLE, 0, {0, 0, 200, 200}});
    TraceWindow::Create(trace, WindowSpec{"shadow", WS_POPUP | WS_VISIBLE,
                                          WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST, {0, 0, 200, 200}});
  });
  driver.Click(50, 50);
  EXPECT_EQ(trace.Take(kButtons), (Lines{"below:WM_LBUTTONDOWN", "below:WM_LBUTTONUP"}));
  EnableWindow(below, FALSE);
  driver.Click(60, 60);
  EXPECT_EQ(trace.Take(kButtons), Lines{});
}

// The program's UI thread and the message broker's thread, which can each open a
// top-level window: the main window and the alarm.
class Focus : public test::TracedTest {
 protected:
  // Opens the main window, then the alarm, which has the foreground as the last shown.
  bool OpenMainAndAlarm() {
    gui.Call([&] { main = TraceWindow::Create(trace, WindowSpec{"main", WS_POPUP | WS_VISIBLE}); });
    broker.Call([&] { alarm = TraceWindow::Create(trace, WindowSpec{"alarm", WS_POPUP | WS_VISIBLE}); });
    return driver.WaitIdle();
  }

  GuiThread broker;
  HWND main = nullptr;
  HWND alarm = nullptr;
};

TEST_F(Focus, APopUpTakesTheFocusAndThePreviousWindowIsToldWhoTookIt) {
  HWND frame = nullptr, popup = nullptr;
  gui.Call([&] {
    auto tellFocus = [this](HWND, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
      if (m == WM_KILLFOCUS) trace.Add("lost to " + std::to_string(uintptr_t(wp)));
      return std::nullopt;
    };
    WindowSpec frameSpec{"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, {0, 0, 400, 300}};
    frameSpec.hook = tellFocus;
    frame = TraceWindow::Create(trace, frameSpec);
    popup = TraceWindow::Create(trace, WindowSpec{"menu", WS_POPUP, WS_EX_TOOLWINDOW, {10, 10, 60, 60}, frame});
    EXPECT_EQ(GetFocus(), frame);
    trace.Clear();
    ShowWindow(popup, SW_SHOW);
    EXPECT_EQ(GetFocus(), popup);
    EXPECT_EQ(GetActiveWindow(), popup);
  });
  EXPECT_EQ(trace.Take({WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS}),
            (Lines{"frame:WM_ACTIVATE", "menu:WM_ACTIVATE", "frame:WM_KILLFOCUS",
                   "lost to " + std::to_string(uintptr_t(popup)), "menu:WM_SETFOCUS"}));
  EXPECT_EQ(GetForegroundWindow(), popup);
}

TEST_F(Focus, KeysGoToTheForegroundWindowsThread) {
  ASSERT_TRUE(OpenMainAndAlarm());
  EXPECT_EQ(GetForegroundWindow(), alarm);
  trace.Clear();
  driver.Tap('A');
  EXPECT_EQ(trace.Take({WM_KEYDOWN, WM_CHAR, WM_KEYUP}), (Lines{"alarm:WM_KEYDOWN", "alarm:WM_CHAR", "alarm:WM_KEYUP"}));
  SetForegroundWindow(main);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(trace.Take({WM_KILLFOCUS, WM_SETFOCUS}), (Lines{"main:WM_SETFOCUS", "alarm:WM_KILLFOCUS"}));
  driver.Tap(VK_RETURN);
  EXPECT_EQ(trace.Take({WM_KEYDOWN, WM_CHAR, WM_KEYUP}), (Lines{"main:WM_KEYDOWN", "main:WM_CHAR", "main:WM_KEYUP"}));
  broker.Call([&] { EXPECT_EQ(GetFocus(), nullptr); });
}

TEST_F(Focus, AThreadThatTookTheForegroundBackKeepsItWhenTheOldNewsArrives) {
  ASSERT_TRUE(OpenMainAndAlarm());
  // The broker is busy while the main window takes the foreground, and takes it back
  // before it gets round to hearing that it lost it.
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  broker.Post([this, released] {
    released.wait();
    SetForegroundWindow(alarm);
  });
  gui.Call([&] { SetForegroundWindow(main); });
  release.set_value();
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(GetForegroundWindow(), alarm);
  broker.Call([&] {
    EXPECT_EQ(GetActiveWindow(), alarm);
    EXPECT_EQ(GetFocus(), alarm);
  });
  trace.Clear();
  driver.Tap('A');
  EXPECT_EQ(trace.Take({WM_KEYDOWN, WM_CHAR, WM_KEYUP}), (Lines{"alarm:WM_KEYDOWN", "alarm:WM_CHAR", "alarm:WM_KEYUP"}));
}

struct ReturnCase {
  const char* scenario;
  bool firstActivated;     // shown with activation, or without
  bool firstGoneMeanwhile;
  bool returnsToFirst;     // the window the desktop gives the keyboard to
  Lines expected;          // activations and keys once it is back
};

void PrintTo(const ReturnCase& c, std::ostream* out) { *out << c.scenario; }

class KeyboardReturns : public test::TracedTest, public ::testing::WithParamInterface<ReturnCase> {};

TEST_P(KeyboardReturns, ReactivatesOnlyAProgramThatHadAnActiveWindow) {
  const ReturnCase& c = GetParam();
  HWND first = nullptr, second = nullptr;
  gui.Call([&] {
    first = TraceWindow::Create(trace, WindowSpec{"first", WS_POPUP, 0, {0, 0, 100, 100}});
    second = TraceWindow::Create(trace, WindowSpec{"second", WS_POPUP, 0, {200, 0, 300, 100}});
    ShowWindow(second, SW_SHOWNOACTIVATE);
    ShowWindow(first, c.firstActivated ? SW_SHOW : SW_SHOWNOACTIVATE);
  });
  driver.Backend().InjectFocusLeftProgram();
  ASSERT_TRUE(driver.WaitIdle());
  ASSERT_EQ(GetForegroundWindow(), nullptr);
  if (c.firstGoneMeanwhile) gui.Call([&] { DestroyWindow(first); });
  trace.Clear();
  driver.Backend().InjectFocusReturned(c.returnsToFirst ? first : second);
  ASSERT_TRUE(driver.WaitIdle());
  driver.Tap('A');
  EXPECT_EQ(trace.Take({WM_ACTIVATE, WM_KEYDOWN}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyboardReturns,
    ::testing::Values(
        ReturnCase{"back to the window that was active", true, false, true, {"first:WM_ACTIVATE", "first:WM_KEYDOWN"}},
        ReturnCase{"back to another of its windows", true, false, false, {"second:WM_ACTIVATE", "second:WM_KEYDOWN"}},
        ReturnCase{"nothing was active", false, false, true, {}},
        ReturnCase{"the active window went meanwhile", true, true, false, {}}),
    [](const ::testing::TestParamInfo<ReturnCase>& info) { return "Case" + std::to_string(info.index); });

using Keyboard = test::TracedTest;

TEST_F(Keyboard, KeyStateIsAsOfTheLastMessageAndAltMakesSystemCharacters) {
  gui.Call([&] {
    WindowSpec spec{"w", WS_POPUP | WS_VISIBLE};
    spec.hook = [this](HWND, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
      if (m == WM_CHAR || m == WM_SYSCHAR) trace.Add(std::string(1, char(wp)) + (GetKeyState(VK_SHIFT) < 0 ? " shift" : ""));
      return std::nullopt;
    };
    TraceWindow::Create(trace, spec);
  });
  trace.Clear();
  driver.KeyDown(VK_SHIFT);
  driver.Tap('B');
  driver.KeyUp(VK_SHIFT);
  driver.Tap('B');
  driver.KeyDown(VK_MENU);
  driver.Tap('F');
  driver.KeyUp(VK_MENU);
  driver.Commit(L"中");
  EXPECT_EQ(trace.Take({WM_CHAR, WM_SYSCHAR, WM_SYSKEYDOWN}),
            (Lines{"w:WM_CHAR", "B shift", "w:WM_CHAR", "b", "w:WM_SYSKEYDOWN", "w:WM_SYSKEYDOWN", "w:WM_SYSCHAR", "f",
                   "w:WM_CHAR", std::string(1, char(L'中'))}));
}

TEST_F(MouseInput, WheelGoesToTheFocusWindowWithScreenCoordinates) {
  gui.Call([&] {
    WindowSpec spec{"focus", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100}};
    spec.hook = [this](HWND, UINT m, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
      if (m == WM_MOUSEWHEEL) trace.Add(std::to_string(GET_WHEEL_DELTA_WPARAM(wp)) + " at " + Point(lp));
      return std::nullopt;
    };
    HWND focus = TraceWindow::Create(trace, spec);
    TraceWindow::Create(trace, WindowSpec{"other", WS_POPUP | WS_VISIBLE | WS_DISABLED, 0, {300, 300, 400, 400}});
    SetFocus(focus);
  });
  driver.MoveMouse(350, 360);
  driver.Wheel(-120);
  EXPECT_EQ(trace.Take({WM_MOUSEWHEEL}), (Lines{"focus:WM_MOUSEWHEEL", "-120 at 350,360"}));
}

}  // namespace
