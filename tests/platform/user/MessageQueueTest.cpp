// Modal loops, quit, posting and sending within and across threads.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/backend/headless/VirtualClock.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/platform/user/ModalLoop.h"
#include "tests/platform/user/TracedTest.h"
#include "tests/platform/user/TraceWindow.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using test::Trace;
using test::TraceWindow;
using test::WindowSpec;
typedef std::vector<std::string> Lines;

struct CloseCase {
  const char* scenario;
  bool posted;
  WPARAM code;
  int expectedResult;
};

class ModalClose : public test::TracedTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ModalClose, PostedCloseGivesItsCodeSentCloseGivesZero) {
  const CloseCase& c = GetParam();
  HWND frame = nullptr, page = nullptr, dialog = nullptr;
  std::atomic<int> result{-1};
  gui.Call([&] {
    frame = TraceWindow::Create(trace, WindowSpec{"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, {0, 0, 400, 300}});
    page = TraceWindow::Create(trace, WindowSpec{"page", WS_CHILD | WS_VISIBLE, 0, {0, 0, 100, 100}, frame});
    dialog = TraceWindow::Create(trace, WindowSpec{"dialog", WS_POPUP, 0, {10, 10, 60, 60}, page});
  });
  gui.Post([&] { result = test::RunModal(dialog); });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_FALSE(IsWindowEnabled(frame)) << "a dialog owned through a page disables the frame";
  EXPECT_EQ(GetForegroundWindow(), dialog);
  if (c.posted) {
    PostMessageW(dialog, WM_CLOSE, c.code, 0);
  } else {
    SendMessageW(dialog, WM_CLOSE, c.code, 0);
  }
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), c.expectedResult);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_TRUE(IsWindowEnabled(frame));
  EXPECT_EQ(GetForegroundWindow(), frame);
}

INSTANTIATE_TEST_SUITE_P(Table, ModalClose,
                         ::testing::Values(CloseCase{"posted close", true, 1, 1}, CloseCase{"posted code 7", true, 7, 7},
                                           CloseCase{"sent close", false, 1, 0}));

