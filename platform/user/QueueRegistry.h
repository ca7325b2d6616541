#pragma once
// Every thread queue of the process: lookup by thread id, and the idle watch the test
// driver waits on (every GUI thread blocked in GetMessageW with nothing to do).
#include <condition_variable>
#include <cstdint>
#include <vector>

#include "platform/base/WinTypes.h"

#include "platform/user/UserLock.h"

namespace platform::user {

class ThreadQueue;

class QueueRegistry {
 public:
  static QueueRegistry& Instance();

  // All under the user lock.
  void Add(ThreadQueue* queue);
  void Remove(ThreadQueue* queue);
  ThreadQueue* FindThread(DWORD threadId) const;
  const std::vector<ThreadQueue*>& Queues() const { return queues_; }
  void NotifyChanged() { changed_.notify_all(); }
  void WakeAll();
  // True when every GUI queue but `except` waits with nothing to do at time `now`.
  bool AllIdle(const ThreadQueue* except, uint64_t now) const;
  // Waits (at most `limitMs` of real time, a guard against a hung test) for AllIdle.
  bool WaitAllIdle(Guard& guard, const ThreadQueue* except, uint64_t limitMs);
  // The earliest due time over every queue; UINT64_MAX when none.
  uint64_t NextDue() const;

 private:
  QueueRegistry() = default;

  std::vector<ThreadQueue*> queues_;
  std::condition_variable changed_;
};

}  // namespace platform::user
