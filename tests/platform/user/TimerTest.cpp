// Timers on the virtual clock: due times, coalescing, replacement, killing.
#include <gtest/gtest.h>

#include <functional>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/platform/user/TracedTest.h"
#include "tests/platform/user/TraceWindow.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using test::TraceWindow;
using test::WindowSpec;

enum class Step { Set, Kill, Advance, Jump, Destroy };

struct TimerStep {
  Step step;
  UINT value;          // period for Set, milliseconds for Advance and Jump
  int expectedTicks;   // WM_TIMER messages seen after the step, counted from the last step
};

struct TimerCase {
  const char* scenario;
  std::vector<TimerStep> steps;
};

class Timers : public test::TracedTest, public ::testing::WithParamInterface<TimerCase> {};

TEST_P(Timers, FireOnTheVirtualClock) {
  HWND w = nullptr;
  gui.Call([&] {
    WindowSpec spec{"w"};
    spec.hook = [this](HWND, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
      if (m == WM_TIMER) trace.Add("tick " + std::to_string(wp));
      return std::nullopt;
    };
    w = TraceWindow::Create(trace, spec);
  });
  int index = 0;
  for (const TimerStep& s : GetParam().steps) {
    switch (s.step) {
      case Step::Set: gui.Call([&] { EXPECT_EQ(SetTimer(w, 77, s.value, nullptr), UINT_PTR(77)); }); break;
      case Step::Kill: gui.Call([&] { EXPECT_TRUE(KillTimer(w, 77)); }); break;
      case Step::Destroy: gui.Call([&] { DestroyWindow(w); }); break;
      case Step::Advance: driver.Advance(s.value); break;
      case Step::Jump: driver.Jump(s.value); break;
    }
    ASSERT_TRUE(driver.WaitIdle());
    const auto lines = trace.Take(std::set<UINT>{});
    int ticks = 0;
    for (const auto& line : lines) ticks += line == "tick 77";
    EXPECT_EQ(ticks, s.expectedTicks) << "step " << index;
    ++index;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Timers,
    ::testing::Values(
        TimerCase{"one tick per period", {{Step::Set, 100, 0}, {Step::Advance, 99, 0}, {Step::Advance, 1, 1},
                                          {Step::Advance, 300, 3}}},
        TimerCase{"late ticks coalesce", {{Step::Set, 100, 0}, {Step::Jump, 550, 1}, {Step::Advance, 99, 0},
                                          {Step::Advance, 1, 1}}},
        TimerCase{"setting again restarts the period", {{Step::Set, 1000, 0}, {Step::Advance, 600, 0},
                                                        {Step::Set, 1000, 0}, {Step::Advance, 600, 0},
                                                        {Step::Advance, 400, 1}}},
        TimerCase{"replaced with a new period", {{Step::Set, 1000, 0}, {Step::Set, 50, 0}, {Step::Advance, 100, 2}}},
        TimerCase{"killed timers stay quiet", {{Step::Set, 100, 0}, {Step::Advance, 100, 1}, {Step::Kill, 0, 0},
                                               {Step::Advance, 1000, 0}}},
        TimerCase{"timers die with their window", {{Step::Set, 100, 0}, {Step::Destroy, 0, 0},
                                                   {Step::Advance, 1000, 0}}}),
    [](const ::testing::TestParamInfo<TimerCase>& info) { return "Case" + std::to_string(info.index); });

TEST(Timers, ThreadTimerWithProcedureGetsItsOwnIdAndRuns) {
  TestDriver driver;
  GuiThread gui;
  static int calls = 0;
  calls = 0;
  UINT_PTR id = 0;
  gui.Call([&] { id = SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR, DWORD) { ++calls; }); });
  EXPECT_NE(id, UINT_PTR(0));
  driver.Advance(90);
  EXPECT_EQ(calls, 3);
  gui.Call([&] { EXPECT_TRUE(KillTimer(nullptr, id)); });
}

using Caret = test::TracedTest;

TEST_F(Caret, PositionNeedsACaretAndTheBlinkTimeIsTheDefault) {
  gui.Call([&] {
    HWND w = TraceWindow::Create(trace, WindowSpec{"w"});
    EXPECT_FALSE(SetCaretPos(3, 4)) << "no caret yet";
    EXPECT_TRUE(CreateCaret(w, nullptr, 1, 14));
    EXPECT_TRUE(SetCaretPos(3, 4));
    POINT p{};
    EXPECT_TRUE(GetCaretPos(&p));
    EXPECT_EQ(p.x, 3);
    EXPECT_EQ(p.y, 4);
    EXPECT_TRUE(ShowCaret(w));
    EXPECT_TRUE(HideCaret(w));
    DestroyWindow(w);
    EXPECT_FALSE(SetCaretPos(5, 5)) << "the caret goes with its window";
    EXPECT_EQ(GetCaretBlinkTime(), 530u);
    EXPECT_EQ(GetDoubleClickTime(), 500u);
  });
}

}  // namespace
