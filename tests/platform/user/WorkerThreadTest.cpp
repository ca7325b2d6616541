// Waiting for a worker thread while pumping: the waiting thread keeps its windows
// alive (sent and posted messages, timers, a message box the worker owns by them),
// counts as idle while nothing is to do, and hands on a WM_QUIT and a job's exception.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <stdexcept>

#include "platform/user/WorkerThread.h"
#include "tests/platform/user/TracedTest.h"

namespace {

using platform::WorkerThread;
using test::TraceWindow;
using test::WindowSpec;
typedef std::vector<std::string> Lines;

const auto kHangGuard = std::chrono::seconds(20);

class PumpingWait : public test::TracedTest {
 protected:
  // A visible page on the GUI thread, answering WM_USER with 77.
  void MakePage() {
    gui.Call([&] {
      WindowSpec spec("page", WS_POPUP | WS_VISIBLE, 0, RECT{10, 10, 210, 110});
      spec.hook = [](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_USER) return 77;
        return std::nullopt;
      };
      page = TraceWindow::Create(trace, spec);
    });
  }

  // Runs `job` on a worker from the GUI thread, which waits for it pumping; `joined`
  // is set once the wait is over.
  void StartAndWait(std::function<void()> job) {
    gui.Post([this, job] {
      WorkerThread worker(job);
      worker.WaitPumping();
      trace.Add("joined");
      joined.set_value();
    });
  }

  bool Joined() { return joinedFuture.wait_for(kHangGuard) == std::future_status::ready; }

  HWND page = nullptr;
  std::promise<void> gate;
  std::promise<void> joined;
  std::future<void> joinedFuture = joined.get_future();
};

TEST_F(PumpingWait, TheWaitingThreadRunsTimersPostedAndSentMessagesAndIsIdle) {
  MakePage();
  gui.Call([&] { SetTimer(page, 7, 1000, nullptr); });
  std::shared_future<void> open = gate.get_future().share();
  LRESULT answer = 0;
  StartAndWait([&, open] {
    open.wait();
    answer = SendMessageW(page, WM_USER, 0, 0);
  });
  ASSERT_TRUE(driver.WaitIdle()) << "a thread waiting with nothing to do is idle";
  trace.Clear();

  driver.Advance(1000);
  PostMessageW(page, WM_APP, 0, 0);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(trace.Take({WM_TIMER, WM_APP, WM_USER}), (Lines{"page:WM_TIMER", "page:WM_APP"}));

  gate.set_value();
  ASSERT_TRUE(Joined());
  EXPECT_EQ(answer, 77) << "the worker's message was served while the thread waited";
  EXPECT_EQ(trace.Take({WM_USER}), (Lines{"page:WM_USER", "joined"}));
}

TEST_F(PumpingWait, AMessageBoxOfTheWorkerOwnedByAWaitingWindowIsAnswered) {
  MakePage();
  int answer = 0;
  std::promise<void> queueMade;
  StartAndWait([&] {
    // A thread counts for the driver once it has a queue it reads.
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    queueMade.set_value();
    answer = MessageBoxW(page, L"导出完成", L"提示", MB_OKCANCEL);
  });
  queueMade.get_future().wait();
  ASSERT_TRUE(driver.WaitIdle());
  ASSERT_EQ(driver.MessageBoxes().size(), 1u);
  EXPECT_FALSE(IsWindowEnabled(page)) << "the box disables its owner on the waiting thread";
  ASSERT_TRUE(driver.AnswerMessageBox(IDCANCEL));
  ASSERT_TRUE(Joined());
  EXPECT_EQ(answer, IDCANCEL);
  EXPECT_TRUE(IsWindowEnabled(page));
}

TEST_F(PumpingWait, AQuitArrivingMeanwhileIsPostedAgainAfterTheWait) {
  MakePage();
  std::shared_future<void> open = gate.get_future().share();
  StartAndWait([open] { open.wait(); });
  ASSERT_TRUE(driver.WaitIdle());
  gui.Call([] { PostQuitMessage(3); });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_FALSE(gui.Finished()) << "the quit does not end the wait";
  EXPECT_EQ(trace.Take({WM_USER}), Lines{});

  gate.set_value();
  ASSERT_TRUE(Joined());
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_TRUE(gui.Finished()) << "the loop outside got the quit";
  EXPECT_EQ(gui.ExitCode(), 3);
}

TEST(WorkerThreads, AJobThatEndedBeforeTheWaitReturnsAtOnce) {
  std::promise<void> done;
  std::future<void> doneFuture = done.get_future();
  WorkerThread worker([&] { done.set_value(); });
  ASSERT_EQ(doneFuture.wait_for(kHangGuard), std::future_status::ready);
  worker.WaitPumping();
  EXPECT_TRUE(worker.Ended());
  worker.WaitPumping();  // a second wait has nothing to wait for
}

TEST(WorkerThreads, AJobsExceptionIsThrownByTheWait) {
  WorkerThread worker([] { throw std::runtime_error("读卡器未连接"); });
  EXPECT_THROW(worker.WaitPumping(), std::runtime_error);
  EXPECT_TRUE(worker.Ended());
  EXPECT_NO_THROW(worker.WaitPumping()) << "thrown once";
}

}  // namespace
