#pragma once
// A thread that runs windows under test: it owns a message queue and sits in a
// GetMessageW loop; work is handed to it as calls it runs between messages.
#include <atomic>
#include <functional>
#include <thread>

#include "platform/base/WinTypes.h"

namespace platform::headless {

class GuiThread {
 public:
  GuiThread();
  // Destroys the thread's remaining windows, ends its loop and joins it.
  ~GuiThread();
  GuiThread(const GuiThread&) = delete;
  GuiThread& operator=(const GuiThread&) = delete;

  // Runs `call` on the thread and waits for it; `call` must not enter a modal loop.
  void Call(std::function<void()> call);
  // Runs `call` on the thread without waiting (a modal loop, a message box).
  void Post(std::function<void()> call);
  DWORD ThreadId() const { return threadId_; }
  // True once the thread's loop has seen WM_QUIT.
  bool Finished() const { return finished_.load(); }
  int ExitCode() const { return exitCode_.load(); }

 private:
  void Loop();

  std::thread thread_;
  std::atomic<DWORD> threadId_{0};
  std::atomic<bool> finished_{false};
  std::atomic<int> exitCode_{0};
};

}  // namespace platform::headless
