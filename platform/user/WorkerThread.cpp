#include "platform/user/WorkerThread.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <utility>

#include "platform/user/MessageQueue.h"
#include "platform/user/QueueRegistry.h"
#include "platform/user/ThreadQueue.h"
#include "platform/user/WindowHelpers.h"

namespace platform {

// Guarded by the user lock, so that the end cannot slip between the waiter's last
// look and its sleep.
struct WorkerThread::State {
  bool ended = false;
  std::exception_ptr error;
  user::ThreadQueue* waiter = nullptr;  // while a thread sleeps in WaitPumping
};

namespace {

// Sleeps until the queue is woken, or until its next timer falls due on a real clock
// (the virtual clock wakes every queue itself when it moves).
void Sleep(user::Guard& guard, user::ThreadQueue& queue) {
  backend::Backend* backend = user::ActiveBackend();
  const uint64_t due = queue.NextDue();
  if ((backend != nullptr && backend->ClockIsVirtual()) || due == UINT64_MAX) {
    queue.cv.wait(guard);
    return;
  }
  const uint64_t now = user::Now();
  if (due <= now) return;
  queue.cv.wait_for(guard, std::chrono::milliseconds(due - now));
}

}  // namespace

namespace {

std::atomic<int> g_outstanding{0};

}  // namespace

int WorkerThread::Outstanding() { return g_outstanding.load(); }

WorkerThread::WorkerThread(std::function<void()> job) : state_(std::make_shared<State>()) {
  ++g_outstanding;
  std::shared_ptr<State> state = state_;
  thread_ = std::thread([state, job = std::move(job)] {
    std::exception_ptr error;
    try {
      job();
    } catch (...) {
      error = std::current_exception();
    }
    MarkEnded(*state, error);
  });
}

WorkerThread::~WorkerThread() { Wait(); }

void WorkerThread::MarkEnded(State& state, std::exception_ptr error) {
  user::Guard guard = user::UserLock::Acquire();
  state.ended = true;
  state.error = std::move(error);
  if (state.waiter != nullptr) state.waiter->Wake();
}

bool WorkerThread::Ended() const {
  user::Guard guard = user::UserLock::Acquire();
  return state_->ended;
}

void WorkerThread::WaitPumping() {
  Wait();
  if (!error_) return;
  std::exception_ptr error = std::move(error_);
  error_ = nullptr;
  std::rethrow_exception(error);
}

void WorkerThread::Wait() {
  if (!thread_.joinable()) return;
  bool quit = false;
  int quitCode = 0;
  while (!AwaitEndOrMessages()) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        quitCode = static_cast<int>(msg.wParam);
        continue;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // The job has returned; what is left is the thread's own clean-up.
  thread_.join();
  --g_outstanding;
  {
    user::Guard guard = user::UserLock::Acquire();
    error_ = std::move(state_->error);
  }
  if (quit) PostQuitMessage(quitCode);
}

bool WorkerThread::AwaitEndOrMessages() {
  user::Guard guard = user::UserLock::Acquire();
  user::ThreadQueue* queue = user::ThreadQueue::Current();
  queue->gui = true;
  const user::MessageFilter all;
  for (;;) {
    if (state_->ended) return true;
    if (queue->HasWork(all, user::Now())) return false;
    state_->waiter = queue;
    queue->waiting = true;
    queue->waitFilter = all;
    user::QueueRegistry::Instance().NotifyChanged();
    Sleep(guard, *queue);
    queue->waiting = false;
    state_->waiter = nullptr;
  }
}

}  // namespace platform
