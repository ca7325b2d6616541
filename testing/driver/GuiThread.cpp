#include "testing/driver/GuiThread.h"

#include <condition_variable>
#include <mutex>
#include <vector>

#include "platform/base/Module.h"
#include "platform/user/User.h"
#include "platform/user/WindowHelpers.h"

namespace platform::headless {
namespace {

BOOL CALLBACK CollectOwn(HWND hwnd, LPARAM list) {
  if (GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId()) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  }
  return TRUE;
}

void DestroyOwnWindows() {
  std::vector<HWND> own;
  EnumWindows(&CollectOwn, LPARAM(&own));
  for (HWND hwnd : own) {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
  }
}

}  // namespace

GuiThread::GuiThread() {
  std::mutex mutex;
  std::condition_variable ready;
  thread_ = std::thread([this, &mutex, &ready] {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists from here on
    {
      // Notified under the lock: once the constructor sees the id it returns and
      // destroys both, which must not happen while this thread still uses them.
      std::lock_guard<std::mutex> lock(mutex);
      threadId_.store(GetCurrentThreadId());
      ready.notify_all();
    }
    Loop();
  });
  std::unique_lock<std::mutex> lock(mutex);
  ready.wait(lock, [this] { return threadId_.load() != 0; });
}

GuiThread::~GuiThread() {
  if (!finished_.load()) {
    Post([] {
      DestroyOwnWindows();
      PostQuitMessage(0);
    });
  }
  thread_.join();
}

void GuiThread::Call(std::function<void()> call) {
  user::RunOnThread(threadId_.load(), [&call]() -> LRESULT {
    call();
    return 0;
  }, true);
}

void GuiThread::Post(std::function<void()> call) {
  user::RunOnThread(threadId_.load(), [call]() -> LRESULT {
    call();
    return 0;
  }, false);
}

void GuiThread::Loop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // A quit of the test's own leaves windows behind: they end with their thread, and
  // objects freed at their last message are freed.
  DestroyOwnWindows();
  exitCode_.store(int(msg.wParam));
  finished_.store(true);
}

}  // namespace platform::headless
