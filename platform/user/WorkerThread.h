#pragma once
// A thread that runs one job, and whose end a thread with windows can wait for
// without freezing them: while it waits it keeps serving the messages other threads
// send it, dispatching its posted messages and input, painting and running its
// timers, as a MsgWaitForMultipleObjectsEx(QS_ALLINPUT) loop does on Windows. So a
// job that shows a message box owned by the waiting thread's window, or sends that
// window a message, is served instead of dead-locking. The test driver counts a
// thread in this wait with nothing to do as idle.
#include <exception>
#include <functional>
#include <memory>
#include <thread>

namespace platform {

class WorkerThread {
 public:
  // Starts the job at once.
  explicit WorkerThread(std::function<void()> job);
  // Waits as WaitPumping does when nobody has waited yet; a job's exception is then
  // dropped.
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // True once the job has returned (or thrown).
  bool Ended() const;

  // Workers started and not yet waited for. A thread waiting for one counts as idle
  // for the test driver, so tests that must see what follows the wait ask this too.
  static int Outstanding();

  // Returns once the job has returned, pumping the calling thread's messages
  // meanwhile. A WM_QUIT retrieved meanwhile is posted again once the wait is over,
  // for the loop outside. An exception the job threw is thrown here.
  void WaitPumping();

 private:
  struct State;

  // Run by the worker thread as its last step.
  static void MarkEnded(State& state, std::exception_ptr error);
  // The job's end, or messages for the calling thread; true for the end.
  bool AwaitEndOrMessages();
  void Wait();

  std::shared_ptr<State> state_;
  std::thread thread_;
  std::exception_ptr error_;
};

}  // namespace platform