TEST(ModalLoops, QuitInsideANestedLoopEndsItAndReachesTheOuterLoop) {
  TestDriver driver;
  Trace trace;
  GuiThread gui;
  HWND outer = nullptr, inner = nullptr;
  gui.Call([&] {
    outer = TraceWindow::Create(trace, WindowSpec{"outer", WS_POPUP, 0, {0, 0, 300, 300}});
    inner = TraceWindow::Create(trace, WindowSpec{"inner", WS_POPUP, 0, {10, 10, 100, 100}, outer});
  });
  gui.Post([&] {
    test::RunModal(outer);
    trace.Add("outer loop ended");
  });
  ASSERT_TRUE(driver.WaitIdle());
  gui.Post([&] {
    test::RunModal(inner);
    trace.Add("inner loop ended");
    trace.Add(IsWindowEnabled(outer) ? "outer enabled" : "outer disabled");
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_FALSE(IsWindowEnabled(outer));
  trace.Clear();
  gui.Post([] { PostQuitMessage(42); });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(trace.Take(std::set<UINT>{}), (Lines{"inner loop ended", "outer enabled", "outer loop ended"}));
  EXPECT_TRUE(gui.Finished());
  EXPECT_EQ(gui.ExitCode(), 42);
}

TEST(ModalLoops, TwoThreadsEachRunTheirOwnLoop) {
  TestDriver driver;
  Trace trace;
  GuiThread ui, broker;
  HWND main = nullptr, alarm = nullptr;
  std::atomic<int> mainResult{-1}, alarmResult{-1};
  ui.Call([&] { main = TraceWindow::Create(trace, WindowSpec{"main"}); });
  broker.Call([&] { alarm = TraceWindow::Create(trace, WindowSpec{"alarm", WS_POPUP, 0, {0, 0, 50, 50},
                                                                  GetDesktopWindow()}); });
  ui.Post([&] { mainResult = test::RunModal(main); });
  broker.Post([&] { alarmResult = test::RunModal(alarm); });
  ASSERT_TRUE(driver.WaitIdle());
  PostMessageW(alarm, WM_CLOSE, 3, 0);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(alarmResult.load(), 3);
  EXPECT_EQ(mainResult.load(), -1) << "the other thread's loop goes on";
  EXPECT_TRUE(IsWindow(main));
  PostMessageW(main, WM_CLOSE, 5, 0);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(mainResult.load(), 5);
}

TEST(CrossThread, SendIsAnsweredWhileTheReceiverWaitsAndADestroyedTargetAnswersZero) {
  TestDriver driver;
  Trace trace;
  GuiThread receiver;
  HWND target = nullptr;
  receiver.Call([&] {
    WindowSpec spec{"target"};
    spec.hook = [](HWND, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
      if (m == WM_APP) return LRESULT(wp * 2 + (GetCurrentThreadId() != 0));
      return std::nullopt;
    };
    target = TraceWindow::Create(trace, spec);
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(SendMessageW(target, WM_APP, 20, 0), 41);
  DWORD handledOn = 0;
  receiver.Call([&] {
    handledOn = GetCurrentThreadId();
    DestroyWindow(target);
  });
  EXPECT_EQ(handledOn, receiver.ThreadId());
  EXPECT_EQ(SendMessageW(target, WM_APP, 20, 0), 0);
}

TEST(CrossThread, TwoThreadsSendingToEachOtherDoNotDeadlock) {
  TestDriver driver;
  Trace trace;
  GuiThread a, b;
  HWND wa = nullptr, wb = nullptr;
  b.Call([&] { wb = TraceWindow::Create(trace, WindowSpec{"b"}); });
  a.Call([&] {
    WindowSpec spec{"a"};
    spec.hook = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (m == WM_APP + 1) return LRESULT(7);
      return std::nullopt;
    };
    wa = TraceWindow::Create(trace, spec);
  });
  // b, while handling WM_APP sent by a, sends back to a: a answers inside its own send.
  static WNDPROC traced = nullptr;  // the window's own procedure frees its object at the end
  b.Call([&] {
    traced = WNDPROC(SetWindowLongPtrW(wb, GWLP_WNDPROC, LONG_PTR(+[](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
      if (m == WM_APP) return SendMessageW(HWND(wp), WM_APP + 1, 0, 0) + 1;
      return CallWindowProcW(traced, h, m, wp, lp);
    })));
  });
  LRESULT answer = 0;
  a.Call([&] { answer = SendMessageW(wb, WM_APP, WPARAM(wa), 0); });
  EXPECT_EQ(answer, 8);
}

TEST(CrossThread, OwnerThreadCarriesOutPositionChangesAndTimersFromElsewhereFail) {
  TestDriver driver;
  Trace trace;
  GuiThread gui;
  HWND w = nullptr;
  std::atomic<DWORD> changingThread{0};
  gui.Call([&] {
    WindowSpec spec{"w", WS_POPUP | WS_VISIBLE};
    spec.hook = [&changingThread](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (m == WM_WINDOWPOSCHANGING) changingThread = GetCurrentThreadId();
      return std::nullopt;
    };
    w = TraceWindow::Create(trace, spec);
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_TRUE(SetWindowPos(w, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
  EXPECT_EQ(changingThread.load(), gui.ThreadId());
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 40);
  EXPECT_EQ(SetTimer(w, 1, 100, nullptr), UINT_PTR(0));
  EXPECT_FALSE(KillTimer(w, 1));
  EXPECT_FALSE(DestroyWindow(w));
  EXPECT_TRUE(IsWindow(w));
}

using Retrieval = test::TracedTest;

TEST_F(Retrieval, PostedThenQuitThenPaintThenTimer) {
  std::vector<UINT> order;
  gui.Call([&] {
    HWND w = TraceWindow::Create(trace, WindowSpec{"w", WS_POPUP | WS_VISIBLE});
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    SetTimer(w, 9, 10, nullptr);
    InvalidateRect(w, nullptr, FALSE);
    PostQuitMessage(3);
    PostMessageW(w, WM_APP, 0, 0);
    PostMessageW(w, WM_USER, 0, 0);
    platform::headless::VirtualClock::Advance(20);  // the timer falls due while everything else waits
    for (int i = 0; i < 6 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
      order.push_back(msg.message);
      if (msg.message == WM_PAINT) ValidateRect(msg.hwnd, nullptr);
    }
    KillTimer(w, 9);
  });
  EXPECT_EQ(order, (std::vector<UINT>{WM_APP, WM_USER, WM_QUIT, WM_PAINT, WM_TIMER}));
}

using Posting = test::TracedTest;

TEST_F(Posting, MessagePostedBeforeTheLoopStartsIsStillDelivered) {
  HWND w = nullptr;
  gui.Call([&] { w = TraceWindow::Create(trace, WindowSpec{"w"}); });
  std::atomic<int> result{-1};
  gui.Post([&] {
    PostMessageW(w, WM_CLOSE, 9, 0);
    result = test::RunModal(w);
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), 9);
}

}  // namespace
