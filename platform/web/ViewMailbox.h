#pragma once
// Runs tasks on the thread that made the mailbox, through that thread's message queue:
// the engine reports on its own thread, and a view's callbacks run where the view lives.
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "platform/win32.h"

namespace platform::web {

class ViewMailbox : public std::enable_shared_from_this<ViewMailbox> {
 public:
  // On the owner thread; null when no window could be made for it.
  static std::shared_ptr<ViewMailbox> Create();
  ~ViewMailbox();
  ViewMailbox(const ViewMailbox&) = delete;
  ViewMailbox& operator=(const ViewMailbox&) = delete;

  // Any thread. A closed mailbox drops the task.
  void Post(std::function<void()> task);
  // Owner thread: drops what is queued and runs nothing more.
  void Close();
  // Owner thread: runs the queued tasks in order, until the queue is empty or a task
  // closed the mailbox.
  void RunPending();
  DWORD OwnerThread() const { return owner_; }

 private:
  ViewMailbox();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  DWORD owner_ = 0;
  std::mutex mutex_;
  std::deque<std::function<void()>> tasks_;
  bool closed_ = false;
  bool wakePosted_ = false;
};

}  // namespace platform::web
