#pragma once
// The one lock over the window layer's state: window objects, queues, focus, capture.
// It is never held while a window procedure runs.
#include <mutex>

namespace platform::user {

typedef std::unique_lock<std::mutex> Guard;

class UserLock {
 public:
  static std::mutex& Mutex();
  static Guard Acquire() { return Guard(Mutex()); }
};

}  // namespace platform::user
