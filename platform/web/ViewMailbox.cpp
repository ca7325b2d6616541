#include "platform/web/ViewMailbox.h"

namespace platform::web {

namespace {

const wchar_t kClassName[] = L"WkeViewMailbox";
const UINT kRunTasks = WM_APP + 0x3A1;

bool RegisterMailboxClass(WNDPROC proc) {
  static const bool registered = [proc] {
    WNDCLASSW cls = {};
    cls.lpfnWndProc = proc;
    cls.lpszClassName = kClassName;
    return ::RegisterClassW(&cls) != 0;
  }();
  return registered;
}

}  // namespace

ViewMailbox::ViewMailbox() : owner_(::GetCurrentThreadId()) {}

std::shared_ptr<ViewMailbox> ViewMailbox::Create() {
  if (!RegisterMailboxClass(&ViewMailbox::WindowProc)) return nullptr;
  std::shared_ptr<ViewMailbox> mailbox(new ViewMailbox());
  mailbox->hwnd_ = ::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (mailbox->hwnd_ == nullptr) return nullptr;
  ::SetWindowLongPtrW(mailbox->hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(mailbox.get()));
  return mailbox;
}

ViewMailbox::~ViewMailbox() {
  // The last reference may go on the engine's thread, where the window cannot be
  // destroyed; Close on the owner thread has done it then.
  if (hwnd_ != nullptr && ::GetCurrentThreadId() == owner_) ::DestroyWindow(hwnd_);
}

void ViewMailbox::Post(std::function<void()> task) {
  HWND wake = nullptr;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (closed_) return;
    tasks_.push_back(std::move(task));
    if (!wakePosted_) {
      wakePosted_ = true;
      wake = hwnd_;
    }
  }
  if (wake != nullptr) ::PostMessageW(wake, kRunTasks, 0, 0);
}

void ViewMailbox::Close() {
  std::deque<std::function<void()>> dropped;
  HWND hwnd = nullptr;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (closed_) return;
    closed_ = true;
    dropped.swap(tasks_);
    hwnd = hwnd_;
    hwnd_ = nullptr;
  }
  if (hwnd != nullptr) ::DestroyWindow(hwnd);
}

void ViewMailbox::RunPending() {
  // A task may close the mailbox and drop the view's last reference to it.
  std::shared_ptr<ViewMailbox> self = shared_from_this();
  for (;;) {
    std::function<void()> task;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (closed_ || tasks_.empty()) {
        wakePosted_ = false;
        return;
      }
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    task();
  }
}

LRESULT CALLBACK ViewMailbox::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kRunTasks) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  auto* mailbox = reinterpret_cast<ViewMailbox*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (mailbox != nullptr) mailbox->RunPending();
  return 0;
}

}  // namespace platform::web
